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

/// The memory the round is kept in. Without a class list in the memory's folder (or one with
/// no names): practice.txt there, as for one person per account, asking nothing. With one:
/// the file of the learner the child picks (AskLearner). A list with a name that cannot be a
/// file name, or two names that differ only in case, is not used: one line says which, and
/// practice.txt is the memory. Nothing when input ends at the question.
std::optional<MemoryFile> ChooseMemoryFile();

/// Asks "Kto ćwiczy?" above |names| numbered from 1, then " Twój numer ? " until a row holds
/// a number on the list, answering " Nie ma takiego numeru !" to any other row, an empty one
/// included; then greets the learner. Returns the learner's place in |names|, or nothing when
/// input ends first; the prompt's row is then ended.
std::optional<size_t> AskLearner(const std::vector<std::string>& names);

/// The line that says why the class list is not used.
void PutListFault(const ListCheck& check);

#endif  // PRACTICE_LEARNER_CHOICE_H_
