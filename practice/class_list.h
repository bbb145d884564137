// The class list: uczniowie.txt in the memory's folder, one learner's name to a line, written
// by a parent or a teacher in any editor. Each name has a memory file of its own beside it,
// named from the name, so that a person sees whose file it is.
#ifndef PRACTICE_CLASS_LIST_H_
#define PRACTICE_CLASS_LIST_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// The class list's name in the memory's folder.
constexpr char kClassListName[] = "uczniowie.txt";

/// The most names a list is read for: more than any real class; a school's whole register
/// is cut there.
constexpr size_t kMostLearners = 200;

/// Whether the class list is used.
enum class ListState {
  kNone,        // there is no list: one memory for the account, as for one person
  kUsed,        // each learner on it has a memory of their own
  kUnreadable,  // a file is there, but this account may not read it (or another program has
                // it open on Windows)
  kNotAFile,    // a folder, a pipe or a device stands in its place
  kNoName,      // it holds no name that can be used
  kOthersLink,  // a link another account made stands in its place: never followed
};

/// What is wrong with one line of the list: the line is left out, the rest still counts.
enum class LineFault {
  kNotAFileName,  // |name| cannot be a file name
  kSameName,      // |name| is the name of line |first_line| again (case or composition aside)
  kTooMany,       // the list goes on past kMostLearners names from this line
  kTooLarge,      // the file goes on past the reader's bound from this line
};

struct ListNote {
  LineFault fault;
  int32_t line;            // the line's number in the file, from 1
  std::string name;        // as written (UTF-8)
  int32_t first_line = 0;  // kSameName: the line the name first stands on
  std::string first;       // kSameName: the name as written there
};

struct ClassList {
  ListState state = ListState::kNone;
  std::vector<std::string> names;  // the names used, in the list's order, composed (NFC)
  std::vector<ListNote> notes;     // every line left out, in the list's order
};

/// The class list in |bytes|, the start of the file (all of it when |whole|), in any encoding
/// TextAsUtf8 reads. Forgives what people and editors do: a byte order mark, CR LF or no end
/// on the last line, spaces and tabs around a name; blank lines and lines starting with '#'
/// hold no name. A name that cannot be a file name, a name that is an earlier one again, and
/// everything after kMostLearners names (or after the last whole line of a file cut short)
/// is left out with a note. kUsed when a name is left, else kNoName.
ClassList ParseClassList(const std::string& bytes, bool whole = true);

/// The class list of |folder| (kClassListName there), read up to the reader's bound.
ClassList ReadClassList(const std::string& folder);

/// The lines that tell what is wrong with |list|, in UTF-8, each starting with a space and the
/// list's file name: one per note, and for a list that cannot be used at all, why and what to
/// mend. None for a list without faults or no list at all.
std::vector<std::string> ClassListLines(const ClassList& list);

/// True when |name| can stand in a file name on every system a class folder may be shared
/// with: 1 to 100 bytes of UTF-8, without control characters or any of / \ : * ? " < > |.
bool CanBeFileName(const std::string& name);

/// The name under which learner |name| already keeps a memory among the files |files| of the
/// folder: |name| where its own file is there, else the name of the first learner's file that
/// SameName finds (written before in another case, or decomposed); |name| when there is none.
std::string StoredLearnerName(const std::vector<std::string>& files, const std::string& name);

/// The places in |names| of the names that |typed| starts, compared as PlainName (without
/// accents and case); only the one it spells whole where it spells one whole. None for an
/// empty |typed|.
std::vector<size_t> NamesStartedBy(const std::vector<std::string>& names, const std::string& typed);

/// The name of the memory file of learner |name|: "practice-" name ".txt".
std::string LearnerFileName(const std::string& name);

/// True when |file| is a learner's memory file ("practice-" name ".txt", name not empty);
/// |name| is then the learner's name.
bool LearnerOfFileName(const std::string& file, std::string& name);

/// |name| (UTF-8: a learner's name, a path) as code page 852 text, one character for each
/// character: the Polish letters as themselves, any other Latin letter without its accent, anything
/// else that is not plain ASCII (and bytes that are no UTF-8) as '?'.
std::string Cp852OfUtf8(const std::string& name);

#endif  // PRACTICE_CLASS_LIST_H_
