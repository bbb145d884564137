#include "practice/learner_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"

namespace {

const std::vector<std::string> kClass = {"Ala", "Łucja", "Zoë", "Łukasz"};
const std::string kList = "Kto ćwiczy?\n1. Ala\n2. Łucja\n3. Zoe\n4. Łukasz\n\n Twój numer ? ";
const std::string kNoName = "\n Nie ma takiego imienia !\n\n Twój numer ? ";
const std::string kAgain = "\n Nie ma takiego numeru !\n\n Twój numer ? ";

}  // namespace

TEST(LearnerChoice, AsksUntilARowHoldsANumberOnTheList) {
  const struct {
    const char* what;
    std::string input;
    std::optional<size_t> learner;
    std::string screen;
    std::string unread;  // what is left for the count prompt
  } kCases[] = {
      {"the first", "1\n5\n", 0, kList + "\n Cześć, Ala !\n\n", "5\n"},
      {"the last, with spaces and CR LF", "  3 \r\n", 2, kList + "\n Cześć, Zoe !\n\n", ""},
      {"no line end", "2", 1, kList + "\n Cześć, Łucja !\n\n", ""},
      {"Enter alone asks again", "\n2\n", 1, kList + kAgain + "\n Cześć, Łucja !\n\n", ""},
      {"numbers off the list, then 01", "0\n5\n+1\n1 2\n01\n", 0,
       kList + kAgain + kAgain + kAgain + kAgain + "\n Cześć, Ala !\n\n", ""},
      {"the start of a name, without Polish letters or capitals", "zo\n", 2,
       kList + "\n Cześć, Zoe !\n\n", ""},
      {"a whole name in capitals", "  ŁUCJA \r\n", 1, kList + "\n Cześć, Łucja !\n\n", ""},
      {"a start of two names lists them", "lu\nluk\n", 3,
       kList + "\n Pasuje więcej imion:\n2. Łucja\n4. Łukasz\n\n Twój numer ? " +
           "\n Cześć, Łukasz !\n\n",
       ""},
      {"a start of no name", "Ola\nAla Nowak\na\n", 0,
       kList + kNoName + kNoName + "\n Cześć, Ala !\n\n", ""},
      {"a row far too long", std::string(500, ' ') + "1\n1\n", 0,
       kList + kAgain + "\n Cześć, Ala !\n\n", ""},
      {"input ended at once", "", std::nullopt, kList + "\n", ""},
      {"input ended after a wrong number", "7\n", std::nullopt, kList + kAgain + "\n", ""},
  };
  for (const auto& c : kCases) {
    FakeConsoleReset(c.input);
    EXPECT_EQ(AskLearner(kClass), c.learner) << c.what;
    EXPECT_EQ(FakeConsoleOutput(), Screen(c.screen)) << c.what;
    EXPECT_EQ(FakeConsoleUnreadInput(), c.unread) << c.what;
  }
}

TEST(LearnerChoice, NamesAsWrittenOnAUtf8Terminal) {
  FakeConsoleReset("3\n");
  FakeConsoleSetUtf8(true);
  EXPECT_EQ(AskLearner({"Ala", "Zoë", "Мария"}), 2u);
  EXPECT_NE(FakeConsoleOutput().find("2. Zo\xC3\xAB\r\n3. \xD0\x9C\xD0\xB0\xD1\x80\xD0\xB8\xD1\x8F\r\n"),
            std::string::npos)
      << FakeConsoleOutput();
  EXPECT_NE(FakeConsoleOutput().find(" Cze\x98\x86, \xD0\x9C\xD0\xB0\xD1\x80\xD0\xB8\xD1\x8F !"),
            std::string::npos)
      << "the program's own text stays as stored, for the terminal to convert";
}

TEST(LearnerChoice, FortyNamesStandInTwoColumnsOfTwentyRows) {
  const struct {
    size_t count;
    size_t rows;  // of names
    std::string first_row;
  } kCases[] = {
      {20, 20, " 1. Uczeń 1"},
      {21, 11, " 1. Uczeń 1" + std::string(29, ' ') + "12. Uczeń 12"},
      {40, 20, " 1. Uczeń 1" + std::string(29, ' ') + "21. Uczeń 21"},
      {41, 14,
       " 1. Uczeń 1" + std::string(15, ' ') + "15. Uczeń 15" + std::string(14, ' ') +
           "29. Uczeń 29"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> names;
    for (size_t i = 1; i <= c.count; ++i)
      names.push_back("Uczeń " + std::to_string(i));
    FakeConsoleReset("");
    AskLearner(names);
    std::string screen = FakeConsoleOutput();
    size_t first = screen.find("\r\n") + 2;
    EXPECT_EQ(screen.substr(first, screen.find("\r\n", first) - first), Screen(c.first_row))
        << c.count;
    size_t rows = 0;
    for (size_t at = screen.find("\r\n"); at != std::string::npos; at = screen.find("\r\n", at + 2))
      ++rows;
    EXPECT_EQ(rows, 1 + c.rows + 2) << c.count << ": the heading, the names, an empty row";
  }
  // A name longer than its column is cut.
  FakeConsoleReset("");
  AskLearner(std::vector<std::string>(21, std::string(50, 'x')));
  EXPECT_NE(FakeConsoleOutput().find(" 1. " + std::string(34, 'x') + "~ 12. "), std::string::npos);
}
