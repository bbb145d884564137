#include "console/testing/cp852.h"

#include <cstdio>
#include <cstdlib>

std::string Cp852(std::string_view utf8) {
  static const struct {
    char32_t code;
    char byte;
  } kKnown[] = {{U'ą', '\xA5'}, {U'ć', '\x86'}, {U'ę', '\xA9'}, {U'ł', '\x88'}, {U'ń', '\xE4'},
                {U'ó', '\xA2'}, {U'ś', '\x98'}, {U'ż', '\xBE'}, {U'█', '\xDB'},
                {U'░', '\xB0'}, {U'▒', '\xB1'}, {U'▓', '\xB2'}, {U'ź', '\xAB'},
                {U'Ą', '\xA4'}, {U'Ć', '\x8F'}, {U'Ę', '\xA8'}, {U'Ł', '\x9D'}, {U'Ń', '\xE3'},
                {U'Ó', '\xE0'}, {U'Ś', '\x97'}, {U'Ź', '\x8D'}, {U'Ż', '\xBD'},
                {U'×', '\x9E'}};
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    size_t length = lead >= 0xE0 ? 3 : 2;
    char32_t code = lead & (length == 3 ? 0x0F : 0x1F);
    for (size_t k = 1; k < length; ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    bool found = false;
    for (const auto& known : kKnown) {
      if (known.code == code) {
        out += known.byte;
        found = true;
      }
    }
    if (!found) {
      std::fprintf(stderr, "Cp852: no code page 852 byte for U+%04X\n",
                   static_cast<unsigned>(code));
      std::abort();
    }
  }
  return out;
}

std::string Screen(std::string_view utf8) {
  std::string out;
  for (char c : Cp852(utf8)) {
    if (c == '\n')
      out += '\r';
    out += c;
  }
  return out;
}
