#include "store/state_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A directory of its own for one test, under the system's temporary directory, removed when
// the tests end.
std::string MakeTemporaryDirectory() {
  static struct Made {
    std::vector<std::string> dirs;
    ~Made() {
      for (const std::string& dir : dirs)
        std::filesystem::remove_all(dir);
    }
  } made;
  std::string pattern = "/tmp/state_file_test.XXXXXX";
  if (!mkdtemp(&pattern[0]))
    return std::string();
  made.dirs.push_back(pattern);
  return pattern;
}

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

std::string Contents(const std::string& path) {
  std::string text;
  EXPECT_EQ(ReadStateFile(path, text), FileRead::kRead) << path;
  return text;
}

void SetOrUnset(const char* name, const char* value) {
  if (value)
    setenv(name, value, 1);
  else
    unsetenv(name);
}

}  // namespace

TEST(StateFile, DataFolderFromXdgDataHomeElseHomeAndTheOldPlaceFromXdgStateHome) {
  const struct {
    const char* data;   // XDG_DATA_HOME
    const char* state;  // XDG_STATE_HOME
    const char* home;
    std::string base;
    std::string path;  // of f.txt
    std::string old_path;
  } kCases[] = {
      {"/x/share", "/x/state", "/home/ola", "/x/share", "/x/share/tabliczka/f.txt",
       "/x/state/tabliczka/f.txt"},
      {"relative/share", "relative/state", "/home/ola", "/home/ola",
       "/home/ola/.local/share/tabliczka/f.txt", "/home/ola/.local/state/tabliczka/f.txt"},
      {"", "", "/home/ola", "/home/ola", "/home/ola/.local/share/tabliczka/f.txt",
       "/home/ola/.local/state/tabliczka/f.txt"},
      {nullptr, nullptr, "/home/ola", "/home/ola", "/home/ola/.local/share/tabliczka/f.txt",
       "/home/ola/.local/state/tabliczka/f.txt"},
      {"/x/share", nullptr, nullptr, "/x/share", "/x/share/tabliczka/f.txt", ""},
      {nullptr, nullptr, nullptr, "", "", ""},
      {nullptr, nullptr, "", "", "", ""},
      {nullptr, nullptr, "home/ola", "", "", ""},  // a relative HOME would write anywhere
  };
  std::string saved_data = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
  std::string saved_state = getenv("XDG_STATE_HOME") ? getenv("XDG_STATE_HOME") : "";
  std::string saved_home = getenv("HOME") ? getenv("HOME") : "";
  for (const auto& c : kCases) {
    SetOrUnset("XDG_DATA_HOME", c.data);
    SetOrUnset("XDG_STATE_HOME", c.state);
    SetOrUnset("HOME", c.home);
    std::string context = std::string("XDG_DATA_HOME ") + (c.data ? c.data : "unset") + ", HOME " +
                          (c.home ? c.home : "unset");
    EXPECT_EQ(DataFolder().base, c.base) << context;
    EXPECT_EQ(FileInFolder(DataFolder(), "f.txt"), c.path) << context;
    EXPECT_EQ(FileInFolder(OldStateFolder(), "f.txt"), c.old_path) << context;
  }
  SetOrUnset("XDG_DATA_HOME", saved_data.empty() ? nullptr : saved_data.c_str());
  SetOrUnset("XDG_STATE_HOME", saved_state.empty() ? nullptr : saved_state.c_str());
  SetOrUnset("HOME", saved_home.empty() ? nullptr : saved_home.c_str());
}

TEST(StateFile, TheFolderIsMadeOnlyBelowABaseThatIsThere) {
  std::string dir = MakeTemporaryDirectory();
  EXPECT_FALSE(MakeUserFolder({dir + "/gone", dir + "/gone/.local/share/tabliczka"}));
  EXPECT_FALSE(Exists(dir + "/gone")) << "a HOME that is not there is never made";
  EXPECT_TRUE(MakeUserFolder({dir, dir + "/.local/share/tabliczka"}));
  struct stat info;
  EXPECT_TRUE(stat((dir + "/.local/share/tabliczka").c_str(), &info) == 0 &&
              (info.st_mode & 0777) == 0700);
}

TEST(StateFile, ReplacedWholeUnderALockInADirectoryMadeForIt) {
  std::string dir = MakeTemporaryDirectory();
  std::string path = dir + "/a/b/f.txt";
  std::string text;
  EXPECT_EQ(ReadStateFile(path, text), FileRead::kMissing);
  StateLock lock;
  ASSERT_TRUE(MakeUserFolder({dir, dir + "/a/b"})) << "the missing directories are made";
  ASSERT_TRUE(LockStateFile(path, lock));
  // Another program's attempt to take the lock now fails.
  int other = open((path + ".lock").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(other, 0);
  EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_TRUE(ReplaceStateFile(path, "first\n"));
  EXPECT_TRUE(ReplaceStateFile(path, "second\n"));
  UnlockStateFile(lock);
  EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0) << "let go";
  close(other);
  EXPECT_EQ(Contents(path), "second\n");
  EXPECT_FALSE(Exists(path + ".new"));
}

TEST(StateFile, AWriteThatFailsLeavesTheOldFile) {
  std::string path = MakeTemporaryDirectory() + "/f.txt";
  StateLock lock;
  ASSERT_TRUE(LockStateFile(path, lock));
  ASSERT_TRUE(ReplaceStateFile(path, "old\n"));
  // A file size limit fails the write as a full disk would, partway through.
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 10;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  bool replaced = ReplaceStateFile(path, std::string(100, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_DFL);
  UnlockStateFile(lock);
  EXPECT_FALSE(replaced);
  EXPECT_EQ(Contents(path), "old\n");
  EXPECT_FALSE(Exists(path + ".new")) << "the part written is removed";
}

TEST(StateFile, NoLockWhereTheDirectoryCannotBeMade) {
  std::string dir = MakeTemporaryDirectory();
  ASSERT_EQ(close(open((dir + "/plain").c_str(), O_WRONLY | O_CREAT, 0600)), 0);
  StateLock lock;
  EXPECT_FALSE(LockStateFile(dir + "/plain/state/f.txt", lock)) << "under a regular file";
  EXPECT_EQ(lock.handle, -1);
  std::string text;
  EXPECT_EQ(ReadStateFile(dir + "/plain/state/f.txt", text), FileRead::kMissing);
  EXPECT_EQ(ReadStateFile(dir, text), FileRead::kNotAFile) << "a directory is no file";
  ASSERT_EQ(mkfifo((dir + "/pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadStateFile(dir + "/pipe", text), FileRead::kNotAFile) << "nor is a pipe";
}

TEST(StateFile, SetAsideUnderANumberOfItsOwnNeverOverAnOlderOne) {
  std::string path = MakeTemporaryDirectory() + "/f.txt";
  StateLock lock;
  ASSERT_TRUE(LockStateFile(path, lock));
  ASSERT_TRUE(ReplaceStateFile(path, "older\n"));
  ASSERT_TRUE(SetStateFileAside(path));
  ASSERT_TRUE(ReplaceStateFile(path, "newer\n"));
  ASSERT_TRUE(SetStateFileAside(path));
  ASSERT_TRUE(KeepCopyAside(path, "a copy\n"));
  UnlockStateFile(lock);
  EXPECT_FALSE(Exists(path));
  EXPECT_EQ(Contents(path + ".1.bad"), "older\n");
  EXPECT_EQ(Contents(path + ".2.bad"), "newer\n");
  EXPECT_EQ(Contents(path + ".3.bad"), "a copy\n");
}
