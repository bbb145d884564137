#include "practice/table_grid.h"

#include <gtest/gtest.h>

#include <string>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"
#include "quiz/testing/round_screen.h"

TEST(TableGrid, ShadesByBox) {
  const struct {
    int32_t box;
    char shade;
  } kCases[] = {{0, ' '}, {1, '\xB0'}, {2, '\xB1'}, {3, '\xB2'}, {4, '\xDB'}, {5, '\xDB'}};
  for (const auto& c : kCases)
    EXPECT_EQ(ShadeOfBox(c.box), c.shade) << "box " << c.box;
}

TEST(TableGrid, RowsByFirstFactorColumnsBySecondCentredOnEightyColumnsThenTheLegend) {
  Memory memory;
  memory.facts[MemoryIndex({1, 1})].box = 1;
  memory.facts[MemoryIndex({1, 5})].box = 2;
  memory.facts[MemoryIndex({2, 3})].box = 3;
  memory.facts[MemoryIndex({4, 2})].box = 4;
  memory.facts[MemoryIndex({5, 5})].box = 5;
  memory.facts[MemoryIndex({7, 8})].box = 5;  // beyond 5: only in the grid of 10
  memory.facts[MemoryIndex({10, 10})].box = 1;
  memory.facts[SlotOfFact({FactKind::kDivision, 2, 3})].box = 1;  // 6 : 2
  memory.facts[SlotOfFact({FactKind::kDivision, 5, 4})].box = 5;  // 20 : 5
  memory.facts[SlotOfFact({FactKind::kDivision, 7, 8})].box = 2;  // beyond 5

  // 17 columns of grid for 5, with 31 spaces before; 32 for 10, with 24 before; both kinds'
  // grids 4 apart, with 21 before, under their names, rows by divisor, columns by quotient.
  const std::string kMargin5(31, ' '), kMargin10(24, ' '), kMargin(21, ' ');
  const struct {
    int32_t range;
    std::string grid;
    Kinds kinds = KindBit(FactKind::kMultiplication);
  } kCases[] = {
      {5, kMargin5 + "    1  2  3  4  5\n" +      //
              kMargin5 + " 1 ░░          ▒▒\n" +  //
              kMargin5 + " 2       ▓▓      \n" +  //
              kMargin5 + " 3               \n" +  //
              kMargin5 + " 4    ██         \n" +  //
              kMargin5 + " 5             ██\n" + round_screen::kLegend},
      {10, kMargin10 + "    1  2  3  4  5  6  7  8  9 10\n" +      //
               kMargin10 + " 1 ░░          ▒▒               \n" +  //
               kMargin10 + " 2       ▓▓                     \n" +  //
               kMargin10 + " 3                              \n" +  //
               kMargin10 + " 4    ██                        \n" +  //
               kMargin10 + " 5             ██               \n" +  //
               kMargin10 + " 6                              \n" +  //
               kMargin10 + " 7                      ██      \n" +  //
               kMargin10 + " 8                              \n" +  //
               kMargin10 + " 9                              \n" +  //
               kMargin10 + "10                            ░░\n" + round_screen::kLegend},
      {5,
       kMargin + "    mnożenie             dzielenie\n" +          //
           kMargin + " x  1  2  3  4  5     :  1  2  3  4  5\n" +  //
           kMargin + " 1 ░░          ▒▒     1               \n" +  //
           kMargin + " 2       ▓▓           2       ░░      \n" +  //
           kMargin + " 3                    3               \n" +  //
           kMargin + " 4    ██              4               \n" +  //
           kMargin + " 5             ██     5          ██   \n" + round_screen::kLegend,
       KindBit(FactKind::kMultiplication) | KindBit(FactKind::kDivision)},
  };
  for (const auto& c : kCases) {
    FakeConsoleReset("");
    PutTableGrid(memory, c.range, c.kinds);
    EXPECT_EQ(FakeConsoleOutput(), Screen(c.grid)) << "range " << c.range;
  }
}
