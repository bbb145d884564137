// The entry of a quiz program. Built once per program, with RANGE (the largest factor),
// VERSION_SUFFIX (the end of its version text) and PRACTICE (1 for practice without points).

#include "console/title_screen.h"
#include "quiz/closing_screen.h"
#include "quiz/memory_store.h"
#include "quiz/round.h"

int main() {
  PrintTitleScreen("wersja 2.0" VERSION_SUFFIX);
  if (PRACTICE) {
    RunPracticeRound(RANGE, PracticeMemoryPath());
    PrintPracticeClosingScreen();
  } else {
    RunQuizRound(RANGE);
    PrintClosingScreen();
  }
  return 0;
}
