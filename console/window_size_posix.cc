#include "console/window_size.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <string>

#include "console/console_effects.h"
#include "console/output_stream.h"

WindowSize TerminalWindowSize() {
  struct winsize size = {};
  if (isatty(STDOUT_FILENO) != 1 || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0)
    return {};
  return {size.ws_row, size.ws_col};
}

bool RequestWindowSize(WindowSize size) {
  if (!TakesWindowSize(OutputTerminal()) || size.rows <= 0 || size.columns <= 0)
    return false;
  std::string request =
      "\033[8;" + std::to_string(size.rows) + ";" + std::to_string(size.columns) + "t";
  WriteUnconverted(request.data(), request.size());
  return true;
}
