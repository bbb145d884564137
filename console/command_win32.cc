#include "console/command.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "console/output_stream.h"

namespace {

// Puts the directory that holds this program's own executable at the front of PATH, so that
// the command interpreter finds the programs installed beside it before any other copy.
// Does nothing where that directory cannot be found.
void PutProgramDirectoryFirstOnPath() {
  wchar_t self[MAX_PATH * 4];
  DWORD length = GetModuleFileNameW(nullptr, self, sizeof self / sizeof self[0]);
  if (length == 0 || length == sizeof self / sizeof self[0])
    return;
  std::wstring directory(self, length);
  size_t separator = directory.find_last_of(L"\\/");
  if (separator == std::wstring::npos)
    return;
  directory.resize(separator);

  std::wstring path = directory;
  if (const wchar_t* current = _wgetenv(L"PATH"); current && *current)
    path += std::wstring(L";") + current;
  // The C library's copy of the environment is what system() hands to the interpreter.
  _wputenv_s(L"PATH", path.c_str());
  SetEnvironmentVariableW(L"PATH", path.c_str());
}

}  // namespace

int RunCommand(std::string_view commandLine) {
  // "cls" and "color" are the command interpreter's own; everything runs through it.
  FlushOutput();
  std::string line(commandLine);
  return std::system(line.c_str());
}

int StartProgram(const char* name) {
  PutProgramDirectoryFirstOnPath();
  return RunCommand(name);
}
