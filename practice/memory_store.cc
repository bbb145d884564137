#include "practice/memory_store.h"

namespace {

// What the text of the file in its place comes to: a memory the round may add to, one set
// aside for being no memory file, or one to be left alone.
enum class Found { kUsable, kNoMemory, kLeaveAlone };

Found ReadMemoryFile(const std::string& path, Memory& memory, MemoryText& parsed,
                     std::string& text) {
  switch (ReadStateFile(path, text)) {
    case FileRead::kMissing:
      parsed = MemoryText::kRead;
      return Found::kUsable;
    case FileRead::kNotAFile:
      return Found::kNoMemory;
    case FileRead::kUnreadable:
      return Found::kLeaveAlone;
    case FileRead::kRead:
      break;
  }
  parsed = ParseMemory(text, memory);
  switch (parsed) {
    case MemoryText::kNewerFormat:
      return Found::kLeaveAlone;
    case MemoryText::kNotThisFormat:
      return Found::kNoMemory;
    default:
      return Found::kUsable;
  }
}

}  // namespace

UserFolder MemoryFolder() {
  UserFolder named = NamedFolder();
  return named.path.empty() ? DataFolder() : named;
}

MemoryFile PracticeMemoryFile() {
  UserFolder folder = MemoryFolder();
  if (NamedFolder().path.empty())
    CarryOver(OldStateFolder(), folder, kMemoryFileName);
  return MemoryFile{folder, FileInFolder(folder, kMemoryFileName)};
}

bool LoadMemory(const MemoryFile& file, Memory& memory) {
  memory = Memory{};
  if (file.path.empty())
    return true;  // nothing will be kept, but nothing stands in the way either
  MemoryText parsed;
  std::string text;
  return ReadMemoryFile(file.path, memory, parsed, text) != Found::kLeaveAlone;
}

void NoteUnsaved(Unsaved& unsaved, Memory& memory, int32_t index, Outcome outcome, int32_t day) {
  if (unsaved.outcomes[index] == Outcome::kNotAsked)
    ++unsaved.count;
  unsaved.outcomes[index] = outcome;
  unsaved.days[index] = day;
  ApplyOutcome(memory, index, outcome, day);
}

bool KeepUnsaved(const MemoryFile& file, Unsaved& unsaved, Memory& memory) {
  StateLock lock;
  if (file.path.empty() || !MakeUserFolder(file.folder) || !LockStateFile(file.path, lock))
    return false;
  // What the file holds now: nothing where it is missing, also when it was deleted during the
  // round by someone starting afresh.
  Memory kept;
  MemoryText parsed = MemoryText::kRead;
  std::string text;
  switch (ReadMemoryFile(file.path, kept, parsed, text)) {
    case Found::kLeaveAlone:
      return false;
    case Found::kNoMemory:
      // Kept for a person to look at, never overwritten; one that cannot be moved stays.
      if (!SetStateFileAside(file.path))
        return false;
      kept = Memory{};
      break;
    case Found::kUsable:
      // A person's edit is never lost silently: the file as it was, before the lines that
      // hold no fact are left out of it.
      if (parsed == MemoryText::kReadSkippingLines && !KeepCopyAside(file.path, text))
        return false;
      break;
  }
  // A fact answered twice in the round holds only its latest outcome, which ends where the
  // outcomes one after the other would: a miss sends any box to 1.
  for (int32_t i = 0; i < kMemoryFacts; ++i)
    ApplyOutcome(kept, i, unsaved.outcomes[i], unsaved.days[i]);
  if (!ReplaceStateFile(file.path, FormatMemory(kept)))
    return false;
  memory = kept;
  unsaved = Unsaved{};
  return true;
}
