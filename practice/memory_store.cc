#include "practice/memory_store.h"

#include <algorithm>

#include "practice/class_list.h"

namespace {

constexpr char kLogSuffix[] = ".log";
constexpr char kSnapshotSuffix[] = ".snap";
constexpr int64_t kDaySeconds = 86400;

// The texts, as code page 852 bytes.
constexpr char kRefusedLink[] =
    " Pomini\xA9to dowi\xA5zanie innego konta: ";                  // "Pominięto dowiązanie"
constexpr char kDroppedCopies[] = " Usuni\xA9to starsze kopie (";  // "Usunięto"

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// |path| split at its last separator into its folder and its name.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  size_t separator = path.find_last_of("/\\");
  folder = separator == std::string::npos ? "." : path.substr(0, separator);
  name = separator == std::string::npos ? path : path.substr(separator + 1);
}

// Reads the earlier versions' file at |path| into |read|.
void ReadLegacy(const std::string& path, MemoryRead& read, Memory& legacy) {
  std::string text;
  switch (ReadStateFile(path, text, kLargestMemoryFile)) {
    case FileRead::kMissing:
      return;
    case FileRead::kOthersLink:
      read.refused.push_back(path);
      return;
    case FileRead::kNotAFile:
      read.found = true;
      read.no_memory = true;
      return;
    case FileRead::kUnreadable:
      read.found = true;
      read.may_keep = false;
      read.skipped.push_back(path);
      return;
    case FileRead::kRead:
      break;
  }
  read.found = true;
  switch (ParseMemory(text, legacy)) {
    case MemoryText::kNewerFormat:
      read.may_keep = false;
      read.skipped.push_back(path);
      return;
    case MemoryText::kNotThisFormat:
      read.no_memory = true;
      return;
    default:
      break;
  }
  // A fact "asked" after the file was last written: a clock that was ahead.
  int64_t written = 0;
  if (StateFileTime(path, written)) {
    for (FactMemory& fact : legacy.facts)
      fact.day = std::min(fact.day, DayOfClock(written));
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

std::string RefusedLinkLine(const std::string& path) {
  return kRefusedLink + Cp852OfUtf8(path);
}

bool MemoryOfFileName(const std::string& file, std::string& memory) {
  std::string rest;
  if (EndsWith(file, kLogSuffix))
    rest = file.substr(0, file.size() - (sizeof kLogSuffix - 1));
  else if (EndsWith(file, kSnapshotSuffix))
    rest = file.substr(0, file.size() - (sizeof kSnapshotSuffix - 1));
  else
    return false;
  size_t dot = rest.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == rest.size())
    return false;
  memory = rest.substr(0, dot);
  return true;
}

namespace {

// ReadMemoryFiles once; |gone| says that a file listed was removed before it could be read.
MemoryRead ReadMemoryFilesOnce(const MemoryFile& file, int64_t now, bool& gone) {
  MemoryRead read;
  gone = false;
  if (file.path.empty())
    return read;
  std::string base = OwnLinkTarget(file.path);
  Memory legacy;
  ReadLegacy(base, read, legacy);
  std::string folder, name;
  SplitPath(base, folder, name);
  std::vector<std::string> names;
  FileNamesInFolder(folder, names);
  std::sort(names.begin(), names.end());
  std::vector<MergedMemory> snapshots;
  std::vector<AnswerLog> logs;
  for (const std::string& found : names) {
    std::string memory;
    if (!MemoryOfFileName(found, memory) || memory != name)
      continue;
    read.found = true;
    std::string path = folder + base.substr(folder.size(), 1) + found;
    std::string text;
    FileRead status = ReadStateFile(path, text, kLargestMemoryFile);
    if (status == FileRead::kOthersLink) {
      read.refused.push_back(path);
      continue;
    }
    bool is_log = EndsWith(found, kLogSuffix);
    AnswerLog log;
    MergedMemory snapshot;
    if (status != FileRead::kRead ||
        (is_log ? !ParseLog(text, log) : !ParseSnapshot(text, snapshot))) {
      if (status == FileRead::kMissing)
        gone = true;
      else
        read.skipped.push_back(path);
      continue;
    }
    if (!is_log) {
      if (!snapshot.unknown)
        read.snapshots.push_back(path);
      else if (text.find('#') != std::string::npos)
        read.edited.push_back(path);
      snapshots.push_back(snapshot);
      continue;
    }
    int64_t written = 0;
    bool timed = StateFileTime(path, written);
    for (LoggedAnswer& answer : log.answers) {
      if (timed)
        answer.day = std::min(answer.day, DayOfClock(written));
    }
    if (!log.unknown && (log.ended || (timed && now - written >= kDaySeconds)))
      read.ended_logs.push_back(path);
    logs.push_back(log);
  }
  read.merged = MergeMemory(legacy, snapshots, logs);
  return read;
}

}  // namespace

MemoryRead ReadMemoryFiles(const MemoryFile& file, int64_t now) {
  // A file removed between the listing and its reading was folded by another run into a
  // snapshot this listing may not show: read anew then, a few times at most.
  bool gone = false;
  MemoryRead read;
  for (int tries = 0; tries < 5; ++tries) {
    read = ReadMemoryFilesOnce(file, now, gone);
    if (!gone)
      break;
  }
  return read;
}

bool LoadMemory(const MemoryFile& file, Memory& memory, MemoryLog& log, int64_t now) {
  memory = Memory{};
  log = MemoryLog{};
  if (file.path.empty())
    return true;  // nothing will be kept, but nothing stands in the way either
  MemoryRead read = ReadMemoryFiles(file, now);
  memory = read.merged.memory;
  for (const std::string& path : read.refused)
    log.notices.push_back(RefusedLinkLine(path));
  if (!read.may_keep)
    return false;
  std::string base = OwnLinkTarget(file.path);
  log.folder = file.folder;
  log.run = RunName();
  log.path = base + "." + log.run + kLogSuffix;
  int dropped = 0;
  // Kept for a person to look at, never overwritten; one that cannot be moved stays.
  if (read.no_memory && SetStateFileAside(base, dropped) && dropped > 0)
    log.notices.push_back(kDroppedCopies + std::to_string(dropped) + "): " + Cp852OfUtf8(base) +
                          ".N.bad");
  // The fold: one snapshot in place of the ended logs and the snapshots read. Where it cannot be
  // made, they all stay and are read again next time.
  if (read.ended_logs.empty() && read.snapshots.size() + read.edited.size() < 2)
    return true;
  if (!CreateStateFile(base + "." + log.run + kSnapshotSuffix, FormatSnapshot(read.merged)))
    return true;
  for (const std::string& path : read.ended_logs)
    RemoveStateFile(path);
  for (const std::string& path : read.snapshots)
    RemoveStateFile(path);
  for (const std::string& path : read.edited) {
    if (SetStateFileAside(path, dropped) && dropped > 0)
      log.notices.push_back(kDroppedCopies + std::to_string(dropped) + "): " + Cp852OfUtf8(path) +
                            ".N.bad");
  }
  return true;
}

void NoteUnsaved(Unsaved& unsaved, MemoryLog& log, Memory& memory, int32_t index, Outcome outcome,
                 int32_t day, int64_t now) {
  // A clock before 1970 counts as 1970, as its day does.
  unsaved.answers.push_back(
      LoggedAnswer{++log.seq, std::max<int64_t>(now, 0), day, index, outcome});
  ApplyOutcome(memory, index, outcome, day);
}

bool KeepUnsaved(MemoryLog& log, Unsaved& unsaved) {
  if (log.path.empty())
    return false;
  if (!MakeUserFolder(log.folder))
    return false;
  // A line cut short by a failed write is ended first, so that it stays no part of the next.
  std::string text = log.cut ? "\n" : "";
  for (const LoggedAnswer& answer : unsaved.answers)
    text += LogLine(answer);
  if (!AppendToStateFile(log.path, LogHeader(log.run), text)) {
    log.cut = true;
    return false;
  }
  log.cut = false;
  log.written = true;
  unsaved = Unsaved{};
  return true;
}

void EndMemoryLog(MemoryLog& log) {
  if (log.written)
    AppendToStateFile(log.path, LogHeader(log.run), (log.cut ? "\n" : "") + LogEnd());
}
