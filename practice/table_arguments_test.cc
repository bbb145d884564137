#include "practice/table_arguments.h"

#include <gtest/gtest.h>

TEST(TableArguments, TablesInRangeOrTheUsageOrBad) {
  constexpr ArgumentsRead kRound = ArgumentsRead::kRound, kUsage = ArgumentsRead::kUsage,
                          kBad = ArgumentsRead::kBad;
  constexpr Kinds kTimes = KindBit(FactKind::kMultiplication),
                  kDivided = KindBit(FactKind::kDivision);
  const struct {
    std::vector<std::string> words;
    int32_t range;
    ArgumentsRead read;
    Tables tables;  // with kRound
    Kinds kinds = kTimes;
  } kCases[] = {
      {{}, 10, kRound, kEveryTable},
      {{"03"}, 5, kRound, TableBit(3)},
      {{"1", "10", "1"}, 10, kRound, TableBit(1) | TableBit(10)},
      {{"0"}, 5, kBad, 0},
      {{"3", ""}, 10, kBad, 0},
      {{"x", "--help"}, 5, kUsage, 0},
      {{"dzielenie"}, 10, kRound, kEveryTable, kDivided},
      {{"dzielenie", "7"}, 10, kRound, TableBit(7), kDivided},
      {{"7", "dzielenie"}, 10, kRound, TableBit(7), kDivided},
      {{"razem"}, 5, kRound, kEveryTable, kTimes | kDivided},
      {{"razem", "4", "dzielenie"}, 5, kRound, TableBit(4), kTimes | kDivided},
      {{"dzielenie", "6"}, 5, kBad, 0},
      {{"Dzielenie"}, 10, kBad, 0},
      {{"dzielenie", "-h"}, 10, kUsage, 0},
      {{"3", "--version"}, 5, ArgumentsRead::kVersion, 0},
  };
  for (const auto& c : kCases) {
    PracticeArguments read = ReadPracticeArguments(c.words, c.range);
    EXPECT_EQ(read.read, c.read) << c.words.size() << " words, range " << c.range;
    EXPECT_EQ(read.read == kRound ? read.tables : 0, c.tables) << c.words.size() << " words";
    EXPECT_EQ(read.read == kRound ? read.kinds : kTimes, c.kinds) << c.words.size() << " words";
  }
}
