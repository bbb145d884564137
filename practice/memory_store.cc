#include "practice/memory_store.h"

#include "store/state_file.h"

std::string PracticeMemoryPath() {
  return StateFilePath("practice.txt");
}

Memory LoadMemory(const std::string& path) {
  Memory memory;
  std::string text;
  if (!path.empty() && ReadStateFile(path, text) == FileRead::kRead)
    ParseMemory(text, memory);  // a file that does not parse leaves the memory empty
  return memory;
}

Memory KeepOutcome(const std::string& path, const Memory& loaded, int32_t index, Outcome outcome,
                   int32_t today) {
  StateLock lock;
  if (!path.empty() && LockStateFile(path, lock)) {
    // What the file holds now: nothing where it is missing, also when it was deleted during
    // the round by someone starting afresh.
    Memory kept;
    std::string text;
    FileRead read = ReadStateFile(path, text);
    bool usable =
        read == FileRead::kMissing || (read == FileRead::kRead && ParseMemory(text, kept));
    // A file that cannot be set aside is not overwritten either.
    if (usable || SetStateFileAside(path)) {
      ApplyOutcome(kept, index, outcome, today);
      if (ReplaceStateFile(path, FormatMemory(kept)))
        return kept;
    }
  }
  Memory kept = loaded;
  ApplyOutcome(kept, index, outcome, today);
  return kept;
}
