// A clock for end-to-end runs with a known byte stream: it reads 0, 1, 0, 1, ... so that each
// question's two readings differ (seed 0 draws 38, seed 1 draws 41). A test that needs a later
// day sets FIXED_CLOCK_DAY to a number of days, which moves every reading on by that many days.
// The whole reading that tells the day is the day's first second; where FIXED_CLOCK_MIDNIGHT_AFTER
// is set to n, it is the next day's from its (n + 1)th reading on, as for a round that crosses
// midnight.
//
// The monotonic clock stands still, so every answer is quick, except the answers that
// FIXED_CLOCK_SLOW lists (numbers separated by commas, counted from 1 through the round, every
// try an answer): each of those takes a minute. A practice round reads it twice per answer,
// when the question is on screen and when the answer is complete, so the second reading of
// answer n (reading 2n, counted from 1) is the one that comes a minute later.

#include <cstdlib>

#include "console/clock.h"

namespace {

int64_t DayStart() {
  static const char* day = std::getenv("FIXED_CLOCK_DAY");
  static const int64_t start = day ? std::strtoll(day, nullptr, 10) * 86400 : 0;
  return start;
}

// True when the list |numbers| ("2,5") holds |number|.
bool Listed(const char* numbers, long number) {
  for (char* end = nullptr; numbers && *numbers; numbers = *end ? end + 1 : end) {
    long listed = std::strtol(numbers, &end, 10);
    if (end == numbers)
      return false;
    if (listed == number)
      return true;
  }
  return false;
}

}  // namespace

// A day before 1970 seeds as day 0 does.
uint32_t WallClockSecondsLow32() {
  static uint32_t reads = 0;
  return static_cast<uint32_t>(DayStart() > 0 ? DayStart() : 0) + reads++ % 2;
}

int64_t WallClockSeconds() {
  static const char* midnight = std::getenv("FIXED_CLOCK_MIDNIGHT_AFTER");
  static const long before = midnight ? std::strtol(midnight, nullptr, 10) : -1;
  static long reads = 0;
  return DayStart() + (before >= 0 && reads++ >= before ? 86400 : 0);
}

int64_t MonotonicMilliseconds() {
  static const char* slow = std::getenv("FIXED_CLOCK_SLOW");
  static long reads = 0;
  static int64_t now = 0;
  ++reads;
  if (reads % 2 == 0 && Listed(slow, reads / 2))
    now += 60000;
  return now;
}
