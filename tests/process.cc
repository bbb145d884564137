#include "tests/process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

namespace {

// argv or envp for execve: pointers into |strings|, ended by nullptr.
std::vector<char*> Pointers(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const std::string& s : strings)
    pointers.push_back(const_cast<char*>(s.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// In the child, after fork: only system calls from here on.
[[noreturn]] void Exec(const Launch& launch, char* const* argv, char* const* envp) {
  if (!launch.cwd.empty() && chdir(launch.cwd.c_str()) != 0)
    _exit(126);
  for (int sig = 1; sig < NSIG; ++sig)
    signal(sig, SIG_DFL);
  if (launch.sigpipe_ignored)
    signal(SIGPIPE, SIG_IGN);
  for (int sig : launch.ignored_signals)
    signal(sig, SIG_IGN);
  sigset_t mask;
  sigemptyset(&mask);
  if (launch.sigpipe_blocked)
    sigaddset(&mask, SIGPIPE);
  sigprocmask(SIG_SETMASK, &mask, nullptr);
  execve(argv[0], argv, envp);
  _exit(127);
}

void RedirectStdinFromFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0)
    _exit(125);
  dup2(fd, 0);
  close(fd);
}

long long NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The peak resident memory of the running process |pid| so far, in KiB (VmHWM), or 0.
long PeakKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "VmHWM:") == 0)
      return std::atol(line.c_str() + 6);
  }
  return 0;
}

// In the child, after fork: standard input as |launch| asks for it.
void SetUpStdin(const Launch& launch) {
  if (!launch.stdin_path.empty())
    RedirectStdinFromFile(launch.stdin_path);
  if (launch.stdin_write_only) {
    int fd = open("/dev/null", O_WRONLY);
    dup2(fd, 0);
    close(fd);
  }
  if (launch.close_stdin)
    close(0);
  if (launch.stdin_nonblocking)
    fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK);
}

// Feeds |input| piece by piece into a pipe that can take only so much at a time.
struct InputFeed {
  const std::vector<InputPiece>& pieces;
  size_t piece = 0;           // the piece being written
  size_t repeat = 0;          // how many times it has been written whole
  size_t offset = 0;          // how much of this time
  long long not_before = -1;  // when this piece may be written; -1: not yet decided

  bool Done() const { return piece == pieces.size(); }

  // True while the piece due next is held back for its pause.
  bool Pausing() const { return !Done() && not_before >= 0 && NowMs() < not_before; }

  // Writes what the pipe takes now. False when the pipe failed.
  bool WriteSome(int fd) {
    while (!Done() && (pieces[piece].text.empty() || repeat == pieces[piece].repeats)) {
      ++piece;
      repeat = 0;
      not_before = -1;
    }
    if (Done())
      return true;
    if (not_before < 0)
      not_before = NowMs() + pieces[piece].pause_ms;
    if (NowMs() < not_before)
      return true;
    const std::string& text = pieces[piece].text;
    ssize_t put = write(fd, text.data() + offset, std::min<size_t>(text.size() - offset, 65536));
    if (put < 0)
      return errno == EAGAIN;
    offset += static_cast<size_t>(put);
    if (offset == text.size()) {
      offset = 0;
      ++repeat;
    }
    return true;
  }
};

}  // namespace

std::vector<std::string> TestEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> env = {"PATH=/usr/local/bin:/usr/bin:/bin"};
  // What a runner such as wine needs to find its own set-up. HOME goes to a runner only: the
  // practice programs keep their memory under it, and a test's run must not read or change
  // the memory of the person running the tests.
  const char* runner = getenv("E2E_RUNNER");
  for (const char* name : {"HOME", "WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES"}) {
    if (std::string(name) == "HOME" && !(runner && *runner))
      continue;
    if (const char* value = getenv(name))
      env.push_back(std::string(name) + "=" + value);
  }
  env.insert(env.end(), extra.begin(), extra.end());
  return env;
}

Launch MakeLaunch(std::vector<std::string> argv, std::vector<std::string> env, std::string cwd,
                  std::string stdin_path) {
  Launch launch;
  launch.argv = std::move(argv);
  launch.env = std::move(env);
  launch.cwd = std::move(cwd);
  launch.stdin_path = std::move(stdin_path);
  return launch;
}

Finished RunPiped(const Launch& launch, const std::string& input, int timeout_ms) {
  return RunPiped(launch, std::vector<InputPiece>{{input, 1}}, timeout_ms);
}

Finished RunPiped(const Launch& launch, const std::vector<InputPiece>& input, int timeout_ms) {
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
    return Finished{};
  std::vector<char*> argv = Pointers(launch.argv), envp = Pointers(launch.env);
  signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the tests

  pid_t pid = fork();
  if (pid == 0) {
    setsid();
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    SetUpStdin(launch);
    if (!launch.stdout_path.empty()) {
      int fd = open(launch.stdout_path.c_str(), O_WRONLY);
      dup2(fd, 1);
      close(fd);
    }
    if (launch.stdout_nonblocking)
      fcntl(1, F_SETFL, fcntl(1, F_GETFL) | O_NONBLOCK);
    Exec(launch, argv.data(), envp.data());
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  if (launch.output_reader_gone)
    close(out[0]);

  Finished finished;
  InputFeed feed{input};
  int to_child = in[1];
  fcntl(to_child, F_SETFL, O_NONBLOCK);
  fcntl(out[0], F_SETFL, O_NONBLOCK);
  fcntl(err[0], F_SETFL, O_NONBLOCK);
  long long deadline = NowMs() + timeout_ms;
  long long read_output_from = NowMs() + launch.output_read_delay_ms;
  bool out_open = !launch.output_reader_gone, err_open = true;
  while (out_open || err_open) {
    if (to_child >= 0 && feed.Done()) {
      close(to_child);
      to_child = -1;
    }
    long long left = deadline - NowMs();
    if (left <= 0) {
      finished.timed_out = true;
      kill(pid, SIGKILL);
      break;
    }
    finished.peak_kib = std::max(finished.peak_kib, PeakKib(pid));
    bool reading_output = out_open && NowMs() >= read_output_from;
    struct pollfd fds[3] = {{reading_output ? out[0] : -1, POLLIN, 0},
                            {err_open ? err[0] : -1, POLLIN, 0},
                            {feed.Pausing() ? -1 : to_child, POLLOUT, 0}};
    // A piece held back for a while, or output not yet read, is looked at again soon.
    int wait_ms = feed.Pausing() || (out_open && !reading_output) ? 10 : 100;
    poll(fds, 3, static_cast<int>(std::min<long long>(left, wait_ms)));
    char buffer[65536];
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
        continue;
      ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0)
        (i == 0 ? finished.output : finished.errors).append(buffer, static_cast<size_t>(got));
      else if (got == 0 || errno != EAGAIN)
        (i == 0 ? out_open : err_open) = false;
    }
    if (to_child >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP)) &&
        !feed.WriteSome(to_child)) {
      close(to_child);  // the program has stopped reading
      to_child = -1;
    }
  }
  if (to_child >= 0)
    close(to_child);
  if (!launch.output_reader_gone)
    close(out[0]);
  close(err[0]);
  waitpid(pid, &finished.status, 0);
  return finished;
}

PtyChild StartOnPty(const Launch& launch, int rows) {
  PtyChild child;
  struct winsize size = {};
  size.ws_row = static_cast<unsigned short>(rows);
  size.ws_col = 80;
  if (openpty(&child.master, &child.slave, nullptr, nullptr, &size) != 0)
    return child;
  fcntl(child.master, F_SETFD, FD_CLOEXEC);
  fcntl(child.slave, F_SETFD, FD_CLOEXEC);
  tcgetattr(child.slave, &child.mode_at_start);
  std::vector<char*> argv = Pointers(launch.argv), envp = Pointers(launch.env);

  child.pid = fork();
  if (child.pid == 0) {
    setsid();
    ioctl(child.slave, TIOCSCTTY, 0);
    dup2(child.slave, 0);
    dup2(child.slave, 1);
    dup2(child.slave, 2);
    SetUpStdin(launch);
    if (launch.background || launch.foreground_job) {
      // As a shell starts a job: a process group of its own, either left behind the terminal's
      // foreground (with &) or put in front of it. This process, the session's leader, stays in
      // a group of its own in the same session, so the job's group is never orphaned and stop
      // signals stop it; it ends as the job ends.
      pid_t job = fork();
      if (job == 0) {
        setpgid(0, 0);
        if (launch.foreground_job) {
          signal(SIGTTOU, SIG_IGN);  // taking the terminal from behind is allowed then
          tcsetpgrp(child.slave, getpgrp());
        }
        Exec(launch, argv.data(), envp.data());
      }
      int status = 0;
      while (waitpid(job, &status, 0) < 0 && errno == EINTR) {
      }
      _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    }
    Exec(launch, argv.data(), envp.data());
  }
  return child;
}

namespace {

// Waits up to |ms| for the program's next output on the terminal and adds it to |screen|.
// False once the terminal has nothing more to give.
bool ReadScreenOnce(const PtyChild& child, std::string& screen, long long ms) {
  struct pollfd ready = {child.master, POLLIN, 0};
  if (poll(&ready, 1, static_cast<int>(ms)) <= 0)
    return true;
  char buffer[4096];
  ssize_t got = read(child.master, buffer, sizeof buffer);
  if (got <= 0)
    return false;
  screen.append(buffer, static_cast<size_t>(got));
  return true;
}

}  // namespace

void ReadScreenFor(const PtyChild& child, std::string& screen, int ms) {
  long long deadline = NowMs() + ms;
  for (long long left; (left = deadline - NowMs()) > 0;) {
    if (!ReadScreenOnce(child, screen, left))
      return;
  }
}

bool ReadScreenUntil(const PtyChild& child, const std::string& needle, std::string& screen,
                     int timeout_ms) {
  long long deadline = NowMs() + timeout_ms;
  while (screen.find(needle) == std::string::npos) {
    long long left = deadline - NowMs();
    if (left <= 0 || !ReadScreenOnce(child, screen, left))
      return false;
  }
  return true;
}

bool WaitForRawMode(const PtyChild& child, int timeout_ms) {
  long long deadline = NowMs() + timeout_ms;
  for (;;) {
    struct termios mode;
    if (tcgetattr(child.slave, &mode) == 0 && !(mode.c_lflag & ICANON))
      return true;
    if (NowMs() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void Type(const PtyChild& child, const std::string& keys) {
  if (write(child.master, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
    std::perror("typing on the terminal");
}

bool StillRunning(const PtyChild& child, int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  int status;
  return waitpid(child.pid, &status, WNOHANG) == 0;
}

int WaitForExit(const PtyChild& child, std::string& screen, int timeout_ms) {
  int status = -1;
  long long deadline = NowMs() + timeout_ms;
  while (waitpid(child.pid, &status, WNOHANG) == 0) {
    if (NowMs() > deadline) {
      kill(child.pid, SIGKILL);
      waitpid(child.pid, &status, 0);
      return -1;
    }
    ReadScreenFor(child, screen, 20);  // keeps the terminal's output from filling up
  }
  ReadScreenFor(child, screen, 20);
  return status;
}

void HangUp(PtyChild& child) {
  if (child.master >= 0)
    close(child.master);
  child.master = -1;
}

void ClosePty(PtyChild& child) {
  int status;
  if (child.pid > 0 && waitpid(child.pid, &status, WNOHANG) == 0) {
    kill(child.pid, SIGKILL);
    waitpid(child.pid, &status, 0);
  }
  if (child.master >= 0)
    close(child.master);
  if (child.slave >= 0)
    close(child.slave);
  child = PtyChild();
}

int UnreadTerminalInput(const PtyChild& child) {
  int count = -1;
  ioctl(child.slave, FIONREAD, &count);
  return count;
}

std::string TemporaryDirectory() {
  const char* base = getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/tabliczka-test-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data()))
    return std::string();
  std::string path(name.data());
  static std::vector<std::string> made;
  if (made.empty())
    std::atexit([] {
      std::error_code ignored;  // a folder that cannot be removed is left for the system
      for (const std::string& dir : made)
        std::filesystem::remove_all(dir, ignored);
    });
  made.push_back(path);
  return path;
}

void WriteFile(const std::string& path, const std::string& text, bool executable) {
  std::ofstream(path, std::ios::binary) << text;
  chmod(path.c_str(), executable ? 0755 : 0644);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
