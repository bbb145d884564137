#include "practice/table_arguments.h"

#include <gtest/gtest.h>

TEST(TableArguments, TablesInRangeOrTheUsageOrBad) {
  constexpr ArgumentsRead kRound = ArgumentsRead::kRound, kUsage = ArgumentsRead::kUsage,
                          kBad = ArgumentsRead::kBad;
  const struct {
    std::vector<std::string> words;
    int32_t range;
    ArgumentsRead read;
    Tables tables;  // with kRound
  } kCases[] = {
      {{}, 10, kRound, kEveryTable},
      {{"03"}, 5, kRound, TableBit(3)},
      {{"1", "10", "1"}, 10, kRound, TableBit(1) | TableBit(10)},
      {{"0"}, 5, kBad, 0},
      {{"3", ""}, 10, kBad, 0},
      {{"x", "--help"}, 5, kUsage, 0},
      {{"3", "--version"}, 5, ArgumentsRead::kVersion, 0},
  };
  for (const auto& c : kCases) {
    PracticeArguments read = ReadPracticeArguments(c.words, c.range);
    EXPECT_EQ(read.read, c.read) << c.words.size() << " words, range " << c.range;
    EXPECT_EQ(read.read == kRound ? read.tables : 0, c.tables) << c.words.size() << " words";
  }
}
