// The learners of a class folder, as the teacher's report finds them: the names on the class
// list first, in its order, then every other learner's memory in the folder (its file, or only
// the logs and snapshots the runs keep beside where it would be), then the account's own
// practice.txt. Only read: no file is written, locked or moved.
#ifndef REPORT_CLASS_FOLDER_H_
#define REPORT_CLASS_FOLDER_H_

#include <string>
#include <vector>

#include "practice/answer_history.h"
#include "practice/class_list.h"
#include "practice/memory.h"

/// One learner's memory as read from the folder.
struct LearnerRecord {
  std::string name;       // as on the list or in the file name (UTF-8); "practice.txt" for it
  std::string file;       // the memory file's name in the folder
  bool has_file = false;  // false for a learner on the list who has not practised yet
  Memory memory;
  AnswerHistory history;  // the learner's answers day by day, as far as the files keep them
  bool listed = true;     // false for a memory file whose learner is not on a class list used
};

struct ClassRecords {
  std::vector<LearnerRecord> learners;
  std::vector<std::string> unreadable;  // files that could not be read, skipped
  ClassList list = {};  // the class list as read, with what is wrong with it
};

/// The learner's name a report shows for the account's own memory: its file's name.
constexpr char kOwnMemoryName[] = "practice.txt";

/// Finds and reads the learners of |folder| (see above), with the list's faults as
/// ReadClassList tells them. A listed learner's memory is the file StoredLearnerName finds
/// (written before in another case, or decomposed); every other learner's file is a learner
/// of its own, not listed where a list is used. A file that cannot be read (the system will not, it is no
/// memory file, or a later version's) goes to |unreadable| instead. False when the folder
/// cannot be read.
bool ReadClassFolder(const std::string& folder, ClassRecords& records);

/// The learner called |name| (SameName), else the one learner whose name |name| starts, as
/// NamesStartedBy compares ("zol" for "Żółw"), or nullptr.
const LearnerRecord* FindLearner(const ClassRecords& records, const std::string& name);

#endif  // REPORT_CLASS_FOLDER_H_
