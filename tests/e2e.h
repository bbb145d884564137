// What the end-to-end tests share: where the programs are, and the screens they show.
#ifndef TESTS_E2E_H_
#define TESTS_E2E_H_

#include <string>
#include <vector>

#include "tests/process.h"

/// The built program |name|. The tests run the programs of this build, or, where E2E_BIN_DIR
/// names another build's directory, those (with E2E_EXE_SUFFIX after each name, such as
/// ".exe"), each started through the program E2E_RUNNER when it is set (such as wine).
std::string Program(const std::string& name);

/// The command line that starts program |name|, or the program file |path| when given.
std::vector<std::string> Command(const std::string& name, const std::string& path = "");

/// True when the programs run through E2E_RUNNER: tests that need this system's own
/// programs beside them (shell scripts, a pseudo-terminal) are skipped then.
bool ThroughRunner();

/// The stored bytes of the title screen with |version|, and of the closing screen of |program|
/// (a quiz's unless its name starts with vek or zif; without its key wait), as the console
/// layer writes them.
std::string TitleScreenBytes(const std::string& version);
std::string ClosingScreenBytes(const std::string& program = "qor");

/// A place of its own for the practice memory of one test: the environment entries that point
/// the programs there (to be added to TestEnvironment), the file the memory is kept in, and
/// that file's path as the programs name it (a Windows path, through wine).
struct MemoryPlace {
  std::vector<std::string> env;
  std::string file;
  std::string shown;
};
MemoryPlace NewMemoryPlace();

/// The stored bytes of the grid that ends a practice round with factors up to |range|, from
/// one string of boxes per first factor, '.' for a new fact (such as "..2.1").
std::string TableGridBytes(int range, const std::vector<std::string>& boxes);

/// The stored bytes that end a practice round: the grid as above, one column from the left,
/// with |panel|'s rows (UTF-8 text, the lists of the round) beside it.
std::string EndGridBytes(int range, const std::vector<std::string>& boxes,
                         const std::vector<std::string>& panel);

/// True when the child ended by itself with status 0.
bool ExitedWithZero(int status);

/// True when the tests are built with the address or undefined-behaviour sanitizer, whose own
/// memory makes a program's peak far larger than it is.
bool UnderSanitizer();

#endif  // TESTS_E2E_H_
