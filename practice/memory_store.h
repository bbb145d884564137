// Practice's memory in its files: read at the start of a round, and each answer that changes
// what is known of a fact kept at once. Each run of a program appends its answers to a log of
// its own beside the memory's file ("practice.txt.<run>.log", the run named by RunName), so no
// two runs, on one computer or on two sharing a folder, ever write one file; the memory is
// what the earlier versions' file, the snapshots and the logs say together (MergeMemory). At
// the start of a round the logs read that have ended are folded into a snapshot of this run's
// own ("practice.txt.<run>.snap"), and only those, with the snapshots read, are removed. An
// answer that could not be kept stays in the round and is tried again at the next answer and
// at the end of the round.
#ifndef PRACTICE_MEMORY_STORE_H_
#define PRACTICE_MEMORY_STORE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "practice/memory.h"
#include "practice/memory_log.h"
#include "store/state_file.h"

/// The memory file of an account (of one person, where the folder has no class list).
constexpr char kMemoryFileName[] = "practice.txt";

/// The largest memory file read: a snapshot holds a learner's history, some 200 KB a year of
/// daily rounds (600 KB at three rounds a day), so decades of it.
constexpr size_t kLargestMemoryFile = 16 * 1024 * 1024;

/// Where practice keeps its memory.
struct MemoryFile {
  UserFolder folder;
  std::string path;  // the file in |folder|; empty where no place is known: nothing is kept
};

/// The memory's folder: the one TABLICZKA_DIR names, else the user's data folder.
UserFolder MemoryFolder();

/// practice.txt in the memory's folder. A memory an earlier version kept in the old place is
/// carried over first, once it can be read, into the user's data folder (never into a folder
/// TABLICZKA_DIR names, which is not this account's alone).
MemoryFile PracticeMemoryFile();

/// True when |file| is a log or snapshot of a memory ("<memory>.<run>.log" or ".snap"):
/// |memory| is then the memory file's name.
bool MemoryOfFileName(const std::string& file, std::string& memory);

/// The line that says a link another account made at |path| was not followed (code page 852).
std::string RefusedLinkLine(const std::string& path);

/// What the files of one memory came to when read.
struct MemoryRead {
  MergedMemory merged;
  bool found = false;      // any of its files is there
  bool may_keep = true;    // false: the earlier versions' file may not be touched (unreadable,
                           // a later version's): nothing is to be added to this memory
  bool no_memory = false;  // the earlier versions' file is no memory file: to be set aside
  std::vector<std::string> refused;     // paths not followed: links another account made
  std::vector<std::string> skipped;     // paths that could not be read, or not whole
  std::vector<std::string> ended_logs;  // read whole, ended: a fold may remove them
  std::vector<std::string> snapshots;   // read whole: a fold may remove them
  std::vector<std::string> edited;      // snapshots with comments: set aside, not removed
};

/// Reads every file of memory |file| (only reads: nothing is written, moved or removed). A
/// log's answer dated after the day its file was last written (a clock that was ahead) counts
/// on that day; so does a fact of the earlier versions' file. A log counts as ended when its
/// run ended it or it has not changed for a day by clock |now| (seconds). A file removed between
/// the folder's listing and its reading (folded by another run) has the folder read anew.
MemoryRead ReadMemoryFiles(const MemoryFile& file, int64_t now);

/// This run's own log of a memory, and what the round is to be told about its files.
struct MemoryLog {
  UserFolder folder;  // the memory's folder, made at the first answer kept
  std::string path;   // the log; empty where nothing is kept
  std::string run;
  int64_t seq = 0;                   // the last answer's
  bool written = false;              // the log has been made
  bool cut = false;                  // the last write may have been cut short
  std::vector<std::string> notices;  // code page 852 lines to show at the end of the round
};

/// Reads the memory kept in |file| into |memory| (empty for a first run) and makes |log| ready.
/// Where the round may keep its answers, the earlier versions' file that is no memory file is
/// set aside, and the logs read that have ended are folded into a snapshot of this run's own.
/// Returns whether the round may keep its answers: not where the earlier versions' file could
/// not be read or is a later version's; it is then left exactly as it is.
bool LoadMemory(const MemoryFile& file, Memory& memory, MemoryLog& log, int64_t now);

/// The answers of a round not yet kept, in the order given.
struct Unsaved {
  std::vector<LoggedAnswer> answers;
};

/// Notes |outcome| of the fact at |index|, given on day |day| at time |now|, in |unsaved| and
/// in |memory|, the memory the round shows.
void NoteUnsaved(Unsaved& unsaved, MemoryLog& log, Memory& memory, int32_t index, Outcome outcome,
                 int32_t day, int64_t now);

/// Appends |unsaved| to the run's log (made with its folder where missing). True when the log
/// now holds them: |unsaved| is emptied. False when nothing could be written (no place, a
/// folder that cannot be made or written, a full disk): |unsaved| is left as it was.
bool KeepUnsaved(MemoryLog& log, Unsaved& unsaved);

/// Ends the run's log, where it was made: its answers may then be folded.
void EndMemoryLog(MemoryLog& log);

#endif  // PRACTICE_MEMORY_STORE_H_
