#include "console/charset.h"

#include <gtest/gtest.h>

#include <cctype>

TEST(AsciiFallback, IsOnePrintableCharacterForEveryByte) {
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    char shown = AsciiFallback(static_cast<unsigned char>(byte));
    EXPECT_TRUE(std::isprint(static_cast<unsigned char>(shown))) << std::hex << byte;
  }
}

TEST(AsciiFallback, DropsPolishAccentsAndDrawsBlocksAsHashesAndShadesApart) {
  const struct {
    unsigned char byte;
    char shown;
  } kCases[] = {{0xA5, 'a'}, {0x86, 'c'}, {0xA9, 'e'}, {0x88, 'l'}, {0xE4, 'n'}, {0xA2, 'o'},
                {0x98, 's'}, {0xBE, 'z'}, {0xAB, 'z'}, {0x9D, 'L'}, {0xBD, 'Z'}, {0xDB, '#'},
                {0xB0, '.'}, {0xB1, ':'}, {0xB2, '%'}, {0xDF, '#'}, {0xC4, '-'},
                {0xB3, '|'}, {0xC5, '+'}, {0x41, 'A'}};
  for (const auto& c : kCases)
    EXPECT_EQ(AsciiFallback(c.byte), c.shown) << std::hex << int{c.byte};
}

TEST(BuildCharsetTable, ConvertsToTheTerminalsSet) {
  const struct {
    const char* codeset;
    unsigned char byte;
    const char* shown;
  } kCases[] = {
      {"UTF-8", 0xA5, "ą"},      {"UTF-8", 0xBE, "ż"},          {"UTF-8", 0xDB, "█"},
      {"UTF-8", 0xE4, "ń"},      {"ISO-8859-2", 0xA5, "\xB1"},  {"ISO-8859-2", 0xBE, "\xBF"},
      {"ISO-8859-2", 0xDB, "#"}, {"ANSI_X3.4-1968", 0xA5, "a"}, {"ANSI_X3.4-1968", 0xDB, "#"},
      {"UTF-8", 0xB0, "░"},      {"UTF-8", 0xB2, "▓"},          {"ISO-8859-2", 0xB1, ":"},
      {"CP852", 0xA5, "\xA5"},   {"CP852", 0xDB, "\xDB"},       {"no-such-set", 0x88, "l"},
  };
  for (const auto& c : kCases) {
    CharsetTable table = BuildCharsetTable(c.codeset);
    EXPECT_EQ(table[c.byte - 0x80], c.shown) << c.codeset << " " << std::hex << int{c.byte};
  }
}

TEST(BuildCharsetTable, NeverGivesAnEmptyEntry) {
  for (const char* codeset : {"UTF-8", "ISO-8859-2", "ANSI_X3.4-1968", "CP852"}) {
    CharsetTable table = BuildCharsetTable(codeset);
    for (const std::string& shown : table)
      EXPECT_FALSE(shown.empty()) << codeset;
  }
}
