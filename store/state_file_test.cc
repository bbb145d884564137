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

TEST(StateFile, MadeWholeOnceOrAppendedToNeverRewritten) {
  std::string dir = MakeTemporaryDirectory();
  std::string path = dir + "/a/b/f.txt";
  std::string text;
  EXPECT_EQ(ReadStateFile(path, text), FileRead::kMissing);
  ASSERT_TRUE(MakeUserFolder({dir, dir + "/a/b"})) << "the missing directories are made";
  EXPECT_TRUE(CreateStateFile(path, "first\n"));
  EXPECT_FALSE(CreateStateFile(path, "second\n")) << "never over another file";
  EXPECT_EQ(Contents(path), "first\n");
  std::string log = dir + "/a/b/f.log";
  EXPECT_TRUE(AppendToStateFile(log, "header\n", "one\n"));
  EXPECT_TRUE(AppendToStateFile(log, "header\n", "two\n"));
  EXPECT_EQ(Contents(log), "header\none\ntwo\n") << "the header only where it was made";
  std::vector<std::string> names;
  ASSERT_TRUE(FileNamesInFolder(dir + "/a/b", names));
  EXPECT_EQ(names.size(), 2u) << "nothing left under another name";
  EXPECT_TRUE(RemoveStateFile(log));
  EXPECT_FALSE(Exists(log));
  int64_t seconds = 0;
  EXPECT_TRUE(StateFileTime(path, seconds));
  EXPECT_GT(seconds, 0);
  EXPECT_FALSE(StateFileTime(log, seconds));
}

TEST(StateFile, AWriteThatFailsLeavesNothingMade) {
  std::string dir = MakeTemporaryDirectory();
  // A file size limit fails the write as a full disk would, partway through.
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 10;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  bool made = CreateStateFile(dir + "/f.txt", std::string(100, 'x'));
  bool appended = AppendToStateFile(dir + "/f.log", "", std::string(100, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_FALSE(made);
  EXPECT_FALSE(appended);
  std::vector<std::string> names;
  ASSERT_TRUE(FileNamesInFolder(dir, names));
  EXPECT_EQ(names, std::vector<std::string>{"f.log"}) << "only the log, cut short, is left";
}

TEST(StateFile, NothingIsReadWhereNoFileIs) {
  std::string dir = MakeTemporaryDirectory();
  ASSERT_EQ(close(open((dir + "/plain").c_str(), O_WRONLY | O_CREAT, 0600)), 0);
  EXPECT_FALSE(AppendToStateFile(dir + "/plain/state/f.txt", "", "x\n")) << "under a file";
  std::string text;
  EXPECT_EQ(ReadStateFile(dir + "/plain/state/f.txt", text), FileRead::kMissing);
  EXPECT_EQ(ReadStateFile(dir, text), FileRead::kNotAFile) << "a directory is no file";
  ASSERT_EQ(mkfifo((dir + "/pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadStateFile(dir + "/pipe", text), FileRead::kNotAFile) << "nor is a pipe";
  EXPECT_FALSE(AppendToStateFile(dir + "/pipe", "", "x\n")) << "never waits on a pipe";
  EXPECT_TRUE(CreateStateFile(dir + "/big", std::string(100, 'x')));
  EXPECT_EQ(ReadStateFile(dir + "/big", text, 99), FileRead::kNotAFile) << "over the largest";
  EXPECT_EQ(ReadStateFile(dir + "/big", text, 100), FileRead::kRead);
}

TEST(StateFile, SetAsideUnderANewNumberKeepingTheNewestFew) {
  std::string path = MakeTemporaryDirectory() + "/f.txt";
  int dropped = -1;
  for (int n = 1; n <= 5; ++n) {
    ASSERT_TRUE(CreateStateFile(path, "copy " + std::to_string(n) + "\n"));
    ASSERT_TRUE(SetStateFileAside(path, dropped));
    EXPECT_EQ(dropped, n > kKeptAside ? 1 : 0) << n;
  }
  EXPECT_FALSE(Exists(path));
  EXPECT_FALSE(Exists(path + ".2.bad")) << "the oldest go";
  EXPECT_EQ(Contents(path + ".3.bad"), "copy 3\n");
  EXPECT_EQ(Contents(path + ".5.bad"), "copy 5\n");
  // A gap where a person removed one: the next number is still one more than the newest.
  ASSERT_EQ(unlink((path + ".4.bad").c_str()), 0);
  ASSERT_TRUE(CreateStateFile(path, "copy 6\n"));
  ASSERT_TRUE(SetStateFileAside(path, dropped));
  EXPECT_EQ(Contents(path + ".6.bad"), "copy 6\n");
  EXPECT_EQ(dropped, 0);
}

TEST(StateFile, RunNamesAreFileNamesOnEverySystemAndNeverTheSame) {
  std::string first = RunName(), second = RunName();
  EXPECT_NE(first, second);
  EXPECT_EQ(first.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                    "0123456789-"),
            std::string::npos)
      << first;
  EXPECT_NE(first.find("-" + std::to_string(getpid()) + "-"), std::string::npos) << first;
}

TEST(StateFile, PermissionsAsTheFolderAllowsAndNoLinkOfAnotherAccountFollowed) {
  // Each folder set-up: the files made in it, and what a link in a file's place does.
  const struct {
    const char* what;
    mode_t folder;  // its mode
    mode_t umask;
    mode_t file;     // the mode of a file made there
    int link_owner;  // -1: no link; else the account that made a link in the file's place
  } kCases[] = {
      {"the private data folder", 0700, 022, 0644, -1},
      {"a family's group folder", 02770, 002, 0664, -1},
      {"a strict umask", 0777, 077, 0600, -1},
      {"the user's own link", 0700, 022, 0644, static_cast<int>(geteuid())},
      {"another account's link", 01777, 022, 0644, 65534},
  };
  for (const auto& c : kCases) {
    if (c.link_owner >= 0 && c.link_owner != static_cast<int>(geteuid()) && geteuid() != 0)
      continue;  // only root can make a link another account owns
    std::string dir = MakeTemporaryDirectory() + "/folder";
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    ASSERT_EQ(chmod(dir.c_str(), c.folder), 0);
    mode_t saved = umask(c.umask);
    std::string target = MakeTemporaryDirectory() + "/target.txt";
    ASSERT_TRUE(CreateStateFile(target, "elsewhere\n"));
    if (c.link_owner >= 0) {
      ASSERT_EQ(symlink(target.c_str(), (dir + "/f.txt").c_str()), 0);
      ASSERT_EQ(lchown((dir + "/f.txt").c_str(), static_cast<uid_t>(c.link_owner), -1), 0);
      ASSERT_EQ(symlink(target.c_str(), (dir + "/f.log").c_str()), 0);
      ASSERT_EQ(lchown((dir + "/f.log").c_str(), static_cast<uid_t>(c.link_owner), -1), 0);
    }
    bool made =
        CreateStateFile(dir + "/new.txt", "x\n") && AppendToStateFile(dir + "/new.log", "", "x\n");
    bool appended = AppendToStateFile(dir + "/f.log", "", "through\n");
    umask(saved);
    EXPECT_TRUE(made) << c.what;
    struct stat info;
    for (const char* name : {"/new.txt", "/new.log"}) {
      ASSERT_EQ(stat((dir + name).c_str(), &info), 0) << c.what;
      EXPECT_EQ(info.st_mode & 07777, c.file) << c.what << name;
      struct stat folder;
      ASSERT_EQ(stat(dir.c_str(), &folder), 0);
      if (c.folder & S_ISGID) {
        EXPECT_EQ(info.st_gid, folder.st_gid) << c.what << ": the folder's group";
      }
    }
    EXPECT_EQ(appended, c.link_owner < 0) << c.what << ": a log is never appended through a link";
    EXPECT_EQ(Contents(target), "elsewhere\n") << c.what;
    std::string text;
    bool own = c.link_owner == static_cast<int>(geteuid());
    FileRead read = ReadStateFile(dir + "/f.txt", text);
    EXPECT_EQ(read, c.link_owner < 0 ? FileRead::kMissing
                    : own            ? FileRead::kRead
                                     : FileRead::kOthersLink)
        << c.what;
    EXPECT_EQ(OwnLinkTarget(dir + "/f.txt"), own ? target : dir + "/f.txt") << c.what;
  }
}
