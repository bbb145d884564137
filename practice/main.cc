// The entry of a practice program. Built once per program, with RANGE (the largest factor)
// and VERSION_SUFFIX (the end of its version text).

#include "console/title_screen.h"
#include "practice/memory_store.h"
#include "practice/practice_round.h"
#include "quiz/closing_screen.h"

int main() {
  PrintTitleScreen("wersja 2.0" VERSION_SUFFIX);
  RunPracticeRound(RANGE, PracticeMemoryFile());
  PrintPracticeClosingScreen();
  return 0;
}
