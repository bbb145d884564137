// A stand-in for the console's device side, linked into unit tests instead of the real one:
// standard output goes into a string, standard input comes from a string, each clock reads out
// a list of times, and console commands and key waits are written into the output as marks.
#ifndef CONSOLE_TESTING_FAKE_CONSOLE_H_
#define CONSOLE_TESTING_FAKE_CONSOLE_H_

#include <cstdint>
#include <string>
#include <vector>

/// Starts over: no output, |input| as all of standard input, and a clock that returns |times|
/// in turn and then keeps returning the last of them (0 when there are none).
void FakeConsoleReset(const std::string& input, const std::vector<uint32_t>& times = {});

/// Makes the monotonic clock return |milliseconds| in turn and then keep returning the last of
/// them; after a reset it reads 0 every time.
void FakeConsoleSetMonotonic(const std::vector<int64_t>& milliseconds);

/// Everything written so far. A console command appears as "<" command ">", a key wait as
/// "<key>".
const std::string& FakeConsoleOutput();

/// The output length at each flush, in order.
const std::vector<size_t>& FakeConsoleFlushes();

/// How much of the input has not been read yet.
std::string FakeConsoleUnreadInput();

/// How many times the clock was read for a seed.
int FakeConsoleClockReads();

/// Makes the whole clock reading, which tells the day, |seconds| (0 after a reset); it is not
/// counted among the reads.
void FakeConsoleSetWallClock(int64_t seconds);

/// Makes the output a terminal that shows UTF-8 (|utf8|) or not, as after a reset.
void FakeConsoleSetUtf8(bool utf8);

#endif  // CONSOLE_TESTING_FAKE_CONSOLE_H_
