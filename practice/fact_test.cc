#include "practice/fact.h"

#include <gtest/gtest.h>

#include <set>

TEST(Fact, EachFactHasItsSlotLabelAndAnswer) {
  const struct {
    Fact fact;
    int32_t slot;
    const char* label;
    int32_t answer;
  } kCases[] = {
      {{FactKind::kMultiplication, 1, 1}, 0, "1 x 1", 1},
      {{FactKind::kMultiplication, 1, 10}, 9, "1 x 10", 10},
      {{FactKind::kMultiplication, 2, 1}, 10, "2 x 1", 2},
      {{FactKind::kMultiplication, 7, 8}, 67, "7 x 8", 56},
      {{FactKind::kMultiplication, 8, 7}, 76, "8 x 7", 56},
      {{FactKind::kMultiplication, 10, 10}, 99, "10 x 10", 100},
      {{FactKind::kDivision, 1, 1}, 100, "1 : 1", 1},
      {{FactKind::kDivision, 8, 7}, 176, "56 : 8", 7},
      {{FactKind::kDivision, 7, 8}, 167, "56 : 7", 8},
      {{FactKind::kDivision, 10, 10}, 199, "100 : 10", 10},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(SlotOfFact(c.fact), c.slot) << c.label;
    EXPECT_EQ(FactLabel(c.fact), c.label);
    EXPECT_EQ(AnswerOfFact(c.fact), c.answer) << c.label;
    Fact back = FactOfSlot(c.slot);
    EXPECT_TRUE(back.kind == c.fact.kind && back.a == c.fact.a && back.b == c.fact.b) << c.label;
  }
}

TEST(Fact, EverySlotHoldsOneFactAndComesBackToItself) {
  std::set<int32_t> slots;
  for (int32_t slot = 0; slot < kFactKinds * kSlotsPerKind; ++slot) {
    Fact fact = FactOfSlot(slot);
    EXPECT_GE(fact.a, 1);
    EXPECT_LE(fact.a, kFactRange);
    EXPECT_GE(fact.b, 1);
    EXPECT_LE(fact.b, kFactRange);
    EXPECT_EQ(SlotOfFact(fact), slot);
    slots.insert(SlotOfFact(fact));
  }
  EXPECT_EQ(slots.size(), static_cast<size_t>(kFactKinds * kSlotsPerKind));
}
