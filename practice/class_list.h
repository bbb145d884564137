// The class list: uczniowie.txt in the memory's folder, one learner's name to a line, written
// by a parent or a teacher in any editor. Each name has a memory file of its own beside it,
// named from the name, so that a person sees whose file it is.
#ifndef PRACTICE_CLASS_LIST_H_
#define PRACTICE_CLASS_LIST_H_

#include <string>
#include <vector>

/// The class list's name in the memory's folder.
constexpr char kClassListName[] = "uczniowie.txt";

/// The names in the text of a class list, in their order, as UTF-8. Forgives what people and
/// editors do: a byte order mark, CR LF or no end on the last line, spaces and tabs around a
/// name; blank lines and lines starting with '#' hold no name.
std::vector<std::string> ParseClassList(const std::string& text);

/// True when |name| can stand in a file name on every system a class folder may be shared
/// with: 1 to 100 bytes of UTF-8, without control characters or any of / \ : * ? " < > |.
bool CanBeFileName(const std::string& name);

/// |name| with its upper-case letters in lower case: ASCII and the Latin letters of Unicode's
/// first two Latin blocks (the Polish ones among them), as Windows' file names ignore case.
/// Two names with the same fold would name the same file there.
std::string FoldCase(const std::string& name);

/// What keeps a class list from being used.
enum class ListFault {
  kNone,
  kNotAFileName,  // |first| cannot be a file name
  kSameButCase,   // |first| and |second| differ only in case (or not at all)
};

struct ListCheck {
  ListFault fault = ListFault::kNone;
  std::string first;
  std::string second;
};

/// The first fault in |names|, in the list's order: a name that cannot be a file name, or a
/// name whose fold an earlier name has.
ListCheck CheckClassList(const std::vector<std::string>& names);

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
