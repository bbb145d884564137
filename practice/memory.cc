#include "practice/memory.h"

#include <cstdint>
#include <vector>

#include "practice/edited_text.h"
#include "quiz/answer_reader.h"

namespace {

// The first line of the file: what it is and the version of its format.
constexpr char kFormatLine[] = "tabliczka practice 1";
constexpr int32_t kFormatVersion = 1;

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
  return NumberOfWord(words[2]) == kFormatVersion ? MemoryText::kRead : MemoryText::kNewerFormat;
}

// Reads one fact line "a b box day" into |memory|; false when it is not one. A fact given
// twice keeps the later day (the later line where the days are the same). Each number is
// read as an answer is: 1 to 9 digits, else -1 (the words here are never empty).
bool ReadFactLine(const std::vector<std::string>& words, Memory& memory) {
  if (words.size() != 4)
    return false;
  int32_t a = NumberOfWord(words[0]), b = NumberOfWord(words[1]), box = NumberOfWord(words[2]),
          day = NumberOfWord(words[3]);
  if (a < 1 || a > kMemoryRange || b < 1 || b > kMemoryRange || box < 1 || box > kTopBox || day < 0)
    return false;
  FactMemory& fact = memory.facts[MemoryIndex(Question{a, b})];
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
  std::string text = std::string(kFormatLine) + "\n";
  for (int32_t i = 0; i < kMemoryFacts; ++i) {
    const FactMemory& fact = memory.facts[i];
    if (fact.box == 0)
      continue;
    Fact of = FactOfSlot(i);
    text += std::to_string(of.a) + " " + std::to_string(of.b) + " " + std::to_string(fact.box) +
            " " + std::to_string(fact.day) + "\n";
  }
  return text;
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
