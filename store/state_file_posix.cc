#include "store/state_file.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

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

// True when |path| is a symbolic link made by another account: never followed, as the kernel's
// protected_symlinks does in a sticky folder, so that nobody can make a program write or read
// through a link planted in a shared folder.
bool OthersLink(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && info.st_uid != geteuid();
}

// Syncs the folder of |path|, so that a name just made in it reaches the disk.
void SyncFolderOf(const std::string& path) {
  int dir = open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
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

FileRead ReadStateFile(const std::string& path, std::string& text, size_t largest) {
  text.clear();
  // Without waiting, so that a pipe put in the file's place cannot hold the round up.
  if (OthersLink(path))
    return FileRead::kOthersLink;
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
  if (!S_ISREG(info.st_mode) || static_cast<unsigned long long>(info.st_size) > largest) {
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
    if (text.size() > largest) {  // grown since it was looked at
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
  if (OthersLink(path))
    return FileRead::kOthersLink;
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

bool StateFileTime(const std::string& path, int64_t& seconds) {
  struct stat info;
  if (OthersLink(path) || stat(path.c_str(), &info) != 0)
    return false;
  seconds = static_cast<int64_t>(info.st_mtime);
  return true;
}

bool AppendToStateFile(const std::string& path, const std::string& first, const std::string& text) {
  // Made afresh where missing, so that |first| opens it; never through a link or into a pipe.
  const int flags = O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  bool made = true;
  int fd = open(path.c_str(), flags | O_CREAT | O_EXCL, 0666);
  if (fd < 0 && errno == EEXIST) {
    made = false;
    fd = open(path.c_str(), flags);
  }
  if (fd < 0)
    return false;
  struct stat info;
  bool written = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                 WriteAll(fd, made ? first + text : text) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (made && written)
    SyncFolderOf(path);
  return written;
}

bool CreateStateFile(const std::string& path, const std::string& text) {
  std::string fresh = path + "." + RunName() + ".new";
  int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0)
    return false;
  bool written = WriteAll(fd, text) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  // link() gives the name only where it is free; a file system without hard links (a share
  // from Windows) has it renamed once nothing stands there.
  bool named =
      written &&
      (link(fresh.c_str(), path.c_str()) == 0 ||
       (errno != EEXIST && !StatePathTaken(path) && rename(fresh.c_str(), path.c_str()) == 0));
  unlink(fresh.c_str());
  if (named)
    SyncFolderOf(path);
  return named;
}

bool RemoveStateFile(const std::string& path) {
  return unlink(path.c_str()) == 0;
}

std::string OwnLinkTarget(const std::string& path) {
  std::string target = path;
  for (int links = 0; links < 40 && !OthersLink(target); ++links) {
    struct stat info;
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
      return target;
    char named[PATH_MAX];
    ssize_t length = readlink(target.c_str(), named, sizeof named);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof named)
      return path;
    std::string next(named, static_cast<size_t>(length));
    target = next[0] == '/' ? next : DirectoryOf(target) + "/" + next;
  }
  return path;
}

std::string RunName() {
  char host[256] = "";
  gethostname(host, sizeof host - 1);
  std::string name;
  for (const char* c = host; *c && name.size() < 32; ++c) {
    bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9');
    name += plain ? *c : '-';
  }
  unsigned char random[8] = {};
  int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    if (read(fd, random, sizeof random) != static_cast<ssize_t>(sizeof random))
      random[0] ^= static_cast<unsigned char>(getpid());
    close(fd);
  }
  char rest[64];
  std::snprintf(rest, sizeof rest, "-%ld-", static_cast<long>(getpid()));
  name += rest;
  for (unsigned char byte : random) {
    std::snprintf(rest, sizeof rest, "%02x", byte);
    name += rest;
  }
  return name;
}

bool StatePathTaken(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool RenameStatePath(const std::string& from, const std::string& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}
