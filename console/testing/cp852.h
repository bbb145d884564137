// Writing expected output in tests as readable UTF-8.
#ifndef CONSOLE_TESTING_CP852_H_
#define CONSOLE_TESTING_CP852_H_

#include <string>
#include <string_view>

/// |utf8| as the programs store it in code page 852. Knows ASCII, the Polish letters and
/// the blocks the programs use (█ ░ ▒ ▓); anything else is a fault in the test and aborts.
std::string Cp852(std::string_view utf8);

/// Cp852(utf8) with each "\n" written as the programs end a line, "\r\n": expected output
/// written as plain lines.
std::string Screen(std::string_view utf8);

#endif  // CONSOLE_TESTING_CP852_H_
