#include "report/class_folder.h"

#include <algorithm>

#include "practice/class_list.h"
#include "practice/memory_store.h"
#include "practice/unicode_name.h"
#include "store/state_file.h"

namespace {

// Reads the memory in |file| of |folder| for |record|. False when it cannot be read.
bool ReadLearner(const std::string& folder, LearnerRecord& record) {
  std::string text;
  switch (ReadStateFile(FileInFolder(UserFolder{folder, folder}, record.file), text)) {
    case FileRead::kMissing:
      record.has_file = false;
      return true;
    case FileRead::kRead: {
      MemoryText parsed = ParseMemory(text, record.memory);
      record.has_file = true;
      return parsed == MemoryText::kRead || parsed == MemoryText::kReadSkippingLines;
    }
    default:
      return false;
  }
}

}  // namespace

bool ReadClassFolder(const std::string& folder, ClassRecords& records) {
  records = ClassRecords{};
  std::vector<std::string> files;
  if (!FileNamesInFolder(folder, files))
    return false;
  std::sort(files.begin(), files.end());

  records.list = ReadClassList(folder);
  bool list_used = records.list.state == ListState::kUsed;
  std::vector<LearnerRecord> found;
  for (const std::string& name : records.list.names) {
    std::string file = LearnerFileName(StoredLearnerName(files, name));
    found.push_back(LearnerRecord{name, file, false, {}, {}});
  }
  size_t listed_count = found.size();
  for (const std::string& file : files) {
    std::string name;
    if (!LearnerOfFileName(file, name) ||
        std::any_of(found.begin(), found.begin() + static_cast<ptrdiff_t>(listed_count),
                    [&](const LearnerRecord& listed) { return listed.file == file; }))
      continue;
    found.push_back(LearnerRecord{name, file, false, {}, {}});
    found.back().listed = !list_used;
  }
  if (std::find(files.begin(), files.end(), kMemoryFileName) != files.end()) {
    found.push_back(LearnerRecord{kOwnMemoryName, kMemoryFileName, false, {}, {}});
    found.back().listed = !list_used;
  }

  for (LearnerRecord& record : found) {
    if (ReadLearner(folder, record))
      records.learners.push_back(record);
    else
      records.unreadable.push_back(record.file);
  }
  return true;
}

const LearnerRecord* FindLearner(const ClassRecords& records, const std::string& name) {
  std::vector<std::string> names;
  for (const LearnerRecord& record : records.learners) {
    if (SameName(record.name, name))
      return &record;
    names.push_back(record.name);
  }
  std::vector<size_t> started = NamesStartedBy(names, name);
  return started.size() == 1 ? &records.learners[started[0]] : nullptr;
}
