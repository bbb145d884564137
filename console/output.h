// Writing the programs' text to standard output.
//
// Every text is a run of code page 852 bytes. Every line end is CR LF followed by a flush of
// standard output; there is no other way of ending a line.
#ifndef CONSOLE_OUTPUT_H_
#define CONSOLE_OUTPUT_H_

#include <cstdint>
#include <string_view>

/// The console's width in columns: full-width rows and centred text are laid out on it.
constexpr int32_t kConsoleWidth = 80;

/// Writes the bytes of |text|, no line end.
void PutText(std::string_view text);

/// Writes one byte (the full block 0xDB, the bell 0x07).
void PutChar(char byte);

/// Writes |value| in plain decimal: no padding, no grouping, a minus sign only when negative.
void PutNumber(int32_t value);

/// Writes text a person wrote, such as a name: |utf8| as it is where the terminal shows UTF-8,
/// else |stored|, the same text in code page 852 (one byte for each character of |utf8|), as
/// PutText does.
void PutUtf8Text(std::string_view utf8, std::string_view stored);

/// Ends the current line: CR LF, then a flush.
void EndLine();

/// PutText(text), then one line end.
void PutLine(std::string_view text);

/// Ends a line |count| times in a row; with 1 it ends the current line.
void PutBlankLines(int count);

#endif  // CONSOLE_OUTPUT_H_
