#include "report/class_folder.h"

#include <algorithm>

#include "practice/class_list.h"
#include "practice/memory_store.h"
#include "practice/unicode_name.h"
#include "store/state_file.h"

namespace {

// Reads every file of the memory |record.file| of |folder| for |record|, the files that could
// not be read into |unreadable|. False when the learner's memory cannot be read at all.
bool ReadLearner(const std::string& folder, LearnerRecord& record,
                 std::vector<std::string>& unreadable) {
  MemoryFile file{UserFolder{folder, folder},
                  FileInFolder(UserFolder{folder, folder}, record.file)};
  MemoryRead read = ReadMemoryFiles(file, 0);
  for (const std::vector<std::string>* paths : {&read.refused, &read.skipped}) {
    for (const std::string& path : *paths)
      unreadable.push_back(path.substr(path.find_last_of("/\\") + 1));
  }
  record.has_file = read.found;
  record.memory = read.merged.memory;
  record.history = read.merged.history;
  return read.may_keep && !read.no_memory;
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
  // A learner's memory may be only logs and snapshots ("<memory file>.<run>.log"), each once.
  std::vector<std::string> memories;
  for (const std::string& file : files) {
    std::string memory = file;
    MemoryOfFileName(file, memory);
    if (std::find(memories.begin(), memories.end(), memory) == memories.end())
      memories.push_back(memory);
  }
  std::sort(memories.begin(), memories.end());
  std::vector<LearnerRecord> found;
  for (const std::string& name : records.list.names) {
    std::string file = LearnerFileName(StoredLearnerName(memories, name));
    found.push_back(LearnerRecord{name, file, false, {}, {}});
  }
  size_t listed_count = found.size();
  auto in_folder = [&](const std::string& file) {
    return std::binary_search(memories.begin(), memories.end(), file);
  };
  for (const std::string& file : memories) {
    std::string name;
    if (!LearnerOfFileName(file, name) ||
        std::any_of(found.begin(), found.begin() + static_cast<ptrdiff_t>(listed_count),
                    [&](const LearnerRecord& listed) { return listed.file == file; }))
      continue;
    found.push_back(LearnerRecord{name, file, false, {}, {}});
    found.back().listed = !list_used;
  }
  if (in_folder(kMemoryFileName)) {
    found.push_back(LearnerRecord{kOwnMemoryName, kMemoryFileName, false, {}, {}});
    found.back().listed = !list_used;
  }

  for (LearnerRecord& record : found) {
    if (ReadLearner(folder, record, records.unreadable))
      records.learners.push_back(record);
    else if (std::find(records.unreadable.begin(), records.unreadable.end(), record.file) ==
             records.unreadable.end())
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
