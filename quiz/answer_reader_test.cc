#include "quiz/answer_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/testing/fake_console.h"

using namespace std::string_literals;

TEST(NumberOfWord, AcceptsOnlyUpToNineDecimalDigits) {
  const struct {
    std::string word;
    int32_t value;
  } kCases[] = {
      {"", 0},
      {"0", 0},
      {"007", 7},
      {"36", 36},
      {"999999999", 999999999},
      {"123456789", 123456789},
      {"000000001", 1},
      {"1234567890", -1},
      {"0000000001", -1},
      {"9999999999", -1},
      {"+5", -1},
      {"-5", -1},
      {"5.0", -1},
      {"1e3", -1},
      {"12a", -1},
      {"a12", -1},
      {"abc", -1},
      {"\xA5", -1},
      {"5\xA5", -1},
      {"1\0"s
       "2",
       -1},
      {"\0"s, -1},
      {"0x10", -1},
      {"١", -1},  // an Arabic-Indic digit is no decimal digit here
  };
  for (const auto& c : kCases)
    EXPECT_EQ(NumberOfWord(c.word), c.value) << "word \"" << c.word << "\"";
}

namespace {

// The values that reading |input| |reads| times gives, 0 standing for the end of input.
std::vector<int32_t> ReadAll(const std::string& input, int reads) {
  FakeConsoleReset(input);
  std::vector<int32_t> values;
  for (int i = 0; i < reads; ++i)
    values.push_back(ReadAnswer());
  return values;
}

}  // namespace

TEST(ReadAnswer, ReadsWhitespaceDelimitedWords) {
  using V = std::vector<int32_t>;
  const struct {
    std::string input;
    int reads;
    V values;
  } kCases[] = {
      {"12 34\n", 2, V{12, 34}},
      {"\n\n   \t 5\n", 1, V{5}},
      {"\v\f\r 8\r\n9\r\n", 2, V{8, 9}},
      {"7", 2, V{7, 0}},
      {"", 3, V{0, 0, 0}},
      {"  \n \n", 2, V{0, 0}},
      {"ab\xA5 6", 2, V{-1, 6}},
      {"1\0"s
       "2 3",
       2, V{-1, 3}},
      {"\x80\xFF 4", 2, V{-1, 4}},
      {"06\n", 1, V{6}},
      {"12345678901234567890 1", 2, V{-1, 1}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(ReadAll(c.input, c.reads), c.values) << "input \"" << c.input << "\"";
}

TEST(ReadAnswer, LeavesTheWhitespaceAfterTheWordInTheInput) {
  FakeConsoleReset("42 \nrest");
  EXPECT_EQ(ReadAnswer(), 42);
  EXPECT_EQ(FakeConsoleUnreadInput(), " \nrest");
}

TEST(ReadAnswer, AVeryLongWordIsOneInvalidWord) {
  std::string input(5'000'000, '7');
  input += " 8";
  FakeConsoleReset(input);
  EXPECT_EQ(ReadAnswer(), -1);
  EXPECT_EQ(ReadAnswer(), 8);
}

TEST(ReadAnswerOrEnd, TellsTheEndOfInputFromAnAnswerOfZero) {
  FakeConsoleReset("0\n");
  EXPECT_EQ(ReadAnswerOrEnd(), std::optional<int32_t>(0));
  EXPECT_EQ(ReadAnswerOrEnd(), std::nullopt);
  EXPECT_EQ(ReadAnswerOrEnd(), std::nullopt);
}

TEST(ReadAnswer, FlushesThePromptUntilInputHasEnded) {
  FakeConsoleReset("5");
  ReadAnswer();  // reads 5 and meets the end of input
  size_t flushes = FakeConsoleFlushes().size();
  EXPECT_EQ(flushes, 1u);
  ReadAnswer();
  EXPECT_EQ(FakeConsoleFlushes().size(), flushes) << "no flush once input has ended";
}
