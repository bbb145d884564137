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
constexpr char kBell = '\a';
constexpr char kFullBlock = '\xDB';

// The fewest questions a round may have.
constexpr int kMinimumCount = 5;

#endif  // QUIZ_MESSAGES_H_
