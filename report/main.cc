// postepy: the teacher's report of a class folder.

#include "console/clock.h"
#include "practice/memory.h"
#include "report/arguments.h"
#include "report/class_report.h"

int main(int argc, char** argv) {
  return RunReport(ProgramArguments(argc, argv), DayOfClock(WallClockSeconds()));
}
