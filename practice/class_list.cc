#include "practice/class_list.h"

#include <cstdint>

#include "practice/edited_text.h"
#include "practice/unicode_name.h"
#include "store/state_file.h"

namespace {

constexpr char kLearnerPrefix[] = "practice-";
constexpr char kLearnerSuffix[] = ".txt";
constexpr size_t kLongestName = 100;

// The character at |at| in |text|, its UTF-8 bytes taken (|at| moved past them); -1 for a
// byte that starts no character (|at| moved past it alone).
int32_t NextCharacter(const std::string& text, size_t& at) {
  unsigned char lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80)
    return lead;
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead >= 0xF5 || at + length - 1 > text.size())
    return -1;
  int32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    unsigned char next = static_cast<unsigned char>(text[at + k - 1]);
    if ((next & 0xC0) != 0x80)
      return -1;
    code = (code << 6) | (next & 0x3F);
  }
  static const int32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return -1;
  at += length - 1;
  return code;
}

// The letter without its accent for the characters U+00C0 to U+017F, one for each.
constexpr char kPlainLatin[] =
    "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof kPlainLatin == 0x180 - 0xC0 + 1, "one letter for each character");

// Code page 852's Polish letters.
constexpr struct {
  int32_t code;
  char byte;
} kPolish[] = {{0x104, '\xA4'}, {0x105, '\xA5'}, {0x106, '\x8F'}, {0x107, '\x86'}, {0x118, '\xA8'},
               {0x119, '\xA9'}, {0x141, '\x9D'}, {0x142, '\x88'}, {0x143, '\xE3'}, {0x144, '\xE4'},
               {0xD3, '\xE0'},  {0xF3, '\xA2'},  {0x15A, '\x97'}, {0x15B, '\x98'}, {0x179, '\x8D'},
               {0x17A, '\xAB'}, {0x17B, '\xBD'}, {0x17C, '\xBE'}};

// The most of a name a line about it shows, in characters.
constexpr size_t kNameShown = 30;

// |name| in quotes, cut to kNameShown characters.
std::string Quoted(const std::string& name) {
  size_t at = 0;
  for (size_t count = 0; at < name.size() && count < kNameShown; ++count)
    NextCharacter(name, at);
  return "\"" + name.substr(0, at) + (at < name.size() ? "..." : "") + "\"";
}

std::string NoteText(const ListNote& note) {
  std::string line = " " + std::string(kClassListName) + ", wiersz " + std::to_string(note.line) +
                     ": ";
  switch (note.fault) {
    case LineFault::kNotAFileName:
      return line + Quoted(note.name) +
             (note.name.size() > kLongestName ? " to za długie imię na nazwę pliku; pominięte."
                                              : " nie może być nazwą pliku; pominięte.");
    case LineFault::kSameName:
      return line + Quoted(note.name) + " powtarza imię z wiersza " +
             std::to_string(note.first_line) + " (" + Quoted(note.first) + "); pominięte.";
    case LineFault::kTooMany:
      return line + "więcej niż " + std::to_string(kMostLearners) +
             " imion; dalsze wiersze pominięte.";
    case LineFault::kTooLarge:
      return line + "plik jest za duży; dalsze wiersze pominięte.";
  }
  return line;
}

}  // namespace

ClassList ParseClassList(const std::string& bytes, bool whole) {
  ClassList list;
  std::string text = TextAsUtf8(bytes);
  int32_t cut_line = 0;  // the first line not read whole, in a file cut short
  if (!whole) {
    size_t end = text.rfind('\n');
    text.erase(end == std::string::npos ? 0 : end + 1);
    cut_line = 1;
    for (char c : text)
      cut_line += c == '\n';
  }
  std::vector<int32_t> lines;  // of the names used
  for (const EditedLine& line : NumberedLines(text)) {
    if (list.names.size() == kMostLearners) {
      list.notes.push_back(ListNote{LineFault::kTooMany, line.number, "", 0, ""});
      cut_line = 0;
      break;
    }
    std::string name = ComposedName(line.text);
    if (!CanBeFileName(name)) {
      list.notes.push_back(ListNote{LineFault::kNotAFileName, line.number, line.text, 0, ""});
      continue;
    }
    size_t earlier = 0;
    while (earlier < list.names.size() && !SameName(list.names[earlier], name))
      ++earlier;
    if (earlier < list.names.size()) {
      list.notes.push_back(ListNote{LineFault::kSameName, line.number, line.text, lines[earlier],
                                    list.names[earlier]});
      continue;
    }
    list.names.push_back(name);
    lines.push_back(line.number);
  }
  if (cut_line > 0)
    list.notes.push_back(ListNote{LineFault::kTooLarge, cut_line, "", 0, ""});
  list.state = list.names.empty() ? ListState::kNoName : ListState::kUsed;
  return list;
}

ClassList ReadClassList(const std::string& folder) {
  ClassList list;
  std::string bytes;
  bool whole = true;
  if (folder.empty())
    return list;
  switch (ReadFileStart(FileInFolder(UserFolder{folder, folder}, kClassListName),
                        kLargestStateFile, bytes, whole)) {
    case FileRead::kMissing:
      return list;
    case FileRead::kRead:
      return ParseClassList(bytes, whole);
    case FileRead::kNotAFile:
      list.state = ListState::kNotAFile;
      return list;
    case FileRead::kUnreadable:
      list.state = ListState::kUnreadable;
      return list;
    case FileRead::kOthersLink:
      list.state = ListState::kOthersLink;
      return list;
  }
  return list;
}

std::vector<std::string> ClassListLines(const ClassList& list) {
  const std::string file = " " + std::string(kClassListName) + ": ";
  std::vector<std::string> lines;
  switch (list.state) {
    case ListState::kUnreadable:
      lines.push_back(file + "nie da się go przeczytać z tego konta.");
      lines.push_back(
          " Popraw: daj temu kontu prawo odczytu albo zamknij plik w innym programie.");
      break;
    case ListState::kOthersLink:
      lines.push_back(file + "to dowiązanie zrobione przez inne konto; program za nim nie idzie.");
      lines.push_back(" Popraw: w jego miejscu ma być plik tekstowy z imionami.");
      break;
    case ListState::kNotAFile:
      lines.push_back(file + "to nie jest zwykły plik (to folder albo potok).");
      lines.push_back(" Popraw: w jego miejscu ma być plik tekstowy z imionami.");
      break;
    case ListState::kNoName:
      for (const ListNote& note : list.notes)
        lines.push_back(NoteText(note));
      lines.push_back(file + "nie ma na liście żadnego imienia, którego można użyć.");
      lines.push_back(" Popraw: wpisz imiona uczniów, jedno w wierszu.");
      break;
    case ListState::kUsed:
      for (const ListNote& note : list.notes)
        lines.push_back(NoteText(note));
      break;
    case ListState::kNone:
      break;
  }
  return lines;
}

bool CanBeFileName(const std::string& name) {
  if (name.empty() || name.size() > kLongestName)
    return false;
  for (size_t at = 0; at < name.size();) {
    int32_t code = NextCharacter(name, at);
    if (code < 0x20 || code == 0x7F ||
        (code < 0x80 &&
         std::string("/\\:*?\"<>|").find(static_cast<char>(code)) != std::string::npos))
      return false;
  }
  return true;
}

std::string LearnerFileName(const std::string& name) {
  return kLearnerPrefix + name + kLearnerSuffix;
}

bool LearnerOfFileName(const std::string& file, std::string& name) {
  const std::string prefix = kLearnerPrefix, suffix = kLearnerSuffix;
  if (file.size() <= prefix.size() + suffix.size() || file.compare(0, prefix.size(), prefix) != 0 ||
      file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  name = file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
  return true;
}

std::string Cp852OfUtf8(const std::string& name) {
  std::string shown;
  for (size_t at = 0; at < name.size();) {
    int32_t code = NextCharacter(name, at);
    char byte = '?';
    if (code >= 0x20 && code < 0x7F)
      byte = static_cast<char>(code);
    else if (code >= 0xC0 && code < 0x180)
      byte = kPlainLatin[code - 0xC0];
    for (const auto& letter : kPolish) {
      if (letter.code == code)
        byte = letter.byte;
    }
    shown += byte;
  }
  return shown;
}

std::string StoredLearnerName(const std::vector<std::string>& files, const std::string& name) {
  std::string stored;
  for (const std::string& file : files) {
    std::string other;
    if (!LearnerOfFileName(file, other))
      continue;
    if (other == name)
      return name;
    if ((stored.empty() || other < stored) && SameName(other, name))
      stored = other;
  }
  return stored.empty() ? name : stored;
}

std::vector<size_t> NamesStartedBy(const std::vector<std::string>& names, const std::string& typed) {
  std::vector<size_t> started, spelt;
  std::string start = PlainName(typed);
  if (start.empty())
    return started;
  for (size_t i = 0; i < names.size(); ++i) {
    std::string plain = PlainName(names[i]);
    if (plain.compare(0, start.size(), start) != 0)
      continue;
    started.push_back(i);
    if (plain.size() == start.size())
      spelt.push_back(i);
  }
  return spelt.size() == 1 ? spelt : started;
}
