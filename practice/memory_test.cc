#include "practice/memory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice/testing/memory_with.h"

TEST(Memory, BoxAfterARound) {
  const struct {
    int32_t box;
    Outcome outcome;
    int32_t after;
  } kCases[] = {
      {0, Outcome::kRight, 2},    {1, Outcome::kRight, 2},  {2, Outcome::kRight, 3},
      {4, Outcome::kRight, 5},    {5, Outcome::kRight, 5},  {0, Outcome::kMissed, 1},
      {1, Outcome::kMissed, 1},   {5, Outcome::kMissed, 1}, {0, Outcome::kNotAsked, 0},
      {3, Outcome::kNotAsked, 3}, {0, Outcome::kSlow, 1},   {1, Outcome::kSlow, 1},
      {3, Outcome::kSlow, 3},     {5, Outcome::kSlow, 5},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(BoxAfter(c.box, c.outcome), c.after)
        << "box " << c.box << ", outcome " << static_cast<int>(c.outcome);
}

TEST(Memory, TheFirstAnswerToAFactDecidesQuickOrSlowAndAnyWrongOneMissed) {
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kNotAsked, true, 5000), Outcome::kRight);
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kNotAsked, true, 5001), Outcome::kSlow);
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kRight, true, 60000), Outcome::kRight) << "again";
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kSlow, true, 0), Outcome::kSlow) << "again";
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kSlow, false, 0), Outcome::kMissed);
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kMissed, true, 0), Outcome::kMissed);
}

TEST(Memory, DueAfterTwoToThePowerOfBoxLessOneDays) {
  const struct {
    FactMemory fact;
    int32_t today;
    bool due;
  } kCases[] = {
      {{1, 10}, 10, false},
      {{1, 10}, 11, true},
      {{2, 10}, 11, false},
      {{2, 10}, 12, true},
      {{3, 10}, 13, false},
      {{3, 10}, 14, true},
      {{4, 10}, 17, false},
      {{4, 10}, 18, true},
      {{5, 10}, 25, false},
      {{5, 10}, 26, true},
      {{5, 10}, 400, true},
      {{0, 0}, 400, false},
      // Asked "later" than today: a clock that was wrong for a while. Due now, not in months.
      {{1, 20}, 10, true},
      {{5, 20}, 19, true},
      {{5, 20}, 20, false},
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
  EXPECT_EQ(DayOfClock(4294967296 + 86400), 49711) << "no wrap-around past 2106";
  EXPECT_EQ(DayOfClock(-1), 0) << "a clock before 1970";
  EXPECT_EQ(DayOfClock(-86400 * 365), 0);
}

TEST(Memory, ARoundMovesTheFactsItAskedOnly) {
  Memory memory = MemoryWith({{{7, 8}, {3, 5}}, {{2, 2}, {1, 5}}, {{9, 9}, {4, 2}}});
  ApplyOutcome(memory, MemoryIndex({7, 8}), Outcome::kMissed, 12);
  ApplyOutcome(memory, MemoryIndex({2, 2}), Outcome::kRight, 12);
  ApplyOutcome(memory, MemoryIndex({1, 1}), Outcome::kRight, 12);
  ApplyOutcome(memory, MemoryIndex({9, 9}), Outcome::kNotAsked, 12);
  Memory expected =
      MemoryWith({{{7, 8}, {1, 12}}, {{2, 2}, {2, 12}}, {{9, 9}, {4, 2}}, {{1, 1}, {2, 12}}});
  for (int32_t i = 0; i < 100; ++i) {
    EXPECT_EQ(memory.facts[i].box, expected.facts[i].box) << "fact " << i;
    EXPECT_EQ(memory.facts[i].day, expected.facts[i].day) << "fact " << i;
  }
}

TEST(Memory, WrittenAsOneLinePerFactAskedAndReadBack) {
  Memory memory = MemoryWith({{{10, 10}, {5, 20000}}, {{1, 2}, {1, 0}}, {{7, 8}, {3, 20796}}});
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
    ASSERT_EQ(ParseMemory(text, read), MemoryText::kRead) << text;
    EXPECT_EQ(FormatMemory(read), kText);
  }
}

TEST(Memory, ReadAsPeopleAndEditorsWriteItKeepingEveryLineThatHoldsAFact) {
  const std::string kKept = "tabliczka practice 1\n3 3 2 7\n";  // the memory before
  const std::string k78 = "tabliczka practice 1\n7 8 1 5\n";
  const struct {
    std::string text;
    MemoryText read;
    std::string memory;  // as FormatMemory writes it afterwards
  } kCases[] = {
      // What people and editors do.
      {"", MemoryText::kRead, "tabliczka practice 1\n"},
      {" \r\n\n", MemoryText::kRead, "tabliczka practice 1\n"},
      {"tabliczka practice 1", MemoryText::kRead, "tabliczka practice 1\n"},
      {"tabliczka practice 1\r\n7 8 1 5", MemoryText::kRead, k78},  // Notepad's
      {"\xEF\xBB\xBFtabliczka practice 1\n7 8 1 5\n", MemoryText::kRead, k78},
      {"Tabliczka PRACTICE 1\n7 8 1 5\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n\n7 8 1 5\n\n", MemoryText::kRead, k78},
      {"# Ola\ntabliczka practice 1\n# 7 x 8\n7 8 1 5\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n7\t8  1 5\n", MemoryText::kRead, k78},
      {"  tabliczka practice 1 \n 7 8 1 5 \t\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n7 8 1 5\r\r\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n7 8 2 3\n7 8 1 5\n", MemoryText::kRead, k78},  // the later day
      {"tabliczka practice 1\n7 8 1 5\n7 8 2 3\n", MemoryText::kRead, k78},
      // A line that holds no fact is left out, the rest kept.
      {"tabliczka practice 1\n7 8 1 5\n7 8 0 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 6 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n0 8 1 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 11 1 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 5 9\n7 8 1 5", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 -5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 x 8 1 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 1234567890\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 5\ntabliczka practice 1\n", MemoryText::kReadSkippingLines,
       k78},
      // Divisions: version 2, each with a box of its own beside the same numbers' product; a
      // memory of multiplications alone is written as version 1 again.
      {"tabliczka practice 2\n7 8 1 5\n: 56 8 3 6\n:\t56  7 2 6\n", MemoryText::kRead,
       "tabliczka practice 2\n7 8 1 5\n: 56 7 2 6\n: 56 8 3 6\n"},
      {"tabliczka practice 2\n7 8 1 5\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n: 100 10 5 9\n", MemoryText::kRead,
       "tabliczka practice 2\n: 100 10 5 9\n"},
      {"tabliczka practice 2\n: 57 8 1 5\n: 56 0 1 5\n: 110 11 1 5\n: 56 8 1\n7 8 1 5\n",
       MemoryText::kReadSkippingLines, k78},
      // Not this program's to read: the memory stays as it was.
      {"tabliczka practice 3\n7 8 1 5\n", MemoryText::kNewerFormat, kKept},
      {"tabliczka practice 10\n", MemoryText::kNewerFormat, kKept},
      {"tabliczka practice 0\n", MemoryText::kNotThisFormat, kKept},
      {"tabliczka practice\n", MemoryText::kNotThisFormat, kKept},
      {"tabliczka practice 1 2\n", MemoryText::kNotThisFormat, kKept},
      {"7 8 1 5\ntabliczka practice 1\n", MemoryText::kNotThisFormat, kKept},
      {std::string("\x89PNG\r\n\x1A\n\0\0", 10), MemoryText::kNotThisFormat, kKept},
  };
  for (const auto& c : kCases) {
    Memory memory = MemoryWith({{{3, 3}, {2, 7}}});
    EXPECT_EQ(ParseMemory(c.text, memory), c.read) << '"' << c.text << '"';
    EXPECT_EQ(FormatMemory(memory), c.memory) << '"' << c.text << '"';
  }
}
