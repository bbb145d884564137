#include "console/stream.h"

#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <cstdio>

#include "console/charset.h"

namespace {

// What standard output is, found out once, at the first write.
struct OutputTarget {
  bool terminal;        // standard output is a terminal: convert the text
  bool smart;           // ... and one that takes escape sequences
  CharsetTable shown;   // how each byte from 0x80 up is shown there
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

}  // namespace

void WriteOutput(const char* bytes, size_t size) {
  const OutputTarget& target = Target();
  if (!target.terminal) {
    fwrite(bytes, 1, size, stdout);
    return;
  }
  // ASCII goes out as it is, in runs; each byte from 0x80 up as the terminal shows it.
  size_t run = 0;
  for (size_t i = 0; i < size; ++i) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80)
      continue;
    fwrite(bytes + run, 1, i - run, stdout);
    const std::string& shown = target.shown[byte - 0x80];
    fwrite(shown.data(), 1, shown.size(), stdout);
    run = i + 1;
  }
  fwrite(bytes + run, 1, size - run, stdout);
}

void FlushOutput() {
  fflush(stdout);
}

bool OutputIsSmartTerminal() {
  return Target().smart;
}
