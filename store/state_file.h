// Small files a program keeps for its user between runs, in a folder of the programs' own or a
// class's folder shared by several accounts and computers. A file is written by one run only:
// made whole under a new name and then given its own, or appended to by the run that made it,
// so that no two runs ever rewrite one file and no lock is needed. Nothing is ever written
// outside the folder, no link another account made there is followed, and no file a person may
// want is ever overwritten: what cannot be used is set aside under a name of its own.
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
  kOthersLink,  // a symbolic link another account made: never followed, left as it is
};

/// The largest state file there is reason to read: far more than the programs ever write. A
/// larger file is not theirs, and reading it whole would only cost memory.
constexpr size_t kLargestStateFile = 64 * 1024;

/// The names of the files in folder |path| (not its subfolders), in no particular order, into
/// |names|. Only reads the folder. False when it cannot be read.
bool FileNamesInFolder(const std::string& path, std::vector<std::string>& names);

/// Reads all of file |path| into |text|, at most |largest| bytes (a larger file is kNotAFile),
/// following a symbolic link of the user's own (one another account made is kOthersLink, as
/// the kernel's protection of shared folders would have it). Never waits: a pipe in the file's
/// place is kNotAFile at once.
FileRead ReadStateFile(const std::string& path, std::string& text,
                       size_t largest = kLargestStateFile);

/// Reads file |path| as ReadStateFile does, but a file larger than |limit| bytes is read up to
/// |limit| of them, |whole| then false: a list a person wrote, read as far as it can be used.
FileRead ReadFileStart(const std::string& path, size_t limit, std::string& text, bool& whole);

/// The modification time of file |path| (following a link), in seconds since 1970-01-01 UTC,
/// as the file system that holds it keeps it: a shared folder's server's clock. False when
/// there is no such file.
bool StateFileTime(const std::string& path, int64_t& seconds);

/// Appends |text| to file |path|, made where missing (readable and writable by whoever the
/// folder lets in: 0666 less the umask) with |first| written before it. Never follows a link in
/// the file's place, never waits on a pipe there; synced to the disk. False when nothing could
/// be written or only part of it.
bool AppendToStateFile(const std::string& path, const std::string& first, const std::string& text);

/// Makes file |path| holding |text|, where nothing stands at |path|: written whole under a name
/// of its own first, synced, then given its name, never over another file (0666 less the
/// umask). False when anything fails or |path| is taken; nothing is left behind then.
bool CreateStateFile(const std::string& path, const std::string& text);

/// Removes file |path| (a link itself, never what it names). False where it could not.
bool RemoveStateFile(const std::string& path);

/// The file |path| names: the end of its chain of links where each link is the user's own;
/// |path| itself where it is no link, or a link another account made (and on Windows, whose
/// system follows a link where a file is opened).
std::string OwnLinkTarget(const std::string& path);

/// A name for this run of a program that no other run, on this computer or another, chooses:
/// the computer's name, the process and a random part, in letters, digits and '-' only (no
/// character a file name on any system refuses, and no dot).
std::string RunName();

/// How many copies set aside are kept per file: the newest ones.
constexpr int kKeptAside = 3;

/// Renames |path| (whatever stands there) to |path| ".N.bad", N one more than any such copy of
/// it there is (from 1), so that what cannot be used is kept for a person to look at, and no
/// later mishap replaces it. Of the copies of |path| only the newest kKeptAside are kept: the
/// older are removed, and |dropped| says how many.
bool SetStateFileAside(const std::string& path, int& dropped);

/// True when anything stands at |path|: a file, a folder, a link (not followed), a pipe.
bool StatePathTaken(const std::string& path);

/// Renames |from| to |to|, over whatever file stands there.
bool RenameStatePath(const std::string& from, const std::string& to);

/// Carries file |name| over from |old_folder| into |folder| where only the old one has it and
/// it can be read: it is written into |folder| whole, then the old file is renamed with
/// ".moved", so that it is carried once and nothing is lost if anything fails on the way (a
/// file that cannot be read yet is carried by a later run). True when |name| is in |folder|
/// afterwards or nothing needed carrying.
bool CarryOver(const UserFolder& old_folder, const UserFolder& folder, const std::string& name);

#endif  // STORE_STATE_FILE_H_
