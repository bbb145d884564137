#include "quiz/memory_store.h"

#include "console/state_file.h"

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

Memory KeepRound(const std::string& path, const Memory& loaded, const RoundOutcomes& outcomes,
                 int32_t today) {
  bool asked = false;
  for (Outcome outcome : outcomes.facts)
    asked = asked || outcome != Outcome::kNotAsked;
  StateLock lock;
  if (asked && !path.empty() && LockStateFile(path, lock)) {
    // What the file holds now: nothing where it is missing, also when it was deleted during
    // the round by someone starting afresh.
    Memory kept;
    std::string text;
    FileRead read = ReadStateFile(path, text);
    bool usable =
        read == FileRead::kMissing || (read == FileRead::kRead && ParseMemory(text, kept));
    if (usable || SetStateFileAside(path)) {
      ApplyRound(kept, outcomes, today);
      ReplaceStateFile(path, FormatMemory(kept));
      UnlockStateFile(lock);
      return kept;
    }
    UnlockStateFile(lock);  // a file that cannot be set aside is not overwritten either
  }
  Memory kept = loaded;
  ApplyRound(kept, outcomes, today);
  return kept;
}
