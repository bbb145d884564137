#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "console/charset.h"
#include "console/stream.h"

namespace {

// What standard output is, found out once, at the first write.
struct OutputTarget {
  bool terminal;       // standard output is a terminal: convert the text
  bool smart;          // ... and one that takes escape sequences
  CharsetTable shown;  // how each byte from 0x80 up is shown there
};

OutputTarget FindOutputTarget() {
  OutputTarget target;
  target.terminal = isatty(STDOUT_FILENO) == 1;
  const char* term = getenv("TERM");
  target.smart = target.terminal && term && *term && strcmp(term, "dumb") != 0;
  if (target.terminal)
    target.shown = BuildCharsetTable(LocaleCodeset());
  return target;
}

const OutputTarget& Target() {
  static const OutputTarget target = FindOutputTarget();
  return target;
}

// Standard output's buffer. Everything is written through it straight to the file descriptor,
// with nothing in between: a line end flushes it, so it only ever holds the current row.
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

// Hands |size| bytes to the device. A failed write is not repeated: the text is dropped, as a
// console drops what it cannot show.
void WriteToDevice(const char* bytes, size_t size) {
  while (size > 0) {
    ssize_t written = write(STDOUT_FILENO, bytes, size);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return;
    bytes += written;
    size -= static_cast<size_t>(written);
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
  memcpy(buffer.bytes + buffer.size, bytes, size);
  buffer.size += size;
}

}  // namespace

void WriteOutput(const char* bytes, size_t size) {
  const OutputTarget& target = Target();
  if (!target.terminal) {
    Append(bytes, size);
    return;
  }
  // ASCII goes out as it is, in runs; each byte from 0x80 up as the terminal shows it.
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
  return Target().smart;
}
