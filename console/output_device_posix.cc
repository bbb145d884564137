#include "console/output_device.h"

#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

#include "console/stream_error_posix.h"
#include "console/text_target.h"

OutputDevice FindOutputDevice() {
  // A program started with SIGPIPE ignored would write on into a pipe nobody reads, for as
  // long as a round lasts; with the default action the first such write ends it.
  signal(SIGPIPE, SIG_DFL);

  OutputDevice device;
  bool on_terminal = isatty(STDOUT_FILENO) == 1;
  device.convert = on_terminal || TextFollowsLocale();
  device.terminal = RecogniseTerminal(on_terminal, {getenv("TERM"), getenv("TMUX"), getenv("STY"),
                                                    getenv("TILIX_ID"), getenv("NO_COLOR")});
  if (device.convert) {
    std::string codeset = LocaleCodeset();
    device.shown = BuildCharsetTable(codeset);
    device.utf8 = codeset == "UTF-8";
  }
  return device;
}

void WriteToDevice(const char* bytes, size_t size) {
  while (size > 0) {
    ssize_t written = write(STDOUT_FILENO, bytes, size);
    if (written > 0) {
      bytes += written;
      size -= static_cast<size_t>(written);
      continue;
    }
    if (written < 0 && RetryAfterStreamError(STDOUT_FILENO, errno, POLLOUT))
      continue;
    return;  // dropped: a full disk, a closed descriptor
  }
}
