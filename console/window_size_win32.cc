#include "console/window_size.h"

// A Windows console window keeps the size its user gave it; its buffer scrolls, and the
// programs ask for no other size there.
WindowSize TerminalWindowSize() {
  return {};
}

bool RequestWindowSize(WindowSize) {
  return false;
}
