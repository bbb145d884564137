#include "console/output.h"

#include <gtest/gtest.h>

#include <climits>

#include "console/testing/fake_console.h"

TEST(PutNumber, WritesPlainDecimal) {
  const struct {
    int32_t value;
    const char* text;
  } kCases[] = {{0, "0"},
                {7, "7"},
                {-5, "-5"},
                {1000000, "1000000"},
                {INT32_MAX, "2147483647"},
                {INT32_MIN, "-2147483648"}};
  for (const auto& c : kCases) {
    FakeConsoleReset("");
    PutNumber(c.value);
    EXPECT_EQ(FakeConsoleOutput(), c.text) << c.value;
  }
}

TEST(LineEnds, AreCarriageReturnLineFeedEachFollowedByAFlush) {
  FakeConsoleReset("");
  PutText("prompt ");
  EXPECT_TRUE(FakeConsoleFlushes().empty()) << "text without a line end is not flushed";
  PutLine("row");
  PutBlankLines(2);
  PutChar('\xDB');
  EndLine();
  EXPECT_EQ(FakeConsoleOutput(), "prompt row\r\n\r\n\r\n\xDB\r\n");
  EXPECT_EQ(FakeConsoleFlushes(), (std::vector<size_t>{12, 14, 16, 19}));
}

TEST(PutBlankLines, ZeroWritesNothing) {
  FakeConsoleReset("");
  PutBlankLines(0);
  EXPECT_EQ(FakeConsoleOutput(), "");
}
