// Who is practising: with a class list in the memory's folder, each learner keeps a memory of
// their own there, and the round asks whose it is before the question count.
#ifndef PRACTICE_LEARNER_CHOICE_H_
#define PRACTICE_LEARNER_CHOICE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "practice/class_list.h"
#include "practice/memory_store.h"

/// The memory file of learner |name| in |folder|; no path where the folder is not known.
MemoryFile LearnerMemoryFile(const UserFolder& folder, const std::string& name);

/// The memory the round is kept in. Without a class list in the memory's folder: practice.txt
/// there, as for one person per account, asking nothing. With one: first a line for each fault
/// of the list (ClassListLines), then the file of the learner the child picks (AskLearner),
/// under the name the learner's memory already has (StoredLearnerName). A list that cannot be
/// used at all is said to be left aside, with what to mend and where, and a key is waited for
/// so that the child sees it; practice.txt is the memory then. Nothing when input ends at the
/// question.
std::optional<MemoryFile> ChooseMemoryFile();

/// Asks "Kto ćwiczy?" above |names| numbered from 1, then " Twój numer ? " until a row holds
/// a number on the list or the start of one name on it (NamesStartedBy: "zol" for "Żółw"),
/// answering " Nie ma takiego numeru !" to any other number or an empty row, " Nie ma takiego
/// imienia !" to a start no name has, and listing the names a start fits where it fits more
/// than one; then greets the learner. Returns the learner's place in |names|, or nothing when
/// input ends first; the prompt's row is then ended.
std::optional<size_t> AskLearner(const std::vector<std::string>& names);

/// Writes |name| (UTF-8) in the terminal's character set: as written on a UTF-8 terminal,
/// else in code page 852 (Cp852OfUtf8).
void PutName(const std::string& name);

/// Writes the first |count| characters of |name| as PutName does; returns how many it wrote,
/// one column each.
size_t PutNameCut(const std::string& name, size_t count);

/// Writes the lines of ClassListLines(list), each ended.
void PutClassListLines(const ClassList& list);

#endif  // PRACTICE_LEARNER_CHOICE_H_
