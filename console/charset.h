// Showing code page 852 text on a terminal that uses another character set.
#ifndef CONSOLE_CHARSET_H_
#define CONSOLE_CHARSET_H_

#include <array>
#include <string>

/// For each stored byte from 0x80 to 0xFF (index byte - 0x80), the bytes that show it.
using CharsetTable = std::array<std::string, 128>;

/// The plain ASCII character that stands in for code page 852 byte |byte| (0x80 to 0xFF) where
/// the terminal cannot show it: the letter without its accent (ą as a, ł as l), # for the
/// blocks so block art keeps its shape, . : % for the light, medium and dark shades, +, - and
/// | for box lines, ? otherwise.
/// Always exactly one character, so every column count stays true.
char AsciiFallback(unsigned char byte);

/// The character set that the user's locale names (LC_ALL, LC_CTYPE, LANG), such as "UTF-8",
/// "ISO-8859-2" or "ANSI_X3.4-1968". The process's own locale is left as it was.
std::string LocaleCodeset();

/// The table that converts stored bytes to |codeset|: the bytes unchanged for a code page 852
/// set, otherwise each character converted where the set has it and AsciiFallback where not.
CharsetTable BuildCharsetTable(const std::string& codeset);

#endif  // CONSOLE_CHARSET_H_
