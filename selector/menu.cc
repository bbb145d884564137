#include "selector/menu.h"

#include <cstdint>

#include "console/command.h"
#include "console/input_stream.h"
#include "console/output.h"
#include "console/title_screen.h"
#include "console/version.h"
#include "selector/menu_reader.h"

namespace {

// The menu's texts, as code page 852 bytes.
constexpr char kHeading[] = " TRIVELANKO !";
constexpr char kRangeQuestion[] = "Pytania maj\xA5 by\x86 do:";  // "Pytania mają być do:"
constexpr char kRangeHundred[] = "1. stu";
constexpr char kRangeTwentyFive[] =
    "2. dwudziestu pi\xA9"
    "ciu";  // "dwudziestu pięciu"
constexpr char kWayQuestion[] =
    "Czy chcesz, \xBE"
    "eby:";  // "Czy chcesz, żeby:"
// "1. liczyć punkty i po błędzie przejść do następnego pytania?"
constexpr char kWayPoints[] =
    "1. liczy\x86 punkty i po b\x88\xA9"
    "dzie przej\x98\x86 do nast\xA9pnego pytania?";
// "2. nie liczyć punktów i po błędzie zostać przy tym samym pytaniu?"
constexpr char kWayPractice[] =
    "2. nie liczy\x86 punkt\xA2w i po b\x88\xA9"
    "dzie zosta\x86 przy tym samym pytaniu?";

// The programs by the way of practising (points, no points) and then by the range (a hundred,
// twenty-five).
const char* const kPrograms[2][2] = {{"qor", "pym"}, {"vek", "zif"}};

}  // namespace

const char* ProgramForAnswers(int range_answer, int way_answer) {
  if ((range_answer != 1 && range_answer != 2) || (way_answer != 1 && way_answer != 2))
    return nullptr;
  return kPrograms[way_answer - 1][range_answer - 1];
}

void RunSelector() {
  KeepInputForStartedPrograms();  // what follows the answers' row is left for the started program
  PrintTitleScreen(TABLICZKA_VERSION_TEXT);
  PutLine(kHeading);
  PutBlankLines(1);
  PutLine(kRangeQuestion);
  PutLine(kRangeHundred);
  PutLine(kRangeTwentyFive);

  uint16_t choice = 65535;
  bool failed = false;
  ReadMenuNumber(choice, failed);
  const char* program = nullptr;
  if (choice == 1 || choice == 2) {
    int range_answer = choice;
    PutLine(kWayQuestion);
    PutLine(kWayPoints);
    PutLine(kWayPractice);
    ReadMenuNumber(choice, failed);
    program = ProgramForAnswers(range_answer, choice);
  }
  SkipRestOfRow();

  RunCommand("cls");
  if (program)
    StartProgram(program);
}
