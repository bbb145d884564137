// The practice programs' own texts, as code page 852 bytes; the question and its verdicts are
// the quiz's (quiz/messages.h).
#ifndef PRACTICE_MESSAGES_H_
#define PRACTICE_MESSAGES_H_

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

#endif  // PRACTICE_MESSAGES_H_
