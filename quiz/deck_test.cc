#include "quiz/deck.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "quiz/generator.h"

namespace {

std::vector<int32_t> DealIndices(Deck& deck, int count) {
  std::vector<int32_t> indices;
  for (int i = 0; i < count; ++i) {
    Question q = DealQuestion(deck);
    indices.push_back((q.a - 1) * deck.range + (q.b - 1));
  }
  return indices;
}

}  // namespace

TEST(Deck, ShufflesAndReshufflesInTheOrderTheStepsGive) {
  // Worked out by hand from the shuffle's steps for seed 0: the first deal, then the second
  // deal after shuffling the deck again as it stood.
  SeedGenerator(0);
  Deck deck = NewDeck(5);
  ShuffleDeck(deck);
  EXPECT_EQ(DealIndices(deck, 25),
            (std::vector<int32_t>{24, 10, 7, 20, 6,  23, 22, 16, 8,  1, 0,  18, 19,
                                  2,  3,  4, 12, 11, 5,  21, 14, 17, 9, 15, 13}));
  EXPECT_EQ(DealIndices(deck, 25),
            (std::vector<int32_t>{19, 4,  8,  24, 11, 10, 1,  22, 0, 9,  6,  23, 15,
                                  2,  14, 18, 13, 21, 3,  17, 7,  5, 12, 20, 16}));

  SeedGenerator(7);
  Deck big = NewDeck(10);
  ShuffleDeck(big);
  EXPECT_EQ(DealIndices(big, 12),
            (std::vector<int32_t>{66, 70, 37, 82, 95, 62, 31, 92, 29, 52, 71, 16}));
}

TEST(Deck, EveryDealHoldsEveryFactOnce) {
  for (int32_t range : {5, 10}) {
    SeedGenerator(123456789);
    Deck deck = NewDeck(range);
    ShuffleDeck(deck);
    for (int round = 0; round < 3; ++round) {
      std::set<std::pair<int32_t, int32_t>> facts;
      for (int32_t i = 0; i < range * range; ++i) {
        Question q = DealQuestion(deck);
        ASSERT_TRUE(q.a >= 1 && q.a <= range && q.b >= 1 && q.b <= range);
        facts.insert({q.a, q.b});
      }
      EXPECT_EQ(facts.size(), static_cast<size_t>(range * range))
          << "range " << range << ", deal " << round;
    }
  }
}

TEST(Deck, IndexOrderBeforeShuffling) {
  Deck deck = NewDeck(10);
  Question first = DealQuestion(deck);
  Question second = DealQuestion(deck);
  EXPECT_EQ(std::make_pair(first.a, first.b), std::make_pair(1, 1));
  EXPECT_EQ(std::make_pair(second.a, second.b), std::make_pair(1, 2));
  Question fact = FactOfIndex(37, 10);
  EXPECT_EQ(std::make_pair(fact.a, fact.b), std::make_pair(4, 8));
}
