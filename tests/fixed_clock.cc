// A clock for end-to-end runs with a known byte stream: it reads 0, 1, 0, 1, ... so that each
// question's two readings differ (seed 0 draws 38, seed 1 draws 41). A test that needs a later
// day sets FIXED_CLOCK_DAY to a number of days, which moves every reading on by that many days.

#include <cstdlib>

#include "console/clock.h"

uint32_t ClockSeconds() {
  static const char* day = std::getenv("FIXED_CLOCK_DAY");
  static const uint32_t start =
      day ? static_cast<uint32_t>(std::strtoul(day, nullptr, 10)) * 86400u : 0;
  static uint32_t reads = 0;
  return start + reads++ % 2;
}
