#include "tests/e2e.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "console/testing/fake_console.h"
#include "console/title_screen.h"
#include "quiz/closing_screen.h"
#include "quiz/table_grid.h"

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

MemoryPlace NewMemoryPlace() {
  if (ThroughRunner()) {
    // Wine keeps %LOCALAPPDATA% in the profile of the user that USER names, in its prefix, and
    // takes no LOCALAPPDATA from outside: a user of the test's own gives a memory of its own.
    static int made = 0;
    std::string user = "e2e-" + std::to_string(getpid()) + "-" + std::to_string(++made);
    return {
        {"USER=" + user},
        Setting("WINEPREFIX") + "/drive_c/users/" + user + "/AppData/Local/tabliczka/practice.txt"};
  }
  std::string dir = TemporaryDirectory();
  return {{"XDG_STATE_HOME=" + dir}, dir + "/tabliczka/practice.txt"};
}

std::string TableGridBytes(int range, const std::vector<std::string>& boxes) {
  Memory memory;
  for (int a = 1; a <= range; ++a) {
    for (int b = 1; b <= range; ++b) {
      char box = boxes[a - 1][b - 1];
      memory.facts[MemoryIndex(Question{a, b})].box = box == '.' ? 0 : box - '0';
    }
  }
  FakeConsoleReset("");
  PutTableGrid(memory, range);
  return FakeConsoleOutput();
}

bool ExitedWithZero(int status) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
