// Practice's memory in its file: read at the start of a round, merged with the round at its end.
#ifndef QUIZ_MEMORY_STORE_H_
#define QUIZ_MEMORY_STORE_H_

#include <string>

#include "quiz/memory.h"

/// The file practice keeps its memory in, or an empty path where no place for it is known.
std::string PracticeMemoryPath();

/// The memory kept in file |path|. Empty (a first run) when |path| is empty or the file is
/// missing, cannot be read or does not parse.
Memory LoadMemory(const std::string& path);

/// Adds a round's |outcomes|, asked on day |today|, to the memory in file |path|, and returns
/// the memory as it stands then. The file is read again under its lock, so a round that ended
/// meanwhile in another program counts as well; a file that cannot be read or does not parse
/// is set aside (renamed with ".bad") and a new one begun. Where the file cannot be written (no
/// path, a directory that cannot be made or written), nothing is kept and the result is
/// |loaded| with the round added.
Memory KeepRound(const std::string& path, const Memory& loaded, const RoundOutcomes& outcomes,
                 int32_t today);

#endif  // QUIZ_MEMORY_STORE_H_
