// Small files a program keeps for its user between runs, in a folder of the programs' own. A
// file is only ever replaced whole: a new copy is written beside it, synced, and renamed over
// it, so a crash, a full disk or a pulled plug leaves either the old file or the new one, never
// a part of either. Programs that replace the same file at the same time take turns under a
// lock. Nothing is ever written outside the programs' folder, and no file a person may want is
// ever overwritten: what cannot be used is set aside under a name of its own.
#ifndef STORE_STATE_FILE_H_
#define STORE_STATE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// The programs' folder for this user's files, and the folder it stands in.
struct UserFolder {
  std::string base;  // the user's own folder, which must be there already: it is never made
  std::string path;  // the programs' folder, |base| or a folder below it; empty: none known
};

/// Where the user's data is kept: "tabliczka" in $XDG_DATA_HOME (when it is an absolute path),
/// else in $HOME/.local/share (when HOME is an absolute path); on Windows in %APPDATA%, which a
/// roaming profile carries from one computer to the next.
UserFolder DataFolder();

/// The folder TABLICZKA_DIR names, when it is an absolute path (a relative one is ignored, as
/// the XDG variables are): a class's folder, on this computer or shared over a network, set
/// once for every account. It is its own base, so it is never made; empty where it is not set.
UserFolder NamedFolder();

/// Where earlier versions kept it: "tabliczka" in $XDG_STATE_HOME, else in $HOME/.local/state;
/// on Windows in %LOCALAPPDATA%. Only for carrying a file over from there.
UserFolder OldStateFolder();

/// The path of file |name| in |folder|; empty when the folder is not known.
std::string FileInFolder(const UserFolder& folder, const std::string& name);

/// Makes the programs' folder where it is missing, with the folders between it and its base
/// (such as .local/share in HOME), readable by the user alone. Never makes the base itself:
/// a HOME that is not there (Debian's /nonexistent) stays so. True when the folder is there.
bool MakeUserFolder(const UserFolder& folder);

enum class FileRead {
  kMissing,     // there is no such file (or no such directory)
  kRead,        // the whole file is in the text
  kNotAFile,    // something else stands there: a directory, a pipe, a file far too large
  kUnreadable,  // a file is there, but the system would not read it (permission, too many
                // open files, a failing disk): it is to be left as it is
};

/// The largest state file there is reason to read: far more than the programs ever write. A
/// larger file is not theirs, and reading it whole would only cost memory.
constexpr size_t kLargestStateFile = 64 * 1024;

/// The names of the files in folder |path| (not its subfolders), in no particular order, into
/// |names|. Only reads the folder. False when it cannot be read.
bool FileNamesInFolder(const std::string& path, std::vector<std::string>& names);

/// Reads all of file |path| into |text|, following a symbolic link. Never waits: a pipe in the
/// file's place is kNotAFile at once.
FileRead ReadStateFile(const std::string& path, std::string& text);

/// Reads file |path| as ReadStateFile does, but a file larger than |limit| bytes is read up to
/// |limit| of them, |whole| then false: a list a person wrote, read as far as it can be used.
FileRead ReadFileStart(const std::string& path, size_t limit, std::string& text, bool& whole);

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

/// Waits until no other program holds the lock on |path| (the file |path| ".lock" beside it,
/// made where missing) and takes it. The lock file is opened without following a link, so
/// nothing is made elsewhere; once taken, it is checked to be still the file at that path (one
/// deleted or replaced meanwhile locks nothing), else it is taken anew. False when the folder
/// is not there, or the lock file cannot be made or taken.
bool LockStateFile(const std::string& path, StateLock& lock);

/// Writes |text| to a new file (made afresh: whatever a crash or someone else left under its
/// name is removed first, never written through), syncs it to the disk, and renames it over
/// |path|. Where |path| is a symbolic link, the file it names is replaced, in that file's own
/// folder, and the link stays. The file keeps its permission bits. True when |path| now holds
/// |text|; on any failure the new file is removed and |path| is as it was. Call with the lock
/// held.
bool ReplaceStateFile(const std::string& path, const std::string& text);

/// Renames |path| (whatever stands there) to the first free name |path| ".N.bad", N from 1, so
/// that what cannot be used is kept for a person to look at, and no later mishap replaces it.
/// Call with the lock held.
bool SetStateFileAside(const std::string& path);

/// Writes |text|, what |path| held, to the first free name |path| ".N.bad", leaving |path| as
/// it is: a copy kept before a file is rewritten without some of its lines. Call with the lock
/// held.
bool KeepCopyAside(const std::string& path, const std::string& text);

/// True when anything stands at |path|: a file, a folder, a link (not followed), a pipe.
bool StatePathTaken(const std::string& path);

/// Renames |from| to |to|, over whatever file stands there. Call with the lock held.
bool RenameStatePath(const std::string& from, const std::string& to);

/// Carries file |name| over from |old_folder| into |folder| where only the old one has it: it
/// is written into |folder| whole, then the old file is renamed with ".moved", so that it is
/// carried once and nothing is lost if anything fails on the way. True when |name| is in
/// |folder| afterwards or nothing needed carrying.
bool CarryOver(const UserFolder& old_folder, const UserFolder& folder, const std::string& name);

#endif  // STORE_STATE_FILE_H_
