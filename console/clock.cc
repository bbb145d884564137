#include "console/clock.h"

#include <ctime>

int64_t WallClockSeconds() {
  return static_cast<int64_t>(std::time(nullptr));
}

uint32_t ClockSeconds() {
  return static_cast<uint32_t>(std::time(nullptr));
}
