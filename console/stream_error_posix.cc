#include "console/stream_error_posix.h"

#include <poll.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>

#include "console/system_posix.h"

namespace {

// True when |fd| is a file or a disk, whose EIO is a failing medium rather than a terminal
// that has gone: that is an ordinary failed read or write.
bool IsFileOrDisk(int fd) {
  struct stat status;
  return fstat(fd, &status) == 0 && (S_ISREG(status.st_mode) || S_ISBLK(status.st_mode));
}

// Waits until |fd| is ready for |events|, or reports trouble (hang-up, error) that the next
// read or write will then show.
void WaitUntilReady(int fd, short events) {
  struct pollfd ready = {fd, events, 0};
  RetryOnInterrupt([&] { return poll(&ready, 1, -1); });
}

}  // namespace

bool RetryAfterStreamError(int fd, int error, short events) {
  switch (error) {
    case EINTR:
      return true;
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
      WaitUntilReady(fd, events);
      return true;
    case EPIPE:
      EndBySignal(SIGPIPE);  // does not return
    case EIO:
      if (!IsFileOrDisk(fd))
        EndBySignal(SIGHUP);  // does not return
      return false;
    default:
      return false;
  }
}
