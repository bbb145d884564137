// Small files a program keeps for its user between runs. A file is only ever replaced whole: a
// new copy is written beside it, synced, and renamed over it, so a crash, a full disk or a
// pulled plug leaves either the old file or the new one, never a part of either. Programs that
// replace the same file at the same time take turns under a lock.
#ifndef STORE_STATE_FILE_H_
#define STORE_STATE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

/// The path of file |name| in this user's state directory for the programs, "tabliczka" in
/// $XDG_STATE_HOME (when set to an absolute path), else in $HOME/.local/state; on Windows in
/// %LOCALAPPDATA%. Empty when none of these is set: then nothing is kept.
std::string StateFilePath(const std::string& name);

enum class FileRead {
  kMissing,     // there is no such file (or no such directory)
  kRead,        // the whole file is in the text
  kUnreadable,  // it is there, but reading it failed
};

/// The largest state file there is reason to read: far more than the programs ever write. A
/// larger file is not theirs, and reading it whole would only cost memory.
constexpr size_t kLargestStateFile = 64 * 1024;

/// Reads all of file |path| into |text|. A file larger than kLargestStateFile, or anything but
/// a regular file, is kUnreadable.
FileRead ReadStateFile(const std::string& path, std::string& text);

struct StateLock;

/// Lets the lock go, where it is held.
void UnlockStateFile(StateLock& lock);

/// A lock held on a state file while it is re-read and replaced. It lets go by itself when it
/// leaves scope, on every way out of the code that took it.
struct StateLock {
  intptr_t handle = -1;  // the open lock file; -1 when the lock is not held

  StateLock() = default;
  StateLock(const StateLock&) = delete;
  StateLock& operator=(const StateLock&) = delete;
  ~StateLock() { UnlockStateFile(*this); }
};

/// Creates the directory of |path| where it is missing (its parents too), then waits until no
/// other program holds the lock on |path| (the file |path| ".lock" beside it) and takes it.
/// False when the directory or the lock file cannot be made or the lock cannot be taken.
bool LockStateFile(const std::string& path, StateLock& lock);

/// Writes |text| to a new file beside |path| (|path| ".new", made afresh: whatever a crash or
/// someone else left under that name is removed first, never written through), syncs it to the
/// disk, and renames it over |path|. True when |path| now holds |text|; on any failure the new file
/// is removed and |path| is as it was. Call with the lock held.
bool ReplaceStateFile(const std::string& path, const std::string& text);

/// Renames |path| to |path| ".bad", in place of an older one, so that a file that cannot be
/// used is kept for a person to look at rather than overwritten. Call with the lock held.
bool SetStateFileAside(const std::string& path);

#endif  // STORE_STATE_FILE_H_
