#include "tests/e2e.h"

#include <pwd.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"
#include "console/title_screen.h"
#include "practice/practice_round.h"
#include "practice/table_grid.h"
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

std::string ClosingScreenBytes(const std::string& program) {
  FakeConsoleReset("");
  if (program.rfind("vek", 0) == 0 || program.rfind("zif", 0) == 0)
    PrintPracticeClosingScreen();
  else
    PrintClosingScreen();
  std::string bytes = FakeConsoleOutput();
  size_t key = bytes.rfind("<key>");
  return bytes.erase(key, std::string("<key>").size());
}

MemoryPlace NewMemoryPlace() {
  if (ThroughRunner()) {
    // Wine keeps %APPDATA% in its prefix, in the profile of the user its server was
    // started for (USER, else the login name), whatever a program's environment says later.
    // The tests take turns there, each starting with no memory at all.
    std::string user = Setting("USER");
    if (const passwd* entry = getpwuid(getuid()); user.empty() && entry)
      user = entry->pw_name;
    std::string dir =
        Setting("WINEPREFIX") + "/drive_c/users/" + user + "/AppData/Roaming/tabliczka";
    std::filesystem::remove_all(dir);
    return {{},
            dir + "/practice.txt",
            "C:\\users\\" + user + "\\AppData\\Roaming\\tabliczka\\practice.txt"};
  }
  std::string dir = TemporaryDirectory();
  return {
      {"XDG_DATA_HOME=" + dir}, dir + "/tabliczka/practice.txt", dir + "/tabliczka/practice.txt"};
}

namespace {

Memory MemoryOfBoxes(int range, const std::vector<std::string>& boxes) {
  Memory memory;
  for (int a = 1; a <= range; ++a) {
    for (int b = 1; b <= range; ++b) {
      char box = boxes[a - 1][b - 1];
      memory.facts[MemoryIndex(Question{a, b})].box = box == '.' ? 0 : box - '0';
    }
  }
  return memory;
}

}  // namespace

std::string TableGridBytes(int range, const std::vector<std::string>& boxes) {
  FakeConsoleReset("");
  PutTableGrid(MemoryOfBoxes(range, boxes), range);
  return FakeConsoleOutput();
}

std::string EndGridBytes(int range, const std::vector<std::string>& boxes,
                         const std::vector<std::string>& panel) {
  std::vector<std::string> stored;
  for (const std::string& row : panel)
    stored.push_back(Screen(row));
  FakeConsoleReset("");
  PutTableGridBeside(MemoryOfBoxes(range, boxes), range, stored);
  return FakeConsoleOutput();
}

bool ExitedWithZero(int status) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool UnderSanitizer() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
  return true;
#else
  return false;
#endif
}
