#include "console/command.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "console/input_posix.h"
#include "console/shell_posix.h"
#include "console/stream.h"

namespace {

// The escape sequences that draw the console commands on a terminal. The colours go through
// the terminal's default foreground and background (OSC 10 and 11), which every cell without
// colours of its own follows, so the whole screen changes at once, as it does on the console
// these programs were made for, and stays so after the program ends.
const char* ConsoleEffect(std::string_view commandLine) {
  if (commandLine == "cls")
    return "\033[0m\033[H\033[2J\033[3J";
  if (commandLine == "color 07")
    return "\033]10;rgb:cc/cc/cc\a\033]11;rgb:0c/0c/0c\a\033[0m";
  if (commandLine == "color 0C")
    return "\033]10;rgb:e7/48/56\a\033]11;rgb:0c/0c/0c\a\033[0m";
  return nullptr;
}

}  // namespace

int RunCommand(std::string_view commandLine) {
  if (const char* effect = ConsoleEffect(commandLine)) {
    // Written into the output stream itself, so it keeps its place among the text.
    if (OutputIsSmartTerminal()) {
      WriteOutput(effect, std::char_traits<char>::length(effect));
      FlushOutput();
    }
    return 0;
  }
  FlushOutput();          // the program's text before the started program's own
  GiveBackUnusedInput();  // the started program reads on from just after what was used
  return RunShellLine(std::string(commandLine));
}

void AppendProgramDirectoryToPath() {
  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0)
    return;
  std::string directory(self, static_cast<size_t>(length));
  size_t slash = directory.rfind('/');
  if (slash == std::string::npos)
    return;
  directory.resize(slash == 0 ? 1 : slash);
  // PATH has no way to quote its separator: such a directory would be split into two wrong
  // entries, one of them relative to wherever the program is run. The programs beside this
  // one are then not found by name.
  if (directory.find(':') != std::string::npos)
    return;

  std::string path;
  if (const char* current = getenv("PATH"); current && *current) {
    path = current;
  } else {
    // No PATH: the shell's own default search, then ours.
    size_t size = confstr(_CS_PATH, nullptr, 0);
    if (size > 0) {
      path.resize(size);
      confstr(_CS_PATH, &path[0], size);
      path.resize(size - 1);
    }
  }
  if (!path.empty())
    path += ':';
  path += directory;
  setenv("PATH", path.c_str(), 1);
}
