#include "console/charset.h"

char AsciiFallback(unsigned char byte) {
  // Code page 852 from 0x80 to 0xFF, each character by its nearest ASCII look. The three
  // shades get three different characters, light to dark, so that a grid drawn in them still
  // tells them apart.
  static const char kFallback[] =
      "CueaauccleOoiZACELlooLlSsOUTtLxc"
      "aiouAaZzEe?zCs<>.:%|+AAES+|++Zz+"
      "++++-+Aa+++++-+?dDDEdNIIe++##TU#"
      "OsONnnSsRUrUyYt'-\" ? S/,o\" uRr# ";
  static_assert(sizeof kFallback == 129, "one character for each byte from 0x80 to 0xFF");
  return byte < 0x80 ? static_cast<char>(byte) : kFallback[byte - 0x80];
}
