#include "quiz/closing_screen.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"

TEST(ClosingScreen, IsKoniecBetweenFourEmptyRowsAndTenLineEndsThenTheKeyWait) {
  FakeConsoleReset("");
  PrintClosingScreen();
  // The four stored rows: 19 spaces, then the letters ('#' a block, '.' a space).
  auto art = [](std::string picture) {
    std::string row(19, ' ');
    for (char c : picture)
      row += c == '#' ? "█" : " ";
    return row;
  };
  std::string art1 = art("##..##...####...##..##..##..######...#####");
  std::string art2 = art("##.##...##..##..###.##..##..##......##....");
  std::string art3 = art("####....##..##..######..##..####....##....");
  std::string art4 = art("##.##...##..##..##.###..##..##......##....");
  std::string expected = "\n\n\n\n" + art1 + "\n" + art2 + "\n" + art3 + "\n" + art4 + "\n" + art1 +
                         "\n" + std::string(10, '\n') + "<key>";
  EXPECT_EQ(FakeConsoleOutput(), Screen(expected));
}

TEST(ClosingScreen, LettersStandInTheirColumns) {
  FakeConsoleReset("");
  PrintClosingScreen();
  std::string output = FakeConsoleOutput();
  std::string top = output.substr(8, 61);  // after the four empty rows
  // K O N I E C in columns 20-25, 28-33, 36-41, 44-45, 48-53, 56-61; spaces between.
  const std::pair<int, int> kLetters[] = {{20, 25}, {28, 33}, {36, 41},
                                          {44, 45}, {48, 53}, {56, 61}};
  std::string blocks_or_gaps(61, ' ');
  for (auto [first, last] : kLetters) {
    for (int col = first; col <= last; ++col)
      blocks_or_gaps[col - 1] = 'L';
  }
  for (int col = 1; col <= 61; ++col) {
    if (blocks_or_gaps[col - 1] == ' ') {
      EXPECT_EQ(top[col - 1], ' ') << "column " << col << " lies between letters";
    }
  }
  EXPECT_EQ(top.find('\xDB'), 19u);
  EXPECT_EQ(top.rfind('\xDB'), 60u);
}

TEST(ClosingScreen, WaitingBesideIsKoniecAfterOneEmptyRowThenTheKeyWait) {
  // As practice ends: short, so that the table of facts above it stays on a screen of 24 rows:
  // the last row's line end comes after the key, so the cursor waits beside the art.
  FakeConsoleReset("");
  PrintClosingScreen();
  std::string quiz = FakeConsoleOutput();
  FakeConsoleReset("");
  PrintClosingArtWaitingBeside(1);
  std::string practice = FakeConsoleOutput();
  // The quiz's art rows, between its four empty rows and its ten line ends.
  std::string art = quiz.substr(8, quiz.size() - 8 - 20 - std::string("<key>").size());
  EXPECT_EQ(practice, "\r\n" + art.substr(0, art.size() - 2) + "<key>\r\n");
  size_t rows = 0;
  for (size_t at = practice.find("\r\n"); at != std::string::npos;
       at = practice.find("\r\n", at + 1))
    ++rows;
  EXPECT_EQ(rows, 6u) << "one empty row and the five rows of KONIEC, the last ended after the key";
}
