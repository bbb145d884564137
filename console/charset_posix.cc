#include "console/charset.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>

std::string LocaleCodeset() {
  // The program itself runs in the C locale; look at the user's only for the name of the set.
  const char* current = setlocale(LC_CTYPE, nullptr);
  std::string saved = current ? current : "C";
  setlocale(LC_CTYPE, "");  // On a bad setting this keeps the C locale: plain ASCII.
  std::string codeset = nl_langinfo(CODESET);
  setlocale(LC_CTYPE, saved.c_str());
  return codeset;
}

namespace {

bool IsCodePage852(const std::string& codeset) {
  return codeset == "CP852" || codeset == "IBM852" || codeset == "852";
}

// The bytes of |byte| in the target set of |cd|, or an empty string where the set lacks it.
std::string ConvertOne(iconv_t cd, unsigned char byte) {
  char in[1] = {static_cast<char>(byte)};
  char out[16];
  char* in_next = in;
  size_t in_left = 1;
  char* out_next = out;
  size_t out_left = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
  if (iconv(cd, &in_next, &in_left, &out_next, &out_left) == static_cast<size_t>(-1) ||
      in_left != 0)
    return std::string();
  return std::string(out, static_cast<size_t>(out_next - out));
}

}  // namespace

CharsetTable BuildCharsetTable(const std::string& codeset) {
  CharsetTable table;
  iconv_t cd =
      IsCodePage852(codeset) ? reinterpret_cast<iconv_t>(-1) : iconv_open(codeset.c_str(), "CP852");
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    std::string& shown = table[byte - 0x80];
    if (IsCodePage852(codeset)) {
      shown.assign(1, static_cast<char>(byte));
      continue;
    }
    if (cd != reinterpret_cast<iconv_t>(-1))
      shown = ConvertOne(cd, static_cast<unsigned char>(byte));
    if (shown.empty())
      shown.assign(1, AsciiFallback(static_cast<unsigned char>(byte)));
  }
  if (cd != reinterpret_cast<iconv_t>(-1))
    iconv_close(cd);
  return table;
}
