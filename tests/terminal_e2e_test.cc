// The programs on a pseudo-terminal, as a child at a real terminal meets them: text in the
// terminal's character set, colours, and the key wait at the end.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e.h"

namespace {

// What "color 07" (light grey) and "color 0C" (light red) write on each kind of terminal.
const char kPlainGrey[] =
    "\033]10;rgb:cc/cc/cc\a\033]10;#cccccc\a\033]11;rgb:0c/0c/0c\a\033]11;#0c0c0c\a\033[0m";
const char kPlainRed[] =
    "\033]10;rgb:e7/48/56\a\033]10;#e74856\a\033]11;rgb:0c/0c/0c\a\033]11;#0c0c0c\a\033[0m";
const char kScreenGrey[] =
    "\033P\033]10;rgb:cc/cc/cc\a\033\\\033P\033]10;#cccccc\a\033\\"
    "\033P\033]11;rgb:0c/0c/0c\a\033\\\033P\033]11;#0c0c0c\a\033\\\033[0m";
const char kScreenRed[] =
    "\033P\033]10;rgb:e7/48/56\a\033\\\033P\033]10;#e74856\a\033\\"
    "\033P\033]11;rgb:0c/0c/0c\a\033\\\033P\033]11;#0c0c0c\a\033\\\033[0m";
const char kLinuxGrey[] = "\033]P00c0c0c\033]P7cccccc\033[?5h\033[?5l\033[0m";
const char kLinuxRed[] = "\033]P00c0c0c\033]P7e74856\033[?5h\033[?5l\033[0m";
const char kTilixOwn[] = "\033]110\a\033[0m";
const char kTilixRed[] = "\033]10;rgb:e7/48/56\a\033]10;#e74856\a\033[0m";
const char kScreenTilixOwn[] = "\033P\033]110\a\033\\\033[0m";
const char kScreenTilixRed[] =
    "\033P\033]10;rgb:e7/48/56\a\033\\\033P\033]10;#e74856\a\033\\\033[0m";
const char kUtf8Block[] = "\xE2\x96\x88";

// The colours set on |screen| with the bytes |grey| and |red|, in order: 'G' for light grey,
// 'R' for light red, '?' for any other escape sequence. |rest|, where given, receives |screen|
// without the colours.
std::string Colours(const std::string& screen, const std::string& grey = kPlainGrey,
                    const std::string& red = kPlainRed, std::string* rest = nullptr) {
  std::string colours;
  std::string others;
  for (size_t at = 0; at < screen.size();) {
    if (!grey.empty() && screen.compare(at, grey.size(), grey) == 0) {
      colours += 'G';
      at += grey.size();
    } else if (!red.empty() && screen.compare(at, red.size(), red) == 0) {
      colours += 'R';
      at += red.size();
    } else if (screen.compare(at, 7, "\033[22;0t") == 0 ||
               screen.compare(at, 7, "\033[23;0t") == 0) {
      colours += 'T';  // the window's title saved or given back
      at += 7;
    } else if (screen.compare(at, 4, "\033]2;") == 0 &&
               screen.find('\a', at) != std::string::npos) {
      colours += 'T';  // the window named
      at = screen.find('\a', at) + 1;
    } else {
      if (screen[at] == '\033')
        colours += '?';
      others += screen[at++];
    }
  }
  if (rest)
    *rest = others;
  return colours;
}

bool IsValidUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 0;
    if (length == 0 || i + length > text.size())
      return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
        return false;
    }
    i += length;
  }
  return true;
}

bool AllAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  }
  return true;
}

bool SameMode(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

termios ModeOf(const PtyChild& child) {
  termios mode{};
  tcgetattr(child.slave, &mode);
  return mode;
}

Launch OnTerminal(const std::string& name, const std::vector<std::string>& env,
                  const std::string& stdin_path = "") {
  return MakeLaunch({Program(name)}, TestEnvironment(env), "", stdin_path);
}

// What a terminal of 80 columns and |rows| rows shows after |bytes|, one UTF-8 string per row
// (trailing spaces dropped): text wraps at the last column and scrolls at the last row;
// ESC [ H and ESC [ 2 J move home and clear; every other escape sequence draws nothing.
std::vector<std::string> ShownRows(const std::string& bytes, int rows) {
  std::vector<std::vector<std::string>> cells(rows, std::vector<std::string>(80, " "));
  int row = 0, column = 0;
  bool wrap_pending = false;
  for (size_t i = 0; i < bytes.size();) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\033' && i + 1 < bytes.size() && bytes[i + 1] == '[') {
      size_t end = i + 2;
      while (end < bytes.size() && (bytes[end] < 0x40 || bytes[end] > 0x7E))
        ++end;
      std::string sequence = bytes.substr(i + 2, end - i - 2);
      if (end < bytes.size() && bytes[end] == 'H')
        row = column = 0;
      if (end < bytes.size() && bytes[end] == 'J' && sequence == "2")
        cells.assign(rows, std::vector<std::string>(80, " "));
      i = end + 1;
    } else if (byte == '\033') {  // OSC or DCS: up to BEL or ESC backslash
      size_t end = i + 2;
      while (end < bytes.size() && bytes[end] != '\a' &&
             !(bytes[end] == '\033' && end + 1 < bytes.size() && bytes[end + 1] == '\\'))
        ++end;
      i = end + (end < bytes.size() && bytes[end] == '\a' ? 1 : 2);
    } else if (byte == '\r') {
      column = 0, wrap_pending = false, ++i;
    } else if (byte == '\n') {
      if (++row == rows) {
        cells.erase(cells.begin());
        cells.emplace_back(80, " ");
        --row;
      }
      wrap_pending = false, ++i;
    } else if (byte < 0x20) {
      ++i;
    } else {
      size_t length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : 4;
      if (wrap_pending) {
        column = 0, wrap_pending = false;
        if (++row == rows) {
          cells.erase(cells.begin());
          cells.emplace_back(80, " ");
          --row;
        }
      }
      cells[row][column] = bytes.substr(i, length);
      if (column == 79)
        wrap_pending = true;
      else
        ++column;
      i += length;
    }
  }
  std::vector<std::string> shown;
  for (const auto& line : cells) {
    std::string text;
    for (const std::string& cell : line)
      text += cell;
    shown.push_back(text.substr(0, text.find_last_not_of(' ') + 1));
  }
  return shown;
}

// Reads what the program writes until |needle| appears in |screen| at |from| or later. False
// after 10 s.
bool ReadAfter(const PtyChild& child, const std::string& needle, std::string& screen, size_t from) {
  for (int tries = 0; tries < 500; ++tries) {
    if (screen.find(needle, from) != std::string::npos)
      return true;
    ReadScreenFor(child, screen, 20);
  }
  return false;
}

// Core files of the programs a test ends with a signal would only fill the disk.
void NoCoreFiles() {
  struct rlimit none = {0, 0};
  setrlimit(RLIMIT_CORE, &none);
}

// Waits until the process |pid| is stopped (|stopped|) or running again (!|stopped|), as its
// state in /proc tells. False after 5 s.
bool WaitForStopped(pid_t pid, bool stopped) {
  for (int tries = 0; tries < 500; ++tries) {
    std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    size_t name_end = stat.rfind(')');
    if (name_end != std::string::npos && name_end + 2 < stat.size() &&
        (stat[name_end + 2] == 'T') == stopped)
      return true;
    usleep(10000);
  }
  return false;
}

// An empty file: a quiz reading it goes from the count prompt straight to its closing screen.
std::string EmptyInputFile() {
  static const std::string path = TemporaryDirectory() + "/empty";
  WriteFile(path, "");
  return path;
}

// Plays qor with the fixed clock (every question 9 x 5) through the terminal: one wrong answer
// among right ones, then waits until the closing screen has been shown.
std::string PlayQorOnTerminal(PtyChild& child) {
  std::string screen;
  EXPECT_TRUE(ReadScreenUntil(child, "? ", screen)) << screen;
  Type(child, "5\n45\n1\n45\n45\n45\n");
  EXPECT_TRUE(ReadScreenUntil(child, " na 5.", screen)) << screen;
  ReadScreenFor(child, screen, 300);
  return screen;
}

}  // namespace

TEST(ProgramsOnATerminal, ShowUtf8TextAndColourTheWholeScreenAfterEachAnswer) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  PtyChild child = StartOnPty(OnTerminal("qor_fixed_clock", {"TERM=xterm", "LC_ALL=C.UTF-8"}));
  termios before = child.mode_at_start;
  std::string screen = PlayQorOnTerminal(child);
  EXPECT_NE(screen.find(" Ile chcesz pyta\xC5\x84 ? "), std::string::npos) << screen;
  EXPECT_NE(screen.find(" Tw\xC3\xB3j wynik to: 4 na 5."), std::string::npos);
  EXPECT_NE(screen.find(std::string(kUtf8Block) + kUtf8Block), std::string::npos);
  EXPECT_NE(screen.find("wersja 2.0/qor"), std::string::npos);
  EXPECT_TRUE(IsValidUtf8(screen)) << "no code page 852 byte reaches a UTF-8 terminal";
  EXPECT_EQ(Colours(screen), "TTGRGGG")
      << "named, then grey after each right answer, red after the "
         "wrong one";
  EXPECT_LT(screen.find(kPlainRed), screen.find("Wcale nie"));

  ASSERT_TRUE(WaitForRawMode(child)) << "waits for a key after the closing screen";
  EXPECT_TRUE(StillRunning(child, 300)) << "waits for a key after the closing screen";
  Type(child, "x");
  EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen)));
  EXPECT_TRUE(SameMode(before, ModeOf(child)));
  ClosePty(child);
}

TEST(ProgramsOnATerminal, SetTheColoursAsEachKindOfTerminalTakesThem) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  const std::string kTmux = "TMUX=/tmp/tmux-1000/default,4242,0";
  const std::string kScreen = "STY=4242.pts-3.host";
  const std::string kTilix = "TILIX_ID=e4f1c2a0-4b7d-4f21-9c3e-0a2b5d6e7f80";
  const std::string kVte = "VTE_VERSION=7006";
  const struct {
    const char* terminal;
    std::vector<std::string> env;
    const char* grey;  // empty with red: no colour at all
    const char* red;
    bool screen_title = false;  // the window's title passed through GNU screen
    bool no_title = false;
  } kCases[] = {
      {"xterm", {"TERM=xterm-256color"}, kPlainGrey, kPlainRed},
      {"TERM=screen alone, as over ssh", {"TERM=screen"}, kPlainGrey, kPlainRed},
      {"tmux", {"TERM=tmux-256color", kTmux}, kPlainGrey, kPlainRed},
      {"tmux with TERM=screen", {"TERM=screen", kTmux}, kPlainGrey, kPlainRed},
      {"GNU screen", {"TERM=screen", kScreen}, kScreenGrey, kScreenRed, true},
      {"the Linux console", {"TERM=linux"}, kLinuxGrey, kLinuxRed, false, true},
      {"tmux inside GNU screen", {"TERM=screen", kScreen, kTmux}, kPlainGrey, kPlainRed},
      {"tmux on the Linux console", {"TERM=linux", kTmux}, kPlainGrey, kPlainRed},
      {"GNU screen on the Linux console", {"TERM=linux", kScreen}, kScreenGrey, kScreenRed, true},
      {"Tilix", {"TERM=xterm-256color", kTilix, kVte}, kTilixOwn, kTilixRed},
      {"tmux in Tilix", {"TERM=tmux-256color", kTilix, kVte, kTmux}, kPlainGrey, kPlainRed},
      {"GNU screen in Tilix",
       {"TERM=screen", kTilix, kScreen},
       kScreenTilixOwn,
       kScreenTilixRed,
       true},
      {"NO_COLOR on xterm", {"TERM=xterm-256color", "NO_COLOR=1"}, "", "", false, true},
      {"NO_COLOR in tmux in Tilix",
       {"TERM=tmux-256color", kTilix, kTmux, "NO_COLOR=yes"},
       "",
       "",
       false,
       true},
      {"NO_COLOR on the Linux console", {"TERM=linux", "NO_COLOR=1"}, "", "", false, true},
      {"NO_COLOR empty, as if unset", {"TERM=xterm-256color", "NO_COLOR="}, kPlainGrey, kPlainRed},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> env = c.env;
    env.push_back("LC_ALL=C.UTF-8");
    PtyChild child = StartOnPty(OnTerminal("qor_fixed_clock", env));
    std::string screen = PlayQorOnTerminal(child);
    ASSERT_TRUE(WaitForRawMode(child)) << c.terminal;
    Type(child, "x");
    EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen))) << c.terminal;
    ClosePty(child);
    // The window named first, its own title saved on the terminal's stack and popped at the end.
    const std::string wrap = c.screen_title ? "\033P" : "", unwrap = c.screen_title ? "\033\\" : "";
    const std::string name = wrap + "\033[22;0t" + unwrap + wrap +
                             "\033]2;Tabliczka mno\xC5\xBC"
                             "enia \xE2\x80\x93 qor\a" +
                             unwrap;
    const std::string back = wrap + "\033[23;0t" + unwrap;
    if (!c.no_title) {
      EXPECT_EQ(screen.compare(0, name.size(), name), 0) << c.terminal << "\n" << screen;
      EXPECT_TRUE(screen.size() > back.size() &&
                  screen.compare(screen.size() - back.size(), back.size(), back) == 0)
          << c.terminal;
      screen = screen.substr(name.size(), screen.size() - name.size() - back.size());
    }
    std::string text;
    // Grey after each right answer, red after the wrong one; nothing at all under NO_COLOR.
    std::string expected = *c.grey ? "GRGGG" : "";
    EXPECT_EQ(Colours(screen, c.grey, c.red, &text), expected) << c.terminal << "\n" << screen;
    EXPECT_EQ(text.find('\033'), std::string::npos) << c.terminal << ": nothing else\n" << text;
    EXPECT_NE(text.find(" Tw\xC3\xB3j wynik to: 4 na 5."), std::string::npos) << c.terminal;
  }
}

TEST(ProgramsOnATerminal, TransliterateToAsciiInTheCLocale) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  PtyChild child = StartOnPty(OnTerminal("qor_fixed_clock", {"TERM=xterm", "LC_ALL=C"}));
  std::string screen = PlayQorOnTerminal(child);
  ASSERT_TRUE(WaitForRawMode(child));
  Type(child, "x");
  EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen)));
  ClosePty(child);
  EXPECT_NE(screen.find(" Ile chcesz pytan ? "), std::string::npos) << screen;
  EXPECT_NE(screen.find(" Twoj wynik to: 4 na 5."), std::string::npos);
  EXPECT_NE(screen.find("  ##  ##   ####   ##  ##  ##  ######   #####"), std::string::npos)
      << "blocks are drawn as #, so the art keeps its shape";
  EXPECT_TRUE(AllAscii(screen));
  EXPECT_EQ(Colours(screen), "TTGRGGGT") << "named in ASCII, given its title back at the end";
  EXPECT_NE(screen.find("\033]2;Tabliczka mnozenia - qor\a"), std::string::npos);
}

TEST(ProgramsOnATerminal, DrawNoEscapesOnADumbTerminal) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  PtyChild child = StartOnPty(OnTerminal("qor_fixed_clock", {"TERM=dumb", "LC_ALL=C.UTF-8"}));
  std::string screen = PlayQorOnTerminal(child);
  ASSERT_TRUE(WaitForRawMode(child));
  Type(child, "x");
  EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen)));
  ClosePty(child);
  EXPECT_NE(screen.find(" Tw\xC3\xB3j wynik to: 4 na 5."), std::string::npos) << screen;
  EXPECT_EQ(screen.find('\033'), std::string::npos);
}

TEST(KeyWait, EndsOnAnyKeyAndLeavesNothingBehind) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  const struct {
    const char* name;
    std::string keys;
  } kKeys[] = {
      {"a letter", "x"},  {"Ctrl+C", "\x03"},
      {"Ctrl+Z", "\x1a"}, {"Ctrl+\\", "\x1c"},
      {"Enter", "\r"},    {"cursor up", "\033[A"},
      {"F1", "\033OP"},   {"F5", "\033[15~"},
      {"Ctrl+S", "\x13"}, {"a Polish letter", "\xC5\x82"},
  };
  for (const auto& key : kKeys) {
    // Standard input is a file; the wait is on the terminal all the same.
    PtyChild child = StartOnPty(
        OnTerminal("pym_fixed_clock", {"TERM=xterm", "LC_ALL=C.UTF-8"}, EmptyInputFile()));
    termios before = child.mode_at_start;
    std::string screen;
    ASSERT_TRUE(WaitForRawMode(child)) << key.name << ": it must wait for a key";
    ASSERT_TRUE(StillRunning(child, 200)) << key.name << ": it must wait for a key";
    Type(child, key.keys);
    int status = WaitForExit(child, screen);
    EXPECT_TRUE(ExitedWithZero(status)) << key.name << ": status " << status;
    EXPECT_EQ(UnreadTerminalInput(child), 0) << key.name << ": the whole key is taken";
    EXPECT_TRUE(SameMode(before, ModeOf(child))) << key.name << ": the mode is given back";
    ClosePty(child);
  }
}

TEST(KeyWait, EndingSignalsGiveTheTerminalItsModeBack) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  // Every signal that ends a program by default and can be caught, whoever sends it.
  std::vector<int> signals = {SIGHUP,  SIGINT,    SIGQUIT,      SIGILL,  SIGTRAP,   SIGABRT,
                              SIGUSR1, SIGUSR2,   SIGPIPE,      SIGALRM, SIGTERM,   SIGXCPU,
                              SIGXFSZ, SIGVTALRM, SIGPROF,      SIGIO,   SIGSTKFLT, SIGPWR,
                              SIGSYS,  SIGRTMIN,  SIGRTMIN + 1, SIGRTMAX};
#ifndef __SANITIZE_ADDRESS__
  // The address sanitizer keeps these for its own reports of a program's faults.
  signals.insert(signals.end(), {SIGSEGV, SIGBUS, SIGFPE});
#endif
  NoCoreFiles();
  for (int sig : signals) {
    PtyChild child = StartOnPty(OnTerminal("key_wait_probe", {"TERM=xterm"}));
    termios before = child.mode_at_start;
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "waiting", screen));
    ASSERT_TRUE(WaitForRawMode(child));
    termios during = ModeOf(child);
    EXPECT_EQ(during.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u) << "raw while waiting";
    EXPECT_EQ(during.c_iflag & IXON, 0u) << "raw while waiting";
    kill(child.pid, sig);
    int status = WaitForExit(child, screen);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig)
        << strsignal(sig) << ": ends the default way, status " << status;
    EXPECT_TRUE(SameMode(before, ModeOf(child))) << strsignal(sig);
    ClosePty(child);
  }
}

TEST(KeyWait, ASignalIgnoredFromTheStartStaysIgnored) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  // SIGHUP as under nohup, SIGINT and SIGQUIT as for a job a script starts with &.
  for (int sig : {SIGHUP, SIGINT, SIGQUIT}) {
    Launch launch = OnTerminal("key_wait_probe", {"TERM=xterm"});
    launch.ignored_signals = {sig};
    PtyChild child = StartOnPty(launch);
    termios before = child.mode_at_start;
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "waiting", screen));
    ASSERT_TRUE(WaitForRawMode(child));
    kill(child.pid, sig);
    EXPECT_TRUE(StillRunning(child, 200)) << strsignal(sig);
    EXPECT_FALSE(ModeOf(child).c_lflag & ICANON) << strsignal(sig) << ": still raw";
    Type(child, "x");
    EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen))) << strsignal(sig);
    EXPECT_TRUE(SameMode(before, ModeOf(child))) << strsignal(sig);
    ClosePty(child);
  }
}

TEST(KeyWait, AStoppedJobGivesTheModeBackAndTakesItAnewWhenContinued) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  for (int sig : {SIGTSTP, SIGTTIN, SIGTTOU}) {
    // Started as a shell starts a job in front, so a stop signal does stop it.
    Launch launch = OnTerminal("key_wait_probe", {"TERM=xterm"});
    launch.foreground_job = true;
    PtyChild child = StartOnPty(launch);
    termios before = child.mode_at_start;
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "waiting", screen)) << strsignal(sig);
    ASSERT_TRUE(WaitForRawMode(child)) << strsignal(sig);
    pid_t job = tcgetpgrp(child.master);
    ASSERT_GT(job, 0);
    ASSERT_NE(job, child.pid) << "the job has a process group of its own";

    kill(-job, sig);
    ASSERT_TRUE(WaitForStopped(job, true)) << strsignal(sig) << ": stops";
    EXPECT_TRUE(SameMode(before, ModeOf(child))) << strsignal(sig) << ": cooked while stopped";

    // What a shell may do while the job is stopped: set a mode of its own.
    termios changed = before;
    changed.c_cc[VERASE] = '\b';
    tcsetattr(child.slave, TCSANOW, &changed);
    kill(-job, SIGCONT);
    ASSERT_TRUE(WaitForStopped(job, false)) << strsignal(sig) << ": continues";
    ASSERT_TRUE(WaitForRawMode(child)) << strsignal(sig) << ": raw again when continued";
    termios during = ModeOf(child);
    EXPECT_EQ(during.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u) << strsignal(sig);
    EXPECT_EQ(during.c_iflag & IXON, 0u) << strsignal(sig);
    EXPECT_TRUE(StillRunning(child, 100)) << strsignal(sig);

    Type(child, "x");
    EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen))) << strsignal(sig);
    EXPECT_NE(screen.find("done"), std::string::npos) << strsignal(sig);
    EXPECT_TRUE(SameMode(changed, ModeOf(child))) << strsignal(sig) << ": the mode taken anew";
    ClosePty(child);
  }
}

TEST(KeyWait, AStopTheSystemDiscardsLeavesTheWaitRaw) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  // Alone in its session, as under "xterm -e", the program's process group is orphaned: the
  // system does not stop it, and the wait must go on as before.
  for (int sig : {SIGTSTP, SIGTTIN, SIGTTOU}) {
    PtyChild child = StartOnPty(OnTerminal("key_wait_probe", {"TERM=xterm"}));
    termios before = child.mode_at_start;
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "waiting", screen));
    ASSERT_TRUE(WaitForRawMode(child));
    kill(child.pid, sig);
    EXPECT_TRUE(StillRunning(child, 100)) << strsignal(sig);
    ASSERT_TRUE(WaitForRawMode(child)) << strsignal(sig);
    Type(child, "x");
    EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen, 3000))) << strsignal(sig);
    EXPECT_TRUE(SameMode(before, ModeOf(child))) << strsignal(sig);
    ClosePty(child);
  }
}

TEST(KeyWait, KeysTypedBeforeTheClosingScreenDoNotEndIt) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  // The answers and something more, all typed before the round has ended.
  for (const char* ahead : {"\n", "\n\n", "x", " \n y"}) {
    PtyChild child = StartOnPty(OnTerminal("qor_fixed_clock", {"TERM=xterm", "LC_ALL=C.UTF-8"}));
    termios before = child.mode_at_start;
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "? ", screen));
    Type(child, std::string("5\n45\n1\n45\n45\n45\n") + ahead);
    ASSERT_TRUE(ReadScreenUntil(child, " na 5.", screen)) << screen;
    ASSERT_TRUE(WaitForRawMode(child));
    EXPECT_TRUE(StillRunning(child, 300))
        << "typed ahead \"" << ahead << "\": the closing screen waits for a key";
    Type(child, "x");
    EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen)));
    EXPECT_EQ(UnreadTerminalInput(child), 0);
    EXPECT_TRUE(SameMode(before, ModeOf(child)));
    ClosePty(child);
  }
}

TEST(KeyWait, CtrlCIsAKeyNotAnInterrupt) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  PtyChild child = StartOnPty(OnTerminal("key_wait_probe", {"TERM=xterm"}));
  std::string screen;
  ASSERT_TRUE(ReadScreenUntil(child, "waiting", screen));
  ASSERT_TRUE(WaitForRawMode(child));
  Type(child, "\x03");
  EXPECT_TRUE(ExitedWithZero(WaitForExit(child, screen)));
  EXPECT_NE(screen.find("done"), std::string::npos);
  ClosePty(child);
}

TEST(KeyWait, InABackgroundJobNeitherStopsNorTouchesTheTerminal) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system's console";
  Launch launch = OnTerminal("key_wait_probe", {"TERM=xterm"});
  launch.background = true;
  PtyChild child = StartOnPty(launch);
  termios before = child.mode_at_start;
  std::string screen;
  int status = WaitForExit(child, screen, 5000);
  EXPECT_TRUE(ExitedWithZero(status)) << "status " << status << ", screen " << screen;
  EXPECT_NE(screen.find("waiting\r\r\ndone"), std::string::npos) << screen;
  EXPECT_TRUE(SameMode(before, ModeOf(child)));
  ClosePty(child);
}

TEST(KeyWait, AClosedTerminalEndsTheProgram) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system's console";
  for (const char* name : {"key_wait_probe", "pym_fixed_clock"}) {
    PtyChild child = StartOnPty(OnTerminal(name, {"TERM=xterm"}, EmptyInputFile()));
    std::string screen;
    ASSERT_TRUE(WaitForRawMode(child)) << name;
    close(child.master);  // the terminal window is closed
    child.master = -1;
    int status = WaitForExit(child, screen, 5000);
    EXPECT_NE(status, -1) << name << " still runs on a closed terminal";
    ClosePty(child);
  }
}

TEST(ProgramsOnATerminal, EndQuietlyWhenTheTerminalIsNoLongerTheirs) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system's console";
  // In a background job that does not stop for reading (SIGTTIN ignored), every read of the
  // terminal fails with EIO, as it does once the shell has taken the terminal back from a job
  // whose parent has gone. The program must not take that for ended input and go on writing.
  const struct {
    const char* name;
    const char* last;  // the last text it shows before it waits for the terminal
  } kCases[] = {{"qor_fixed_clock", " ? "}, {"trivelanko", "2. dwudziestu pieciu"}};
  for (const auto& c : kCases) {
    Launch launch = OnTerminal(c.name, {"TERM=xterm", "LC_ALL=C"});
    launch.background = true;
    launch.ignored_signals = {SIGTTIN};
    PtyChild child = StartOnPty(launch);
    std::string screen;
    int status = WaitForExit(child, screen, 5000);
    // The job's parent ends as the job did: 128 plus the signal's number for a signal.
    EXPECT_EQ(status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, 128 + SIGHUP)
        << c.name << " ends as a hang-up ends it; status " << status;
    size_t last = screen.rfind(c.last);
    ASSERT_NE(last, std::string::npos) << c.name << ": " << screen;
    EXPECT_EQ(screen.find_first_not_of("\r\n", last + std::strlen(c.last)), std::string::npos)
        << c.name << " wrote on: " << screen.substr(last);
    ClosePty(child);
  }
}

TEST(ProgramsOnATerminal, EndWhenTheTerminalHangsUpThoughSighupIsIgnored) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system's console";
  // As under nohup: the hang-up signal does not end the program, so the failing writes must.
  Launch launch = OnTerminal("qor_fixed_clock", {"TERM=xterm", "LC_ALL=C"});
  launch.ignored_signals = {SIGHUP};
  PtyChild child = StartOnPty(launch);
  std::string screen;
  ASSERT_TRUE(ReadScreenUntil(child, "? ", screen)) << screen;
  Type(child, "999999999\n");
  ASSERT_TRUE(ReadScreenUntil(child, "9 x 5 = ", screen)) << screen;
  HangUp(child);
  int status = WaitForExit(child, screen, 5000);
  EXPECT_TRUE(status != -1 && WIFSIGNALED(status) && WTERMSIG(status) == SIGHUP)
      << "status " << status << " (-1: still running)";
  ClosePty(child);
}

TEST(ProgramsOnATerminal, AClassListThatCannotBeUsedWaitsForAKeyAndNamesShowAsWritten) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal shows nothing of another system\'s console";
  // A folder where the list should be: said, with what to mend, and a key waited for before
  // the round goes on.
  std::string broken = TemporaryDirectory();
  ASSERT_EQ(mkdir((broken + "/uczniowie.txt").c_str(), 0700), 0);
  PtyChild child = StartOnPty(
      OnTerminal("vek_fixed_clock", {"TERM=xterm", "LC_ALL=C.UTF-8", "TABLICZKA_DIR=" + broken}));
  std::string screen;
  ASSERT_TRUE(ReadScreenUntil(child, "Naciśnij dowolny klawisz.", screen)) << screen;
  EXPECT_NE(screen.find(" Lista uczniów nie jest używana"), std::string::npos) << screen;
  ASSERT_TRUE(WaitForRawMode(child));
  EXPECT_TRUE(StillRunning(child, 300)) << "the child sees it and calls the teacher";
  EXPECT_EQ(screen.find("Ile chcesz"), std::string::npos);
  Type(child, "x");
  EXPECT_TRUE(ReadScreenUntil(child, "Ile chcesz pytań ? ", screen)) << screen;
  HangUp(child);
  ClosePty(child);

  // Cyrillic and Greek names on a UTF-8 terminal, as the list writes them.
  std::string klasa = TemporaryDirectory();
  WriteFile(klasa + "/uczniowie.txt", "Мария\nΣοφία\nŻółw\n");
  PtyChild named = StartOnPty(
      OnTerminal("vek_fixed_clock", {"TERM=xterm", "LC_ALL=C.UTF-8", "TABLICZKA_DIR=" + klasa}));
  screen.clear();
  ASSERT_TRUE(ReadScreenUntil(named, "Twój numer ? ", screen)) << screen;
  for (const char* row : {"1. Мария\r", "2. Σοφία\r", "3. Żółw\r"})
    EXPECT_NE(screen.find(row), std::string::npos) << row << screen;
  Type(named, "σο\n");  // typed in Greek
  EXPECT_TRUE(ReadScreenUntil(named, "Cześć, Σοφία !", screen)) << screen;
  HangUp(named);
  ClosePty(named);
}

TEST(ScreensAt80x24, ShowTheWholeEndOfARound) {
  // program, round shape (questions, every other one missed once before it is right where
  // |missed|, the others slow where |slow|); the screen must show at once, when the closing
  // screen waits, the last verdict above the bar and every row below it to KONIEC.
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal is this system's";
  const struct {
    const char* program;
    int questions;
    bool missed;
    bool slow;
  } kCases[] = {
      {"vek_fixed_clock", 5, false, false},  // all right: the lists' short end
      {"vek_fixed_clock", 6, true, false},
      {"vek_fixed_clock", 30, true, true},  // the whole facts fill the rows beside the grid
      {"vek_fixed_clock", 60, true, true},  // the first factor written once
      {"vek_fixed_clock", 100, true, false},
      {"vek_fixed_clock", 60, false, true},  // all right, many of them slow
      {"zif_fixed_clock", 25, true, true},
  };
  for (const auto& c : kCases) {
    std::string shape = std::string(c.program) + " " + std::to_string(c.questions) +
                        (c.missed ? " missed" : "") + (c.slow ? " slow" : "");
    std::string slow;  // the answers (every try counted) that take a minute
    for (int q = 0, answer = 1; q < c.questions; ++q) {
      bool missed = c.missed && q % 2 == 0;
      if (c.slow && !missed)
        slow += std::to_string(answer) + ",";
      answer += missed ? 2 : 1;
    }
    std::string dir = TemporaryDirectory();
    PtyChild child = StartOnPty(
        MakeLaunch({Program(c.program)},
                   TestEnvironment({"TERM=xterm", "LC_ALL=C.UTF-8", "XDG_DATA_HOME=" + dir,
                                    "FIXED_CLOCK_DAY=0", "FIXED_CLOCK_SLOW=" + slow})),
        24);
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "? ", screen)) << shape;
    Type(child, std::to_string(c.questions) + "\n");
    size_t next = screen.size();  // where the next question is written
    for (int q = 0; q < c.questions; ++q) {
      ASSERT_TRUE(ReadAfter(child, " = ", screen, next)) << shape << " question " << q;
      size_t start = screen.rfind("\n ", screen.rfind(" = ")) + 2;
      int a = 0, b = 0;
      ASSERT_EQ(sscanf(screen.c_str() + start, "%d x %d", &a, &b), 2) << shape;
      if (c.missed && q % 2 == 0) {
        size_t from = screen.size();
        Type(child, "0\n");
        ASSERT_TRUE(ReadAfter(child, " = ", screen, from)) << shape << " asked again";
      }
      size_t from = screen.size();
      Type(child, std::to_string(a * b) + "\n");
      ASSERT_TRUE(ReadAfter(child, "Dobrze !", screen, from)) << shape;
      next = screen.find("Dobrze !", from);
    }
    ASSERT_TRUE(WaitForRawMode(child)) << shape;
    ReadScreenFor(child, screen, 100);
    std::vector<std::string> rows = ShownRows(screen, 24);
    size_t bar = 0;
    while (bar < rows.size() && rows[bar].rfind("████████", 0) != 0)
      ++bar;
    ASSERT_LT(bar, rows.size()) << shape << ": the bar is on the screen";
    ASSERT_GE(bar, 1u) << shape << ": the verdict above the bar is on the screen";
    EXPECT_EQ(rows[bar - 1], " Dobrze !") << shape;
    EXPECT_NE(rows[bar + 1].find(c.missed ? "Do powtórki:" : "Wszystko dobrze"), std::string::npos)
        << shape;
    if (c.slow) {
      std::string all;
      for (const std::string& row : rows)
        all += row + "\n";
      EXPECT_TRUE(all.find("pójdzie od razu") != std::string::npos ||
                  all.find("w nawiasach") != std::string::npos)
          << shape << all;
    }
    EXPECT_NE(rows[17].find("pudełko 1"), std::string::npos) << shape << ": the legend";
    EXPECT_EQ(rows[23], "                   ██  ██   ████   ██  ██  ██  ██████   █████")
        << shape << ": KONIEC's last row at the bottom";
    Type(child, "x");
    EXPECT_EQ(WaitForExit(child, screen), 0) << shape;
    ClosePty(child);
  }
}

TEST(ScreensAt80x24, KtoCwiczyShowsItsHeadingAndFortyNames) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal is this system's";
  std::string dir = TemporaryDirectory();
  std::string names;
  for (int i = 1; i <= 40; ++i)
    names += "Uczeń " + std::to_string(i) + "\n";
  WriteFile(dir + "/uczniowie.txt", names);
  PtyChild child = StartOnPty(
      MakeLaunch({Program("vek")},
                 TestEnvironment({"TERM=xterm", "LC_ALL=C.UTF-8", "TABLICZKA_DIR=" + dir})),
      24);
  std::string screen;
  ASSERT_TRUE(ReadScreenUntil(child, "numer ? ", screen));
  std::vector<std::string> rows = ShownRows(screen, 24);
  std::string all;
  for (const std::string& row : rows)
    all += row + "\n";
  EXPECT_NE(all.find("Kto ćwiczy?\n 1. Uczeń 1"), std::string::npos) << all;
  EXPECT_NE(all.find("20. Uczeń 20"), std::string::npos) << all;
  EXPECT_NE(all.find("40. Uczeń 40"), std::string::npos) << all;
  ClosePty(child);
}

TEST(ScreensAt80x24, TheQuizAsksFor25RowsAndKeepsTheLastCorrectionOnTheTopRow) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal is this system's";
  const struct {
    const char* kind;
    std::string env;
    bool asks;
  } kCases[] = {
      {"plain", "TERM=xterm-256color", true},
      {"tmux", "TMUX=/tmp/tmux-0/default,1,0", false},
  };
  for (const auto& c : kCases) {
    PtyChild child =
        StartOnPty(MakeLaunch({Program("qor_fixed_clock")},
                              TestEnvironment({"TERM=xterm-256color", "LC_ALL=C.UTF-8", c.env})),
                   24);
    std::string screen;
    ASSERT_TRUE(ReadScreenUntil(child, "? ", screen)) << c.kind;
    Type(child, "5\n45\n45\n45\n45\n1\n");  // the last answer wrong
    ASSERT_TRUE(WaitForRawMode(child)) << c.kind;
    ReadScreenFor(child, screen, 100);
    std::vector<std::string> rows = ShownRows(screen, 24);
    EXPECT_EQ(rows[0], " Wcale nie !     9 x 5 = 45") << c.kind;
    EXPECT_EQ(rows[13], "                   ██  ██   ████   ██  ██  ██  ██████   █████") << c.kind;
    Type(child, "x");
    EXPECT_EQ(WaitForExit(child, screen), 0) << c.kind;
    // The pseudo-terminal does not resize: the size it had is asked for again at the end, then
    // the window's own title is given back.
    EXPECT_EQ(screen.find("\033[8;25;80t") == 0, c.asks) << c.kind;
    EXPECT_EQ(screen.size() >= 17 &&
                  screen.compare(screen.size() - 17, 17, "\033[8;24;80t\033[23;0t") == 0,
              c.asks)
        << c.kind;
    ClosePty(child);
  }
}
