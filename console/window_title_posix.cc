#include "console/window_title.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "console/charset.h"
#include "console/console_effects.h"
#include "console/output_stream.h"

namespace {

// What gives the title back, reached from the key wait's signal handlers: the bytes, set once
// the title has been saved, and cleared once they have been written.
const char* volatile g_restore = nullptr;
volatile sig_atomic_t g_restore_size = 0;

// What is still buffered goes out before the title is given back.
void GiveTitleBackAtExit() {
  FlushOutput();
  GiveWindowTitleBack();
}

}  // namespace

void NameWindow(const char* program) {
  TitleEffect effect = WindowTitleOf(OutputTerminal());
  if (effect.set_before.empty())
    return;
  // The title goes to the window system in the locale's character set; one that lacks the
  // letters gets them plain.
  bool utf8 = LocaleCodeset() == "UTF-8";
  std::string bytes(effect.save);
  bytes += effect.set_before;
  bytes += utf8 ? "Tabliczka mno\xC5\xBC"
                  "enia \xE2\x80\x93 "
                : "Tabliczka mnozenia - ";
  bytes += program;
  bytes += effect.set_after;
  WriteUnconverted(bytes.data(), bytes.size());
  g_restore_size = static_cast<sig_atomic_t>(effect.restore.size());
  g_restore = effect.restore.data();
  std::atexit(GiveTitleBackAtExit);
}

void GiveWindowTitleBack() {
  const char* restore = g_restore;
  if (restore == nullptr)
    return;
  g_restore = nullptr;
  // Straight to the terminal: a failed write is not retried, the program is ending.
  ssize_t written = write(STDOUT_FILENO, restore, static_cast<size_t>(g_restore_size));
  static_cast<void>(written);
}
