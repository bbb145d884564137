#include "console/command.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "console/console_effects.h"
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
  FlushOutput();  // the program's text before the started program's own
  std::string line(commandLine);
  int status = std::system(line.c_str());
  if (status == -1 || !WIFEXITED(status))
    return -1;
  return WEXITSTATUS(status);
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
