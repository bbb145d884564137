#include "report/arguments.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "console/wide_text_win32.h"

std::vector<std::string> ProgramArguments(int, char**) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide)
    return arguments;
  for (int i = 1; i < count; ++i) {
    arguments.push_back(Utf8OfWide(wide[i]));
  }
  LocalFree(wide);
  return arguments;
}
