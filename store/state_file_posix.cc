#include "store/state_file.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "console/system_posix.h"

namespace {

// The directory part of |path|: everything before its last slash.
std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Makes |dir| and each missing parent, readable by the user alone as state should be.
bool MakeDirectories(const std::string& dir) {
  for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
    std::string part = dir.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
      return false;
    if (slash == std::string::npos)
      break;
  }
  struct stat info;
  return stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    ssize_t written =
        RetryOnInterrupt([&] { return write(fd, text.data() + done, text.size() - done); });
    if (written <= 0)
      return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

std::string StateFilePath(const std::string& name) {
  const char* state = getenv("XDG_STATE_HOME");
  if (state && state[0] == '/')  // a relative setting is to be ignored
    return std::string(state) + "/tabliczka/" + name;
  const char* home = getenv("HOME");
  if (home && home[0] != '\0')
    return std::string(home) + "/.local/state/tabliczka/" + name;
  return std::string();
}

FileRead ReadStateFile(const std::string& path, std::string& text) {
  text.clear();
  // Without waiting, so that a pipe put in the file's place cannot hold the round up.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT || errno == ENOTDIR ? FileRead::kMissing : FileRead::kUnreadable;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) > kLargestStateFile) {
    close(fd);
    return FileRead::kUnreadable;
  }
  char buffer[4096];
  for (;;) {
    ssize_t got = RetryOnInterrupt([&] { return read(fd, buffer, sizeof buffer); });
    if (got < 0) {  // a disk error
      close(fd);
      return FileRead::kUnreadable;
    }
    if (got == 0)
      break;
    text.append(buffer, static_cast<size_t>(got));
    if (text.size() > kLargestStateFile) {  // grown since it was looked at
      close(fd);
      return FileRead::kUnreadable;
    }
  }
  close(fd);
  return FileRead::kRead;
}

bool LockStateFile(const std::string& path, StateLock& lock) {
  if (!MakeDirectories(DirectoryOf(path)))
    return false;
  int fd = open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0)
    return false;
  // flock waits for a holder in another program; the lock goes with the descriptor, so a
  // program that ends in any way lets it go.
  if (RetryOnInterrupt([&] { return flock(fd, LOCK_EX); }) != 0) {
    close(fd);
    return false;
  }
  lock.handle = fd;
  return true;
}

void UnlockStateFile(StateLock& lock) {
  if (lock.handle >= 0)
    close(static_cast<int>(lock.handle));
  lock.handle = -1;
}

bool ReplaceStateFile(const std::string& path, const std::string& text) {
  std::string fresh = path + ".new";
  // Made afresh, never opened through what is there already: a link would have its target
  // overwritten, a pipe would hold the round (and the lock) for ever.
  unlink(fresh.c_str());
  int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0)
    return false;
  bool written = WriteAll(fd, text) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || rename(fresh.c_str(), path.c_str()) != 0) {
    unlink(fresh.c_str());
    return false;
  }
  // The rename itself reaches the disk with the directory.
  int dir = open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

bool SetStateFileAside(const std::string& path) {
  return rename(path.c_str(), (path + ".bad").c_str()) == 0;
}
