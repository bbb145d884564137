#include "practice/class_list.h"

#include <cstdint>

#include "practice/edited_text.h"

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

void AppendUtf8(std::string& text, int32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The lower-case letter of |code|, in Latin-1 and Latin Extended-A; |code| itself otherwise.
int32_t LowerOf(int32_t code) {
  if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
    return code + 0x20;
  // Extended-A pairs each capital with the small letter after it, at even places up to ķ and
  // from Ŋ to ŷ, at odd places from Ĺ to ň and from Ź to ž.
  bool even_capital = (code >= 0x100 && code <= 0x137) || (code >= 0x14A && code <= 0x177);
  bool odd_capital = (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E);
  if ((even_capital && code % 2 == 0) || (odd_capital && code % 2 == 1))
    return code + 1;
  return code == 0x178 ? 0xFF : code;  // Ÿ
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

}  // namespace

std::vector<std::string> ParseClassList(const std::string& text) {
  return MeaningfulLines(text);
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

std::string FoldCase(const std::string& name) {
  std::string folded;
  for (size_t at = 0; at < name.size();) {
    size_t start = at;
    int32_t code = NextCharacter(name, at);
    if (code < 0)
      folded += name[start];
    else
      AppendUtf8(folded, LowerOf(code));
  }
  return folded;
}

ListCheck CheckClassList(const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (!CanBeFileName(names[i]))
      return ListCheck{ListFault::kNotAFileName, names[i], ""};
    for (size_t j = 0; j < i; ++j) {
      if (FoldCase(names[j]) == FoldCase(names[i]))
        return ListCheck{ListFault::kSameButCase, names[j], names[i]};
    }
  }
  return ListCheck{};
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
