// Signals and system calls on POSIX systems, each done one way for every part of the programs
// that needs it: a call interrupted by a signal made again, a signal's default action let take
// effect, a handler put in place of a default action and the action given back.
#ifndef CONSOLE_SYSTEM_POSIX_H_
#define CONSOLE_SYSTEM_POSIX_H_

#include <signal.h>

#include <cerrno>

/// Makes |call| (a system call that returns -1 and sets errno on failure) again for as long as
/// a signal interrupts it, and returns its last result. Async-signal-safe where |call| is.
template <typename Call>
auto RetryOnInterrupt(Call call) {
  for (;;) {
    auto result = call();
    if (!(result == -1 && errno == EINTR))
      return result;
  }
}

/// Lets |signal_number| take its default action now, as if it had come from outside and
/// nothing had caught it: the default action is set, the signal raised, then unblocked (it is
/// blocked while its own handler runs). Returns where the default action does not end the
/// program: a stop, once continued, or a fault's signal, which ends it when the faulting
/// instruction runs again. Async-signal-safe.
void RaiseWithDefaultAction(int signal_number);

/// Ends the program by |signal_number| with its default action. No exit handler runs, so
/// nothing still buffered is written.
[[noreturn]] void EndBySignal(int signal_number);

/// One signal's action while a handler of this program's may stand in for its default.
struct TakenSignal {
  int number = 0;
  struct sigaction previous = {};
  bool taken = false;  // |action| is in place, and |previous| is to be given back
};

/// Puts |action| in place for |signal.number| where the signal has its default action. One
/// ignored or handled otherwise from the start keeps that: under nohup a hang-up stays
/// ignored, and a handler the program was given is not taken away.
void TakeSignal(TakenSignal& signal, const struct sigaction& action);

/// Gives |signal.number| the action it had before TakeSignal, where that took it.
void GiveSignalBack(TakenSignal& signal);

#endif  // CONSOLE_SYSTEM_POSIX_H_
