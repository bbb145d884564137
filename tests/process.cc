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
#include <fstream>
#include <sstream>
#include <thread>

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
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
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

}  // namespace

std::vector<std::string> TestEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> env = {"PATH=/usr/local/bin:/usr/bin:/bin"};
  // What a runner such as wine needs to find its own set-up; the programs read none of it.
  for (const char* name : {"HOME", "WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES"}) {
    if (const char* value = getenv(name))
      env.push_back(std::string(name) + "=" + value);
  }
  env.insert(env.end(), extra.begin(), extra.end());
  return env;
}

Finished RunPiped(const Launch& launch, const std::string& input, int timeout_ms) {
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
    if (!launch.stdin_path.empty())
      RedirectStdinFromFile(launch.stdin_path);
    Exec(launch, argv.data(), envp.data());
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);

  Finished finished;
  size_t written = 0;
  int to_child = in[1];
  if (!launch.stdin_path.empty() || input.empty()) {
    close(to_child);
    to_child = -1;
  }
  fcntl(out[0], F_SETFL, O_NONBLOCK);
  fcntl(err[0], F_SETFL, O_NONBLOCK);
  long long deadline = NowMs() + timeout_ms;
  bool out_open = true, err_open = true;
  while (out_open || err_open) {
    long long left = deadline - NowMs();
    if (left <= 0) {
      finished.timed_out = true;
      kill(pid, SIGKILL);
      break;
    }
    struct pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {to_child, POLLOUT, 0}};
    poll(fds, to_child >= 0 ? 3 : 2, static_cast<int>(left));
    char buffer[65536];
    for (int i = 0; i < 2; ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
        continue;
      ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0)
        (i == 0 ? finished.output : finished.errors).append(buffer, static_cast<size_t>(got));
      else if (got == 0 || errno != EAGAIN)
        (i == 0 ? out_open : err_open) = false;
    }
    if (to_child >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t put = write(to_child, input.data() + written,
                          std::min<size_t>(input.size() - written, 65536));
      if (put > 0)
        written += static_cast<size_t>(put);
      if (put < 0 || written == input.size()) {
        close(to_child);
        to_child = -1;
      }
    }
  }
  if (to_child >= 0)
    close(to_child);
  close(out[0]);
  close(err[0]);
  waitpid(pid, &finished.status, 0);
  return finished;
}

PtyChild StartOnPty(const Launch& launch) {
  PtyChild child;
  struct winsize size = {};
  size.ws_row = 40;
  size.ws_col = 80;
  if (openpty(&child.master, &child.slave, nullptr, nullptr, &size) != 0)
    return child;
  fcntl(child.master, F_SETFD, FD_CLOEXEC);
  fcntl(child.slave, F_SETFD, FD_CLOEXEC);
  std::vector<char*> argv = Pointers(launch.argv), envp = Pointers(launch.env);

  child.pid = fork();
  if (child.pid == 0) {
    setsid();
    ioctl(child.slave, TIOCSCTTY, 0);
    dup2(child.slave, 0);
    dup2(child.slave, 1);
    dup2(child.slave, 2);
    if (!launch.stdin_path.empty())
      RedirectStdinFromFile(launch.stdin_path);
    Exec(launch, argv.data(), envp.data());
  }
  return child;
}

void ReadScreenFor(const PtyChild& child, std::string& screen, int ms) {
  long long deadline = NowMs() + ms;
  for (long long left; (left = deadline - NowMs()) > 0;) {
    struct pollfd ready = {child.master, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left)) <= 0)
      continue;
    char buffer[4096];
    ssize_t got = read(child.master, buffer, sizeof buffer);
    if (got <= 0)
      return;
    screen.append(buffer, static_cast<size_t>(got));
  }
}

bool ReadScreenUntil(const PtyChild& child, const std::string& needle, std::string& screen,
                     int timeout_ms) {
  long long deadline = NowMs() + timeout_ms;
  while (screen.find(needle) == std::string::npos) {
    long long left = deadline - NowMs();
    if (left <= 0)
      return false;
    struct pollfd ready = {child.master, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left)) <= 0)
      continue;
    char buffer[4096];
    ssize_t got = read(child.master, buffer, sizeof buffer);
    if (got <= 0)
      return false;
    screen.append(buffer, static_cast<size_t>(got));
  }
  return true;
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
      for (const std::string& dir : made)
        std::system(("rm -rf '" + dir + "'").c_str());
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
