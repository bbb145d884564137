#include "console/system_posix.h"

#include <unistd.h>

void RaiseWithDefaultAction(int signal_number) {
  struct sigaction default_action = {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  sigaction(signal_number, &default_action, nullptr);
  raise(signal_number);  // pending here if it is blocked ...
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal_number);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);  // ... and delivered here
}

void EndBySignal(int signal_number) {
  RaiseWithDefaultAction(signal_number);
  _exit(128 + signal_number);  // not reached: every signal this is used with ends the process
}

void TakeSignal(TakenSignal& signal, const struct sigaction& action) {
  signal.taken = sigaction(signal.number, nullptr, &signal.previous) == 0 &&
                 signal.previous.sa_handler == SIG_DFL &&
                 sigaction(signal.number, &action, nullptr) == 0;
}

void GiveSignalBack(TakenSignal& signal) {
  if (signal.taken)
    sigaction(signal.number, &signal.previous, nullptr);
  signal.taken = false;
}
