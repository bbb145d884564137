// The text of a small file a person may write or edit by hand, in any editor: the memory file,
// the class list. Both read it the same forgiving way.
#ifndef PRACTICE_EDITED_TEXT_H_
#define PRACTICE_EDITED_TEXT_H_

#include <string>
#include <vector>

/// The lines of |text| that hold something, in their order. A byte order mark before the
/// first line is no part of it; a line ends at LF, and the last one needs no end; spaces, tabs
/// and CRs around a line (CR LF, or CR CR LF after two editors) are dropped; a blank line, or
/// one starting with '#' (a comment), holds nothing.
std::vector<std::string> MeaningfulLines(const std::string& text);

/// The words of |line| (without its line end), split at runs of spaces and tabs.
std::vector<std::string> WordsOf(const std::string& line);

#endif  // PRACTICE_EDITED_TEXT_H_
