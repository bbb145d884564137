// The entry of a practice program. Built once per program, with RANGE (the largest factor)
// VERSION_SUFFIX (the end of its version text: a slash and the program's name) and
// PROGRAM_NAME (the name its messages give).

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "console/output.h"
#include "console/title_screen.h"
#include "console/version.h"
#include "console/window_title.h"
#include "practice/learner_choice.h"
#include "practice/practice_round.h"
#include "practice/table_arguments.h"

int main(int argc, char** argv) {
  const std::string name = PROGRAM_NAME;
  PracticeArguments arguments =
      ReadPracticeArguments(std::vector<std::string>(argv + (argc > 0), argv + argc), RANGE);
  if (arguments.read == ArgumentsRead::kBad) {
    std::fputs(ArgumentsError(name, RANGE).c_str(), stderr);
    return 2;
  }
  if (arguments.read == ArgumentsRead::kUsage) {
    PutPracticeUsage(name, RANGE);
    return 0;
  }
  if (arguments.read == ArgumentsRead::kVersion) {
    PutLine(TABLICZKA_VERSION_TEXT);
    return 0;
  }
  NameWindow(PROGRAM_NAME);
  PrintTitleScreen(TABLICZKA_VERSION_TEXT VERSION_SUFFIX);
  if (std::optional<MemoryFile> memory_file = ChooseMemoryFile())
    RunPracticeRound(RANGE, *memory_file, arguments.tables, arguments.kinds);
  PrintPracticeClosingScreen();
  return 0;
}
