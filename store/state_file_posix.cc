#include "store/state_file.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
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

bool IsDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder |below| in the folder named by environment variable |variable|, when that is an
// absolute path; a relative one is to be ignored, as the base directory rules say.
UserFolder FolderIn(const char* variable, const std::string& below) {
  const char* base = getenv(variable);
  if (!base || base[0] != '/')
    return UserFolder{};
  return UserFolder{base, std::string(base) + "/" + below};
}

// |variable|'s folder, else the folder |home_below| in HOME.
UserFolder XdgFolder(const char* variable, const std::string& home_below) {
  UserFolder folder = FolderIn(variable, "tabliczka");
  return folder.path.empty() ? FolderIn("HOME", home_below + "/tabliczka") : folder;
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

// The file |path| names at the end of its chain of symbolic links (the path itself where it
// is none); empty for a chain too long or broken by a read error.
std::string FollowLinks(std::string path) {
  for (int links = 0; links < 40; ++links) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
      return path;
    char target[PATH_MAX];
    ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof target)
      return std::string();
    std::string named(target, static_cast<size_t>(length));
    path = named[0] == '/' ? named : DirectoryOf(path) + "/" + named;
  }
  return std::string();
}

// True when |fd| is still the file at |path|: not deleted, nor replaced by another.
bool StillThere(int fd, const std::string& path) {
  struct stat held, there;
  return fstat(fd, &held) == 0 && lstat(path.c_str(), &there) == 0 && held.st_dev == there.st_dev &&
         held.st_ino == there.st_ino;
}

}  // namespace

UserFolder DataFolder() {
  return XdgFolder("XDG_DATA_HOME", ".local/share");
}

UserFolder NamedFolder() {
  const char* dir = getenv("TABLICZKA_DIR");
  if (!dir || dir[0] != '/')
    return UserFolder{};
  return UserFolder{dir, dir};
}

UserFolder OldStateFolder() {
  return XdgFolder("XDG_STATE_HOME", ".local/state");
}

std::string FileInFolder(const UserFolder& folder, const std::string& name) {
  return folder.path.empty() ? std::string() : folder.path + "/" + name;
}

bool MakeUserFolder(const UserFolder& folder) {
  if (folder.path.empty() || !IsDirectory(folder.base))
    return false;
  // Each folder below the base, in turn, readable by the user alone as their data should be.
  for (size_t slash = folder.path.find('/', folder.base.size() + 1);;
       slash = folder.path.find('/', slash + 1)) {
    std::string part = folder.path.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
      return false;
    if (slash == std::string::npos)
      break;
  }
  return IsDirectory(folder.path);
}

bool FileNamesInFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  DIR* dir = opendir(path.c_str());
  if (!dir)
    return false;
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != ".." && !IsDirectory(path + "/" + name))
      names.push_back(name);
  }
  closedir(dir);
  return true;
}

FileRead ReadStateFile(const std::string& path, std::string& text) {
  text.clear();
  // Without waiting, so that a pipe put in the file's place cannot hold the round up.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return FileRead::kMissing;
    // Something that is not a file (a socket) is set aside; a file the system will not open
    // for this user is left as it is.
    struct stat info;
    return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) ? FileRead::kNotAFile
                                                                    : FileRead::kUnreadable;
  }
  struct stat info;
  if (fstat(fd, &info) != 0) {
    close(fd);
    return FileRead::kUnreadable;
  }
  if (!S_ISREG(info.st_mode) || static_cast<unsigned long long>(info.st_size) > kLargestStateFile) {
    close(fd);
    return FileRead::kNotAFile;
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
      return FileRead::kNotAFile;
    }
  }
  close(fd);
  return FileRead::kRead;
}

FileRead ReadFileStart(const std::string& path, size_t limit, std::string& text, bool& whole) {
  text.clear();
  whole = true;
  // Without waiting, as ReadStateFile: a pipe in the file's place is no file.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return FileRead::kMissing;
    struct stat info;
    return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) ? FileRead::kNotAFile
                                                                    : FileRead::kUnreadable;
  }
  struct stat info;
  if (fstat(fd, &info) != 0) {
    close(fd);
    return FileRead::kUnreadable;
  }
  if (!S_ISREG(info.st_mode)) {
    close(fd);
    return FileRead::kNotAFile;
  }
  char buffer[4096];
  while (text.size() <= limit) {
    ssize_t got = RetryOnInterrupt([&] { return read(fd, buffer, sizeof buffer); });
    if (got < 0) {
      close(fd);
      return FileRead::kUnreadable;
    }
    if (got == 0)
      break;
    text.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  if (text.size() > limit) {
    text.resize(limit);
    whole = false;
  }
  return FileRead::kRead;
}

bool LockStateFile(const std::string& path, StateLock& lock) {
  std::string lock_path = path + ".lock";
  // A lock file deleted or replaced while this program waited for it locks nothing: another
  // program may have made a new one and locked that. Taken anew then, a few times at most.
  for (int tries = 0; tries < 100; ++tries) {
    // O_NOFOLLOW: a link in the lock file's place, even one pointing nowhere, makes nothing.
    int fd = open(lock_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
      return false;
    // flock waits for a holder in another program; the lock goes with the descriptor, so a
    // program that ends in any way lets it go.
    if (RetryOnInterrupt([&] { return flock(fd, LOCK_EX); }) != 0) {
      close(fd);
      return false;
    }
    if (StillThere(fd, lock_path)) {
      lock.handle = fd;
      return true;
    }
    close(fd);
  }
  return false;
}

void UnlockStateFile(StateLock& lock) {
  if (lock.handle >= 0)
    close(static_cast<int>(lock.handle));
  lock.handle = -1;
}

bool ReplaceStateFile(const std::string& path, const std::string& text) {
  std::string target = FollowLinks(path);
  if (target.empty())
    return false;
  std::string fresh = target + ".new";
  // Made afresh, never opened through what is there already: a link would have its target
  // overwritten, a pipe would hold the round (and the lock) for ever.
  unlink(fresh.c_str());
  int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0)
    return false;
  // The file replaced keeps the permission bits it had (one a parent made readable to the
  // family, say).
  struct stat old;
  bool written = (stat(target.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
                 WriteAll(fd, text) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || rename(fresh.c_str(), target.c_str()) != 0) {
    unlink(fresh.c_str());
    return false;
  }
  // The rename itself reaches the disk with the directory.
  int dir = open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

bool StatePathTaken(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool RenameStatePath(const std::string& from, const std::string& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}
