// The entry of a quiz program. Built once per program, with RANGE (the largest factor) and
// VERSION_SUFFIX (the end of its version text).

#include "console/title_screen.h"
#include "console/version.h"
#include "quiz/closing_screen.h"
#include "quiz/round.h"

int main() {
  PrintTitleScreen(TABLICZKA_VERSION_TEXT VERSION_SUFFIX);
  RunQuizRound(RANGE);
  PrintClosingScreen();
  return 0;
}
