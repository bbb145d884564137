#include "console/clock.h"

#include <chrono>
#include <ctime>

int64_t WallClockSeconds() {
  return static_cast<int64_t>(std::time(nullptr));
}

uint32_t WallClockSecondsLow32() {
  return static_cast<uint32_t>(std::time(nullptr));
}

int64_t MonotonicMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
