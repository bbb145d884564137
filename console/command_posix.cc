#include "console/command.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "console/console_effects.h"
#include "console/input_posix.h"
#include "console/shell_posix.h"
#include "console/stream.h"

int RunCommand(std::string_view commandLine) {
  if (std::optional<std::string_view> effect = ConsoleEffectBytes(OutputTerminal(), commandLine)) {
    // Written into the output stream itself, so it keeps its place among the text.
    if (!effect->empty()) {
      WriteOutput(effect->data(), effect->size());
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
