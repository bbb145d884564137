// postepy: the teacher's report of a class folder.

#include <string>
#include <vector>

#include "console/clock.h"
#include "console/output.h"
#include "console/version.h"
#include "practice/memory.h"
#include "report/arguments.h"
#include "report/class_report.h"
#include "report/pager.h"

namespace {

// The usage, in Polish, as code page 852 text: "Użycie: postepy [--csv | --csv-sep=, | --html]
// [--od DATA] [FOLDER]" / "albo: postepy [--html] [--od DATA] FOLDER IMIĘ" / "Pokazuje, co umie
// każdy uczeń z folderu klasy (domyślnie folder pamięci vek i zif)," / "z IMIENIEM jednego ucznia i
// jego tabelkę; --csv: tabele dla arkusza." /
// "--csv-sep=,: CSV dla skryptów; --html: do druku; --od DATA: inny tydzień." /
// "Więcej: man 6 postepy"
void PutReportUsage() {
  PutLine("U\xBEycie: postepy [--csv | --csv-sep=, | --html] [--od DATA] [FOLDER]");
  PutLine("  albo: postepy [--html] [--od DATA] FOLDER IMI\xA8");
  PutLine(
      "Pokazuje, co umie ka\xBE"
      "dy ucze\xE4 z folderu klasy (domy\x98lnie folder pami\xA9"
      "ci vek i zif),");
  PutLine("z IMIENIEM jednego ucznia i jego tabelk\xA9; --csv: tabele dla arkusza.");
  PutLine(
      "--csv-sep=,: CSV dla skrypt\xA2w; --html: do druku; --od DATA: inny tydzie\xE4.");
  PutLine(
      "Wi\xA9"
      "cej: man 6 postepy");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments = ProgramArguments(argc, argv);
  for (const std::string& argument : arguments) {
    if (argument == "-h" || argument == "--help") {
      PutReportUsage();
      return 0;
    }
    if (argument == "--version") {
      PutLine(TABLICZKA_VERSION_TEXT);
      return 0;
    }
  }
  PageLongReport();
  return RunReport(arguments, DayOfClock(WallClockSeconds()));
}
