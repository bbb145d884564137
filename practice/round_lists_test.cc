#include "practice/round_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/testing/cp852.h"

namespace {

std::vector<Fact> Facts(int32_t first_a, int32_t last_a, int32_t first_b, int32_t last_b,
                            int32_t step = 1) {
  std::vector<Fact> facts;
  for (int32_t a = first_a; a <= last_a; ++a)
    for (int32_t b = first_b; b <= last_b; b += step)
      facts.push_back({FactKind::kMultiplication, a, b});
  return facts;
}

}  // namespace

TEST(RoundLists, WholeFactsInColumnsWhileTheyFitThenEachFirstFactorOnce) {
  constexpr FactKind kX = FactKind::kMultiplication, kD = FactKind::kDivision;
  const struct {
    std::vector<Fact> review, slow;
    int32_t rows;
    std::vector<std::string> panel;
  } kCases[] = {
      {{{kX, 6, 8}, {kX, 7, 3}, {kX, 9, 9}, {kX, 10, 10}},
       {},
       14,
       {" Do powtórki:", "  6 x 8 = 48    7 x 3 = 21    9 x 9 = 81", "  10 x 10 = 100"}},
      {{{kX, 6, 8}},
       {{kX, 4, 4}},
       14,
       {" Do powtórki:", "  6 x 8 = 48", " Dobrze, a wkrótce pójdzie od razu:", "  4 x 4 = 16"}},
      // Five rows needed, four allowed: the short form, sorted, the slow ones in parentheses.
      {{{kX, 6, 8}, {kX, 6, 3}, {kX, 2, 2}, {kX, 7, 1}},
       {{kX, 6, 2}, {kX, 9, 9}},
       4,
       {" Do powtórki:", " (w nawiasach: dobrze, a wolno)", "  2 x 2", "  6 x 3 8 (2)", "  7 x 1",
        "  9 x (9)"}},
      // Divisions: whole as " 56 : 8 = 7", short by divisor, after the products.
      {{{kD, 8, 7}, {kD, 10, 10}}, {}, 14, {" Do powtórki:", "  56 : 8 = 7    100 : 10 = 10"}},
      {{{kD, 7, 8}, {kX, 2, 2}, {kD, 7, 4}}, {{kD, 3, 3}}, 2,
       {" Do powtórki:", " (w nawiasach: dobrze, a wolno)", "  2 x 2", "  : 3 = (3)", "  : 7 = 4 8"}},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> expected;
    for (const std::string& row : c.panel)
      expected.push_back(Screen(row));
    EXPECT_EQ(RoundListsPanel(false, c.review, c.slow, 45, c.rows), expected);
  }
}

TEST(RoundLists, AnyRoundOfTheTableOfTenFitsBesideItsGrid) {
  // Beside the grid of 10 on 80 x 24: 45 columns, 14 rows (one row kept for the row that says
  // nothing could be kept). Every fact to review; every other to review and the rest slow;
  // a few of each table to review and many slow.
  const struct {
    std::vector<Fact> review, slow;
  } kCases[] = {
      {Facts(1, 10, 1, 10), {}},
      {Facts(1, 10, 1, 9, 2), Facts(1, 10, 2, 10, 2)},
      {Facts(1, 10, 1, 2), Facts(1, 10, 3, 10)},
      {{}, Facts(1, 10, 1, 10)},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> panel = RoundListsPanel(c.review.empty(), c.review, c.slow, 45, 14);
    EXPECT_LE(panel.size(), 14u);
    for (const std::string& row : panel)
      EXPECT_LE(row.size(), 45u) << row;
  }
}
