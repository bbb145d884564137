#include "console/window_title.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// The console's own title, kept from NameWindow to the end.
std::wstring* g_saved_title = nullptr;

}  // namespace

void NameWindow(const char* program) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode;
  if (output == INVALID_HANDLE_VALUE || !GetConsoleMode(output, &mode))
    return;  // not a console: a pipe or a file has no window
  wchar_t saved[1024];
  DWORD length = GetConsoleTitleW(saved, sizeof saved / sizeof saved[0]);
  if (length == 0)
    return;
  std::wstring title = L"Tabliczka mno\u017Cenia \u2013 ";
  for (const char* c = program; *c != '\0'; ++c)
    title += static_cast<wchar_t>(static_cast<unsigned char>(*c));  // the names are ASCII
  if (!SetConsoleTitleW(title.c_str()))
    return;
  g_saved_title = new std::wstring(saved, length);
  std::atexit(GiveWindowTitleBack);
}

void GiveWindowTitleBack() {
  if (g_saved_title == nullptr)
    return;
  SetConsoleTitleW(g_saved_title->c_str());
  delete g_saved_title;
  g_saved_title = nullptr;
}
