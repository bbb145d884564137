#include "practice/memory.h"

#include <cstdint>
#include <vector>

#include "practice/edited_text.h"
#include "quiz/answer_reader.h"

namespace {

// The first line of the file: what it is and the version of its format. Version 1 holds
// multiplications only; a file with a division fact says version 2, which earlier versions of
// the programs leave as it is, and is version 1 again when it holds multiplications only.
constexpr char kFormatLine[] = "tabliczka practice ";
constexpr int32_t kFormatVersion = 2;
// The first word of a division's line ": p a box day", for (a x b) : a.
constexpr char kDivisionMark[] = ":";

std::string LowerCase(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return word;
}

// What a format line says: this format, a later one, or that the file is no memory at all.
MemoryText ReadFormatLine(const std::vector<std::string>& words) {
  if (words.size() != 3 || LowerCase(words[0]) != "tabliczka" ||
      LowerCase(words[1]) != "practice" || NumberOfWord(words[2]) < 1)
    return MemoryText::kNotThisFormat;
  return NumberOfWord(words[2]) <= kFormatVersion ? MemoryText::kRead : MemoryText::kNewerFormat;
}

// Reads one fact line "a b box day", or ": p a box day" for the division p : a, into |memory|;
// false when it is not one. A fact given twice keeps the later day (the later line where the
// days are the same). Each number is read as an answer is: 1 to 9 digits, else -1 (the words
// here are never empty).
bool ReadFactLine(std::vector<std::string> words, Memory& memory) {
  FactKind kind = FactKind::kMultiplication;
  if (!words.empty() && words[0] == kDivisionMark) {
    kind = FactKind::kDivision;
    words.erase(words.begin());
  }
  if (words.size() != 4)
    return false;
  int32_t a = NumberOfWord(words[0]), b = NumberOfWord(words[1]), box = NumberOfWord(words[2]),
          day = NumberOfWord(words[3]);
  if (kind == FactKind::kDivision) {  // p : a, its quotient b = p / a
    int32_t dividend = a;
    a = b;
    b = a >= 1 && dividend % a == 0 ? dividend / a : 0;
  }
  if (a < 1 || a > kMemoryRange || b < 1 || b > kMemoryRange || box < 1 || box > kTopBox || day < 0)
    return false;
  FactMemory& fact = memory.facts[SlotOfFact(Fact{kind, a, b})];
  if (fact.box == 0 || day >= fact.day)
    fact = FactMemory{box, day};
  return true;
}

}  // namespace

int32_t MemoryIndex(Question question) {
  return SlotOfFact(MultiplicationOf(question));
}

int32_t DayOfClock(int64_t seconds) {
  return seconds < 0 ? 0 : static_cast<int32_t>(seconds / 86400);
}

int32_t BoxAfter(int32_t box, Outcome outcome) {
  switch (outcome) {
    case Outcome::kNotAsked:
      return box;
    case Outcome::kMissed:
      return 1;
    case Outcome::kRight:
      return box == 0 ? 2 : (box < kTopBox ? box + 1 : kTopBox);
    case Outcome::kSlow:
      return box == 0 ? 1 : box;
  }
  return box;
}

Outcome OutcomeAfterAnswer(Outcome outcome, bool right, int64_t milliseconds) {
  if (!right)
    return Outcome::kMissed;
  if (outcome != Outcome::kNotAsked)
    return outcome;
  return milliseconds <= kQuickMilliseconds ? Outcome::kRight : Outcome::kSlow;
}

bool IsDue(FactMemory fact, int32_t today) {
  return fact.box >= 1 &&
         (fact.day > today || int64_t{today} - fact.day >= (int64_t{1} << (fact.box - 1)));
}

void ApplyOutcome(Memory& memory, int32_t index, Outcome outcome, int32_t today) {
  if (outcome == Outcome::kNotAsked)
    return;
  FactMemory& fact = memory.facts[index];
  fact = FactMemory{BoxAfter(fact.box, outcome), today};
}

std::string FormatMemory(const Memory& memory) {
  std::string lines;
  int32_t version = 1;
  for (int32_t i = 0; i < kMemoryFacts; ++i) {
    const FactMemory& fact = memory.facts[i];
    if (fact.box == 0)
      continue;
    Fact of = FactOfSlot(i);
    if (of.kind == FactKind::kDivision) {
      version = kFormatVersion;
      lines += std::string(kDivisionMark) + " " + std::to_string(of.a * of.b) + " " +
               std::to_string(of.a);
    } else {
      lines += std::to_string(of.a) + " " + std::to_string(of.b);
    }
    lines += " " + std::to_string(fact.box) + " " + std::to_string(fact.day) + "\n";
  }
  return kFormatLine + std::to_string(version) + "\n" + lines;
}

MemoryText ParseMemory(const std::string& text, Memory& memory) {
  Memory read;
  bool skipped = false;
  bool format_seen = false;
  for (const std::string& line : MeaningfulLines(text)) {
    std::vector<std::string> words = WordsOf(line);
    if (!format_seen) {
      MemoryText format = ReadFormatLine(words);
      if (format != MemoryText::kRead)
        return format;
      format_seen = true;
    } else if (!ReadFactLine(words, read)) {
      skipped = true;
    }
  }
  memory = read;
  return skipped ? MemoryText::kReadSkippingLines : MemoryText::kRead;
}
