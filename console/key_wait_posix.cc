#include "console/key_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace {

// The terminal in raw mode and the mode to give back, for the signal handler below. Set only
// while the wait has the terminal in raw mode; -1 otherwise.
volatile sig_atomic_t g_raw_fd = -1;
struct termios g_saved_mode;

// The signals that end a program the default way and must not leave the terminal raw.
const int kEndingSignals[] = {SIGTERM, SIGHUP, SIGQUIT};
const int kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

// Gives the terminal its mode back, then lets the signal end the process as it would have.
void RestoreModeAndEnd(int signal_number) {
  if (g_raw_fd >= 0)
    tcsetattr(g_raw_fd, TCSANOW, &g_saved_mode);
  signal(signal_number, SIG_DFL);
  raise(signal_number);
}

// Waits for the first byte of a key. False when the terminal is gone (hang-up, read error).
bool ReadFirstByte(int fd) {
  for (;;) {
    char byte;
    ssize_t got = read(fd, &byte, 1);
    if (got == 1)
      return true;
    if (got < 0 && errno == EINTR)
      continue;
    return false;
  }
}

// A cursor or function key sends several bytes at once. Takes the rest of them: whatever
// follows within 50 ms belongs to the same key.
void DrainKeySequence(int fd) {
  for (;;) {
    struct pollfd ready = {fd, POLLIN, 0};
    int count = poll(&ready, 1, 50);
    if (count < 0 && errno == EINTR)
      continue;
    if (count <= 0 || !(ready.revents & POLLIN))
      return;
    char rest[64];
    if (read(fd, rest, sizeof rest) <= 0)
      return;
  }
}

}  // namespace

void WaitForKey() {
  // The keyboard itself, not standard input, which may be a file or hold a left-over line end.
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return;  // no controlling terminal: nothing to wait on
  struct termios saved;
  // A program in the background must not take the keyboard from the one in front.
  if (!isatty(fd) || tcgetpgrp(fd) != getpgrp() || tcgetattr(fd, &saved) != 0) {
    close(fd);
    return;
  }

  struct termios raw = saved;
  raw.c_lflag &= ~ICANON;  // a key counts at once, not at the end of a line
  raw.c_lflag &= ~ECHO;    // the key is not shown
  raw.c_lflag &= ~ISIG;    // Ctrl+C, Ctrl+Z, Ctrl+\ are keys like any other, not signals
  raw.c_lflag &= ~IEXTEN;  // Ctrl+V and Ctrl+O are keys too
  raw.c_iflag &= ~IXON;    // Ctrl+S and Ctrl+Q too
  raw.c_cc[VMIN] = 1;      // a read returns as soon as one byte is there
  raw.c_cc[VTIME] = 0;     // ... and waits for it as long as it takes
  // Output processing stays on: what the program writes still ends its lines as before.

  g_saved_mode = saved;
  g_raw_fd = fd;
  struct sigaction previous[kSignalCount];
  bool handled[kSignalCount] = {};
  for (int i = 0; i < kSignalCount; ++i) {
    sigaction(kEndingSignals[i], nullptr, &previous[i]);
    if (previous[i].sa_handler == SIG_IGN)
      continue;  // a signal ignored from the start (nohup) stays ignored
    struct sigaction restore = {};
    restore.sa_handler = RestoreModeAndEnd;
    sigemptyset(&restore.sa_mask);
    handled[i] = sigaction(kEndingSignals[i], &restore, nullptr) == 0;
  }

  tcsetattr(fd, TCSANOW, &raw);
  if (ReadFirstByte(fd))
    DrainKeySequence(fd);
  tcsetattr(fd, TCSANOW, &saved);

  g_raw_fd = -1;
  for (int i = 0; i < kSignalCount; ++i) {
    if (handled[i])
      sigaction(kEndingSignals[i], &previous[i], nullptr);
  }
  close(fd);
}
