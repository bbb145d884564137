// A clock for end-to-end runs with a known byte stream: it reads 0, 1, 0, 1, ... so that each
// question's two readings differ (seed 0 draws 38, seed 1 draws 41). A test that needs a later
// day sets FIXED_CLOCK_DAY to a number of days, which moves every reading on by that many days.
// The whole reading that tells the day is the day's first second; where FIXED_CLOCK_MIDNIGHT_AFTER
// is set to n, it is the next day's from its (n + 1)th reading on, as for a round that crosses
// midnight.

#include <cstdlib>

#include "console/clock.h"

namespace {

int64_t DayStart() {
  static const char* day = std::getenv("FIXED_CLOCK_DAY");
  static const int64_t start = day ? std::strtoll(day, nullptr, 10) * 86400 : 0;
  return start;
}

}  // namespace

// A day before 1970 seeds as day 0 does.
uint32_t ClockSeconds() {
  static uint32_t reads = 0;
  return static_cast<uint32_t>(DayStart() > 0 ? DayStart() : 0) + reads++ % 2;
}

int64_t WallClockSeconds() {
  static const char* midnight = std::getenv("FIXED_CLOCK_MIDNIGHT_AFTER");
  static const long before = midnight ? std::strtol(midnight, nullptr, 10) : -1;
  static long reads = 0;
  return DayStart() + (before >= 0 && reads++ >= before ? 86400 : 0);
}
