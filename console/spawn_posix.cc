#include "console/spawn_posix.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "console/system_posix.h"

extern char** environ;

namespace {

// The signals that end a program and are passed on to the one it started. SIGQUIT too: a
// quit sent to the selector ends the program first, then the selector, the same way.
const int kPassedOn[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
const int kPassedOnCount = sizeof kPassedOn / sizeof kPassedOn[0];

// For the handler: the started program while it runs (0 otherwise), and the last signal
// received meanwhile (0 for none).
volatile sig_atomic_t g_started = 0;
volatile sig_atomic_t g_received = 0;

// True when the kernel sent the signal itself (the terminal's Ctrl+C or hang-up), rather than a
// process with kill. Only Linux tells so; elsewhere every signal counts as sent by a process.
bool SentByKernel(const siginfo_t* info) {
#ifdef SI_KERNEL
  return info && info->si_code == SI_KERNEL;
#else
  (void)info;
  return false;
#endif
}

// Notes the signal and hands it on. One that the kernel sent (the terminal's Ctrl+C or
// hang-up) went to the whole foreground process group, the started program included.
void PassOn(int signal_number, siginfo_t* info, void*) {
  int saved_errno = errno;
  g_received = signal_number;
  if (g_started > 0 && !SentByKernel(info))
    kill(static_cast<pid_t>(g_started), signal_number);
  errno = saved_errno;
}

// Waits for |pid| to end without collecting it: until it is collected its number stays its
// own, so a signal passed on meanwhile cannot reach another process that took the number.
void WaitUntilEnded(pid_t pid) {
  siginfo_t info;
  RetryOnInterrupt([&] { return waitid(P_PID, pid, &info, WEXITED | WNOWAIT); });
}

// Collects |pid|, which has ended; its waitpid status, or -1.
int WaitFor(pid_t pid) {
  int status;
  return RetryOnInterrupt([&] { return waitpid(pid, &status, 0); }) == pid ? status : -1;
}

}  // namespace

int SpawnAndWait(const char* file, bool search_path) {
  sigset_t passed_on, outside_mask;
  sigemptyset(&passed_on);
  for (int signal_number : kPassedOn)
    sigaddset(&passed_on, signal_number);
  // Held back until the program has started, so none comes before there is anyone to pass
  // it on to.
  sigprocmask(SIG_BLOCK, &passed_on, &outside_mask);

  // One ignored from the start (a job started with &, nohup) stays so.
  struct sigaction pass_on = {};
  pass_on.sa_sigaction = PassOn;
  pass_on.sa_flags = SA_SIGINFO;  // no SA_RESTART: the wait below sees each signal
  pass_on.sa_mask = passed_on;
  TakenSignal taken[kPassedOnCount];
  for (int i = 0; i < kPassedOnCount; ++i) {
    taken[i].number = kPassedOn[i];
    TakeSignal(taken[i], pass_on);
  }

  // The started program gets the mask this program had; a handler does not outlive exec.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setsigmask(&attributes, &outside_mask);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  // Argument zero is the bare name, as a shell would give it.
  const char* slash = std::strrchr(file, '/');
  std::string name = slash ? slash + 1 : file;
  char* argv[] = {&name[0], nullptr};
  pid_t pid;
  int started = search_path ? posix_spawnp(&pid, file, nullptr, &attributes, argv, environ)
                            : posix_spawn(&pid, file, nullptr, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);

  int status = -1;
  if (started == 0) {
    g_started = pid;
    sigprocmask(SIG_SETMASK, &outside_mask, nullptr);  // one held back is passed on now
    WaitUntilEnded(pid);
    sigprocmask(SIG_BLOCK, &passed_on, nullptr);
    g_started = 0;
    status = WaitFor(pid);
  }
  for (TakenSignal& signal : taken)
    GiveSignalBack(signal);
  int received = g_received;
  g_received = 0;
  if (received != 0)
    EndBySignal(received);
  // A signal that came while no program could be started takes its own course now.
  sigprocmask(SIG_SETMASK, &outside_mask, nullptr);

  if (status == -1 || !WIFEXITED(status))
    return -1;
  return WEXITSTATUS(status);
}
