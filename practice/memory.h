// What practice remembers of each fact from one round to the next: a Leitner box from 1 to 5
// and the day it was last asked. A fact answered right at the first try and quickly in a round
// moves up a box, one right but slow keeps its box, one answered wrong goes back to box 1, and
// the higher its box the longer until it is due again.
// Every program shares one memory: the facts up to 5 are the same facts in both ranges.
#ifndef PRACTICE_MEMORY_H_
#define PRACTICE_MEMORY_H_

#include <array>
#include <cstdint>
#include <string>

#include "practice/fact.h"
#include "quiz/question.h"

/// The largest factor the memory holds facts for.
constexpr int32_t kMemoryRange = kFactRange;
/// Every slot of every kind of fact.
constexpr int32_t kMemoryFacts = kFactKinds * kSlotsPerKind;
constexpr int32_t kTopBox = 5;

/// What is remembered of one fact. Box 0 is a fact never asked (new); its day means nothing.
struct FactMemory {
  int32_t box = 0;
  int32_t day = 0;  // days since 1970-01-01 UTC
};

/// Every fact, each at its slot (SlotOfFact).
struct Memory {
  std::array<FactMemory, kMemoryFacts> facts{};
};

/// An answer is quick when it is complete at most this long after its question was shown:
/// recalled, not worked out.
constexpr int64_t kQuickMilliseconds = 5000;

/// How a fact has gone in one round so far. The first time it comes decides between quick and
/// slow: that answer shows what was kept since the last round, a later one in the same round
/// only what was just seen. A wrong answer at any time makes it missed.
enum class Outcome : uint8_t {
  kNotAsked,
  kRight,   // right at the first try, quickly, the first time it came; never answered wrong
  kMissed,  // answered wrong at least once
  kSlow,    // right at the first try, but slowly, the first time it came; never answered wrong
};

/// Where the multiplication fact |question| asks is kept: its SlotOfFact.
int32_t MemoryIndex(Question question);

/// The day that clock reading |seconds| (since 1970-01-01 UTC, negative before) falls on: whole
/// days since 1970-01-01, 0 for any time before it.
int32_t DayOfClock(int64_t seconds);

/// The box a fact in |box| goes to after a round with |outcome|: box 1 when missed; one box up
/// when right (a new fact to box 2, box 5 stays 5); unchanged when slow, but a new fact to
/// box 1, so that it comes back the next day; unchanged when not asked.
int32_t BoxAfter(int32_t box, Outcome outcome);

/// The outcome of a fact that stood at |outcome| after one more answer, |right| or not, that
/// took |milliseconds| from its question on screen to its end. Only the answer to a fact not
/// asked yet is timed; wrong is missed whenever it comes.
Outcome OutcomeAfterAnswer(Outcome outcome, bool right, int64_t milliseconds);

/// True when |fact| is due on day |today|: it is in box k and was last asked 2^(k-1) days or
/// more before (box 1 the next day, box 5 after 16 days), or on a day after today (a clock
/// that was wrong). A new fact is not due, it is new.
bool IsDue(FactMemory fact, int32_t today);

/// Moves the fact at |index| to its box after |outcome|, asked on day |today|; a fact not
/// asked stays as it was.
void ApplyOutcome(Memory& memory, int32_t index, Outcome outcome, int32_t today);

/// The memory as text: the format line, then one line per fact asked at least once, in the
/// order of the slots: "a b box day" for a x b, ": p a box day" for the division p : a. The
/// format line says version 1 where there is no division, else version 2.
std::string FormatMemory(const Memory& memory);

/// What the text of a memory file turned out to be.
enum class MemoryText {
  kRead,               // every line was understood
  kReadSkippingLines,  // read, but lines that hold no fact were left out
  kNewerFormat,        // the file of a later version of the programs
  kNotThisFormat,      // no memory file at all
};

/// Reads text written by FormatMemory, or by a person editing it, into |memory|. Forgives what
/// people and editors do: a byte order mark, CR LF or no end on the last line, spaces and tabs
/// around and between the fields, blank lines, lines starting with '#', upper case in the
/// format line, an empty file (an empty memory). A line that holds no fact (a factor outside 1
/// to 10, a box outside 1 to 5, anything but four numbers) is left out and the rest kept; a
/// fact given twice keeps its later day. Where the first line that counts is not this format's
/// line, or is a later version's, |memory| is left as it was.
MemoryText ParseMemory(const std::string& text, Memory& memory);

#endif  // PRACTICE_MEMORY_H_
