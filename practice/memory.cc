#include "practice/memory.h"

#include <cstdint>

namespace {

// The first line of the file: what it is and the version of its format.
constexpr char kFormatLine[] = "tabliczka practice 1";

// Reads a decimal number of 1 to 9 digits from |text| at |at|, moving past it.
bool ReadNumber(const std::string& text, size_t& at, int32_t& value) {
  size_t start = at;
  value = 0;
  while (at < text.size() && at - start < 9 && text[at] >= '0' && text[at] <= '9')
    value = value * 10 + (text[at++] - '0');
  return at > start && !(at < text.size() && text[at] >= '0' && text[at] <= '9');
}

// Reads one line "a b box day" (without its line end) into |memory|.
bool ParseFactLine(const std::string& line, Memory& memory) {
  int32_t numbers[4];
  size_t at = 0;
  for (int i = 0; i < 4; ++i) {
    if (i > 0 && (at >= line.size() || line[at++] != ' '))
      return false;
    if (!ReadNumber(line, at, numbers[i]))
      return false;
  }
  int32_t a = numbers[0], b = numbers[1], box = numbers[2];
  if (at != line.size() || a < 1 || a > kMemoryRange || b < 1 || b > kMemoryRange || box < 1 ||
      box > kTopBox)
    return false;
  FactMemory& fact = memory.facts[MemoryIndex(Question{a, b})];
  if (fact.box != 0)  // the same fact twice: which one is right cannot be told
    return false;
  fact = FactMemory{box, numbers[3]};
  return true;
}

}  // namespace

int32_t MemoryIndex(Question question) {
  return (question.a - 1) * kMemoryRange + (question.b - 1);
}

int32_t DayOfClock(uint32_t seconds) {
  return static_cast<int32_t>(seconds / 86400);
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
  return fact.box >= 1 && int64_t{today} - fact.day >= (int64_t{1} << (fact.box - 1));
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
    text += std::to_string(i / kMemoryRange + 1) + " " + std::to_string(i % kMemoryRange + 1) +
            " " + std::to_string(fact.box) + " " + std::to_string(fact.day) + "\n";
  }
  return text;
}

bool ParseMemory(const std::string& text, Memory& memory) {
  Memory read;
  bool first = true;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      return false;  // a last line without its end: the file was cut short
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (first ? line != kFormatLine : !ParseFactLine(line, read))
      return false;
    first = false;
    start = end + 1;
  }
  if (first)
    return false;
  memory = read;
  return true;
}
