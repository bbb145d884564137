// The quiz and practice programs run as a script runs them: answers piped in, output read
// from a pipe, no terminal anywhere.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "console/testing/cp852.h"
#include "quiz/testing/round_screen.h"
#include "tests/e2e.h"

namespace {

using namespace round_screen;

// Each run with a practice memory of its own, so that each starts as a first run.
Finished RunQuiz(const std::string& name, const std::string& input,
                 const std::vector<std::string>& words = {}) {
  std::vector<std::string> command = Command(name);
  command.insert(command.end(), words.begin(), words.end());
  return RunPiped(MakeLaunch(command, TestEnvironment(NewMemoryPlace().env)), input, 20000);
}

}  // namespace

TEST(ProgramsThroughAPipe, WriteTheWholeByteStreamForAFixedClock) {
  // The fixed clock reads 0 then 1 for each question: qor asks 9 x 5 and pym 4 x 4; vek and
  // zif shuffle with seed 0.
  const struct {
    const char* program;
    const char* version;
    std::string input;
    std::string round;
    std::string grid;  // the end of a practice round
    std::vector<std::string> words = {};
  } kCases[] = {
      {"qor_fixed_clock", "wersja 2.0/qor", "4\n5\n45\n1\n45 45\n045\n",
       kPrompt + kRefusal + Ask(9, 5) + kRight + Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + kRight +
           Ask(9, 5) + kRight + Ask(9, 5) + kRight + Separator() + " Twój wynik to: 4 na 5.\n",
       ""},
      {"pym_fixed_clock", "wersja 2.0/pym", "5\n1\n2\n3\n4\n5\n",
       kPrompt + Ask(4, 4) + Wrong(4, 4) + Ask(4, 4) + Wrong(4, 4) + Ask(4, 4) + Wrong(4, 4) +
           Ask(4, 4) + Wrong(4, 4) + Ask(4, 4) + Wrong(4, 4) + Separator() +
           " Twój wynik to: 0 na 5.\n",
       ""},
      {"vek_fixed_clock", "wersja 2.0/vek", "5\n3\n1 2 7 72\n9\n18\n72\n",
       kPrompt + Ask(1, 3) + kRight + Ask(9, 8) + "\n Wcale nie !\a\n" + Ask(9, 8) +
           "\n Wcale nie !\a\n" + Ask(9, 8) + Wrong(9, 8) + Ask(9, 8) + kRight + Ask(3, 3) +
           kRight + Ask(9, 2) + kRight + Ask(8, 9) + kRight + Bar(),
       EndGridBytes(10,
                    {"..2.......", "..........", "..2.......", "..........", "..........",
                     "..........", "..........", "........2.", ".2.....1..", ".........."},
                    {" Do powtórki:", "  " + SolvedFact(9, 8)})},
      {"zif_fixed_clock", "wersja 2.0/zif", "5\n25 3 6 5 4\n",
       kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + kRight + Ask(2, 3) + kRight + Ask(5, 1) + kRight +
           Ask(2, 2) + kRight + Bar(),
       // The grid: 5 x 5, 3 x 1, 2 x 3, 5 x 1 and 2 x 2 in box 2, one column from the left,
       // the verdict of the round beside it.
       Screen("     1  2  3  4  5   Wszystko dobrze za pierwszym razem !\n"
              "  1               \n"
              "  2    ▒▒ ▒▒      \n"
              "  3 ▒▒            \n"
              "  4               \n"
              "  5 ▒▒          ▒▒\n" +
              kLegend)},
      // The divisions by 7, shuffled with seed 0: 28 : 7, 7 : 7 (wrong three times, then
      // right), 35 : 7, 56 : 7, 21 : 7.
      {"vek_fixed_clock",
       "wersja 2.0/vek",
       "5\n4\n7\n49\n0\n1\n5\n8\n3\n",
       kPrompt + Ask(28, 7, ':') + kRight + Ask(7, 7, ':') + kWrongShort + Ask(7, 7, ':') +
           kWrongShort + Ask(7, 7, ':') + Wrong(7, 7, ':') + Ask(7, 7, ':') + kRight +
           Ask(35, 7, ':') + kRight + Ask(56, 7, ':') + kRight + Ask(21, 7, ':') + kRight + Bar(),
       // Its own grid, named, rows by divisor, columns by quotient: 7 : 7 in box 1, the rest in
       // box 2; the list to review beside it.
       Screen("            dzielenie               Do powtórki:\n"
              "  :  1  2  3  4  5  6  7  8  9 10    " +
              SolvedFact(7, 7, ':') +
              "\n"
              "  1                              \n"
              "  2                              \n"
              "  3                              \n"
              "  4                              \n"
              "  5                              \n"
              "  6                              \n"
              "  7 ░░    ▒▒ ▒▒ ▒▒       ▒▒      \n"
              "  8                              \n"
              "  9                              \n"
              " 10                              \n" +
              kLegend),
       {"dzielenie", "7"}},
  };
  for (const auto& c : kCases) {
    Finished run = RunQuiz(c.program, c.input, c.words);
    EXPECT_EQ(run.output, TitleScreenBytes(c.version) + Screen(c.round) + c.grid +
                              ClosingScreenBytes(c.program))
        << c.program;
    EXPECT_TRUE(ExitedWithZero(run.status)) << c.program;
    EXPECT_FALSE(run.timed_out) << c.program << " waited for a key with no terminal";
    EXPECT_EQ(run.errors, "") << c.program;
  }
}

TEST(ProgramsThroughAPipe, EndOfInputAtTheCountPromptGoesStraightToTheClosingScreen) {
  for (const char* name : {"qor", "pym", "vek", "zif"}) {
    Finished run = RunQuiz(name, "");
    std::string version = std::string("wersja 2.0/") + name;
    EXPECT_EQ(run.output,
              TitleScreenBytes(version) + Screen(kPrompt + "\n") + ClosingScreenBytes(name))
        << name;
    EXPECT_TRUE(ExitedWithZero(run.status)) << name;
  }
}

TEST(ProgramsThroughAPipe, TheRealClockGivesQuestionsInRange) {
  const struct {
    const char* name;
    int range;
  } kCases[] = {{"qor", 10}, {"pym", 5}};
  for (const auto& c : kCases) {
    std::string input = "12\n";
    for (int i = 0; i < 12; ++i)
      input += "0\n";
    Finished run = RunQuiz(c.name, input);
    ASSERT_TRUE(ExitedWithZero(run.status)) << c.name;
    EXPECT_EQ(run.output.find('\033'), std::string::npos) << "nothing escape-like on a pipe";
    int corrections = 0;
    for (size_t at = run.output.find("Wcale nie !     "); at != std::string::npos;
         at = run.output.find("Wcale nie !     ", at + 1)) {
      int a = 0, b = 0, product = 0;
      ASSERT_EQ(std::sscanf(run.output.c_str() + at + 16, "%d x %d = %d", &a, &b, &product), 3);
      EXPECT_TRUE(a >= 1 && a <= c.range && b >= 1 && b <= c.range) << a << " x " << b;
      EXPECT_EQ(product, a * b);
      ++corrections;
    }
    EXPECT_EQ(corrections, 12) << c.name;
    EXPECT_NE(run.output.find(Cp852(" Twój wynik to: 0 na 12.\r\n")), std::string::npos);
  }
}

TEST(ProgramsThroughAPipe, EveryLineEndIsCarriageReturnLineFeed) {
  Finished run = RunQuiz("qor", "5\n1 2 3 4 5\n");
  ASSERT_TRUE(ExitedWithZero(run.status));
  size_t line_feeds = 0;
  for (size_t i = 0; i < run.output.size(); ++i) {
    if (run.output[i] == '\n') {
      ++line_feeds;
      ASSERT_TRUE(i > 0 && run.output[i - 1] == '\r') << "bare line feed at byte " << i;
    }
  }
  // 17 (title) + 5 x 3 (each question's row, the empty row, the correction) + 4 (the result)
  // + 19 (closing).
  EXPECT_EQ(line_feeds, 17u + 15 + 4 + 19);
}

TEST(ProgramsThroughAPipe, TheKeyWaitReturnsAtOnceWithoutATerminal) {
  Finished run = RunQuiz("key_wait_probe", "x");
  EXPECT_FALSE(run.timed_out);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output, "waiting\r\ndone\r\n");
}
