// Practice's memory from one round to the next, as the programs keep it in their files: the next
// day starts with the facts missed, a file that cannot be used is kept aside, a place that cannot
// be written changes nothing in the round, and two rounds at once both count.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "console/testing/cp852.h"
#include "practice/memory_store.h"
#include "quiz/testing/round_screen.h"
#include "tests/e2e.h"

namespace {

using namespace round_screen;

const std::string kFormatLine = "tabliczka practice 1\n";

// zif's first run on day 0: 5x5, 3x1, 2x3, 5x1, 2x2, all right at the first try.
const std::string kZifInput = "5\n25 3 6 5 4\n";
const std::string kZifRound = kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + kRight + Ask(2, 3) +
                              kRight + Ask(5, 1) + kRight + Ask(2, 2) + kRight + Bar();
const std::string kZifMemory = kFormatLine + "2 2 2 0\n2 3 2 0\n3 1 2 0\n5 1 2 0\n5 5 2 0\n";

const std::vector<std::string> kZifGrid = {".....", ".22..", "2....", ".....", "2...2"};

// zif's output for that round: with |not_kept|, the row that says where nothing could be kept
// ("" for none); with |grid|, the grid it ends with; with |before|, the rows between the title
// screen and the count prompt (who is practising).
std::string ZifFirstRunOutput(const std::string& not_kept = "",
                              const std::vector<std::string>& grid = kZifGrid,
                              const std::string& before = "") {
  return TitleScreenBytes("wersja 2.0/zif") + Screen(before + kZifRound) +
         (not_kept.empty() ? "" : Screen(" Nie udało się zapisać postępów" + not_kept + "\n")) +
         EndGridBytes(5, grid, {" Wszystko dobrze za pierwszym razem !"}) +
         ClosingScreenBytes("zif");
}

// A practice program with the fixed clock on day |day|, keeping its memory in |place|, started
// with |arguments|; the answers that |slow| lists ("2,5") take a minute each.
Finished Practise(const std::string& program, const std::string& input, const MemoryPlace& place,
                  int day = 0, const std::vector<std::string>& arguments = {},
                  const std::string& slow = "") {
  std::vector<std::string> env = place.env;
  env.push_back("FIXED_CLOCK_DAY=" + std::to_string(day));
  env.push_back("FIXED_CLOCK_SLOW=" + slow);
  std::vector<std::string> command = Command(program);
  command.insert(command.end(), arguments.begin(), arguments.end());
  return RunPiped(MakeLaunch(command, TestEnvironment(env)), input, 20000);
}

// The directory of file |path|.
std::string DirectoryOf(const std::string& path) {
  return path.substr(0, path.rfind('/'));
}

// Makes |dir| and its missing parents.
void MakeDirectories(const std::string& dir) {
  for (size_t slash = dir.find('/', 1); slash != std::string::npos;
       slash = dir.find('/', slash + 1))
    mkdir(dir.substr(0, slash).c_str(), 0700);
  mkdir(dir.c_str(), 0700);
}

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

// The memory that the files of memory file |path| hold together (the file itself, the runs'
// logs and snapshots beside it), written as the earlier versions wrote the file; "" where
// there are none.
std::string MemoryOf(const std::string& path) {
  std::string dir = DirectoryOf(path);
  MemoryRead read = ReadMemoryFiles(MemoryFile{UserFolder{dir, dir}, path}, 0);
  return read.found ? FormatMemory(read.merged.memory) : "";
}

// The names in folder |dir| that end with |end|.
std::vector<std::string> FilesEndingWith(const std::string& dir, const std::string& end) {
  std::vector<std::string> names, ending;
  FileNamesInFolder(dir, names);
  for (const std::string& name : names) {
    if (name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0)
      ending.push_back(name);
  }
  return ending;
}

// A class folder of its own, named by TABLICZKA_DIR: the folder, and the environment entry
// as the programs are to see it (a Windows path, through wine, whose drive Z: is the root).
struct ClassPlace {
  std::string dir;
  MemoryPlace place;
};
ClassPlace NewClassPlace() {
  std::string dir = TemporaryDirectory() + "/klasa";
  MakeDirectories(dir);
  std::string named = dir;
  if (ThroughRunner()) {
    named = "Z:" + dir;
    for (char& c : named)
      c = c == '/' ? '\\' : c;
  }
  MemoryPlace place{{"TABLICZKA_DIR=" + named}, dir + "/practice.txt", named};
  if (ThroughRunner())
    place.env.push_back("LC_ALL=C.UTF-8");  // wine names files in the locale's character set
  return {dir, place};
}

// The question who is practising, for the class Ala, Łucja: the list, then |rows| (the answers
// asked again), then the greeting of |learner|.
std::string WhoPractises(const std::string& learner, const std::string& rows = "") {
  return "Kto ćwiczy?\n1. Ala\n2. Łucja\n\n Twój numer ? " + rows + "\n Cześć, " + learner +
         " !\n\n";
}
const std::string kAskedAgain = "\n Nie ma takiego numeru !\n\n Twój numer ? ";

}  // namespace

TEST(PracticeMemoryThroughAPipe, TwoLearnersOnOneAccountEachKeepTheirOwnMemory) {
  ClassPlace klasa = NewClassPlace();
  WriteFile(klasa.dir + "/uczniowie.txt", "\xEF\xBB\xBF# klasa 2b\r\nAla\r\n\r\n  Łucja \r\n");
  // Łucja (number 2) first, with every answer right; then Ala, who misses 3x1 and 2x2.
  Finished lucja = Practise("zif_fixed_clock", "2\n" + kZifInput, klasa.place);
  ASSERT_TRUE(ExitedWithZero(lucja.status));
  EXPECT_EQ(lucja.output, ZifFirstRunOutput("", kZifGrid, WhoPractises("Łucja")));
  Finished ala = Practise("zif_fixed_clock", "1\n5\n25\n1 3\n6\n5\n1 4\n", klasa.place);
  ASSERT_TRUE(ExitedWithZero(ala.status));
  EXPECT_NE(ala.output.find(Screen(WhoPractises("Ala") + kPrompt)), std::string::npos);
  EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Łucja.txt"), kZifMemory);
  EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Ala.txt"),
            kFormatLine + "2 2 1 0\n2 3 2 0\n3 1 1 0\n5 1 2 0\n5 5 2 0\n");
  EXPECT_EQ(MemoryOf(klasa.place.file), "") << "no memory of the account's own";

  // The next day each starts from their own memory: Ala with her two facts in box 1.
  Finished again = Practise("vek_fixed_clock", "1\n5\n3 4 35 12 56\n", klasa.place, 1);
  ASSERT_TRUE(ExitedWithZero(again.status));
  EXPECT_NE(again.output.find(Screen(kPrompt + Ask(3, 1) + kRight + Ask(2, 2))), std::string::npos);
  EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Łucja.txt"), kZifMemory);
}

TEST(PracticeMemoryThroughAPipe, ANumberNotOnTheListIsAskedAgainAndInputThatEndsEndsTheProgram) {
  ClassPlace klasa = NewClassPlace();
  WriteFile(klasa.dir + "/uczniowie.txt", "Ala\nŁucja\n");
  Finished run = Practise("zif_fixed_clock", "3\n\n0\nOla\n2\n" + kZifInput, klasa.place);
  ASSERT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output,
            ZifFirstRunOutput("", kZifGrid,
                              WhoPractises("Łucja", kAskedAgain + kAskedAgain + kAskedAgain +
                                                        "\n Nie ma takiego imienia !\n\n"
                                                        " Twój numer ? ")));
  EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Łucja.txt"), kZifMemory);

  // Input that ends at the question: no round, the closing screen, exit code 0, nothing kept.
  for (const char* input : {"", "5\n"}) {
    ClassPlace empty = NewClassPlace();
    WriteFile(empty.dir + "/uczniowie.txt", "Ala\nŁucja\n");
    Finished ended = Practise("zif_fixed_clock", input, empty.place);
    EXPECT_TRUE(ExitedWithZero(ended.status)) << input;
    std::string rows = std::string(input).empty() ? "" : kAskedAgain;
    EXPECT_EQ(ended.output,
              TitleScreenBytes("wersja 2.0/zif") +
                  Screen("Kto ćwiczy?\n1. Ala\n2. Łucja\n\n Twój numer ? " + rows + "\n") +
                  ClosingScreenBytes("zif"))
        << input;
    EXPECT_EQ(MemoryOf(empty.dir + "/practice-Ala.txt"), "") << input;
  }
}

TEST(PracticeMemoryThroughAPipe, EachFaultOfTheListIsSaidAndTheRestOfItUsed) {
  const struct {
    std::string list;
    std::string said;
  } kCases[] = {
      {"Ala\nOla/Ela\nŁucja\n",
       " uczniowie.txt, wiersz 2: \"Ola/Ela\" nie może być nazwą pliku; pominięte.\n"},
      {"Ala\nŁucja\nŁUCJA\n",
       " uczniowie.txt, wiersz 3: \"ŁUCJA\" powtarza imię z wiersza 2 (\"Łucja\"); pominięte.\n"},
      {std::string("\xFF\xFE" "A\0l\0a\0\r\0\n\0\x41\x01u\0" "c\0j\0" "a\0\r\0\n\0", 24),
       ""},  // UTF-16, as Notepad saves it
      {"Ala\r\n\xA3ucja\r\n", ""},  // Windows-1250
  };
  for (const auto& c : kCases) {
    ClassPlace klasa = NewClassPlace();
    WriteFile(klasa.dir + "/uczniowie.txt", c.list);
    Finished run = Practise("zif_fixed_clock", "2\n" + kZifInput, klasa.place);
    EXPECT_TRUE(ExitedWithZero(run.status)) << c.list;
    EXPECT_EQ(run.output,
              ZifFirstRunOutput("", kZifGrid, c.said + (c.said.empty() ? "" : "\n") +
                                                  WhoPractises("Łucja")))
        << c.list;
    EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Łucja.txt"), kZifMemory) << c.list;
  }
}

TEST(PracticeMemoryThroughAPipe, AListThatCannotBeUsedIsSaidWithWhatToMendAndAKeyWaitedFor) {
  ClassPlace klasa = NewClassPlace();
  MakeDirectories(klasa.dir + "/uczniowie.txt");
  Finished run = Practise("zif_fixed_clock", kZifInput, klasa.place);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output,
            ZifFirstRunOutput(
                "", kZifGrid,
                " uczniowie.txt: to nie jest zwykły plik (to folder albo potok).\n"
                " Popraw: w jego miejscu ma być plik tekstowy z imionami.\n"
                " Lista uczniów nie jest używana: wszyscy ćwiczą we wspólnym practice.txt.\n"
                " Folder: " + klasa.place.shown + "\n\n Naciśnij dowolny klawisz.\n\n"));
  EXPECT_EQ(MemoryOf(klasa.place.file), kZifMemory) << "the account's own memory";
}

TEST(PracticeMemoryThroughAPipe, AListMendedBetweenTwoRoundsKeepsTheChildsMemory) {
  // Day 0: "ola", second on the list, misses 3 x 1. Day 1: the list is mended, a name put
  // before hers and hers written with a capital; she types her name's start and practises
  // from her own memory, 3 x 1 first.
  ClassPlace klasa = NewClassPlace();
  WriteFile(klasa.dir + "/uczniowie.txt", "Ala\nola\n");
  Finished first = Practise("zif_fixed_clock", "2\n5\n25\n1 3\n6\n5\n4\n", klasa.place);
  ASSERT_TRUE(ExitedWithZero(first.status));
  std::string memory = MemoryOf(klasa.dir + "/practice-ola.txt");
  ASSERT_NE(memory.find("3 1 1 0\n"), std::string::npos) << memory;

  WriteFile(klasa.dir + "/uczniowie.txt", "Ala\nBartek\nOla\nZ\xCC\x87o\xCC\x81\xC5\x82w\n");
  Finished second = Practise("zif_fixed_clock", "OLA\n5\n3 4 6 5 25\n", klasa.place, 1);
  ASSERT_TRUE(ExitedWithZero(second.status));
  EXPECT_NE(second.output.find(Screen("3. Ola\n4. Żółw\n\n Twój numer ? \n Cześć, Ola !\n\n" +
                                      kPrompt + Ask(3, 1))),
            std::string::npos)
      << second.output;
  EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Ola.txt"), "") << "no second memory";
  EXPECT_NE(MemoryOf(klasa.dir + "/practice-ola.txt").find("3 1 2 1\n"), std::string::npos);
}

TEST(PracticeMemoryThroughAPipe, TheMemorysFolderNamedByTabliczkaDir) {
  // Without a class list, practice.txt in the folder named, not in the data folder; nothing
  // else changes.
  ClassPlace klasa = NewClassPlace();
  MemoryPlace data = NewMemoryPlace();
  MemoryPlace both = data;
  both.env.push_back(klasa.place.env[0]);
  Finished run = Practise("zif_fixed_clock", kZifInput, both);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output, ZifFirstRunOutput());
  EXPECT_EQ(MemoryOf(klasa.place.file), kZifMemory);
  EXPECT_EQ(MemoryOf(data.file), "");
  if (ThroughRunner())
    return;  // the paths below are this system's
  // A relative path is ignored: the data folder it is.
  Launch relative = MakeLaunch(
      Command("zif_fixed_clock"),
      TestEnvironment({data.env[0], "TABLICZKA_DIR=klasa", "FIXED_CLOCK_DAY=0"}), klasa.dir);
  EXPECT_TRUE(ExitedWithZero(RunPiped(relative, kZifInput).status));
  EXPECT_EQ(MemoryOf(data.file), kZifMemory);
  EXPECT_FALSE(Exists(klasa.dir + "/klasa"));
  // A folder named that is not there is never made: nothing is kept, and the round says so,
  // naming the file with its Polish letters.
  std::string gone = klasa.dir + "/zniknął";
  run = Practise("zif_fixed_clock", kZifInput, MemoryPlace{{"TABLICZKA_DIR=" + gone}, "", ""});
  EXPECT_EQ(run.output, ZifFirstRunOutput(": " + gone + "/practice.txt"));
  EXPECT_FALSE(Exists(gone));
}

TEST(PracticeMemoryThroughAPipe, TheNextDayStartsWithTheFactsMissedAndBothProgramsShareIt) {
  MemoryPlace place = NewMemoryPlace();
  const std::string& file = place.file;

  // Day 0, zif: 3x1 and 2x2 are missed once each, the rest right at the first try.
  Finished first = Practise("zif_fixed_clock", "5\n25\n1 3\n6\n5\n1 4\n", place, 0);
  ASSERT_TRUE(ExitedWithZero(first.status));
  std::string round = kPrompt + Ask(5, 5) + kRight + Ask(3, 1) + kWrongShort + Ask(3, 1) + kRight +
                      Ask(2, 3) + kRight + Ask(5, 1) + kRight + Ask(2, 2) + kWrongShort +
                      Ask(2, 2) + kRight + Bar();
  EXPECT_EQ(first.output, TitleScreenBytes("wersja 2.0/zif") + Screen(round) +
                              EndGridBytes(5, {".....", ".12..", "1....", ".....", "2...2"},
                                           {" Do powtórki:", "  3 x 1 = 3     2 x 2 = 4"}) +
                              ClosingScreenBytes("zif"));
  EXPECT_EQ(MemoryOf(file), kFormatLine + "2 2 1 0\n2 3 2 0\n3 1 1 0\n5 1 2 0\n5 5 2 0\n");

  // Day 1, vek: the two facts in box 1 come first (3x1 before 2x2, as the day's shuffle has
  // them), then the rest of the day's shuffle; the facts in box 2 are not due before day 2.
  Finished second = Practise("vek_fixed_clock", "5\n3 4 35 12 56\n", place, 1);
  ASSERT_TRUE(ExitedWithZero(second.status));
  round = kPrompt + Ask(3, 1) + kRight + Ask(2, 2) + kRight + Ask(7, 5) + kRight + Ask(6, 2) +
          kRight + Ask(8, 7) + kRight + Bar();
  EXPECT_EQ(second.output,
            TitleScreenBytes("wersja 2.0/vek") + Screen(round) +
                EndGridBytes(10,
                             {"..........", ".22.......", "2.........", "..........", "2...2.....",
                              ".2........", "....2.....", "......2...", "..........", ".........."},
                             {" Wszystko dobrze za pierwszym razem !"}) +
                ClosingScreenBytes("vek"));
  EXPECT_EQ(MemoryOf(file), kFormatLine +
                                "2 2 2 1\n2 3 2 0\n3 1 2 1\n5 1 2 0\n5 5 2 0\n6 2 2 1\n7 5 2 1\n"
                                "8 7 2 1\n");
}

TEST(PracticeMemoryThroughAPipe, ASlowAnswerKeepsItsFactInItsBoxAndIsListed) {
  // Day 10: 3 x 1, in box 3 since day 0, is due and comes first, answered right in a minute;
  // then 4 x 1, 1 x 3, 1 x 4 and 2 x 4, new, right at once.
  MemoryPlace place = NewMemoryPlace();
  MakeDirectories(DirectoryOf(place.file));
  WriteFile(place.file, kFormatLine + "3 1 3 0\n");
  Finished run = Practise("zif_fixed_clock", "5\n3 4 3 4 8\n", place, 10, {}, "1");
  std::string round = kPrompt + Ask(3, 1) + kRight + Ask(4, 1) + kRight + Ask(1, 3) + kRight +
                      Ask(1, 4) + kRight + Ask(2, 4) + kRight + Bar();
  EXPECT_EQ(run.output, TitleScreenBytes("wersja 2.0/zif") + Screen(round) +
                            EndGridBytes(5, {"..22.", "...2.", "3....", "2....", "....."},
                                         {" Wszystko dobrze za pierwszym razem !",
                                          " Dobrze, a wkrótce pójdzie od razu:", "  3 x 1 = 3"}) +
                            ClosingScreenBytes("zif"));
  EXPECT_EQ(MemoryOf(place.file),
            kFormatLine + "1 3 2 10\n1 4 2 10\n2 4 2 10\n3 1 3 10\n4 1 2 10\n");
}

TEST(PracticeMemoryThroughAPipe, TheTableOfSevenAsksOnlyItsFactsAndTheGridShowsTheWholeTable) {
  Finished run = Practise("vek_fixed_clock", "5\n35 21 14 49 56\n", NewMemoryPlace(), 0, {"7"});
  std::string round = kPrompt + Ask(7, 5) + kRight + Ask(7, 3) + kRight + Ask(7, 2) + kRight +
                      Ask(7, 7) + kRight + Ask(7, 8) + kRight + Bar();
  std::vector<std::string> boxes(10, "..........");
  boxes[6] = ".22.2.22..";
  EXPECT_EQ(run.output, TitleScreenBytes("wersja 2.0/vek") + Screen(round) +
                            EndGridBytes(10, boxes, {" Wszystko dobrze za pierwszym razem !"}) +
                            ClosingScreenBytes("vek"));
}

TEST(PracticeMemoryThroughAPipe, AWordThatIsNotATableEndsWithStatusTwoAndTouchesNothing) {
  const std::string kVek =
      "vek: tabliczki to liczby od 1 do 10, np. vek 7 albo vek 6 7 8; pomoc: vek -h";
  const struct {
    const char* program;
    const char* word;
    int status;
    std::string errors;
    std::string output;  // its start: the usage's first line, or the version
  } kCases[] = {{"vek", "11", 2, kVek, ""},
                {"vek", "x", 2, kVek, ""},
                {"vek", "-3", 2, kVek, ""},
                {"vek", "--wersja", 2, kVek, ""},
                {"zif", "7", 2,
                 "zif: tabliczki to liczby od 1 do 5, np. zif 4 albo zif 3 4 5; pomoc: zif -h", ""},
                {"zif", "-h", 0, "", "Użycie: zif [dzielenie|razem] [TABLICZKA ...]\n"},
                {"vek", "--help", 0, "", "Użycie: vek [dzielenie|razem] [TABLICZKA ...]\n"},
                {"zif", "--version", 0, "", "wersja 2.0\n"}};
  for (const auto& c : kCases) {
    MemoryPlace place = NewMemoryPlace();
    Finished run = Practise(c.program, kZifInput, place, 0, {c.word});
    EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == c.status) << c.word;
    // A Windows text stream ends the line with CR LF.
    EXPECT_EQ(run.errors, c.errors + (c.status == 0 ? "" : ThroughRunner() ? "\r\n" : "\n"));
    EXPECT_EQ(run.output.substr(0, Screen(c.output).size()), Screen(c.output)) << c.word;
    EXPECT_FALSE(Exists(DirectoryOf(place.file))) << c.word << ": nothing kept";
  }
}

TEST(PracticeMemoryThroughAPipe, ARoundEndedHalfWayKeepsWhatWasAnswered) {
  // zif asks 5x5, 3x1, 2x3, ...: two right answers and a wrong one, then the round is ended the
  // hardest way while it waits for the next try (as by a closed window or a power cut).
  MemoryPlace place = NewMemoryPlace();
  std::vector<std::string> env = place.env;
  env.push_back("FIXED_CLOCK_DAY=0");
  Finished run = RunPiped(MakeLaunch(Command("zif_fixed_clock"), TestEnvironment(env)),
                          {{"5\n25 3 7\n", 1}, {"6\n", 1, 60000}}, 3000);
  EXPECT_TRUE(run.timed_out) << "still waiting for the next try when it was ended";
  EXPECT_EQ(MemoryOf(place.file), kFormatLine + "2 3 1 0\n3 1 2 0\n5 5 2 0\n");
}

TEST(PracticeMemoryThroughAPipe, AChildsHistoryIsNeverThrownAway) {
  const std::string k443 = kFormatLine + "4 4 3 0\n";
  const std::string kZifWith443 =
      kFormatLine + "2 2 2 0\n2 3 2 0\n3 1 2 0\n4 4 3 0\n5 1 2 0\n5 5 2 0\n";
  const std::vector<std::string> kGridWith443 = {".....", ".22..", "2....", "...3.", "2...2"};
  const struct {
    const char* what;
    std::string text;   // empty: a directory in the file's place
    std::string after;  // the memory after the round; empty: nothing kept
    std::string aside;  // what is kept aside as practice.txt.1.bad; empty: nothing
    bool kept;          // the round was kept
  } kCases[] = {
      // Edited by a person: read as meant, and the file left as it is (its comments and the
      // lines that hold no fact with it): the answers go to the run's own log beside it.
      {"Notepad's", "tabliczka practice 1\r\n4 4 3 0", kZifWith443, "", true},
      {"a byte order mark", "\xEF\xBB\xBF" + k443, kZifWith443, "", true},
      {"comments, blanks, tabs", "# Ola\n\n" + kFormatLine + "4\t4  3 0 \n\n", kZifWith443, "",
       true},
      {"an empty file", "", kZifMemory, "", true},
      {"a line that does not parse", k443 + "7 x 8 1 0\n", kZifWith443, "", true},
      {"a file cut short", k443 + "1 1 2", kZifWith443, "", true},
      {"a fact out of range", k443 + "11 1 2 0\n", kZifWith443, "", true},
      // No memory file at all: set aside whole, and a new one begun.
      {"not text at all", std::string("\x89PNG\r\n\x1A\n\0\0", 10), kZifMemory,
       std::string("\x89PNG\r\n\x1A\n\0\0", 10), true},
      {"a directory", "", kZifMemory, "", true},
      // A later version's file: left exactly as it is, and nothing kept.
      {"a newer format", "tabliczka practice 9\n4 4 3 0\n", "", "", false},
  };
  for (const auto& c : kCases) {
    MemoryPlace place = NewMemoryPlace();
    const std::string& file = place.file;
    MakeDirectories(DirectoryOf(file));
    bool directory = std::string(c.what) == "a directory";
    if (directory)
      mkdir(file.c_str(), 0700);
    else
      WriteFile(file, c.text);
    Finished run = Practise("zif_fixed_clock", kZifInput, place);
    EXPECT_TRUE(ExitedWithZero(run.status)) << c.what;
    bool has443 = c.after == kZifWith443;
    EXPECT_EQ(run.output,
              ZifFirstRunOutput(c.kept ? "" : ": " + place.shown, has443 ? kGridWith443 : kZifGrid))
        << c.what;
    EXPECT_EQ(MemoryOf(file), c.after.empty() ? MemoryOf(file) : c.after) << c.what;
    EXPECT_EQ(FilesEndingWith(DirectoryOf(file), ".log").size(), c.kept ? 1u : 0u) << c.what;
    if (c.aside.empty() && !directory) {
      EXPECT_EQ(ReadFile(file), c.text) << c.what << ": left as it was";
    }
    struct stat info;
    if (directory)
      EXPECT_TRUE(stat((file + ".1.bad").c_str(), &info) == 0 && S_ISDIR(info.st_mode));
    else if (c.aside.empty())
      EXPECT_FALSE(Exists(file + ".1.bad")) << c.what;
    else
      EXPECT_EQ(ReadFile(file + ".1.bad"), c.aside) << c.what << ": kept aside as it was";
  }

  // A later mishap sets its file aside under the next number: none is ever replaced, and only
  // the newest three are kept, the round saying how many older ones went.
  MemoryPlace place = NewMemoryPlace();
  MakeDirectories(DirectoryOf(place.file));
  Finished last;
  for (int n = 1; n <= 4; ++n) {
    WriteFile(place.file, "garbage " + std::to_string(n) + "\n");
    last = Practise("zif_fixed_clock", kZifInput, place);
    EXPECT_TRUE(ExitedWithZero(last.status));
  }
  EXPECT_FALSE(Exists(place.file + ".1.bad"));
  EXPECT_EQ(ReadFile(place.file + ".2.bad"), "garbage 2\n");
  EXPECT_EQ(ReadFile(place.file + ".4.bad"), "garbage 4\n");
  // Right under the bar that ends the round (the rounds before it made its facts known, so
  // it asks others).
  std::string bar;
  for (int i = 0; i < 80; ++i)
    bar += "█";
  EXPECT_NE(
      last.output.find(Screen(bar + "\n Usunięto starsze kopie (1): " + place.shown + ".N.bad\n")),
      std::string::npos);
}

TEST(PracticeMemoryThroughAPipe, AnswersThatCouldNotBeKeptAreTriedAgainAndNeverLost) {
  if (ThroughRunner())
    GTEST_SKIP() << "the file system is this system's";
  // A file where the memory's folder is to be made makes every save fail, as a full disk would.
  // Cleared after the first two answers, or not at all.
  for (bool cleared : {true, false}) {
    MemoryPlace place = NewMemoryPlace();
    MakeDirectories(DirectoryOf(DirectoryOf(place.file)));
    WriteFile(DirectoryOf(place.file), "in the way\n");
    std::vector<std::string> env = place.env;
    env.push_back("FIXED_CLOCK_DAY=0");
    std::thread clear([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(600));
      if (cleared)
        unlink(DirectoryOf(place.file).c_str());
    });
    Finished run = RunPiped(MakeLaunch(Command("zif_fixed_clock"), TestEnvironment(env)),
                            {{"5\n25 3 ", 1}, {"6 5 4\n", 1, 1500}}, 20000);
    clear.join();
    EXPECT_TRUE(ExitedWithZero(run.status));
    EXPECT_EQ(run.output, ZifFirstRunOutput(cleared ? "" : ": " + place.shown))
        << "every answer is in the grid";
    EXPECT_EQ(MemoryOf(place.file), cleared ? kZifMemory : "") << "every answer is kept";
  }
}

TEST(PracticeMemoryThroughAPipe, AFileTheSystemWillNotReadIsLeftAsItIs) {
  if (ThroughRunner())
    GTEST_SKIP() << "permissions are this system's";
  // The history left root's, readable by nobody else, by one run under sudo: no corrupt file,
  // but one this user may not read. It stays as it is, and the round says it kept nothing.
  // Run as an ordinary user (nobody, where the tests run as root).
  MemoryPlace place = NewMemoryPlace();
  std::string dir = DirectoryOf(place.file);
  MakeDirectories(dir);
  const std::string kHistory = kFormatLine + "4 4 3 0\n";
  WriteFile(place.file, kHistory);
  chmod(place.file.c_str(), 0);
  std::vector<std::string> argv = Command("zif_fixed_clock");
  if (geteuid() == 0) {
    chmod(DirectoryOf(dir).c_str(), 0755);
    chmod(dir.c_str(), 0755);
    argv.insert(argv.begin(),
                {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
  }
  std::vector<std::string> env = place.env;
  env.push_back("FIXED_CLOCK_DAY=0");
  Finished run = RunPiped(MakeLaunch(argv, TestEnvironment(env)), kZifInput);
  chmod(place.file.c_str(), 0600);
  EXPECT_TRUE(ExitedWithZero(run.status)) << run.errors;
  EXPECT_EQ(run.output, ZifFirstRunOutput(": " + place.shown));
  EXPECT_EQ(ReadFile(place.file), kHistory);
  EXPECT_FALSE(Exists(place.file + ".1.bad"));
  EXPECT_TRUE(FilesEndingWith(dir, ".log").empty()) << "nothing added to it";
}

TEST(PracticeMemoryThroughAPipe, NothingIsWrittenOutsideItsOwnFolder) {
  if (ThroughRunner())
    GTEST_SKIP() << "HOME and links are this system's";
  std::string dir = TemporaryDirectory();
  // A HOME that is not there is never made; a relative one is ignored, not taken from the
  // folder the program runs in.
  for (const char* home : {"/gone", "home"}) {
    Launch launch = MakeLaunch(
        Command("zif_fixed_clock"),
        TestEnvironment({std::string("HOME=") + (home[0] == '/' ? dir : "") + home}), dir);
    Finished run = RunPiped(launch, kZifInput);
    EXPECT_TRUE(ExitedWithZero(run.status)) << home;
    EXPECT_FALSE(Exists(dir + "/gone")) << home;
    EXPECT_FALSE(Exists(dir + "/home")) << home;
  }
  if (geteuid() != 0)
    return;  // only root makes a link that another account owns
  // In a class folder, a link another account made in the memory's place (or the class
  // list's), pointing outside it, is never followed: one line names it, and the answers are
  // kept in the folder.
  for (const char* planted : {"practice.txt", "uczniowie.txt"}) {
    ClassPlace klasa = NewClassPlace();
    WriteFile(dir + "/elsewhere", "# someone else's\nAla\n");
    std::string link = klasa.dir + "/" + planted;
    ASSERT_EQ(symlink((dir + "/elsewhere").c_str(), link.c_str()), 0);
    ASSERT_EQ(lchown(link.c_str(), 65534, 65534), 0);
    Finished run = Practise("zif_fixed_clock", kZifInput, klasa.place);
    std::string refused = " Pominięto dowiązanie innego konta: " + link + "\n";
    bool list = std::string(planted) == "uczniowie.txt";
    EXPECT_EQ(run.output, TitleScreenBytes("wersja 2.0/zif") +
                              Screen((list ? refused + "\n" : "") + kZifRound) +
                              Screen(list ? "" : refused) +
                              EndGridBytes(5, kZifGrid, {" Wszystko dobrze za pierwszym razem !"}) +
                              ClosingScreenBytes("zif"))
        << planted;
    EXPECT_EQ(ReadFile(dir + "/elsewhere"), "# someone else's\nAla\n") << planted;
    EXPECT_EQ(MemoryOf(klasa.place.file), kZifMemory) << planted;
  }
}

TEST(PracticeMemoryThroughAPipe, AMemoryThatIsALinkOfTheUsersOwnIsFollowed) {
  if (ThroughRunner())
    GTEST_SKIP() << "links are this system's";
  // practice.txt a link of the user's own into a synced folder: the answers are kept beside the
  // file there, which is left as it is, and the link stays a link.
  MemoryPlace place = NewMemoryPlace();
  MakeDirectories(DirectoryOf(place.file));
  std::string synced = TemporaryDirectory() + "/Ola.txt";
  WriteFile(synced, kFormatLine + "4 4 3 0\n");
  chmod(synced.c_str(), 0644);
  ASSERT_EQ(symlink(synced.c_str(), place.file.c_str()), 0);
  EXPECT_TRUE(ExitedWithZero(Practise("zif_fixed_clock", kZifInput, place).status));
  struct stat info;
  EXPECT_TRUE(lstat(place.file.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
  EXPECT_EQ(MemoryOf(synced),
            kFormatLine + "2 2 2 0\n2 3 2 0\n3 1 2 0\n4 4 3 0\n5 1 2 0\n5 5 2 0\n");
  EXPECT_EQ(MemoryOf(place.file), MemoryOf(synced));
  EXPECT_EQ(FilesEndingWith(DirectoryOf(synced), ".log").size(), 1u);
  EXPECT_EQ(ReadFile(synced), kFormatLine + "4 4 3 0\n");
  EXPECT_TRUE(stat(synced.c_str(), &info) == 0 && (info.st_mode & 0777) == 0644);
}

TEST(PracticeMemoryThroughAPipe, EachAnswerOnItsOwnDayWhateverTheClockDid) {
  const struct {
    const char* what;
    std::vector<std::string> env;
    std::string before;
    std::string after;
  } kCases[] = {
      // Asked "on day 30" by a clock that was wrong: due today, and 2 x 2 comes first.
      {"a day in the future",
       {"FIXED_CLOCK_DAY=0"},
       kFormatLine + "2 2 3 30\n",
       kFormatLine + "2 2 4 0\n2 3 2 0\n3 1 2 0\n5 1 2 0\n5 5 2 0\n"},
      {"a clock before 1970", {"FIXED_CLOCK_DAY=-1"}, "", kZifMemory},
      // Midnight after the second answer: the last three answers on the next day.
      {"a round across midnight",
       {"FIXED_CLOCK_DAY=0", "FIXED_CLOCK_MIDNIGHT_AFTER=3"},
       "",
       kFormatLine + "2 2 2 1\n2 3 2 1\n3 1 2 0\n5 1 2 1\n5 5 2 0\n"},
  };
  for (const auto& c : kCases) {
    MemoryPlace place = NewMemoryPlace();
    MakeDirectories(DirectoryOf(place.file));
    if (!c.before.empty())
      WriteFile(place.file, c.before);
    std::vector<std::string> env = place.env;
    env.insert(env.end(), c.env.begin(), c.env.end());
    std::string input = c.before.empty() ? kZifInput : "5\n4 25 3 6 5\n";
    Finished run = RunPiped(MakeLaunch(Command("zif_fixed_clock"), TestEnvironment(env)), input);
    EXPECT_TRUE(ExitedWithZero(run.status)) << c.what;
    EXPECT_NE(run.output.find(Screen(kPrompt + (c.before.empty() ? Ask(5, 5) : Ask(2, 2)))),
              std::string::npos)
        << c.what;
    EXPECT_EQ(MemoryOf(place.file), c.after) << c.what;
  }
}

TEST(PracticeMemoryThroughAPipe, AMemoryInTheOldPlaceIsCarriedOverOnceItCanBeRead) {
  if (ThroughRunner())
    GTEST_SKIP() << "the old place is this system's";
  // With a class list in the data folder or without: a run that cannot read the old file (a
  // folder in its place) leaves it; the next, once it is a file, carries it over.
  for (bool listed : {false, true}) {
    MemoryPlace place = NewMemoryPlace();
    std::string old_dir = TemporaryDirectory();
    std::string old_file = old_dir + "/tabliczka/practice.txt";
    MakeDirectories(old_file);
    MakeDirectories(DirectoryOf(place.file));
    if (listed)
      WriteFile(DirectoryOf(place.file) + "/uczniowie.txt", "Ala\nŁucja\n");
    MemoryPlace both{{place.env[0], "XDG_STATE_HOME=" + old_dir}, place.file, place.shown};
    EXPECT_TRUE(ExitedWithZero(Practise("zif_fixed_clock", "", both).status));
    EXPECT_EQ(MemoryOf(place.file), "") << listed;
    ASSERT_EQ(rmdir(old_file.c_str()), 0);
    WriteFile(old_file, kFormatLine + "4 4 3 0\n");
    Finished run = Practise("zif_fixed_clock", (listed ? "1\n" : "") + kZifInput, both);
    EXPECT_TRUE(ExitedWithZero(run.status)) << listed;
    EXPECT_EQ(MemoryOf(place.file),
              kFormatLine +
                  (listed ? "4 4 3 0\n" : "2 2 2 0\n2 3 2 0\n3 1 2 0\n4 4 3 0\n5 1 2 0\n5 5 2 0\n"))
        << listed;
    if (listed) {
      EXPECT_EQ(MemoryOf(DirectoryOf(place.file) + "/practice-Ala.txt"), kZifMemory);
    }
    EXPECT_FALSE(Exists(old_file)) << listed;
    EXPECT_EQ(ReadFile(old_file + ".moved"), kFormatLine + "4 4 3 0\n") << listed;
  }
}

TEST(PracticeMemoryThroughAPipe, AFileFarTooLargeIsKeptAsideUnread) {
  // A gigabyte where the memory should be (sparse: it takes no disk): not a file the programs
  // wrote, so it is set aside whole, without being read into memory.
  MemoryPlace place = NewMemoryPlace();
  const std::string& file = place.file;
  MakeDirectories(DirectoryOf(file));
  WriteFile(file, kFormatLine + "4 4 3 0\n");
  const off_t kSize = off_t{1} << 30;
  ASSERT_EQ(truncate(file.c_str(), kSize), 0);
  Finished run = Practise("zif_fixed_clock", kZifInput, place);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output, ZifFirstRunOutput());
  EXPECT_EQ(MemoryOf(file), kZifMemory);
  struct stat info;
  EXPECT_TRUE(stat((file + ".1.bad").c_str(), &info) == 0 && info.st_size == kSize);
  if (!ThroughRunner() && !UnderSanitizer()) {  // the program's own peak, not a runner's
    EXPECT_GT(run.peak_kib, 0) << "the peak was measured";
    EXPECT_LT(run.peak_kib, 8 * 1024) << "peak " << run.peak_kib << " KiB";
  }
}

TEST(PracticeMemoryThroughAPipe, WhatStandsUnderALogsNameThatIsNoLogIsLeftAlone) {
  if (ThroughRunner())
    GTEST_SKIP() << "pipes and links in the file system are this system's";
  // A pipe would hold the round for ever; a file that is no log (here through a link) is no
  // answer. Neither is counted, waited on or removed.
  for (const char* what : {"a pipe", "a link"}) {
    MemoryPlace place = NewMemoryPlace();
    const std::string& file = place.file;
    MakeDirectories(DirectoryOf(file));
    std::string target = DirectoryOf(file) + "/precious";
    WriteFile(target, "not the memory\n");
    std::string planted = file + ".other-1-ab.log";
    if (std::string(what) == "a pipe")
      ASSERT_EQ(mkfifo(planted.c_str(), 0600), 0);
    else
      ASSERT_EQ(symlink(target.c_str(), planted.c_str()), 0);
    Finished run = Practise("zif_fixed_clock", kZifInput, place);
    EXPECT_FALSE(run.timed_out) << what;
    EXPECT_TRUE(ExitedWithZero(run.status)) << what;
    EXPECT_EQ(run.output, ZifFirstRunOutput()) << what;
    EXPECT_EQ(MemoryOf(file), kZifMemory) << what;
    EXPECT_EQ(ReadFile(target), "not the memory\n") << what;
    struct stat info;
    EXPECT_EQ(lstat(planted.c_str(), &info), 0) << what;
  }
}

TEST(PracticeMemoryThroughAPipe, APlaceThatCannotBeWrittenKeepsNothingAndChangesNothingInTheRound) {
  // A regular file where the directory should be: nothing can be made there, whoever runs the
  // tests.
  MemoryPlace place = NewMemoryPlace();
  std::string dir = DirectoryOf(place.file);
  MakeDirectories(DirectoryOf(dir));
  WriteFile(dir, "a file, not a directory\n");
  Finished run = Practise("zif_fixed_clock", kZifInput, place);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output, ZifFirstRunOutput(": " + place.shown));
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(ReadFile(dir), "a file, not a directory\n");

  if (ThroughRunner())
    return;  // the permission bits below are this system's
  // A directory without write permission: the same, except for a user who may write anyway
  // (root), for whom the memory is kept as anywhere else.
  std::string locked = TemporaryDirectory();
  chmod(locked.c_str(), 0555);
  bool may_write = access(locked.c_str(), W_OK) == 0;
  run = Practise("zif_fixed_clock", kZifInput, MemoryPlace{{"XDG_DATA_HOME=" + locked}, "", ""});
  chmod(locked.c_str(), 0700);  // so that it can be removed
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output,
            ZifFirstRunOutput(may_write ? "" : ": " + locked + "/tabliczka/practice.txt"));
  EXPECT_EQ(MemoryOf(locked + "/tabliczka/practice.txt"), may_write ? kZifMemory : "")
      << (may_write ? "written, as this user may" : "nothing kept");
}

TEST(PracticeMemoryThroughAPipe, NoStateDirectoryAtAllKeepsNothing) {
  if (ThroughRunner())
    GTEST_SKIP() << "a runner needs HOME, and wine has a place for the memory without it";
  // No HOME and no XDG_DATA_HOME, as the other tests run the programs.
  Finished run = RunPiped(MakeLaunch(Command("zif_fixed_clock"), TestEnvironment()), kZifInput);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output, ZifFirstRunOutput(" (brak folderu domowego)."));
}

TEST(PracticeMemoryThroughAPipe, TwoRoundsAtOnceBothCountAndTheNextFoldsThem) {
  // The account's own memory, and a learner's file in a class folder: a child logged in twice,
  // on two computers sharing the folder, with Łucja (2) chosen on both.
  ClassPlace klasa = NewClassPlace();
  WriteFile(klasa.dir + "/uczniowie.txt", "Ala\nŁucja\n");
  MemoryPlace account = NewMemoryPlace();
  MakeDirectories(DirectoryOf(account.file));
  const struct {
    MemoryPlace place;
    std::string file;
    std::string chosen;
  } kCases[] = {
      {account, account.file, ""},
      {klasa.place, klasa.dir + "/practice-Łucja.txt", "2\n"},
  };
  for (const auto& c : kCases) {
    const std::string& file = c.file;
    std::string dir = DirectoryOf(file);
    WriteFile(file, kFormatLine + "9 9 4 0\n");
    // Both rounds read the memory as it is now, then answer: each has its own log.
    Finished five, six;
    auto round = [&](const std::string& answers) {
      std::vector<std::string> env = c.place.env;
      env.push_back("FIXED_CLOCK_DAY=0");
      return RunPiped(MakeLaunch(Command("zif_fixed_clock"), TestEnvironment(env)),
                      {{c.chosen + answers.substr(0, 2), 1}, {answers.substr(2), 1, 1500}}, 20000);
    };
    std::thread first([&] { five = round(kZifInput); });
    std::thread second([&] { six = round("6\n25 3 6 5 4 20\n"); });
    first.join();
    second.join();
    EXPECT_TRUE(ExitedWithZero(five.status)) << file;
    EXPECT_TRUE(ExitedWithZero(six.status)) << file;
    // The five facts both rounds had right twice (box 3), 5 x 4 once (box 2), 9 x 9 untouched.
    const std::string kBoth = kFormatLine +
                              "2 2 3 0\n2 3 3 0\n3 1 3 0\n5 1 3 0\n5 4 2 0\n"
                              "5 5 3 0\n9 9 4 0\n";
    EXPECT_EQ(MemoryOf(file), kBoth) << file;
    EXPECT_EQ(FilesEndingWith(dir, ".log").size(), 2u) << file;
    EXPECT_EQ(ReadFile(file), kFormatLine + "9 9 4 0\n") << file << ": never rewritten";
    // The next round, begun and left at once, folds the two logs into a snapshot of its own.
    EXPECT_TRUE(ExitedWithZero(Practise("zif_fixed_clock", c.chosen + "5\n", c.place).status));
    EXPECT_EQ(MemoryOf(file), kBoth) << file;
    EXPECT_EQ(FilesEndingWith(dir, ".log").size(), 0u) << file;
    EXPECT_EQ(FilesEndingWith(dir, ".snap").size(), 1u) << file;
    EXPECT_EQ(FilesEndingWith(dir, ".new").size(), 0u) << file;
  }
  EXPECT_EQ(MemoryOf(klasa.dir + "/practice-Ala.txt"), "");
}
