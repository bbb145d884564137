#include "practice/learner_choice.h"

#include <algorithm>

#include "console/input_stream.h"
#include "console/key_wait.h"
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
constexpr char kNoSuchName[] = " Nie ma takiego imienia !";
// "Pasuje więcej imion:"
constexpr char kSeveralNames[] = " Pasuje wi\xA9"
                                 "cej imion:";
// "Lista uczniów nie jest używana: wszyscy ćwiczą we wspólnym practice.txt."
constexpr char kListNotUsed[] =
    " Lista uczni\xA2w nie jest u\xBEywana: wszyscy \x86wicz\xA5 we wsp\xA2lnym practice.txt.";
constexpr char kFolder[] = " Folder: ";
// "Naciśnij dowolny klawisz."
constexpr char kPressAKey[] = " Naci\x98nij dowolny klawisz.";

// More than any number or name on a list holds: a longer row is neither.
constexpr size_t kKeptRow = 400;

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
    for (size_t i = row; i < names.size(); i += rows) {
      std::string number = std::to_string(i + 1);
      std::string prefix = std::string(width - number.size(), ' ') + number + ". ";
      size_t length = Cp852OfUtf8(names[i]).size();  // in characters, one column each
      bool cut = columns > 1 && prefix.size() + length > column_width - 1;
      PutText(prefix);
      size_t used = prefix.size() + PutNameCut(names[i], cut ? column_width - 2 - prefix.size()
                                                             : length);
      if (cut) {
        PutText("~");
        ++used;
      }
      if (i + rows < names.size())
        PutText(std::string(column_width - used, ' '));
    }
    EndLine();
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
  ClassList list = ReadClassList(folder.path);
  if (list.state == ListState::kOthersLink) {
    PutLine(RefusedLinkLine(FileInFolder(folder, kClassListName)));
    PutBlankLines(1);
    return own;
  }
  PutClassListLines(list);
  if (list.state == ListState::kNone)
    return own;
  if (list.state != ListState::kUsed) {
    PutLine(kListNotUsed);
    PutText(kFolder);
    PutName(folder.path);
    EndLine();
    PutBlankLines(1);
    PutLine(kPressAKey);
    WaitForKey();
    PutBlankLines(1);
    return own;
  }
  if (!list.notes.empty())
    PutBlankLines(1);
  std::optional<size_t> learner = AskLearner(list.names);
  if (!learner)
    return std::nullopt;
  // The memory files there, each once, also those that are only logs and snapshots.
  std::vector<std::string> files;
  FileNamesInFolder(folder.path, files);
  for (std::string& file : files)
    MemoryOfFileName(file, file);
  return LearnerMemoryFile(folder, StoredLearnerName(files, list.names[*learner]));
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
    size_t first = row->find_first_not_of(" \t\r");
    bool number = first == std::string::npos || ((*row)[first] >= '0' && (*row)[first] <= '9') ||
                  (*row)[first] == '+' || (*row)[first] == '-';
    std::vector<size_t> started;
    if (place < 0 && !number && whole) {
      std::string typed = row->substr(first);
      typed.erase(typed.find_last_not_of(" \t\r") + 1);
      started = NamesStartedBy(names, typed);
      if (started.size() == 1)
        place = static_cast<int32_t>(started[0]);
    }
    if (place >= 0) {
      PutBlankLines(1);
      PutText(kHello);
      PutName(names[static_cast<size_t>(place)]);
      PutLine(kHelloEnd);
      PutBlankLines(1);
      return static_cast<size_t>(place);
    }
    PutBlankLines(1);
    if (started.size() > 1) {
      PutLine(kSeveralNames);
      for (size_t i : started) {
        PutText(std::to_string(i + 1) + ". ");
        PutName(names[i]);
        EndLine();
      }
      EndLine();
    } else {
      PutLine(number ? kNoSuchNumber : kNoSuchName);
      EndLine();
    }
    PutText(kNumberPrompt);
  }
}

void PutName(const std::string& name) {
  PutUtf8Text(name, Cp852OfUtf8(name));
}

size_t PutNameCut(const std::string& name, size_t count) {
  std::string shown = Cp852OfUtf8(name);
  size_t end = 0;  // of the first |count| characters of |name|
  for (size_t written = 0; end < name.size() && written < count; ++written) {
    ++end;
    while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
      ++end;
  }
  shown.resize(std::min(shown.size(), count));
  PutUtf8Text(std::string_view(name).substr(0, end), shown);
  return shown.size();
}

void PutClassListLines(const ClassList& list) {
  for (const std::string& line : ClassListLines(list)) {
    PutName(line);
    EndLine();
  }
}
