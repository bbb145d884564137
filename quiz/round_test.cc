#include "quiz/round.h"

#include <gtest/gtest.h>

#include <string>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"
#include "quiz/testing/round_screen.h"

namespace {

using round_screen::Ask;
using round_screen::kPrompt;
using round_screen::kRefusal;
using round_screen::Result;

const std::string kRight = "<color 07>" + round_screen::kRight;

std::string Wrong(int a, int b) {
  return "<color 0C>" + round_screen::Wrong(a, b);
}

std::string PlayRound(int32_t range, const std::string& input,
                      const std::vector<uint32_t>& times = {}) {
  FakeConsoleReset(input, times);
  RunQuizRound(range);
  return FakeConsoleOutput();
}

}  // namespace

TEST(QuizRound, RefusesSmallCountsThenScoresEachAnswer) {
  // With the clock at 0 every question of qor is 9 x 4.
  std::string input = "4\nabc\n-5\n5\n36 36 1\n036\n\n\n 7\n";
  std::string expected = kPrompt + kRefusal + kRefusal + kRefusal + Ask(9, 4) + kRight + Ask(9, 4) +
                         kRight + Ask(9, 4) + Wrong(9, 4) + Ask(9, 4) + kRight + Ask(9, 4) +
                         Wrong(9, 4) + Result(3, 5);
  EXPECT_EQ(PlayRound(10, input), Screen(expected));
  EXPECT_EQ(FakeConsoleClockReads(), 10) << "the clock is read twice for each question";
}

TEST(QuizRound, SeedsEachFactorWithItsOwnReadingOfTheClock) {
  // Seed 0 draws 38, seed 1 draws 41: the first factor from one, the second from the other.
  const struct {
    int32_t range;
    int a, b;
  } kCases[] = {{10, 9, 5}, {5, 4, 4}};
  for (const auto& c : kCases) {
    std::string answer = std::to_string(c.a * c.b) + "\n";
    std::string input = "5\n" + answer + answer + answer + answer + answer;
    std::string expected = kPrompt;
    for (int i = 0; i < 5; ++i)
      expected += Ask(c.a, c.b) + kRight;
    expected += Result(5, 5);
    EXPECT_EQ(PlayRound(c.range, input, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1}), Screen(expected))
        << "range " << c.range;
  }
}

TEST(QuizRound, ScoreOfZero) {
  std::string expected = kPrompt;
  for (int i = 0; i < 5; ++i)
    expected += Ask(4, 3) + Wrong(4, 3);
  expected += Result(0, 5);
  EXPECT_EQ(PlayRound(5, "5 x -12 +12 12.0 1\xA5\n"), Screen(expected));
}

TEST(QuizRound, EndOfInputAtTheCountPromptEndsTheRoundAtOnce) {
  const struct {
    std::string input;
    std::string expected;
  } kCases[] = {
      {"", kPrompt + "\n"},
      {"\n  \n", kPrompt + "\n"},
      {"3\n", kPrompt + kRefusal + "\n"},
      {"abc 4", kPrompt + kRefusal + kRefusal + "\n"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PlayRound(10, c.input), Screen(c.expected)) << "input \"" << c.input << "\"";
    EXPECT_EQ(FakeConsoleClockReads(), 0) << "no question is drawn";
  }
}

TEST(QuizRound, EndOfInputDuringTheQuestionsAnswersTheRestWithZero) {
  std::string expected = kPrompt + Ask(9, 4) + kRight;
  for (int i = 0; i < 5; ++i)
    expected += Ask(9, 4) + Wrong(9, 4);
  expected += Result(1, 6);
  EXPECT_EQ(PlayRound(10, "6\n36"), Screen(expected));
}

TEST(QuizRound, EveryQuestionIsWithinTheRange) {
  for (int32_t range : {5, 10}) {
    std::vector<uint32_t> times;
    for (uint32_t t = 1700000000; t < 1700000400; ++t)
      times.push_back(t);
    PlayRound(range, "200\n", times);
    std::string output = FakeConsoleOutput();
    int questions = 0;
    for (size_t at = output.find("\r\n "); at != std::string::npos;
         at = output.find("\r\n ", at + 1)) {
      int a = 0, b = 0;
      if (std::sscanf(output.c_str() + at, "\r\n %d x %d = ", &a, &b) != 2)
        continue;
      if (output.compare(at, 6, "\r\n Wca") == 0)
        continue;  // the correction row repeats the question
      ++questions;
      EXPECT_TRUE(a >= 1 && a <= range && b >= 1 && b <= range) << a << " x " << b;
    }
    EXPECT_EQ(questions, 200) << "range " << range;
  }
}
