#include "quiz/memory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz/deck.h"
#include "quiz/generator.h"

namespace {

Memory With(const std::vector<std::pair<Question, FactMemory>>& facts) {
  Memory memory;
  for (const auto& [question, fact] : facts)
    memory.facts[MemoryIndex(question)] = fact;
  return memory;
}

std::vector<int32_t> Cards(const Deck& deck) {
  return std::vector<int32_t>(deck.cards.begin(), deck.cards.begin() + deck.size);
}

}  // namespace

TEST(Memory, BoxAfterARound) {
  const struct {
    int32_t box;
    Outcome outcome;
    int32_t after;
  } kCases[] = {
      {0, Outcome::kRight, 2},    {1, Outcome::kRight, 2},  {2, Outcome::kRight, 3},
      {4, Outcome::kRight, 5},    {5, Outcome::kRight, 5},  {0, Outcome::kMissed, 1},
      {1, Outcome::kMissed, 1},   {5, Outcome::kMissed, 1}, {0, Outcome::kNotAsked, 0},
      {3, Outcome::kNotAsked, 3},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(BoxAfter(c.box, c.outcome), c.after)
        << "box " << c.box << ", outcome " << static_cast<int>(c.outcome);
}

TEST(Memory, DueAfterTwoToThePowerOfBoxLessOneDays) {
  const struct {
    FactMemory fact;
    int32_t today;
    bool due;
  } kCases[] = {
      {{1, 10}, 10, false}, {{1, 10}, 11, true}, {{2, 10}, 11, false}, {{2, 10}, 12, true},
      {{3, 10}, 13, false}, {{3, 10}, 14, true}, {{4, 10}, 17, false}, {{4, 10}, 18, true},
      {{5, 10}, 25, false}, {{5, 10}, 26, true}, {{5, 10}, 400, true}, {{0, 0}, 400, false},
      {{1, 20}, 10, false},  // asked "later" than today: the clock was put back
  };
  for (const auto& c : kCases)
    EXPECT_EQ(IsDue(c.fact, c.today), c.due)
        << "box " << c.fact.box << " asked on day " << c.fact.day << ", today " << c.today;
}

TEST(Memory, DayOfClock) {
  EXPECT_EQ(DayOfClock(0), 0);
  EXPECT_EQ(DayOfClock(86399), 0);
  EXPECT_EQ(DayOfClock(86400), 1);
  EXPECT_EQ(DayOfClock(1796774400), 20796);  // 2026-12-09 00:00 UTC
  EXPECT_EQ(DayOfClock(4294967295u), 49710);
}

TEST(Memory, ARoundMovesTheFactsItAskedOnly) {
  Memory memory = With({{{7, 8}, {3, 5}}, {{2, 2}, {1, 5}}, {{9, 9}, {4, 2}}});
  RoundOutcomes outcomes;
  outcomes.facts[MemoryIndex({7, 8})] = Outcome::kMissed;
  outcomes.facts[MemoryIndex({2, 2})] = Outcome::kRight;
  outcomes.facts[MemoryIndex({1, 1})] = Outcome::kRight;
  ApplyRound(memory, outcomes, 12);
  Memory expected =
      With({{{7, 8}, {1, 12}}, {{2, 2}, {2, 12}}, {{9, 9}, {4, 2}}, {{1, 1}, {2, 12}}});
  for (int32_t i = 0; i < 100; ++i) {
    EXPECT_EQ(memory.facts[i].box, expected.facts[i].box) << "fact " << i;
    EXPECT_EQ(memory.facts[i].day, expected.facts[i].day) << "fact " << i;
  }
}

TEST(Memory, WrittenAsOneLinePerFactAskedAndReadBack) {
  Memory memory = With({{{10, 10}, {5, 20000}}, {{1, 2}, {1, 0}}, {{7, 8}, {3, 20796}}});
  const std::string kText =
      "tabliczka practice 1\n"
      "1 2 1 0\n"
      "7 8 3 20796\n"
      "10 10 5 20000\n";
  EXPECT_EQ(FormatMemory(memory), kText);
  EXPECT_EQ(FormatMemory(Memory{}), "tabliczka practice 1\n");

  for (const std::string& text : {kText, std::string("tabliczka practice 1\r\n1 2 1 0\r\n"
                                                     "10 10 5 20000\r\n7 8 3 20796\r\n")}) {
    Memory read;
    ASSERT_TRUE(ParseMemory(text, read)) << text;
    EXPECT_EQ(FormatMemory(read), kText);
  }
}

TEST(Memory, AnythingElseDoesNotParseAndLeavesTheMemoryAsItWas) {
  const char* kCases[] = {
      "",
      "tabliczka practice 2\n",
      "tabliczka practice 1",  // cut short before its line end
      "tabliczka practice 1\n7 8 3 5",
      "Tabliczka practice 1\n",
      "tabliczka practice 1\n\n",
      "tabliczka practice 1\n7 8 0 5\n",
      "tabliczka practice 1\n7 8 6 5\n",
      "tabliczka practice 1\n0 8 1 5\n",
      "tabliczka practice 1\n7 11 1 5\n",
      "tabliczka practice 1\n7 8 1\n",
      "tabliczka practice 1\n7 8 1 5 9\n",
      "tabliczka practice 1\n7  8 1 5\n",
      "tabliczka practice 1\n 7 8 1 5\n",
      "tabliczka practice 1\n7 8 1 5 \n",
      "tabliczka practice 1\n7 8 1 -5\n",
      "tabliczka practice 1\n7 x 8 1 5\n",
      "tabliczka practice 1\n7 8 1 1234567890\n",
      "tabliczka practice 1\n7 8 1 5\n7 8 2 6\n",
      "tabliczka practice 1\n7 8 1 5\r\r\n",
  };
  for (const char* text : kCases) {
    Memory memory = With({{{3, 3}, {2, 7}}});
    EXPECT_FALSE(ParseMemory(text, memory)) << '"' << text << '"';
    EXPECT_EQ(FormatMemory(memory), "tabliczka practice 1\n3 3 2 7\n") << '"' << text << '"';
  }
}

TEST(DeckWithMemory, DueFactsFirstByBoxThenLongestWaitingThenDeckOrder) {
  // Seed 0 shuffles a deck of 5 to 24 10 7 20 6 23 22 16 8 1 0 18 19 2 3 4 12 11 5 21 14 17 9
  // 15 13 (card k is fact (k div 5 + 1) x (k mod 5 + 1)). On day 10: 4x2 (card 16) and 2x4
  // (card 8) are in box 1 since day 5, 4x2 first in the deck; 5x1 (card 20) in box 1 since day
  // 9; 1x2 (card 1) in box 2 since day 8; 2x2 (card 6) in box 3 since day 0. Not due: 5x5
  // (card 24) in box 2 since day 9, 3x3 (card 12) in box 5 since day 0. 7x8 is due but not in
  // a deck of 5.
  Memory memory = With({{{4, 2}, {1, 5}},
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
  DealQuestion(deck);
  PutDueFactsFirst(deck, memory, 10);
  EXPECT_EQ(Cards(deck), (std::vector<int32_t>{16, 8, 20, 1,  6,  24, 10, 7,  23, 22, 0,  18, 19,
                                               2,  3, 4,  12, 11, 5,  21, 14, 17, 9,  15, 13}));
  Question first = DealQuestion(deck);
  EXPECT_EQ(std::make_pair(first.a, first.b), std::make_pair(4, 2)) << "dealt from the front";

  // A deck of 10 indexes the same memory. Seed 7 shuffles it to 66 70 37 82 95 62 31 92 29 ...;
  // due on day 10 are 7x8 (card 67) and 4x2 (card 31) in box 1, 10x10 (card 99) in box 2.
  SeedGenerator(7);
  Deck big = NewDeck(10);
  ShuffleDeck(big);
  PutDueFactsFirst(big, With({{{7, 8}, {1, 0}}, {{4, 2}, {1, 5}}, {{10, 10}, {2, 3}}}), 10);
  EXPECT_EQ(std::vector<int32_t>(big.cards.begin(), big.cards.begin() + 11),
            (std::vector<int32_t>{67, 31, 99, 66, 70, 37, 82, 95, 62, 92, 29}));
}

TEST(DeckWithMemory, NothingDueLeavesTheShuffledOrder) {
  const Memory kMemories[] = {
      Memory{},
      With({{{5, 5}, {2, 9}}, {{1, 1}, {1, 10}}, {{3, 3}, {5, 0}}}),
  };
  for (const Memory& memory : kMemories) {
    SeedGenerator(0);
    Deck deck = NewDeck(5);
    ShuffleDeck(deck);
    std::vector<int32_t> shuffled = Cards(deck);
    PutDueFactsFirst(deck, memory, 10);
    EXPECT_EQ(Cards(deck), shuffled);
  }
}
