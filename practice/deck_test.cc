#include "practice/deck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "practice/testing/memory_with.h"
#include "quiz/generator.h"

namespace {

std::vector<int32_t> DealIndices(Deck& deck, int count) {
  std::vector<int32_t> indices;
  for (int i = 0; i < count; ++i) {
    Fact q = DealFact(deck);
    indices.push_back((q.a - 1) * deck.range + (q.b - 1));
  }
  return indices;
}

std::vector<int32_t> Cards(const Deck& deck) {
  return std::vector<int32_t>(deck.cards.begin(), deck.cards.begin() + deck.size);
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
        Fact q = DealFact(deck);
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
  Fact first = DealFact(deck);
  Fact second = DealFact(deck);
  EXPECT_EQ(std::make_pair(first.a, first.b), std::make_pair(1, 1));
  EXPECT_EQ(std::make_pair(second.a, second.b), std::make_pair(1, 2));
  Fact fact = FactOfIndex(37, 10);
  EXPECT_EQ(std::make_pair(fact.a, fact.b), std::make_pair(4, 8));
}

TEST(DeckWithMemory, DueFactsFirstByBoxThenLongestWaitingThenDeckOrder) {
  // Seed 0 shuffles a deck of 5 to 24 10 7 20 6 23 22 16 8 1 0 18 19 2 3 4 12 11 5 21 14 17 9
  // 15 13 (card k is fact (k div 5 + 1) x (k mod 5 + 1)). On day 10: 4x2 (card 16) and 2x4
  // (card 8) are in box 1 since day 5, 4x2 first in the deck; 5x1 (card 20) in box 1 since day
  // 9; 1x2 (card 1) in box 2 since day 8; 2x2 (card 6) in box 3 since day 0. Not due: 5x5
  // (card 24) in box 2 since day 9, 3x3 (card 12) in box 5 since day 0. 7x8 is due but not in
  // a deck of 5.
  Memory memory = MemoryWith({{{4, 2}, {1, 5}},
                              {{2, 4}, {1, 5}},
                              {{5, 1}, {1, 9}},
                              {{1, 2}, {2, 8}},
                              {{2, 2}, {3, 0}},
                              {{5, 5}, {2, 9}},
                              {{3, 3}, {5, 0}},
                              {{7, 8}, {1, 0}}});
  SeedGenerator(0);
  Deck deck = NewDeck(5);
  ShuffleDeck(deck);
  DealFact(deck);
  // A round longer than the deck: every due fact first, then the new ones, then the rest.
  PutDueFactsFirst(deck, memory, 10, 100);
  EXPECT_EQ(Cards(deck), (std::vector<int32_t>{16, 8, 20, 1, 6,  10, 7,  23, 22, 0,  18, 19, 2,
                                               3,  4, 11, 5, 21, 14, 17, 9,  15, 13, 24, 12}));
  // A round of 5: two due facts make room for the two new facts a round keeps at least.
  PutDueFactsFirst(deck, memory, 10, 5);
  EXPECT_EQ(Cards(deck), (std::vector<int32_t>{16, 8, 20, 10, 7,  1,  6,  23, 22, 0,  18, 19, 2,
                                               3,  4, 11, 5,  21, 14, 17, 9,  15, 13, 24, 12}));
  Fact first = DealFact(deck);
  EXPECT_EQ(std::make_pair(first.a, first.b), std::make_pair(4, 2)) << "dealt from the front";

  // A deck of 10 indexes the same memory. Seed 7 shuffles it to 66 70 37 82 95 62 31 92 29 ...;
  // due on day 10 are 7x8 (card 67) and 4x2 (card 31) in box 1, 10x10 (card 99) in box 2.
  SeedGenerator(7);
  Deck big = NewDeck(10);
  ShuffleDeck(big);
  PutDueFactsFirst(big, MemoryWith({{{7, 8}, {1, 0}}, {{4, 2}, {1, 5}}, {{10, 10}, {2, 3}}}), 10,
                   20);
  EXPECT_EQ(std::vector<int32_t>(big.cards.begin(), big.cards.begin() + 11),
            (std::vector<int32_t>{67, 31, 99, 66, 70, 37, 82, 95, 62, 92, 29}));
}

TEST(DeckWithMemory, NothingDueNewFactsBeforeTheOthersInTheShuffledOrder) {
  SeedGenerator(0);
  Deck deck = NewDeck(5);
  ShuffleDeck(deck);
  std::vector<int32_t> shuffled = Cards(deck);
  PutDueFactsFirst(deck, Memory{}, 10, 20);
  EXPECT_EQ(Cards(deck), shuffled) << "nothing asked yet";
  // 5 x 5 (card 24), 1 x 1 (card 0) and 3 x 3 (card 12) were asked and are not due.
  PutDueFactsFirst(deck, MemoryWith({{{5, 5}, {2, 9}}, {{1, 1}, {1, 10}}, {{3, 3}, {5, 0}}}), 10,
                   5);
  std::vector<int32_t> fresh_first;
  for (int32_t card : shuffled)
    if (card != 24 && card != 0 && card != 12)
      fresh_first.push_back(card);
  fresh_first.insert(fresh_first.end(), {24, 0, 12});
  EXPECT_EQ(Cards(deck), fresh_first);
}

TEST(DeckWithMemory, ARoundKeepsRoomForNewFactsHoweverManyAreDue) {
  // 60 facts due (box 1 since day 0), 40 new, on day 10.
  Memory memory;
  for (int32_t i = 0; i < 60; ++i)
    memory.facts[static_cast<size_t>(i)] = FactMemory{1, 0};
  const struct {
    int32_t questions, due_first, new_after;
  } kCases[] = {{20, 15, 5}, {5, 3, 2}, {8, 6, 2}, {100, 60, 40}};
  for (const auto& c : kCases) {
    SeedGenerator(3);
    Deck deck = NewDeck(10);
    ShuffleDeck(deck);
    PutDueFactsFirst(deck, memory, 10, c.questions);
    std::string kinds;  // 'd' due, 'n' new, card by card
    for (int32_t card : Cards(deck))
      kinds += card < 60 ? 'd' : 'n';
    EXPECT_EQ(kinds, std::string(static_cast<size_t>(c.due_first), 'd') +
                         std::string(static_cast<size_t>(c.new_after), 'n') +
                         std::string(static_cast<size_t>(60 - c.due_first), 'd') +
                         std::string(static_cast<size_t>(40 - c.new_after), 'n'))
        << c.questions << " questions";
  }
}

TEST(DeckWithMemory, EveryFactComesWithinABoundOfDailyRounds) {
  // A child who misses one answer in |miss_every| plays a round of |questions| every day. With
  // RoomForNewFacts(questions) new facts a round at least, every fact of the table (or of the
  // tables asked) has come by round ceil(facts / room); the due facts still open every round.
  const struct {
    int32_t questions, miss_every;
    Tables tables;
    int32_t facts;
  } kCases[] = {{20, 5, kEveryTable, 100}, {20, 3, kEveryTable, 100}, {20, 2, kEveryTable, 100},
                {10, 4, kEveryTable, 100}, {40, 5, kEveryTable, 100}, {10, 3, TableBit(7), 19}};
  for (const auto& c : kCases) {
    for (uint32_t seed : {1u, 2u, 3u}) {
      SeedGenerator(seed);
      int32_t room = RoomForNewFacts(c.questions);
      int32_t bound = (c.facts + room - 1) / room;
      Memory memory;
      std::set<int32_t> asked;
      int32_t answers = 0, round = 0;
      for (; round < bound && static_cast<int32_t>(asked.size()) < c.facts; ++round) {
        int32_t today = 100 + round;
        int32_t due = 0;
        for (const FactMemory& fact : memory.facts)
          due += IsDue(fact, today);
        Deck deck = NewDeck(10);
        KeepTables(deck, c.tables);
        ShuffleDeck(deck);
        PutDueFactsFirst(deck, memory, today, c.questions);
        for (int32_t q = 0; q < c.questions; ++q) {
          int32_t index = SlotOfFact(DealFact(deck));
          if (q < std::min(due, c.questions - room)) {
            ASSERT_TRUE(IsDue(memory.facts[static_cast<size_t>(index)], today)) << "due first";
          }
          asked.insert(index);
          ApplyOutcome(memory, index,
                       ++answers % c.miss_every == 0 ? Outcome::kMissed : Outcome::kRight, today);
        }
      }
      EXPECT_EQ(static_cast<int32_t>(asked.size()), c.facts)
          << c.questions << " questions, one in " << c.miss_every << " missed, seed " << seed
          << ": not every fact within " << bound << " rounds";
    }
  }
}

TEST(DeckOfTables, OnlyTheFactsWithAFactorInTheTablesDueOnesFirst) {
  Deck deck = NewDeck(5);
  KeepTables(deck, TableBit(3));  // 1x3 2x3 3x1 3x2 3x3 3x4 3x5 4x3 5x3
  EXPECT_EQ(Cards(deck), (std::vector<int32_t>{2, 7, 10, 11, 12, 13, 14, 17, 22}));
  // The table of 7 shuffled, with 7 x 8 and 4 x 2 due: 7 x 8 first, 4 x 2 never.
  SeedGenerator(7);
  Deck big = NewDeck(10);
  KeepTables(big, TableBit(7));
  ShuffleDeck(big);
  PutDueFactsFirst(big, MemoryWith({{{7, 8}, {1, 0}}, {{4, 2}, {1, 5}}}), 10, 20);
  EXPECT_EQ(big.size, 19);
  for (int i = 0; i < 19 * 2; ++i) {
    Fact q = DealFact(big);
    EXPECT_TRUE(i == 0 ? q.a == 7 && q.b == 8 : q.a == 7 || q.b == 7) << q.a << " x " << q.b;
  }
}

TEST(DeckOfKinds, DivisionsAfterMultiplicationsAndByTheirDivisor) {
  constexpr Kinds kDivision = KindBit(FactKind::kDivision);
  const struct {
    Kinds kinds;
    Tables tables;
    std::vector<int32_t> cards;
  } kCases[] = {
      // The divisions by 3 in a deck of 5: 3 : 3, 6 : 3, ... 15 : 3.
      {kDivision, TableBit(3), {35, 36, 37, 38, 39}},
      // Both kinds: the table of 1 (1x1..1x5, 2x1..5x1), then the divisions by 1.
      {kDivision | KindBit(FactKind::kMultiplication),
       TableBit(1),
       {0, 1, 2, 3, 4, 5, 10, 15, 20, 25, 26, 27, 28, 29}},
  };
  for (const auto& c : kCases) {
    Deck deck = NewDeck(5, c.kinds);
    EXPECT_EQ(deck.size, 25 * __builtin_popcount(c.kinds));
    KeepTables(deck, c.tables);
    EXPECT_EQ(Cards(deck), c.cards);
  }
  EXPECT_EQ(FactLabel(FactOfIndex(37, 5)), "9 : 3");  // 3 x 3 read backwards
}
