#include "console/testing/fake_console.h"

#include "console/clock.h"
#include "console/command.h"
#include "console/input_stream.h"
#include "console/key_wait.h"
#include "console/output_stream.h"

namespace {

struct FakeConsole {
  std::string output;
  std::vector<size_t> flushes;
  std::string input;
  size_t next = 0;
  bool ended = false;
  std::vector<uint32_t> times;
  int clock_reads = 0;
  int64_t wall_clock = 0;
  std::vector<int64_t> monotonic;
  size_t monotonic_reads = 0;
  bool utf8 = false;
};

FakeConsole& Fake() {
  static FakeConsole fake;
  return fake;
}

}  // namespace

void FakeConsoleReset(const std::string& input, const std::vector<uint32_t>& times) {
  Fake() = FakeConsole();
  Fake().input = input;
  Fake().times = times;
}

void FakeConsoleSetMonotonic(const std::vector<int64_t>& milliseconds) {
  Fake().monotonic = milliseconds;
  Fake().monotonic_reads = 0;
}

const std::string& FakeConsoleOutput() {
  return Fake().output;
}

const std::vector<size_t>& FakeConsoleFlushes() {
  return Fake().flushes;
}

std::string FakeConsoleUnreadInput() {
  return Fake().input.substr(Fake().next);
}

int FakeConsoleClockReads() {
  return Fake().clock_reads;
}

void FakeConsoleSetWallClock(int64_t seconds) {
  Fake().wall_clock = seconds;
}

int64_t WallClockSeconds() {
  return Fake().wall_clock;
}

void WriteOutput(const char* bytes, size_t size) {
  Fake().output.append(bytes, size);
}

void WriteUnconverted(const char* bytes, size_t size) {
  Fake().output.append(bytes, size);
}

void FlushOutput() {
  Fake().flushes.push_back(Fake().output.size());
}

void FakeConsoleSetUtf8(bool utf8) {
  Fake().utf8 = utf8;
}

bool OutputShowsUtf8() {
  return Fake().utf8;
}

TerminalKind OutputTerminal() {
  return TerminalKind::kNone;
}

int ReadInputByte() {
  FakeConsole& fake = Fake();
  if (fake.ended || fake.next == fake.input.size()) {
    fake.ended = true;
    return -1;
  }
  return static_cast<unsigned char>(fake.input[fake.next++]);
}

void UnreadInputByte(int byte) {
  if (byte >= 0 && Fake().next > 0)
    --Fake().next;
}

bool InputEnded() {
  return Fake().ended;
}

void KeepInputForStartedPrograms() {}

int RunCommand(std::string_view commandLine) {
  Fake().output += "<" + std::string(commandLine) + ">";
  return 0;
}

int StartProgram(const char* name) {
  return RunCommand(name);
}

void WaitForKey() {
  Fake().output += "<key>";
}

uint32_t WallClockSecondsLow32() {
  FakeConsole& fake = Fake();
  size_t index = static_cast<size_t>(fake.clock_reads++);
  if (fake.times.empty())
    return 0;
  return fake.times[index < fake.times.size() ? index : fake.times.size() - 1];
}

int64_t MonotonicMilliseconds() {
  FakeConsole& fake = Fake();
  size_t index = fake.monotonic_reads++;
  if (fake.monotonic.empty())
    return 0;
  return fake.monotonic[index < fake.monotonic.size() ? index : fake.monotonic.size() - 1];
}
