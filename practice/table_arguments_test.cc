#include "practice/table_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"

TEST(TableArguments, TablesInRangeOrTheUsageOrBad) {
  const struct {
    std::vector<std::string> words;
    int32_t range;
    ArgumentsRead read;
    Tables tables;  // with kRound
  } kCases[] = {
      {{}, 10, ArgumentsRead::kRound, kEveryTable},
      {{"7"}, 10, ArgumentsRead::kRound, TableBit(7)},
      {{"6", "7", "8", "7"}, 10, ArgumentsRead::kRound, TableBit(6) | TableBit(7) | TableBit(8)},
      {{"1", "10"}, 10, ArgumentsRead::kRound, TableBit(1) | TableBit(10)},
      {{"03"}, 5, ArgumentsRead::kRound, TableBit(3)},
      {{"11"}, 10, ArgumentsRead::kBad, 0},
      {{"7"}, 5, ArgumentsRead::kBad, 0},
      {{"0"}, 5, ArgumentsRead::kBad, 0},
      {{"x"}, 10, ArgumentsRead::kBad, 0},
      {{"-3"}, 10, ArgumentsRead::kBad, 0},
      {{"+3"}, 10, ArgumentsRead::kBad, 0},
      {{""}, 10, ArgumentsRead::kBad, 0},
      {{"3", "7x"}, 10, ArgumentsRead::kBad, 0},
      {{"10000000003"}, 10, ArgumentsRead::kBad, 0},
      {{"-h"}, 10, ArgumentsRead::kUsage, 0},
      {{"7", "--help"}, 5, ArgumentsRead::kUsage, 0},
      {{"x", "-h"}, 5, ArgumentsRead::kUsage, 0},
      {{"--h"}, 5, ArgumentsRead::kBad, 0},
  };
  for (const auto& c : kCases) {
    std::string line;
    for (const std::string& word : c.words)
      line += " '" + word + "'";
    PracticeArguments read = ReadPracticeArguments(c.words, c.range);
    EXPECT_EQ(read.read, c.read) << line << ", range " << c.range;
    if (c.read == ArgumentsRead::kRound) {
      EXPECT_EQ(read.tables, c.tables) << line << ", range " << c.range;
    }
  }
}

TEST(TableArguments, TheUsageAndTheErrorSayWhatIsAllowed) {
  FakeConsoleReset("");
  PutPracticeUsage("zif", 5);
  EXPECT_EQ(FakeConsoleOutput(), Screen("Użycie: zif [TABLICZKA ...]\n"
                                        "Ćwiczy tabliczkę mnożenia o czynnikach od 1 do 5, bez "
                                        "punktów.\n"
                                        "Bez argumentów: zwykłe ćwiczenie ze wszystkich działań.\n"
                                        "TABLICZKA to liczba od 1 do 5: pytania tylko z tych "
                                        "tabliczek,\n"
                                        "na przykład zif 4 albo zif 3 4 5.\n"
                                        "Więcej: man 6 zif\n"));
  EXPECT_EQ(ArgumentsError("vek", 10),
            "vek: tabliczki to liczby od 1 do 10, np. vek 7 albo vek 6 7 8; pomoc: vek -h\n");
}
