#include "selector/menu.h"

#include <gtest/gtest.h>

#include <string>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"
#include "console/title_screen.h"
#include "selector/testing/menu_screen.h"

namespace {

std::string TitleScreen() {
  FakeConsoleReset("");
  PrintTitleScreen("wersja 2.0");
  return FakeConsoleOutput();
}

}  // namespace

TEST(Selector, StartsTheProgramOfTheAnswersAfterClearingTheScreen) {
  const struct {
    std::string input;
    bool second_question;
    const char* program;  // nullptr: none
    std::string left;     // what the started program would read
  } kCases[] = {
      {"1\n1\nrest\n", true, "qor", "rest\n"},
      {"2\n1\n", true, "pym", ""},
      {"1\n2\n", true, "vek", ""},
      {"2\n2\n", true, "zif", ""},
      {"3\n", false, nullptr, ""},
      {"0\n1\n", false, nullptr, "1\n"},
      {"65535\n", false, nullptr, ""},
      {"1\n7\n", true, nullptr, ""},
      {"2 1 extra words\nnext\n", true, "pym", "next\n"},
      {"2x\nnext\n", true, "zif", "next\n"},
      {"01\n+1\n", true, "qor", ""},
      {"70000\n1\n1\n", false, nullptr, "1\n1\n"},
      {"-1\n1\n", false, nullptr, "1\n"},
      {"-65535\n-65535\n", true, "qor", ""},
      {"-65536\n1\n", false, nullptr, "1\n"},
      {"\n\n1\n\n\n2\n", true, "vek", ""},
      {"1", true, "qor", ""},
      {"2", true, "zif", ""},
      {"2\nabc\n1\n", true, "zif", "1\n"},
      {"", false, nullptr, ""},
  };
  for (const auto& c : kCases) {
    std::string expected = TitleScreen() + Screen(kFirstQuestion) +
                           (c.second_question ? Screen(kSecondQuestion) : "") + "<cls>" +
                           (c.program ? "<" + std::string(c.program) + ">" : "");
    FakeConsoleReset(c.input);
    RunSelector();
    EXPECT_EQ(FakeConsoleOutput(), expected) << "input \"" << c.input << "\"";
    EXPECT_EQ(FakeConsoleUnreadInput(), c.left) << "input \"" << c.input << "\"";
  }
}

TEST(ProgramForAnswers, IsTheProgramTable) {
  EXPECT_STREQ(ProgramForAnswers(1, 1), "qor");
  EXPECT_STREQ(ProgramForAnswers(2, 1), "pym");
  EXPECT_STREQ(ProgramForAnswers(1, 2), "vek");
  EXPECT_STREQ(ProgramForAnswers(2, 2), "zif");
  EXPECT_EQ(ProgramForAnswers(3, 1), nullptr);
  EXPECT_EQ(ProgramForAnswers(1, 0), nullptr);
  EXPECT_EQ(ProgramForAnswers(65535, 2), nullptr);
}
