// Feeds arbitrary bytes to the selector's menu reader as standard input, reading until it
// fails, and checks each read against a plain model of the menu's rules: the value, whether it
// failed, whether the input ended, and where the next read starts. Then the rest of the row.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "console/input_stream.h"
#include "console/testing/fake_console.h"
#include "fuzz/fuzz_check.h"
#include "selector/menu_reader.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

struct Model {
  const std::string& input;
  size_t next = 0;
  bool failed = false;
  bool ended = false;
  uint16_t choice = 65535;

  void Read() {
    if (failed || ended) {
      failed = true;
      return;
    }
    while (next < input.size() && IsSpace(input[next]))
      ++next;
    bool negative = false;
    if (next < input.size() && (input[next] == '+' || input[next] == '-'))
      negative = input[next++] == '-';
    if (next == input.size()) {
      ended = failed = true;
      return;
    }
    if (!IsDigit(input[next])) {
      failed = true;
      return;
    }
    size_t start = next;
    while (next < input.size() && IsDigit(input[next]))
      ++next;
    ended = next == input.size();
    std::string digits = input.substr(start, next - start);
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.size() > 5 || (digits.empty() ? 0 : std::stoul(digits)) > 65535) {
      failed = true;
      return;
    }
    unsigned long value = digits.empty() ? 0 : std::stoul(digits);
    choice = static_cast<uint16_t>(negative ? (65536 - value) % 65536 : value);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  FakeConsoleReset(input);
  Model model{input};
  uint16_t choice = 65535;
  bool failed = false;
  for (int read = 0; read < 8 && !model.failed; ++read) {
    ReadMenuNumber(choice, failed);
    model.Read();
    Check(choice == model.choice);
    Check(failed == model.failed);
    Check(InputEnded() == model.ended);
    Check(FakeConsoleUnreadInput() == input.substr(model.next));
  }
  SkipRestOfRow();
  size_t line_end = input.find('\n', model.next);
  Check(FakeConsoleUnreadInput() ==
        (line_end == std::string::npos ? "" : input.substr(line_end + 1)));
  return 0;
}
