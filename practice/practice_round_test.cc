#include "practice/practice_round.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"
#include "practice/wrong_tries.h"
#include "quiz/testing/round_screen.h"

namespace {

using round_screen::Ask;
using round_screen::Bar;
using round_screen::kPrompt;

const std::string kRight = "<color 07>" + round_screen::kRight;
const std::string kWrongShort = "<color 0C>" + round_screen::kWrongShort;

std::string WrongShowingProduct(int a, int b) {
  return "<color 0C>" + round_screen::Wrong(a, b);
}

// The end of a round that could keep nothing, having no place for it: the row that says so,
// then the grid one column from the left, from one string of boxes per first factor ('.' new),
// with |panel|'s rows beside it, two columns to its right, and its legend.
std::string Grid(int32_t range, const std::vector<std::string>& boxes,
                 const std::vector<std::string>& panel) {
  const char* kShades[] = {"  ", "░░", "▒▒", "▓▓", "██", "██"};
  std::vector<std::string> rows = {"   "};
  for (int32_t b = 1; b <= range; ++b)
    rows[0] += (b < 10 ? " " : "") + std::to_string(b) + (b < range ? " " : "");
  for (int32_t a = 1; a <= range; ++a) {
    std::string row = (a < 10 ? " " : "") + std::to_string(a);
    for (char box : boxes[a - 1])
      row += std::string(" ") + kShades[box == '.' ? 0 : box - '0'];
    rows.push_back(row);
  }
  std::string grid = " Nie udało się zapisać postępów (brak folderu domowego).\n";
  for (size_t i = 0; i < rows.size() || i < panel.size(); ++i) {
    std::string row = i < rows.size() ? rows[i] : std::string(3 * range + 2, ' ');
    grid += " " + (i < panel.size() ? row + "  " + panel[i] : row) + "\n";
  }
  return grid + round_screen::kLegend;
}

// A round that keeps no memory: it starts as a first run. Answer k takes |seconds|[k], or no
// time at all beyond the list.
std::string PlayPractice(int32_t range, const std::string& input,
                         const std::vector<int64_t>& seconds = {}) {
  FakeConsoleReset(input, {0});   // seed 0: range 5 deals 5x5, 3x1, 2x3, 5x1, 2x2, ...
  std::vector<int64_t> readings;  // when each question is shown, when its answer is complete
  for (int64_t now = 0, k = 0; k < static_cast<int64_t>(seconds.size()); ++k) {
    readings.push_back(now);
    now += seconds[k] * 1000;
    readings.push_back(now);
  }
  FakeConsoleSetMonotonic(readings);
  RunPracticeRound(range, MemoryFile{});
  return FakeConsoleOutput();
}

const std::string kSlowHeading = " Dobrze, a wkrótce pójdzie od razu:";

}  // namespace

TEST(PracticeRound, AsksAgainUntilRightShowingTheProductFromTheThirdTry) {
  std::string input = "5\n25\n1 2 3\n1 1 1 1 6\n5\n4\n";
  std::string expected = kPrompt + Ask(5, 5) + kRight +  //
                         Ask(3, 1) + kWrongShort + Ask(3, 1) + kWrongShort + Ask(3, 1) + kRight +
                         Ask(2, 3) + kWrongShort + Ask(2, 3) + kWrongShort + Ask(2, 3) +
                         WrongShowingProduct(2, 3) + Ask(2, 3) + WrongShowingProduct(2, 3) +
                         Ask(2, 3) + kRight +                       //
                         Ask(5, 1) + kRight + Ask(2, 2) + kRight +  //
                         Bar() +
                         Grid(5, {".....", ".21..", "1....", ".....", "2...2"},
                              {" Do powtórki:", "  3 x 1 = 3     2 x 3 = 6"});
  EXPECT_EQ(PlayPractice(5, input), Screen(expected));
  EXPECT_EQ(FakeConsoleClockReads(), 1) << "seeded once, when the count is accepted";
}

TEST(PracticeRound, AllRightAtTheFirstTry) {
  std::string expected = kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + kRight + Ask(2, 3) + kRight +
                         Ask(5, 1) + kRight + Ask(2, 2) + kRight + Bar() +
                         Grid(5, {".....", ".22..", "2....", ".....", "2...2"},
                              {" Wszystko dobrze za pierwszym razem !"});
  EXPECT_EQ(PlayPractice(5, "abc\n5 25 3 6 5 4"), Screen(kPrompt + "\n za mało !\n\n" + expected));
}

TEST(PracticeRound, EndOfInputDuringARetryEndsTheRoundWithTheSummary) {
  const struct {
    std::string input;
    std::string expected;
  } kCases[] = {
      {"5\n25\n1", kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + kWrongShort + Ask(3, 1) + "\n" +
                       Bar() +
                       Grid(5, {".....", ".....", "1....", ".....", "....2"},
                            {" Do powtórki:", "  3 x 1 = 3"})},
      {"5\n25\n", kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + "\n" + Bar() +
                      Grid(5, {".....", ".....", ".....", ".....", "....2"}, {" Do powtórki:"})},
      {"", kPrompt + "\n"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(PlayPractice(5, c.input), Screen(c.expected)) << "input \"" << c.input << "\"";
}

TEST(PracticeRound, AFactMissedAgainIsListedOnce) {
  // Range 1 has one fact, so it comes back every question.
  std::string input = "5\n2 1\n1\n3 1\n1\n1\n";
  std::string expected = kPrompt + Ask(1, 1) + kWrongShort + Ask(1, 1) + kRight + Ask(1, 1) +
                         kRight + Ask(1, 1) + kWrongShort + Ask(1, 1) + kRight + Ask(1, 1) +
                         kRight + Ask(1, 1) + kRight + Bar() +
                         Grid(1, {"1"}, {" Do powtórki:", "  1 x 1 = 1"});
  EXPECT_EQ(PlayPractice(1, input), Screen(expected));
}

TEST(PracticeRound, AQuestionMissedAgainAndAgainShowsTheProductEveryTime) {
  // Range 1 has one fact, 1 x 1: missed 200 times, then answered right five times.
  std::string input = "5\n";
  std::string expected = kPrompt;
  for (int try_number = 1; try_number <= 200; ++try_number) {
    input += "7\n";
    expected += Ask(1, 1) + (try_number < 3 ? kWrongShort : WrongShowingProduct(1, 1));
  }
  for (int question = 1; question <= 5; ++question) {
    input += "1\n";
    expected += Ask(1, 1) + kRight;
  }
  expected += Bar() + Grid(1, {"1"}, {" Do powtórki:", "  1 x 1 = 1"});
  EXPECT_EQ(PlayPractice(1, input), Screen(expected));
}

TEST(PracticeRound, AFactRightButSlowStaysInItsBoxAndIsListedWithoutTheTime) {
  // 3 x 1 in 6 s and 2 x 2 in 30 s are slow (box 1, new as they are); 5 x 1 in 5 s is quick;
  // 2 x 3, wrong at once, is missed.
  std::string expected =
      kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + kRight + Ask(2, 3) + kWrongShort + Ask(2, 3) +
      kRight + Ask(5, 1) + kRight + Ask(2, 2) + kRight + Bar() +
      Grid(5, {".....", ".11..", "1....", ".....", "2...2"},
           {" Do powtórki:", "  2 x 3 = 6", kSlowHeading, "  3 x 1 = 3     2 x 2 = 4"});
  EXPECT_EQ(PlayPractice(5, "5\n25\n3\n7\n6\n5\n4\n", {1, 6, 1, 1, 5, 30}), Screen(expected));
  // Ten slow: four to a row beside the grid of 5, in the order they were answered.
  std::string output =
      PlayPractice(5, "10\n25 3 6 5 4 20 15 8 8 2\n", {9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
  EXPECT_NE(
      output.find(Screen(Bar() + Grid(5, {".1...", ".111.", "1....", ".1...", "1.111"},
                                      {" Wszystko dobrze za pierwszym razem !", kSlowHeading,
                                       "  5 x 5 = 25    3 x 1 = 3     2 x 3 = 6     5 x 1 = 5",
                                       "  2 x 2 = 4     5 x 4 = 20    5 x 3 = 15    4 x 2 = 8",
                                       "  2 x 4 = 8     1 x 2 = 2"}))),
      std::string::npos);
  // Range 1 asks 1 x 1 every time: slow, then missed the next time, it is only to review.
  EXPECT_NE(PlayPractice(1, "5\n1 2 1 1 1 1\n", {9})
                .find(Screen(Grid(1, {"1"}, {" Do powtórki:", "  1 x 1 = 1"}))),
            std::string::npos);
}

TEST(WrongTries, CountingStopsAtTheTryThatShowsTheProduct) {
  const struct {
    int32_t counted;
    int32_t shows_product;
    int32_t after;
  } kCases[] = {
      {0, 3, 1},
      {2, 3, 3},
      {3, 3, 3},
      {std::numeric_limits<int32_t>::max() - 1, std::numeric_limits<int32_t>::max(),
       std::numeric_limits<int32_t>::max()},
      {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
       std::numeric_limits<int32_t>::max()},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CountWrongTry(c.counted, c.shows_product), c.after)
        << c.counted << " counted, the product shown from try " << c.shows_product;
  }
}
