#include "selector/menu_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "console/input_stream.h"
#include "console/testing/fake_console.h"

TEST(ReadMenuNumber, FollowsTheMenusRules) {
  const struct {
    std::string input;
    uint16_t before;
    uint16_t after;
    bool failed;
    bool ended;
    std::string left;  // what is still to be read
  } kCases[] = {
      {"1\n", 9, 1, false, false, "\n"},
      {"\n\n \t\v\f\r2 x", 9, 2, false, false, " x"},
      {"01\n", 9, 1, false, false, "\n"},
      {"+1\n", 9, 1, false, false, "\n"},
      {"00000000000000000007\n", 9, 7, false, false, "\n"},
      {"65535\n", 9, 65535, false, false, "\n"},
      {"65536\n", 9, 9, true, false, "\n"},
      {"99999999999999999999 1\n", 9, 9, true, false, " 1\n"},
      {"-1\n", 9, 65535, false, false, "\n"},
      {"-0\n", 9, 0, false, false, "\n"},
      {"-65535\n", 9, 1, false, false, "\n"},
      {"-65536\n", 9, 9, true, false, "\n"},
      {"+\n1\n", 9, 9, true, false, "\n1\n"},
      {"-x", 9, 9, true, false, "x"},
      {"+-1", 9, 9, true, false, "-1"},
      {"2x\n", 9, 2, false, false, "x\n"},
      {"x2\n", 9, 9, true, false, "x2\n"},
      {"12", 9, 12, false, true, ""},
      {"", 9, 9, true, true, ""},
      {"  \n\n", 9, 9, true, true, ""},
      {"-", 9, 9, true, true, ""},
      {"\xA5"
       "1",
       9, 9, true, false,
       "\xA5"
       "1"},
  };
  for (const auto& c : kCases) {
    FakeConsoleReset(c.input);
    uint16_t choice = c.before;
    bool failed = false;
    ReadMenuNumber(choice, failed);
    EXPECT_EQ(choice, c.after) << "input \"" << c.input << "\"";
    EXPECT_EQ(failed, c.failed) << "input \"" << c.input << "\"";
    EXPECT_EQ(InputEnded(), c.ended) << "input \"" << c.input << "\"";
    EXPECT_EQ(FakeConsoleUnreadInput(), c.left) << "input \"" << c.input << "\"";
  }
}

TEST(ReadMenuNumber, StaysFailedOnceFailedOrEnded) {
  const struct {
    std::string input;
    uint16_t first;  // the value the first read leaves
  } kCases[] = {{"x 1\n", 65535}, {"70000 1\n", 65535}, {"2", 2}};
  for (const auto& c : kCases) {
    FakeConsoleReset(c.input);
    uint16_t choice = 65535;
    bool failed = false;
    ReadMenuNumber(choice, failed);
    EXPECT_EQ(choice, c.first) << "input \"" << c.input << "\"";
    std::string left = FakeConsoleUnreadInput();
    ReadMenuNumber(choice, failed);
    EXPECT_TRUE(failed) << "input \"" << c.input << "\"";
    EXPECT_EQ(choice, c.first) << "input \"" << c.input << "\"";
    EXPECT_EQ(FakeConsoleUnreadInput(), left) << "a failed input is not read";
  }
}

TEST(SkipRestOfRow, TakesThroughTheLineFeedAndNoFurther) {
  const struct {
    std::string input;
    std::string left;
  } kCases[] = {{"\nnext\n", "next\n"}, {" 3 4\nnext", "next"}, {"tail", ""}, {"", ""}};
  for (const auto& c : kCases) {
    FakeConsoleReset(c.input);
    SkipRestOfRow();
    EXPECT_EQ(FakeConsoleUnreadInput(), c.left) << "input \"" << c.input << "\"";
  }
}
