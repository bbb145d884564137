// The entry of a quiz program. Built once per program, with RANGE (the largest factor) and
// VERSION_SUFFIX (the end of its version text).

#include "console/title_screen.h"
#include "console/version.h"
#include "console/window_size.h"
#include "console/window_title.h"
#include "quiz/closing_screen.h"
#include "quiz/round.h"

namespace {

// The quiz's screens are 25 rows high, from the last answer's correction to the closing
// screen's last line end.
constexpr int kQuizRows = 25;
constexpr int kQuizColumns = 80;

}  // namespace

int main() {
  // A shorter window (GNOME Terminal's and xterm's own 24 rows) is asked for 25 where the
  // terminal takes the request, and given its size back at the end.
  WindowSize at_start = TerminalWindowSize();
  bool asked = at_start.rows > 0 && at_start.rows < kQuizRows &&
               RequestWindowSize({kQuizRows, kQuizColumns});
  NameWindow(PROGRAM_NAME);
  PrintTitleScreen(TABLICZKA_VERSION_TEXT VERSION_SUFFIX);
  RunQuizRound(RANGE);
  // Still short (the request was not honoured): the closing screen's last empty rows give way,
  // so that the last answer's correction stays on the top row. Piped, it is the whole screen.
  int rows = TerminalWindowSize().rows;
  if (rows > 0 && rows < kQuizRows)
    PrintClosingArtAndWait(4, rows > kQuizRows - 10 ? 10 - (kQuizRows - rows) : 0);
  else
    PrintClosingScreen();
  if (asked)
    RequestWindowSize(at_start);
  return 0;
}
