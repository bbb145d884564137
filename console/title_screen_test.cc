#include "console/title_screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"

namespace {

// The screen's rows, split at its CR LF line ends.
std::vector<std::string> Rows(const std::string& output) {
  std::vector<std::string> rows;
  size_t start = 0;
  for (size_t end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2)
    rows.push_back(output.substr(start, end - start));
  EXPECT_EQ(start, output.size()) << "the screen ends with a line end";
  return rows;
}

// The first and last column (1-based) holding a block in rows |first| to |last| (0-based).
std::pair<size_t, size_t> BlockSpan(const std::vector<std::string>& rows, size_t first,
                                    size_t last) {
  size_t left = std::string::npos, right = 0;
  for (size_t r = first; r <= last; ++r) {
    size_t l = rows[r].find('\xDB'), h = rows[r].rfind('\xDB');
    if (l != std::string::npos) {
      left = std::min(left, l + 1);
      right = std::max(right, h + 1);
    }
  }
  return {left, right};
}

std::vector<std::string> TitleRows(const char* version) {
  FakeConsoleReset("");
  PrintTitleScreen(version);
  return Rows(FakeConsoleOutput());
}

}  // namespace

TEST(TitleScreen, HasSeventeenRowsWithTwoEmptyFirstAndOneLast) {
  std::vector<std::string> rows = TitleRows("wersja 2.0/qor");
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows[0], "");
  EXPECT_EQ(rows[1], "");
  EXPECT_EQ(rows[16], "");
  EXPECT_EQ(FakeConsoleFlushes().size(), 17u) << "every line end is flushed";
}

TEST(TitleScreen, ArtAndCreditRowsAreSeventyThreeSpacesAndBlocks) {
  std::vector<std::string> rows = TitleRows("wersja 2.0/qor");
  ASSERT_EQ(rows.size(), 17u);
  for (size_t r = 2; r < 14; ++r) {
    EXPECT_EQ(rows[r].size(), 73u) << "art row " << r - 1;
    EXPECT_EQ(rows[r].find_first_not_of(" \xDB"), std::string::npos) << "art row " << r - 1;
  }
  EXPECT_EQ(rows[7], std::string(73, ' ')) << "row 6 of the art is empty";
  EXPECT_EQ(rows[15].size(), 73u) << "credit line";
  EXPECT_NE(rows[15].back(), ' ') << "the credit text ends in column 73";
  EXPECT_EQ(rows[15], Cp852("                                                 "
                            "nauka tabliczki mnożenia"));
}

TEST(TitleScreen, WordsAreCentredWithTheMarkAboveTheMiddleOfZ) {
  std::vector<std::string> rows = TitleRows("wersja 2.0/qor");
  ASSERT_EQ(rows.size(), 17u);
  auto first = BlockSpan(rows, 2, 6);
  EXPECT_EQ(first, std::make_pair(size_t{8}, size_t{73}));
  EXPECT_EQ(first.first - 1, 80 - first.second) << "equal free columns on both sides";
  auto second = BlockSpan(rows, 9, 13);
  EXPECT_EQ(second, std::make_pair(size_t{11}, size_t{70}));
  EXPECT_EQ(second.first - 1, 80 - second.second);
  // Ż is the fourth letter: after M (8 columns), N and O (6 each) and their 2-column gaps.
  auto z = BlockSpan(rows, 9, 13);
  size_t z_left = z.first + 8 + 2 + 6 + 2 + 6 + 2;
  EXPECT_EQ(z_left, 37u);
  auto mark = BlockSpan(rows, 8, 8);
  EXPECT_EQ(mark, std::make_pair(size_t{39}, size_t{40}));
  EXPECT_EQ(rows[8].substr(38, 2), "\xDB\xDB");
  EXPECT_EQ((mark.first + mark.second), (z_left + z_left + 5)) << "centred above Ż";
}

TEST(TitleScreen, VersionLineEndsInColumn73ForQuizzesAnd69ForTheSelector) {
  const struct {
    const char* version;
    size_t width;
  } kCases[] = {{"wersja 2.0/qor", 73}, {"wersja 2.0/pym", 73}, {"wersja 2.0", 69}};
  for (const auto& c : kCases) {
    std::vector<std::string> rows = TitleRows(c.version);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[14], std::string(59, ' ') + c.version);
    EXPECT_EQ(rows[14].size(), c.width);
  }
}
