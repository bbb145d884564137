// For the tests: the pieces of the screens a round writes, as UTF-8 text (cp852.h's Screen()
// turns them into the stored bytes). Without the console effects: a test of the fake console
// puts its "<color 07>" or "<color 0C>" in front where the round recolours the screen.
#ifndef QUIZ_TESTING_ROUND_SCREEN_H_
#define QUIZ_TESTING_ROUND_SCREEN_H_

#include <string>

namespace round_screen {

inline const std::string kPrompt = " Ile chcesz pytań ? ";
inline const std::string kRefusal = "\n za mało !\n\n" + kPrompt;
inline const std::string kRight = "\n Dobrze !\n";
inline const std::string kWrongShort = "\n Wcale nie !\a\n";

/// "a x b = product", or with |sign| ':' "a : b = quotient".
inline std::string SolvedFact(int a, int b, char sign = 'x') {
  return std::to_string(a) + " " + sign + " " + std::to_string(b) + " = " +
         std::to_string(sign == ':' ? a / b : a * b);
}

/// The question's rows, up to where the answer is typed.
inline std::string Ask(int a, int b, char sign = 'x') {
  return "\n " + std::to_string(a) + " " + sign + " " + std::to_string(b) + " = ";
}

/// A wrong answer that shows the answer.
inline std::string Wrong(int a, int b, char sign = 'x') {
  return "\n Wcale nie !     " + SolvedFact(a, b, sign) + "\a\n";
}

/// The row of 80 full blocks with the empty rows around it.
inline std::string Separator() {
  std::string row = "\n";
  for (int i = 0; i < 80; ++i)
    row += "█";
  return row + "\n\n";
}

/// The row of 80 full blocks right under a practice round's last verdict.
inline std::string Bar() {
  std::string row;
  for (int i = 0; i < 80; ++i)
    row += "█";
  return row + "\n";
}

/// The row under a practice round's grid that says what each shade means, centred.
inline const std::string kLegend =
    std::string(8, ' ') + "░░ pudełko 1   ▒▒ 2   ▓▓ 3   ██ 4 i 5   puste: jeszcze nie padło\n";

/// The end of a scored round.
inline std::string Result(int score, int count) {
  return Separator() + " Twój wynik to: " + std::to_string(score) + " na " + std::to_string(count) +
         ".\n";
}

}  // namespace round_screen

#endif  // QUIZ_TESTING_ROUND_SCREEN_H_
