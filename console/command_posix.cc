#include "console/command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "console/console_effects.h"
#include "console/input_stream.h"
#include "console/output_stream.h"
#include "console/spawn_posix.h"

namespace {

// The file |name| in the directory that holds this program's own executable, or empty where
// that directory cannot be found. /proc/self/exe is Linux's; a name that fills the whole
// buffer may have been cut short, and a wrong directory is worse than none.
std::string BesideThisProgram(const char* name) {
  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self);
  if (length <= 0 || static_cast<size_t>(length) >= sizeof self)
    return std::string();
  std::string file(self, static_cast<size_t>(length));
  size_t slash = file.rfind('/');
  if (slash == std::string::npos)
    return std::string();
  file.resize(slash + 1);
  return file + name;
}

// True when |file| is a regular file this process may run.
bool IsProgramFile(const std::string& file) {
  struct stat status;
  return !file.empty() && stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         access(file.c_str(), X_OK) == 0;
}

}  // namespace

int RunCommand(std::string_view commandLine) {
  CommandEffect effect = ConsoleEffectOf(OutputTerminal(), commandLine);
  if (effect.action == CommandEffect::kWriteBytes) {
    // Written into the output stream itself, so it keeps its place among the text.
    WriteOutput(effect.bytes.data(), effect.bytes.size());
    FlushOutput();
  }
  return 0;
}

int StartProgram(const char* name) {
  FlushOutput();          // the program's text before the started program's own
  GiveBackUnusedInput();  // the started program reads on from just after what was used
  std::string beside = BesideThisProgram(name);
  if (IsProgramFile(beside))
    return SpawnAndWait(beside.c_str(), false);
  return SpawnAndWait(name, true);
}
