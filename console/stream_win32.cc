#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console/charset.h"
#include "console/stream.h"

namespace {

// What standard output is, found out once, at the first write.
struct OutputTarget {
  HANDLE handle;
  bool convert;        // a console whose output code page is not 852
  CharsetTable shown;  // how each byte from 0x80 up is shown there
};

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

OutputTarget FindOutputTarget() {
  OutputTarget target;
  target.handle = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode;
  bool console =
      GetFileType(target.handle) == FILE_TYPE_CHAR && GetConsoleMode(target.handle, &mode);
  UINT code_page = console ? GetConsoleOutputCP() : 852;
  target.convert = console && code_page != 852;
  if (target.convert) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      std::string& shown = target.shown[byte - 0x80];
      shown = ConvertOne(static_cast<unsigned char>(byte), code_page);
      if (shown.empty())
        shown.assign(1, AsciiFallback(static_cast<unsigned char>(byte)));
    }
  }
  // Nothing else may turn a line feed into CR LF: the programs write CR LF themselves.
  _setmode(_fileno(stdout), _O_BINARY);
  return target;
}

const OutputTarget& Target() {
  static const OutputTarget target = FindOutputTarget();
  return target;
}

// Standard output's buffer, written straight to the handle: a line end flushes it, so it only
// ever holds the current row.
struct OutputBuffer {
  char bytes[4096];
  size_t size = 0;
};

OutputBuffer& Buffer() {
  static OutputBuffer* buffer = [] {
    std::atexit(FlushOutput);  // nothing written is lost at the end, whatever ended it
    return new OutputBuffer;
  }();
  return *buffer;
}

// Hands |size| bytes to the device. A failed write is not repeated: the text is dropped.
void WriteToDevice(const char* bytes, size_t size) {
  HANDLE handle = Target().handle;
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes, static_cast<DWORD>(size), &written, nullptr) || written == 0)
      return;
    bytes += written;
    size -= written;
  }
}

void Append(const char* bytes, size_t size) {
  OutputBuffer& buffer = Buffer();
  if (buffer.size + size > sizeof buffer.bytes) {
    FlushOutput();
    if (size > sizeof buffer.bytes) {
      WriteToDevice(bytes, size);
      return;
    }
  }
  std::memcpy(buffer.bytes + buffer.size, bytes, size);
  buffer.size += size;
}

}  // namespace

void WriteOutput(const char* bytes, size_t size) {
  const OutputTarget& target = Target();
  if (!target.convert) {
    Append(bytes, size);
    return;
  }
  size_t run = 0;
  for (size_t i = 0; i < size; ++i) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80)
      continue;
    Append(bytes + run, i - run);
    const std::string& shown = target.shown[byte - 0x80];
    Append(shown.data(), shown.size());
    run = i + 1;
  }
  Append(bytes + run, size - run);
}

void FlushOutput() {
  OutputBuffer& buffer = Buffer();
  size_t size = buffer.size;
  buffer.size = 0;
  WriteToDevice(buffer.bytes, size);
}

bool OutputIsSmartTerminal() {
  return false;  // the console's own "cls" and "color" commands draw the effects here
}
