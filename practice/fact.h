// What a fact is, in one place: its kind, its numbers, where the memory keeps it, how it is
// written and what answers it. Multiplication a x b and division (a x b) : a = b are the kinds;
// each kind has a block of kSlotsPerKind slots of its own in the memory, one after the other,
// so that a later kind adds a block after the others without moving them.
#ifndef PRACTICE_FACT_H_
#define PRACTICE_FACT_H_

#include <cstdint>
#include <string>

#include "quiz/question.h"

/// The kinds of fact, in the order of their blocks of slots.
enum class FactKind : uint8_t {
  kMultiplication,  // a x b
  kDivision,        // (a x b) : a, the divisor a and the quotient b
};
constexpr int32_t kFactKinds = 2;

/// The kinds a round asks, one bit each.
using Kinds = uint32_t;
constexpr Kinds KindBit(FactKind kind) {
  return Kinds{1} << static_cast<int32_t>(kind);
}

/// The largest factor a fact has, and the slots one kind takes: every pair of factors.
constexpr int32_t kFactRange = 10;
constexpr int32_t kSlotsPerKind = kFactRange * kFactRange;

/// One fact of |kind| on the numbers |a| and |b| (each 1 to kFactRange): a x b, or for a
/// division the divisor |a| and the quotient |b| of (a x b) : a.
struct Fact {
  FactKind kind;
  int32_t a;
  int32_t b;
};

/// The multiplication fact a question asks.
constexpr Fact MultiplicationOf(Question question) {
  return Fact{FactKind::kMultiplication, question.a, question.b};
}

/// Where |fact| is kept: its kind's block (kind * kSlotsPerKind), then (a - 1) * kFactRange +
/// (b - 1) within it.
constexpr int32_t SlotOfFact(Fact fact) {
  return static_cast<int32_t>(fact.kind) * kSlotsPerKind + (fact.a - 1) * kFactRange + (fact.b - 1);
}

/// The fact kept at |slot| (0 to kFactKinds * kSlotsPerKind - 1): the inverse of SlotOfFact.
constexpr Fact FactOfSlot(int32_t slot) {
  int32_t within = slot % kSlotsPerKind;
  return Fact{static_cast<FactKind>(slot / kSlotsPerKind), within / kFactRange + 1,
              within % kFactRange + 1};
}

/// The answer to |fact|: a * b for a multiplication, the quotient b for a division.
constexpr int32_t AnswerOfFact(Fact fact) {
  return fact.kind == FactKind::kDivision ? fact.b : fact.a * fact.b;
}

/// |fact| as the programs write it, without its answer: "a x b", or "p : a" for a division
/// (p = a * b).
std::string FactLabel(Fact fact);

#endif  // PRACTICE_FACT_H_
