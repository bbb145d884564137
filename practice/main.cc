// The entry of a practice program. Built once per program, with RANGE (the largest factor)
// and VERSION_SUFFIX (the end of its version text).

#include "console/title_screen.h"
#include "practice/learner_choice.h"
#include "practice/practice_round.h"
#include "quiz/closing_screen.h"

int main() {
  PrintTitleScreen("wersja 2.0" VERSION_SUFFIX);
  if (std::optional<MemoryFile> memory_file = ChooseMemoryFile())
    RunPracticeRound(RANGE, *memory_file);
  PrintPracticeClosingScreen();
  return 0;
}
