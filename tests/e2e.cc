#include "tests/e2e.h"

#include <sys/wait.h>

#include "console/testing/fake_console.h"
#include "console/title_screen.h"
#include "quiz/closing_screen.h"

std::string Program(const std::string& name) {
  return std::string(BIN_DIR) + "/" + name;
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
