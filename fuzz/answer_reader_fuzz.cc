// Feeds arbitrary bytes to the quiz's answer reader as standard input and checks every value
// it reads against a plain model of the reader's rules: words split at the six whitespace
// bytes, 1 to 9 decimal digits give their value, anything else -1, the end of input nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "console/testing/fake_console.h"
#include "fuzz/fuzz_check.h"
#include "quiz/answer_reader.h"

namespace {

int32_t ModelValue(const std::string& word) {
  if (word.empty() || word.size() > 9)
    return -1;
  int32_t value = 0;
  for (char c : word) {
    if (c < '0' || c > '9')
      return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  FakeConsoleReset(input);
  for (size_t next = 0;;) {
    std::optional<int32_t> got = ReadAnswerOrEnd();
    while (next < size && IsSpace(input[next]))
      ++next;
    if (next == size) {
      Check(!got);
      Check(!ReadAnswerOrEnd());
      Check(ReadAnswer() == 0);
      return 0;
    }
    size_t end = next;
    while (end < size && !IsSpace(input[end]))
      ++end;
    std::string word = input.substr(next, end - next);
    Check(got && *got == ModelValue(word));
    Check(NumberOfWord(word) == ModelValue(word));
    Check(FakeConsoleUnreadInput() == input.substr(end));  // the whitespace after it stays
    next = end;
  }
}
