#include "console/clock.h"

#include <ctime>

uint32_t ClockSeconds() {
  return static_cast<uint32_t>(std::time(nullptr));
}
