#include "console/key_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "console/system_posix.h"
#include "console/window_title.h"

namespace {

// What the signal handlers below must reach: the terminal being waited on (-1 when no wait
// runs) and the mode to give back to it. Both change only while the handlers are blocked, or
// inside a handler, which runs with the others blocked.
volatile sig_atomic_t g_terminal = -1;
struct termios g_saved_mode;
// The wait's raw mode as the terminal holds it: read back once set, since a driver may keep a
// field otherwise than it was asked to, and only this mode is the wait's to give back.
struct termios g_raw_mode;

// The signals whose default action ends the program, and which a handler may catch. Each of
// them would leave the terminal raw; the real-time signals (all of them end a program by
// default too) are added to these.
struct EndingSignal {
  int number;
  const char* reason;
};
const EndingSignal kEndingSignals[] = {
    {SIGHUP, "the terminal hung up or the controlling process ended"},
    {SIGINT, "an interrupt sent with kill (Ctrl+C is a key during the wait)"},
    {SIGQUIT, "a quit sent with kill (Ctrl+\\ is a key during the wait)"},
    {SIGILL, "an illegal instruction, or sent with kill"},
    {SIGTRAP, "a trace or breakpoint trap"},
    {SIGABRT, "abort()"},
    {SIGBUS, "a bus error"},
    {SIGFPE, "an arithmetic fault"},
    {SIGUSR1, "a user's signal, meaning nothing to this program"},
    {SIGSEGV, "a memory fault"},
    {SIGUSR2, "a user's signal, meaning nothing to this program"},
    {SIGPIPE, "a write to a pipe nobody reads"},
    {SIGALRM, "a timer, such as one set by the parent before exec"},
    {SIGTERM, "a request to end, such as kill's or timeout's"},
#ifdef SIGSTKFLT
    {SIGSTKFLT, "a coprocessor stack fault (unused, but it ends a program)"},
#endif
    {SIGXCPU, "the CPU time limit reached"},
    {SIGXFSZ, "the file size limit reached"},
    {SIGVTALRM, "a virtual timer"},
    {SIGPROF, "a profiling timer"},
    {SIGIO, "input or output possible (SIGPOLL)"},
#ifdef SIGPWR
    {SIGPWR, "a power failure"},
#endif
    {SIGSYS, "a bad system call"},
};

// The signals that stop a program by default. Before stopping, the terminal gets its mode
// back, so the shell the user returns to echoes and edits lines.
const int kStopSignals[] = {SIGTSTP, SIGTTIN, SIGTTOU};

// The wait's mode made from the terminal's |mode|: keys one at a time, unseen, none of them
// special.
struct termios RawModeOf(struct termios mode) {
  mode.c_lflag &= ~ICANON;  // a key counts at once, not at the end of a line
  mode.c_lflag &= ~ECHO;    // the key is not shown
  mode.c_lflag &= ~ISIG;    // Ctrl+C, Ctrl+Z, Ctrl+\ are keys like any other, not signals
  mode.c_lflag &= ~IEXTEN;  // Ctrl+V and Ctrl+O are keys too
  mode.c_iflag &= ~IXON;    // Ctrl+S and Ctrl+Q too
  mode.c_cc[VMIN] = 1;      // a read returns as soon as one byte is there
  mode.c_cc[VTIME] = 0;     // ... and waits for it as long as it takes
  // Output processing stays on: what the program writes still ends its lines as before.
  return mode;
}

// True when the two modes are the same in every field a program sets.
bool SameMode(const struct termios& a, const struct termios& b) {
  if (a.c_iflag != b.c_iflag || a.c_oflag != b.c_oflag || a.c_cflag != b.c_cflag ||
      a.c_lflag != b.c_lflag)
    return false;
  for (int i = 0; i < NCCS; ++i) {
    if (a.c_cc[i] != b.c_cc[i])
      return false;
  }
  return true;
}

// True when the terminal is this program's to change: a wait runs and this process group is
// in its foreground. A job sent to the background must not change the mode of whoever is in
// front now (the shell's line editor, say).
bool TerminalIsOurs() {
  return g_terminal >= 0 && tcgetpgrp(g_terminal) == getpgrp();
}

// Sets the wait's raw mode, made from the saved one, and notes it as the terminal holds it.
// Async-signal-safe.
void SetRawMode() {
  struct termios raw = RawModeOf(g_saved_mode);
  tcsetattr(g_terminal, TCSANOW, &raw);
  if (tcgetattr(g_terminal, &g_raw_mode) != 0)
    g_raw_mode = raw;
}

// Gives the terminal its saved mode back where it still holds the wait's raw mode; a mode
// someone else set since stays. Async-signal-safe.
void GiveModeBack() {
  struct termios now;
  if (!TerminalIsOurs() || tcgetattr(g_terminal, &now) != 0)
    return;
  if (SameMode(now, g_raw_mode))
    tcsetattr(g_terminal, TCSANOW, &g_saved_mode);
}

// Takes the terminal's mode anew, as the mode to give back, unless it is still the wait's raw
// mode (then the saved one stays), and sets raw mode again. A shell may have changed the mode
// while the program was stopped. Async-signal-safe.
void TakeModeAndSetRaw() {
  struct termios now;
  if (!TerminalIsOurs() || tcgetattr(g_terminal, &now) != 0)
    return;
  if (!SameMode(now, g_raw_mode))
    g_saved_mode = now;
  SetRawMode();
}

// The action that runs |handler| with every signal blocked, so that no two of these handlers
// ever run at once. Async-signal-safe.
struct sigaction ActionOf(void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigfillset(&action.sa_mask);
  return action;
}

// Gives the terminal its mode and the window its title back, then lets the signal end the
// program as it would have.
void EndingHandler(int signal_number) {
  GiveModeBack();
  GiveWindowTitleBack();
  RaiseWithDefaultAction(signal_number);
  // A fault's signal comes back when the faulting instruction runs again, now to end it.
}

// Gives the terminal its mode back and stops. When continued (or when the system discards
// the stop, as for a process group no shell looks after), the wait goes on in raw mode.
void StopHandler(int signal_number) {
  int saved_errno = errno;
  GiveModeBack();
  RaiseWithDefaultAction(signal_number);  // stopped here until SIGCONT
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal_number);
  sigprocmask(SIG_BLOCK, &only, nullptr);
  struct sigaction again = ActionOf(StopHandler);
  sigaction(signal_number, &again, nullptr);
  TakeModeAndSetRaw();
  errno = saved_errno;
}

// Continued after a stop this program did not see (SIGSTOP): the shell may have set its own
// mode meanwhile.
void ContinueHandler(int) {
  int saved_errno = errno;
  TakeModeAndSetRaw();
  errno = saved_errno;
}

// A signal the wait handles, with its handler and what was there before.
struct Handled {
  void (*handler)(int);
  TakenSignal signal;
};

// Every signal the wait handles, each once, with its handler; returns how many. Signal
// numbers are below NSIG, so NSIG places are enough.
int ListHandledSignals(Handled (&handled)[NSIG]) {
  int count = 0;
  auto add = [&](int number, void (*handler)(int)) {
    handled[count] = Handled{handler, {}};
    handled[count++].signal.number = number;
  };
  for (const EndingSignal& ending : kEndingSignals)
    add(ending.number, EndingHandler);
#if defined(SIGRTMIN) && defined(SIGRTMAX)  // the real-time signals, where the system has them
  for (int real_time = SIGRTMIN; real_time <= SIGRTMAX; ++real_time)
    add(real_time, EndingHandler);
#endif
  for (int stop : kStopSignals)
    add(stop, StopHandler);
  add(SIGCONT, ContinueHandler);
  return count;
}

// Puts the handlers in place of the default actions. A signal ignored or handled otherwise
// from the start keeps that: under nohup, a hang-up does not end the program now either.
void TakeSignals(Handled* handled, int count) {
  for (int i = 0; i < count; ++i)
    TakeSignal(handled[i].signal, ActionOf(handled[i].handler));
}

void GiveSignalsBack(Handled* handled, int count) {
  for (int i = 0; i < count; ++i)
    GiveSignalBack(handled[i].signal);
}

// Waits for the first byte of a key. False when the terminal is gone (hang-up, read error).
bool ReadFirstByte(int fd) {
  char byte;
  return RetryOnInterrupt([&] { return read(fd, &byte, 1); }) == 1;
}

// A cursor or function key sends several bytes at once. Takes the rest of them: whatever
// follows within 50 ms belongs to the same key.
void DrainKeySequence(int fd) {
  for (;;) {
    struct pollfd ready = {fd, POLLIN, 0};
    int count = RetryOnInterrupt([&] { return poll(&ready, 1, 50); });
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

  // The handlers see the terminal and its mode only once both are set, and the mode changes
  // only while none of them can run.
  Handled handled[NSIG];
  int count = ListHandledSignals(handled);
  sigset_t blocked, previous_mask;
  sigemptyset(&blocked);
  for (int i = 0; i < count; ++i)
    sigaddset(&blocked, handled[i].signal.number);
  sigprocmask(SIG_BLOCK, &blocked, &previous_mask);
  g_saved_mode = saved;
  g_terminal = fd;
  TakeSignals(handled, count);
  // What was typed before the wait began is not a key pressed in it: an Enter too many after
  // the last answer must not end the wait before the closing screen is seen. Discarded before
  // the mode changes, so that a key pressed once the wait's mode holds is never lost.
  tcflush(fd, TCIFLUSH);
  SetRawMode();
  sigprocmask(SIG_SETMASK, &previous_mask, nullptr);

  if (ReadFirstByte(fd))
    DrainKeySequence(fd);

  sigprocmask(SIG_BLOCK, &blocked, nullptr);
  GiveModeBack();
  g_terminal = -1;
  GiveSignalsBack(handled, count);
  sigprocmask(SIG_SETMASK, &previous_mask, nullptr);
  close(fd);
}
