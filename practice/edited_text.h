// The text of a small file a person may write or edit by hand, in any editor: the memory file,
// the class list. Both read it the same forgiving way.
#ifndef PRACTICE_EDITED_TEXT_H_
#define PRACTICE_EDITED_TEXT_H_

#include <cstdint>
#include <string>
#include <vector>

/// A line that holds something, and its number in the file (from 1).
struct EditedLine {
  int32_t number;
  std::string text;
};

/// The lines of |text| that hold something, in their order. A byte order mark before the
/// first line is no part of it; a line ends at LF, and the last one needs no end; spaces, tabs
/// and CRs around a line (CR LF, or CR CR LF after two editors) are dropped; a blank line, or
/// one starting with '#' (a comment), holds nothing.
std::vector<EditedLine> NumberedLines(const std::string& text);

/// NumberedLines(text) without the numbers.
std::vector<std::string> MeaningfulLines(const std::string& text);

/// The text of a file in UTF-8, whichever editor saved it: UTF-16 with its byte order mark
/// (little- or big-endian, as Windows Notepad saves "Unicode"), UTF-8 as it is (a byte order
/// mark kept), and anything that is no UTF-8 read as Windows-1250, the code page of older
/// Polish editors. A UTF-16 text cut in the middle of a character ends before it.
std::string TextAsUtf8(const std::string& bytes);

/// True when |text| is all UTF-8: no byte outside a character, no overlong form, no surrogate.
bool IsUtf8(const std::string& text);

/// Appends character |code| to |text| in UTF-8.
void AppendUtf8(std::string& text, int32_t code);
/// The words of |line| (without its line end), split at runs of spaces and tabs.
std::vector<std::string> WordsOf(const std::string& line);

#endif  // PRACTICE_EDITED_TEXT_H_
