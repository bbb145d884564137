// The wall clock that seeds the question generator.
#ifndef CONSOLE_CLOCK_H_
#define CONSOLE_CLOCK_H_

#include <cstdint>

/// The current time in whole seconds since 1970-01-01 UTC, truncated to its low 32 bits.
uint32_t ClockSeconds();

#endif  // CONSOLE_CLOCK_H_
