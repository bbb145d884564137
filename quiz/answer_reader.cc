#include "quiz/answer_reader.h"

#include "console/input_stream.h"
#include "console/output_stream.h"

namespace {

// A word longer than 9 characters is never a valid answer, so 10 show all that matters.
constexpr size_t kKeptLength = 10;

}  // namespace

int32_t NumberOfWord(std::string_view word) {
  for (char c : word) {
    if (c < '0' || c > '9')
      return -1;
  }
  if (word.size() > 9)
    return -1;
  int32_t value = 0;
  int32_t place = 1;
  for (size_t i = word.size(); i-- > 0; place *= 10)
    value += (word[i] - '0') * place;
  return value;
}

std::optional<int32_t> ReadAnswerOrEnd() {
  if (!InputEnded())
    FlushOutput();  // the prompt is on screen before the wait for the answer
  int byte = ReadInputByte();
  while (IsSpaceByte(byte))
    byte = ReadInputByte();
  if (byte < 0)
    return std::nullopt;

  char word[kKeptLength];
  size_t length = 0;
  for (; byte >= 0 && !IsSpaceByte(byte); byte = ReadInputByte()) {
    if (length < kKeptLength)
      word[length++] = static_cast<char>(byte);
  }
  UnreadInputByte(byte);
  return NumberOfWord(std::string_view(word, length));
}

int32_t ReadAnswer() {
  return ReadAnswerOrEnd().value_or(0);
}
