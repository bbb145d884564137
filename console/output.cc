#include "console/output.h"

#include <charconv>

#include "console/output_stream.h"

void PutText(std::string_view text) {
  WriteOutput(text.data(), text.size());
}

void PutChar(char byte) {
  WriteOutput(&byte, 1);
}

void PutNumber(int32_t value) {
  char digits[12];
  std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  WriteOutput(digits, static_cast<size_t>(end.ptr - digits));
}

void PutUtf8Text(std::string_view utf8, std::string_view stored) {
  if (OutputShowsUtf8())
    WriteUnconverted(utf8.data(), utf8.size());
  else
    WriteOutput(stored.data(), stored.size());
}

void EndLine() {
  WriteOutput("\r\n", 2);
  FlushOutput();
}

void PutLine(std::string_view text) {
  PutText(text);
  EndLine();
}

void PutBlankLines(int count) {
  for (int i = 0; i < count; ++i)
    EndLine();
}
