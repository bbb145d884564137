// The quiz's own texts, as code page 852 bytes.
#ifndef QUIZ_MESSAGES_H_
#define QUIZ_MESSAGES_H_

constexpr char kCountPrompt[] = " Ile chcesz pyta\xE4 ? ";  // "Ile chcesz pytań ?"
constexpr char kCountRefused[] = " za ma\x88o !";           // "za mało !"
constexpr char kQuestionStart[] = " ";
constexpr char kTimes[] = " x ";
constexpr char kEquals[] = " = ";
constexpr char kRight[] = " Dobrze !";
constexpr char kWrong[] = " Wcale nie !     ";
constexpr char kScoreStart[] = " Tw\xA2j wynik to: ";  // "Twój wynik to:"
constexpr char kScoreOf[] = " na ";
constexpr char kScoreEnd[] = ".";
constexpr char kWrongShort[] = " Wcale nie !";
constexpr char kAllRight[] = " Wszystko dobrze za pierwszym razem !";
constexpr char kToReview[] = " Do powt\xA2rki:";  // "Do powtórki:"
// "Dobrze, a wkrótce pójdzie od razu:", over the facts right at the first try but slow.
constexpr char kRightButSlow[] = " Dobrze, a wkr\xA2tce p\xA2jdzie od razu:";
constexpr char kReviewIndent[] = "   ";
// "Nie udało się zapisać postępów: " and the file's path
constexpr char kNotKept[] = " Nie uda\x88o si\xA9 zapisa\x86 post\xA9p\xA2w: ";
// "Nie udało się zapisać postępów (brak folderu domowego)."
constexpr char kNotKeptNoPlace[] =
    " Nie uda\x88o si\xA9 zapisa\x86 post\xA9p\xA2w (brak folderu domowego).";
constexpr char kBell = '\a';
constexpr char kFullBlock = '\xDB';

// The fewest questions a round may have.
constexpr int kMinimumCount = 5;

#endif  // QUIZ_MESSAGES_H_
