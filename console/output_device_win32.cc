#include "console/output_device.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "console/text_target.h"

namespace {

// The bytes that show code page 852 byte |byte| in code page |code_page|, through UTF-16, or
// an empty string where that code page has no such character.
std::string ConvertOne(unsigned char byte, UINT code_page) {
  char in = static_cast<char>(byte);
  wchar_t wide[2];
  if (MultiByteToWideChar(852, MB_ERR_INVALID_CHARS, &in, 1, wide, 2) != 1)
    return std::string();
  char out[8];
  BOOL used_default = FALSE;
  // UTF-8 takes no default character and no question whether one was used.
  bool utf8 = code_page == CP_UTF8;
  int size = WideCharToMultiByte(code_page, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, 1, out,
                                 sizeof out, nullptr, utf8 ? nullptr : &used_default);
  if (size <= 0 || used_default)
    return std::string();
  return std::string(out, static_cast<size_t>(size));
}

}  // namespace

OutputDevice FindOutputDevice() {
  OutputDevice device;
  DWORD mode;
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  bool console = GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode);
  UINT code_page = console ? GetConsoleOutputCP() : 852;
  // A file or a pipe takes the report's text as UTF-8 with a byte order mark, which Notepad
  // and other editors show right on any Windows.
  bool as_utf8 = !console && TextFollowsLocale();
  if (as_utf8) {
    code_page = CP_UTF8;
    device.preamble = "\xEF\xBB\xBF";
  }
  device.convert = (console || as_utf8) && code_page != 852;
  device.utf8 = device.convert && code_page == CP_UTF8;
  // The interpreter's own "cls" and "color" draw the effects here.
  device.terminal = TerminalKind::kNone;
  if (device.convert) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      std::string& shown = device.shown[byte - 0x80];
      shown = ConvertOne(static_cast<unsigned char>(byte), code_page);
      if (shown.empty())
        shown.assign(1, AsciiFallback(static_cast<unsigned char>(byte)));
    }
  }
  // Nothing else may turn a line feed into CR LF: the programs write CR LF themselves.
  _setmode(_fileno(stdout), _O_BINARY);
  return device;
}

void WriteToDevice(const char* bytes, size_t size) {
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes, static_cast<DWORD>(size), &written, nullptr) || written == 0)
      return;
    bytes += written;
    size -= written;
  }
}
