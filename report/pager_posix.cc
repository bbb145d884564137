#include "report/pager.h"

#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "console/key_wait.h"
#include "console/system_posix.h"

extern char** environ;

namespace {

void WriteAll(int fd, const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    ssize_t written =
        RetryOnInterrupt([&] { return write(fd, text.data() + at, text.size() - at); });
    if (written <= 0)
      return;  // the pager has quit (q in less): the rest is not wanted
    at += static_cast<size_t>(written);
  }
}

// Starts |argv| with the read end of a new pipe as its standard input, writes |text| into it
// and waits for it. False when it could not be started.
bool ThroughProgram(const char* const* argv, const std::string& text) {
  int fds[2];
  if (pipe(fds) != 0)
    return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  pid_t pid;
  int failed =
      posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[0]);
  if (failed != 0) {
    close(fds[1]);
    return false;
  }
  WriteAll(fds[1], text);
  close(fds[1]);
  int status;
  RetryOnInterrupt([&] { return waitpid(pid, &status, 0); });
  // A shell that found no such pager says so with 127: then the next way is tried.
  return !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
}

// A page of |rows| - 1 rows at a time, "-- dalej --" and a key between them.
void PageByPage(const std::string& text, int rows) {
  size_t at = 0;
  while (at < text.size()) {
    size_t end = at;
    for (int row = 0; row < rows - 1 && end != std::string::npos; ++row)
      end =
          text.find('\n', end) == std::string::npos ? std::string::npos : text.find('\n', end) + 1;
    WriteAll(STDOUT_FILENO, text.substr(at, end == std::string::npos ? end : end - at));
    if (end == std::string::npos || end >= text.size())
      return;
    WriteAll(STDOUT_FILENO, "-- dalej --");
    WaitForKey();
    WriteAll(STDOUT_FILENO, "\r           \r");
    at = end;
  }
}

}  // namespace

void PageLongReport() {
  struct winsize size = {};
  if (isatty(STDOUT_FILENO) != 1 || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 ||
      size.ws_row == 0)
    return;
  int fds[2];
  if (pipe(fds) != 0)
    return;
  pid_t writer = fork();
  if (writer < 0) {
    close(fds[0]);
    close(fds[1]);
    return;
  }
  if (writer == 0) {  // the report itself, into the pipe
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    return;
  }
  close(fds[1]);
  std::string text;
  char buffer[4096];
  for (;;) {
    ssize_t got = RetryOnInterrupt([&] { return read(fds[0], buffer, sizeof buffer); });
    if (got <= 0)
      break;
    text.append(buffer, static_cast<size_t>(got));
  }
  close(fds[0]);
  int status = 0;
  RetryOnInterrupt([&] { return waitpid(writer, &status, 0); });
  signal(SIGPIPE, SIG_IGN);  // a pager that quits early takes no more, and that is all
  size_t lines = 0;
  for (char c : text)
    lines += c == '\n';
  const char* pager = getenv("PAGER");
  if (lines < size.ws_row) {
    WriteAll(STDOUT_FILENO, text);
  } else if (pager && *pager) {
    const char* argv[] = {"/bin/sh", "-c", pager, nullptr};
    if (!ThroughProgram(argv, text))
      PageByPage(text, size.ws_row);
  } else {
    const char* argv[] = {"less", "-FRX", nullptr};
    if (!ThroughProgram(argv, text))
      PageByPage(text, size.ws_row);
  }
  if (WIFSIGNALED(status))
    EndBySignal(WTERMSIG(status));
  _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}
