// Practice's memory in its file: read at the start of a round, and each answer that changes
// what is known of a fact kept in it at once. An answer that could not be kept stays in the
// round and is tried again at the next answer and at the end of the round.
#ifndef PRACTICE_MEMORY_STORE_H_
#define PRACTICE_MEMORY_STORE_H_

#include <array>
#include <cstdint>
#include <string>

#include "practice/memory.h"
#include "store/state_file.h"

/// The memory file of an account (of one person, where the folder has no class list).
constexpr char kMemoryFileName[] = "practice.txt";

/// Where practice keeps its memory.
struct MemoryFile {
  UserFolder folder;
  std::string path;  // the file in |folder|; empty where no place is known: nothing is kept
};

/// The memory's folder: the one TABLICZKA_DIR names, else the user's data folder.
UserFolder MemoryFolder();

/// practice.txt in the memory's folder. A memory an earlier version kept in the old place is
/// carried over first, once, into the user's data folder (never into a folder TABLICZKA_DIR
/// names, which is not this account's alone).
MemoryFile PracticeMemoryFile();

/// Reads the memory kept in |file| into |memory| (empty for a first run, or where the file
/// is no memory file, which is set aside at the first answer kept). Returns whether the round
/// may keep its answers there: not where the system would not let the file be read
/// (permission, too many open files, a failing disk) or it is a later version's; the file is
/// then left exactly as it is.
bool LoadMemory(const MemoryFile& file, Memory& memory);

/// The answers of a round not yet kept in the file: each fact's outcome in the round and the
/// day it was given, by MemoryIndex.
struct Unsaved {
  std::array<Outcome, kMemoryFacts> outcomes{};
  std::array<int32_t, kMemoryFacts> days{};
  int32_t count = 0;  // how many facts have an outcome here
};

/// Notes |outcome| of the fact at |index|, given on day |day|, in |unsaved| and in |memory|,
/// the memory the round shows.
void NoteUnsaved(Unsaved& unsaved, Memory& memory, int32_t index, Outcome outcome, int32_t day);

/// Keeps |unsaved| in |file|. Under the file's lock, the file is read again (so the facts
/// another round kept meanwhile count as well), |unsaved| applied, and the file replaced. A
/// file that is no memory file is set aside first, and one with lines left out is copied aside
/// before it is rewritten, each under a name of its own. True when the file now holds them:
/// |memory| is then the file's memory and |unsaved| is emptied. False when nothing could be
/// written (no place, a folder that cannot be made or written, a full disk, a file that may
/// not be touched): both are left as they were.
bool KeepUnsaved(const MemoryFile& file, Unsaved& unsaved, Memory& memory);

#endif  // PRACTICE_MEMORY_STORE_H_
