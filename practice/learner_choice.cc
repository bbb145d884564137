#include "practice/learner_choice.h"

#include <algorithm>

#include "console/input_stream.h"
#include "console/output.h"
#include "console/output_stream.h"
#include "quiz/answer_reader.h"

namespace {

// The texts, as code page 852 bytes.
constexpr char kWhoPractises[] = "Kto \x86wiczy?";     // "Kto ćwiczy?"
constexpr char kNumberPrompt[] = " Tw\xA2j numer ? ";  // "Twój numer ?"
constexpr char kNoSuchNumber[] = " Nie ma takiego numeru !";
constexpr char kHello[] = " Cze\x98\x86, ";  // "Cześć, "
constexpr char kHelloEnd[] = " !";
constexpr char kListStart[] = " uczniowie.txt: \"";
// "nie może być nazwą pliku; lista pominięta."
constexpr char kNotAFileName[] =
    "\" nie mo\xBE"
    "e by\x86 nazw\xA5 pliku; lista pomini\xA9ta.";
constexpr char kAnd[] = "\" i \"";
// "różnią się tylko wielkością liter; lista pominięta."
constexpr char kSameButCase[] =
    "\" r\xA2\xBEni\xA5 si\xA9 tylko wielko\x98"
    "ci\xA5 liter; lista pomini\xA9ta.";

// More than any number on a list holds: a longer row is no number on it.
constexpr size_t kKeptRow = 16;

// The next row of input without its line end, at most its first kKeptRow bytes (|whole| false
// where it was longer); nothing when input ends before the row's first byte.
std::optional<std::string> ReadRow(bool& whole) {
  if (!InputEnded())
    FlushOutput();  // the prompt is on screen before the wait
  int byte = ReadInputByte();
  if (byte < 0)
    return std::nullopt;
  std::string row;
  whole = true;
  for (; byte >= 0 && byte != '\n'; byte = ReadInputByte()) {
    if (row.size() < kKeptRow)
      row += static_cast<char>(byte);
    else
      whole = false;
  }
  return row;
}

// The place in a list of |count| names that |row| picks: a number from 1 to |count| with
// nothing but spaces around it; -1 for any other row.
int32_t PlaceOfRow(std::string row, size_t count) {
  size_t start = 0;
  while (start < row.size() && IsSpaceByte(static_cast<unsigned char>(row[start])))
    ++start;
  size_t end = row.size();
  while (end > start && IsSpaceByte(static_cast<unsigned char>(row[end - 1])))
    --end;
  int32_t number =
      end > start ? NumberOfWord(std::string_view(row).substr(start, end - start)) : -1;
  return number >= 1 && static_cast<size_t>(number) <= count ? number - 1 : -1;
}

// At most this many rows of names, so that the heading, the names, an empty row and the prompt
// stay on a screen of 24 rows under the title screen's last rows: 40 names in two columns.
constexpr size_t kNameRows = 20;

// |names| numbered from 1, down the first column, then the next, as many columns as it takes
// to keep within kNameRows rows (at most four, 80 columns shared between them); a name longer
// than its column is cut, a "~" at its end.
void PutNamesInColumns(const std::vector<std::string>& names) {
  size_t columns = std::min<size_t>((names.size() + kNameRows - 1) / kNameRows, 4);
  if (columns == 0)
    return;
  size_t rows = (names.size() + columns - 1) / columns;
  size_t column_width = static_cast<size_t>(kConsoleWidth) / columns;
  size_t width = std::to_string(names.size()).size();
  for (size_t row = 0; row < rows; ++row) {
    std::string line;
    for (size_t i = row; i < names.size(); i += rows) {
      std::string number = std::to_string(i + 1);
      std::string cell =
          std::string(width - number.size(), ' ') + number + ". " + Cp852OfUtf8(names[i]);
      if (columns > 1 && cell.size() > column_width - 1)
        cell = cell.substr(0, column_width - 2) + "~";
      if (i + rows < names.size())
        cell.resize(column_width, ' ');
      line += cell;
    }
    PutLine(line);
  }
}

}  // namespace

MemoryFile LearnerMemoryFile(const UserFolder& folder, const std::string& name) {
  return MemoryFile{folder, FileInFolder(folder, LearnerFileName(name))};
}

std::optional<MemoryFile> ChooseMemoryFile() {
  // The account's own memory first: one in the old place is carried over, class list or not.
  MemoryFile own = PracticeMemoryFile();
  const UserFolder& folder = own.folder;
  std::string text;
  std::vector<std::string> names;
  std::string list = FileInFolder(folder, kClassListName);
  FileRead read = list.empty() ? FileRead::kMissing : ReadStateFile(list, text);
  if (read == FileRead::kRead)
    names = ParseClassList(text);
  if (read == FileRead::kOthersLink) {
    PutLine(RefusedLinkLine(list));
    PutBlankLines(1);
  }
  if (names.empty())
    return own;
  ListCheck check = CheckClassList(names);
  if (check.fault != ListFault::kNone) {
    PutListFault(check);
    PutBlankLines(1);
    return own;
  }
  std::optional<size_t> learner = AskLearner(names);
  if (!learner)
    return std::nullopt;
  return LearnerMemoryFile(folder, names[*learner]);
}

std::optional<size_t> AskLearner(const std::vector<std::string>& names) {
  PutLine(kWhoPractises);
  PutNamesInColumns(names);
  PutBlankLines(1);
  PutText(kNumberPrompt);
  for (;;) {
    bool whole = true;
    std::optional<std::string> row = ReadRow(whole);
    if (!row) {
      PutBlankLines(1);
      return std::nullopt;
    }
    int32_t place = whole ? PlaceOfRow(*row, names.size()) : -1;
    if (place >= 0) {
      PutBlankLines(1);
      PutText(kHello);
      PutText(Cp852OfUtf8(names[static_cast<size_t>(place)]));
      PutLine(kHelloEnd);
      PutBlankLines(1);
      return static_cast<size_t>(place);
    }
    PutBlankLines(1);
    PutText(kNoSuchNumber);
    PutBlankLines(2);
    PutText(kNumberPrompt);
  }
}

void PutListFault(const ListCheck& check) {
  PutText(kListStart);
  PutText(Cp852OfUtf8(check.first));
  if (check.fault == ListFault::kSameButCase) {
    PutText(kAnd);
    PutText(Cp852OfUtf8(check.second));
    PutLine(kSameButCase);
  } else {
    PutLine(kNotAFileName);
  }
}
