#include "console/command.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "console/console_effects.h"
#include "console/input_stream.h"
#include "console/output_stream.h"
#include "console/shell_posix.h"

int RunCommand(std::string_view commandLine) {
  CommandEffect effect = ConsoleEffectOf(OutputTerminal(), commandLine);
  switch (effect.action) {
    case CommandEffect::kDrawNothing:
      return 0;
    case CommandEffect::kWriteBytes:
      // Written into the output stream itself, so it keeps its place among the text.
      WriteOutput(effect.bytes.data(), effect.bytes.size());
      FlushOutput();
      return 0;
    case CommandEffect::kStartProgram:
      break;
  }
  FlushOutput();          // the program's text before the started program's own
  GiveBackUnusedInput();  // the started program reads on from just after what was used
  return RunShellLine(std::string(commandLine));
}

void AppendProgramDirectoryToPath() {
  // /proc/self/exe is Linux's; where the system has no such link, nothing is added. A name
  // that fills the whole buffer may have been cut short, and a wrong directory is worse than
  // none.
  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self);
  if (length <= 0 || static_cast<size_t>(length) >= sizeof self)
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
