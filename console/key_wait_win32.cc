#include "console/key_wait.h"

#include <windows.h>

namespace {

bool IsModifierAlone(WORD key) {
  return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LSHIFT ||
         key == VK_RSHIFT || key == VK_LCONTROL || key == VK_RCONTROL || key == VK_LMENU ||
         key == VK_RMENU;
}

}  // namespace

void WaitForKey() {
  // The console's own keyboard, whatever standard input is.
  HANDLE keyboard =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (keyboard == INVALID_HANDLE_VALUE)
    return;  // no console: nothing to wait on
  DWORD saved;
  if (!GetConsoleMode(keyboard, &saved)) {
    CloseHandle(keyboard);
    return;
  }
  // Mode 0: no echo, no line input, and Ctrl+C arrives as a key instead of a signal.
  SetConsoleMode(keyboard, 0);
  // Only a key pressed while the closing screen is up ends the wait: whatever was typed before
  // it appeared (a second Enter after the last answer) is dropped.
  FlushConsoleInputBuffer(keyboard);
  for (;;) {
    INPUT_RECORD record;
    DWORD count = 0;
    if (!ReadConsoleInputW(keyboard, &record, 1, &count) || count == 0)
      break;
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown &&
        !IsModifierAlone(record.Event.KeyEvent.wVirtualKeyCode))
      break;
  }
  SetConsoleMode(keyboard, saved);
  CloseHandle(keyboard);
}
