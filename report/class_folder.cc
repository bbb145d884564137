#include "report/class_folder.h"

#include <algorithm>

#include "practice/class_list.h"
#include "practice/memory_store.h"
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

  std::vector<LearnerRecord> found;
  std::vector<std::string> folds;  // of the listed names, in the list's order
  std::string text;
  if (ReadStateFile(FileInFolder(UserFolder{folder, folder}, kClassListName), text) ==
      FileRead::kRead) {
    for (const std::string& name : ParseClassList(text)) {
      if (!CanBeFileName(name) ||
          std::find(folds.begin(), folds.end(), FoldCase(name)) != folds.end())
        continue;
      folds.push_back(FoldCase(name));
      found.push_back(LearnerRecord{name, LearnerFileName(name), false, {}, {}});
    }
  }
  // A file of a listed learner, also under another case (a folder shared from a system whose
  // file names ignore it), is that learner's; any other learner's file is a learner too.
  size_t listed_count = found.size();
  auto in_folder = [&](const std::string& file) {
    return std::binary_search(files.begin(), files.end(), file);
  };
  for (const std::string& file : files) {
    std::string name;
    if (!LearnerOfFileName(file, name))
      continue;
    size_t listed =
        static_cast<size_t>(std::find(folds.begin(), folds.end(), FoldCase(name)) - folds.begin());
    if (listed < listed_count && (file == found[listed].file || !in_folder(found[listed].file)))
      found[listed].file = file;
    else
      found.push_back(LearnerRecord{name, file, false, {}, {}});
  }
  if (std::find(files.begin(), files.end(), kMemoryFileName) != files.end())
    found.push_back(LearnerRecord{kOwnMemoryName, kMemoryFileName, false, {}, {}});

  for (LearnerRecord& record : found) {
    if (ReadLearner(folder, record))
      records.learners.push_back(record);
    else
      records.unreadable.push_back(record.file);
  }
  return true;
}

const LearnerRecord* FindLearner(const ClassRecords& records, const std::string& name) {
  for (const LearnerRecord& record : records.learners) {
    if (FoldCase(record.name) == FoldCase(name))
      return &record;
  }
  return nullptr;
}
