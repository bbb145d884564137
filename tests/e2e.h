// What the end-to-end tests share: where the programs are, and the screens they show.
#ifndef TESTS_E2E_H_
#define TESTS_E2E_H_

#include <string>

#include "tests/process.h"

/// The built program |name|.
std::string Program(const std::string& name);

/// The stored bytes of the title screen with |version|, and of the closing screen (without its
/// key wait), as the console layer writes them.
std::string TitleScreenBytes(const std::string& version);
std::string ClosingScreenBytes();

/// True when the child ended by itself with status 0.
bool ExitedWithZero(int status);

#endif  // TESTS_E2E_H_
