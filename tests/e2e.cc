#include "tests/e2e.h"

#include <stdlib.h>
#include <sys/wait.h>

#include "console/testing/fake_console.h"
#include "console/title_screen.h"
#include "quiz/closing_screen.h"

namespace {

std::string Setting(const char* name) {
  const char* value = getenv(name);
  return value ? value : "";
}

}  // namespace

std::string Program(const std::string& name) {
  std::string dir = Setting("E2E_BIN_DIR");
  if (dir.empty())
    return std::string(BIN_DIR) + "/" + name;
  return dir + "/" + name + Setting("E2E_EXE_SUFFIX");
}

std::vector<std::string> Command(const std::string& name, const std::string& path) {
  std::vector<std::string> command;
  if (ThroughRunner())
    command.push_back(Setting("E2E_RUNNER"));
  command.push_back(path.empty() ? Program(name) : path);
  return command;
}

bool ThroughRunner() {
  return !Setting("E2E_RUNNER").empty();
}

std::string TitleScreenBytes(const std::string& version) {
  FakeConsoleReset("");
  PrintTitleScreen(version);
  return FakeConsoleOutput();
}

std::string ClosingScreenBytes() {
  FakeConsoleReset("");
  PrintClosingScreen();
  std::string bytes = FakeConsoleOutput();
  return bytes.substr(0, bytes.rfind("<key>"));
}

bool ExitedWithZero(int status) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
