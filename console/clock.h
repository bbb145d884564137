// The clocks the programs read: the wall clock that seeds the question generator and tells the
// day, and a monotonic one that measures how long an answer took.
#ifndef CONSOLE_CLOCK_H_
#define CONSOLE_CLOCK_H_

#include <cstdint>

/// The current time in whole seconds since 1970-01-01 UTC, truncated to its low 32 bits: the
/// seed of the question generator.
uint32_t WallClockSecondsLow32();

/// The current time in whole seconds since 1970-01-01 UTC, whole: negative before 1970, and
/// past 2106 without wrapping round. For telling the day; it is no seed.
int64_t WallClockSeconds();

/// Milliseconds from some fixed moment of this run, from a clock that only goes forward (not
/// moved when the wall clock is set): the difference of two readings is the time between them.
int64_t MonotonicMilliseconds();

#endif  // CONSOLE_CLOCK_H_
