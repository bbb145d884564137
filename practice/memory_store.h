// Practice's memory in its file: read at the start of a round, and each fact's outcome kept in
// it as soon as the fact's outcome for the round changes.
#ifndef PRACTICE_MEMORY_STORE_H_
#define PRACTICE_MEMORY_STORE_H_

#include <cstdint>
#include <string>

#include "practice/memory.h"

/// The file practice keeps its memory in, or an empty path where no place for it is known.
std::string PracticeMemoryPath();

/// The memory kept in file |path|. Empty (a first run) when |path| is empty or the file is
/// missing, cannot be read or does not parse.
Memory LoadMemory(const std::string& path);

/// Keeps |outcome| of the fact at |index|, asked on day |today|, in the memory in file |path|,
/// and returns the memory as it stands then. The file is read again under its lock, so a round
/// that kept facts meanwhile in another program counts as well; a file that cannot be read or
/// does not parse is set aside (renamed with ".bad") and a new one begun. Where the file cannot
/// be written (no path, a directory that cannot be made or written, a failed write), nothing
/// is kept and the result is |loaded| with the outcome applied.
Memory KeepOutcome(const std::string& path, const Memory& loaded, int32_t index, Outcome outcome,
                   int32_t today);

#endif  // PRACTICE_MEMORY_STORE_H_
