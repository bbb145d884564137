// postepy, the teacher's report, on a class folder of three learners: the exact rows on a fixed
// day, the CSV, one learner's grid, and that it only reads.

#include <dirent.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <map>
#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "practice/memory.h"
#include "practice/memory_log.h"
#include "tests/e2e.h"

namespace {

const std::string kFormatLine = "tabliczka practice 1\n";
const char kToday[] = "FIXED_CLOCK_DAY=20796";  // 2026-12-09

// A class folder: Ala practised today, Łucja eight days ago, Zosia never (she is only on the
// list); Ewa's file is no memory file. The folder, and its path as the programs name it (a
// Windows path, through wine, whose drive Z: is the root).
struct Klasa {
  std::string dir;
  std::string named;
};
Klasa NewKlasa() {
  Klasa klasa{TemporaryDirectory(), ""};
  klasa.named = klasa.dir;
  if (ThroughRunner()) {
    klasa.named = "Z:" + klasa.dir;
    for (char& c : klasa.named)
      c = c == '/' ? '\\' : c;
  }
  WriteFile(klasa.dir + "/uczniowie.txt", "\xEF\xBB\xBF# 2b\r\nAla\r\nŁucja\r\nZosia\r\n");
  WriteFile(klasa.dir + "/practice-Ala.txt",
            kFormatLine + "2 2 5 20790\n3 4 3 20795\n6 7 1 20796\n7 8 1 20796\n");
  WriteFile(klasa.dir + "/practice-Łucja.txt",
            kFormatLine + "6 7 2 20788\n7 8 1 20788\n9 9 4 20788\n");
  WriteFile(klasa.dir + "/practice-Ewa.txt", "not a memory\n");
  return klasa;
}

Finished Report(const std::vector<std::string>& arguments,
                const std::vector<std::string>& env = {}) {
  std::vector<std::string> argv = Command("postepy_fixed_clock");
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> all = env;
  all.push_back(kToday);
  // The report's text follows the locale's set through a pipe too (and wine names files and
  // arguments in it).
  all.push_back("LC_ALL=C.UTF-8");
  return RunPiped(MakeLaunch(argv, TestEnvironment(all)), "");
}

// The stored code page 852 bytes |stored| as the report writes them to a pipe in a UTF-8
// locale: in UTF-8; on Windows after a byte order mark, for Notepad.
std::string AsShown(const std::string& stored) {
  std::string shown = ThroughRunner() ? "\xEF\xBB\xBF" : "";
  iconv_t to_utf8 = iconv_open("UTF-8", "CP852");
  std::string in = stored;
  char* in_at = &in[0];
  size_t in_left = in.size();
  std::string out(in.size() * 3 + 1, '\0');
  char* out_at = &out[0];
  size_t out_left = out.size();
  iconv(to_utf8, &in_at, &in_left, &out_at, &out_left);
  iconv_close(to_utf8);
  return shown + out.substr(0, out.size() - out_left);
}

const std::string kRows =
    " uczeń                     umie  pudełko 1  nie padło    ostatnio\n"
    " Ala                          2          2         96  09.12.2026\n"
    " Łucja                        1          1         97  01.12.2026  !\n"
    " Zosia                        0          0        100       nigdy  !\n"
    "\n"
    " ! nie ćwiczy od 7 dni lub dłużej\n"
    " umie: działania w pudełku 3 lub wyższym, ze 100 do 10 x 10\n";

const std::string kNoHistory =
    "\n Postępów w czasie jeszcze nie widać: pliki nie mają historii odpowiedzi.\n";

// Every file in |dir| with its bytes and its time of change, and the folder's own time of change
// (a file made and removed again changes it): what only reading leaves as it was.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  DIR* listing = opendir(dir.c_str());
  while (const dirent* entry = listing ? readdir(listing) : nullptr) {
    if (std::string(entry->d_name) == "..")
      continue;  // the folder around, which other tests change
    std::string path = dir + "/" + entry->d_name;
    struct stat info;
    stat(path.c_str(), &info);
    files[entry->d_name] = ReadFile(path) + "@" + std::to_string(info.st_mtim.tv_sec) + "." +
                           std::to_string(info.st_mtim.tv_nsec);
  }
  if (listing)
    closedir(listing);
  return files;
}

}  // namespace

TEST(ReportThroughAPipe, TheClassRowByRowAndItsWeakestFacts) {
  Klasa klasa = NewKlasa();
  std::map<std::string, std::string> before = Snapshot(klasa.dir);
  Finished run = Report({klasa.named});
  EXPECT_TRUE(ExitedWithZero(run.status));
  const std::string kReport =
      " POSTĘPY KLASY, 09.12.2026\n"
      " Folder: " +
      klasa.named +
      "\n"
      "\n" +
      kRows + kNoHistory +
      "\n"
      " Pominięty plik, którego nie da się przeczytać: practice-Ewa.txt\n"
      "\n"
      " Najsłabsze działania klasy:\n"
      "  działanie  pudełko 1  średnio           działanie  pudełko 1  średnio\n"
      "     7 x 8           2      1,0              9 x 9           0      4,0\n"
      "     6 x 7           1      1,5              2 x 2           0      5,0\n"
      "     3 x 4           0      3,0\n";
  EXPECT_EQ(run.output, AsShown(Screen(kReport)));
  for (const char* form : {"--csv", "--html"})
    EXPECT_TRUE(ExitedWithZero(Report({form, "--od", "2026-11-26", klasa.named}).status));
  EXPECT_EQ(Snapshot(klasa.dir), before) << "nothing written, locked or moved";

  // Without a folder: the memory's folder, as TABLICZKA_DIR names it.
  Finished named = Report({}, {"TABLICZKA_DIR=" + klasa.named});
  EXPECT_TRUE(ExitedWithZero(named.status));
  EXPECT_EQ(named.output, run.output);
}

TEST(ReportThroughAPipe, TheTablesAsCsvForScriptsAndForASpreadsheet) {
  Klasa klasa = NewKlasa();
  Finished run = Report({"--csv-sep=,", klasa.named});
  EXPECT_TRUE(ExitedWithZero(run.status));
  std::string expected =
      "\xEF\xBB\xBFuczeń,umie,pudełko 1,nie padło,ostatnio,nie ćwiczy od 7 dni lub dłużej,"
      "tydzień od,tydzień do,umie na końcu tygodnia,umie na początku tygodnia,zmiana,"
      "odpowiedzi w tygodniu,dni ćwiczeń w tygodniu,nie idzie\r\n"
      "Ala,2,2,96,2026-12-09,nie,2026-12-03,2026-12-09,,,,,,\r\n"
      "Łucja,1,1,97,2026-12-01,tak,2026-12-03,2026-12-09,,,,,,\r\n"
      "Zosia,0,0,100,,tak,2026-12-03,2026-12-09,,,,,,\r\n"
      "\r\n"
      "działanie,pudełko 1,zapytanych,średnie pudełko,Ala,Łucja,Zosia\r\n";
  const std::map<std::string, std::string> kAsked = {{"2 x 2", "0,1,5.00,5,0,0"},
                                                     {"3 x 4", "0,1,3.00,3,0,0"},
                                                     {"6 x 7", "1,2,1.50,1,2,0"},
                                                     {"7 x 8", "2,2,1.00,1,1,0"},
                                                     {"9 x 9", "0,1,4.00,0,4,0"}};
  for (int a = 1; a <= 10; ++a) {
    for (int b = 1; b <= 10; ++b) {
      std::string fact = std::to_string(a) + " x " + std::to_string(b);
      auto asked = kAsked.find(fact);
      expected += fact + "," + (asked == kAsked.end() ? "0,0,,0,0,0" : asked->second) + "\r\n";
    }
  }
  expected += "\r\npominięty plik\r\npractice-Ewa.txt\r\n";
  EXPECT_EQ(run.output, expected);

  // For a spreadsheet: the same fields, ';' between them, decimal commas, facts as 7×8; and
  // --od names another week.
  Finished sheet = Report({"--csv", "--od", "2026-11-26", klasa.named});
  EXPECT_TRUE(ExitedWithZero(sheet.status));
  for (const char* row : {"\xEF\xBB\xBFuczeń;umie;pudełko 1;",
                          "\r\nŁucja;1;1;97;2026-12-01;tak;2026-11-26;2026-12-02;;;;;;\r\n",
                          "\r\n7×8;2;2;1,00;1;1;0\r\n", "\r\n10×10;0;0;;0;0;0\r\n"})
    EXPECT_NE(sheet.output.find(row), std::string::npos) << row;
}

TEST(ReportThroughAPipe, APageToPrintWithNothingFromElsewhere) {
  Klasa klasa = NewKlasa();
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--html", klasa.named},
        std::vector<std::string>{"--html", klasa.named, "ala"}}) {
    Finished run = Report(arguments);
    EXPECT_TRUE(ExitedWithZero(run.status));
    EXPECT_EQ(run.output.rfind("<!DOCTYPE html>\n<html lang=\"pl\">", 0), 0u);
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "http"})
      EXPECT_EQ(run.output.find(outside), std::string::npos) << outside;
    EXPECT_NE(run.output.find("<section"), std::string::npos);
    EXPECT_EQ(run.output.find("Łucja") != std::string::npos, arguments.size() == 2);
  }
}

TEST(ReportThroughAPipe, OneLearnersGridAsVekDrawsIt) {
  Klasa klasa = NewKlasa();
  Finished run = Report({klasa.named, "łucja"});
  EXPECT_TRUE(ExitedWithZero(run.status));
  std::string rows = kRows;
  rows.erase(rows.find(" Ala"), rows.find(" Łucja") - rows.find(" Ala"));
  rows.erase(rows.find(" Zosia"), rows.find("\n\n") + 1 - rows.find(" Zosia"));
  EXPECT_EQ(run.output,
            AsShown(Screen(" POSTĘPY UCZNIA, 09.12.2026\n\n" + rows + kNoHistory + "\n") +
                    TableGridBytes(10, {"..........", "..........", "..........", "..........",
                                        "..........", "......2...", ".......1..", "..........",
                                        "........4.", ".........."})));

  // A name not in the folder, a file that cannot be read, arguments it does not take.
  std::string gone = klasa.named + (ThroughRunner() ? "\\" : "/") + "gone";
  const struct {
    std::vector<std::string> arguments;
    std::string said;
    int code;
  } kCases[] = {
      {{klasa.named, "Ola"}, " Nie ma ucznia: Ola\n", 1},
      {{klasa.named, "ewa"},
       " Pominięty plik, którego nie da się przeczytać: practice-Ewa.txt\n",
       1},
      {{gone}, " Nie da się przeczytać folderu: " + gone + "\n", 1},
      {{"--pomoc"}, "", 2},
      {{"--csv", klasa.named, "Ola"}, "", 2},
      {{"--od", "31.11.2026", klasa.named}, "", 2},
      {{"--html", "--od"}, "", 2},
      {{"-h"}, "Użycie: postepy [--csv | --csv-sep=, | --html] [--od DATA] [FOLDER]\n", 0},
      {{klasa.named, "--help"}, "Użycie: postepy [--csv | --csv-sep=, | --html] [--od DATA] [FOLDER]\n", 0},
      {{"--version"}, "wersja 2.0\n", 0},
  };
  for (const auto& c : kCases) {
    Finished refused = Report(c.arguments);
    std::string said = c.said.empty() ? "" : AsShown(Screen(c.said));
    EXPECT_EQ(refused.output.substr(0, said.size()), said) << c.said;
    // Arguments it does not take: one line on standard error, and nothing else.
    EXPECT_EQ(refused.errors, c.code == 2
                                  ? std::string("postepy: skladnia: postepy [--csv | --csv-sep=, | "
                                                "--html] [--od DATA] [FOLDER] albo postepy "
                                                "[--html] [--od DATA] FOLDER IMIE; pomoc: "
                                                "postepy -h") +
                                        (ThroughRunner() ? "\r\n" : "\n")
                                  : "");
    EXPECT_TRUE(WIFEXITED(refused.status) && WEXITSTATUS(refused.status) == c.code) << c.said;
  }
}

TEST(ReportThroughAPipe, TheListsFaultsOnTopAndWhoLeftTheClassBelowIt) {
  // The list rewritten in an old editor (Windows-1250): Ala in capitals, Zosia twice, Łucja
  // gone. Ala keeps her row; Łucja's memory shows below the class, not in anybody's row.
  Klasa klasa = NewKlasa();
  WriteFile(klasa.dir + "/uczniowie.txt", "ALA\r\nZosia\r\nzosia\r\n");
  Finished run = Report({klasa.named});
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output,
            AsShown(Screen(" POSTĘPY KLASY, 09.12.2026\n"
                   " Folder: " +
                   klasa.named +
                   "\n\n"
                   " uczniowie.txt, wiersz 3: \"zosia\" powtarza imię z wiersza 2 (\"Zosia\"); "
                   "pominięte.\n\n"
                   " uczeń                     umie  pudełko 1  nie padło    ostatnio\n"
                   " ALA                          2          2         96  09.12.2026\n"
                   " Zosia                        0          0        100       nigdy  !\n"
                   " Nie ma ich na liście uczniów:\n"
                   " Łucja                        1          1         97  01.12.2026  !\n"
                   "\n"
                   " ! nie ćwiczy od 7 dni lub dłużej\n"
                   " umie: działania w pudełku 3 lub wyższym, ze 100 do 10 x 10\n"
                   "\n"
                   " Postępów w czasie jeszcze nie widać: pliki nie mają historii odpowiedzi.\n"
                   "\n"
                   " Pominięty plik, którego nie da się przeczytać: practice-Ewa.txt\n"
                   "\n"
                   " Najsłabsze działania klasy:\n"
                   "  działanie  pudełko 1  średnio           działanie  pudełko 1  średnio\n"
                   "     7 x 8           2      1,0              9 x 9           0      4,0\n"
                   "     6 x 7           1      1,5              2 x 2           0      5,0\n"
                   "     3 x 4           0      3,0\n")));

  // One learner by the start of the name, typed without Polish letters.
  Finished lucja = Report({klasa.named, "luc"});
  EXPECT_TRUE(ExitedWithZero(lucja.status));
  // A part of the report as it shows, without the byte order mark that starts it on Windows.
  auto part = [](const std::string& text) {
    return AsShown(Screen(text)).substr(ThroughRunner() ? 3 : 0);
  };
  EXPECT_EQ(lucja.output.find(AsShown(Screen(" POSTĘPY UCZNIA, 09.12.2026\n\n uczeń "))), 0u)
      << lucja.output;
  EXPECT_NE(lucja.output.find(part(" Nie ma ich na liście uczniów:\n Łucja  ")),
            std::string::npos);
  Finished ala = Report({klasa.named, "a"});
  EXPECT_NE(ala.output.find(part("\n ALA    ")), std::string::npos) << ala.output;
}

TEST(ReportOnATerminal, ShowsTheReportInTheTerminalsCharacterSet) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal is this system's";
  Klasa klasa = NewKlasa();
  std::vector<std::string> argv = Command("postepy_fixed_clock");
  argv.push_back(klasa.dir);
  PtyChild child =
      StartOnPty(MakeLaunch(argv, TestEnvironment({kToday, "TERM=xterm", "LC_ALL=C.UTF-8"})));
  std::string screen;
  EXPECT_EQ(WaitForExit(child, screen), 0);
  ClosePty(child);
  EXPECT_NE(screen.find("POSTĘPY KLASY, 09.12.2026"), std::string::npos) << screen;
  EXPECT_NE(screen.find(" Łucja                        1          1         97  01.12.2026  !"),
            std::string::npos)
      << screen;
  EXPECT_NE(screen.find("     7 x 8           2      1,0"), std::string::npos) << screen;

  // Names beyond code page 852 as written, on a UTF-8 terminal.
  WriteFile(klasa.dir + "/uczniowie.txt", "Мария\nΣοφία\n");
  PtyChild again =
      StartOnPty(MakeLaunch(argv, TestEnvironment({kToday, "TERM=xterm", "LC_ALL=C.UTF-8"})));
  screen.clear();
  EXPECT_EQ(WaitForExit(again, screen), 0);
  ClosePty(again);
  EXPECT_NE(screen.find(" Мария                        0          0        100       nigdy  !"),
            std::string::npos)
      << screen;
  EXPECT_NE(screen.find(" Σοφία "), std::string::npos) << screen;
}

TEST(ReportOnATerminal, ALongerReportThanTheWindowGoesThroughThePager) {
  if (ThroughRunner())
    GTEST_SKIP() << "a pseudo-terminal is this system's";
  // The class of three (a report of 17 rows) and one of 25 (far more than 24 rows), each on a
  // window of 24 rows, with a pager that marks every row it shows.
  Klasa small = NewKlasa();
  std::string large = TemporaryDirectory();
  std::string names;
  for (int i = 1; i <= 25; ++i)
    names += "Uczeń " + std::to_string(i) + "\n";
  WriteFile(large + "/uczniowie.txt", names);
  const struct {
    std::string folder;
    const char* pager;
    bool paged;
  } kCases[] = {
      {small.dir, "PAGER=sed s/^/P:/", false},
      {large, "PAGER=sed s/^/P:/", true},
      {large, "PAGER=no-such-pager-anywhere", true},  // then a page at a time
  };
  for (const auto& c : kCases) {
    std::vector<std::string> argv = Command("postepy_fixed_clock");
    argv.push_back(c.folder);
    PtyChild child = StartOnPty(
        MakeLaunch(argv, TestEnvironment({kToday, "TERM=xterm", "LC_ALL=C.UTF-8", c.pager})), 24);
    std::string screen;
    if (std::string(c.pager).find("no-such") != std::string::npos) {
      EXPECT_TRUE(ReadScreenUntil(child, "-- dalej --", screen)) << screen;
      EXPECT_TRUE(WaitForRawMode(child));
      Type(child, " ");
      ReadScreenFor(child, screen, 200);
      while (WaitForRawMode(child, 300)) {
        Type(child, " ");
        ReadScreenFor(child, screen, 200);
      }
    }
    EXPECT_EQ(WaitForExit(child, screen), 0) << c.pager;
    EXPECT_EQ(screen.find("P: POSTĘPY KLASY") != std::string::npos, c.paged && c.pager[6] == 's')
        << screen;
    EXPECT_NE(screen.find("POSTĘPY KLASY"), std::string::npos) << screen;
    EXPECT_NE(screen.find(c.folder == large ? "Uczeń 25" : "Zosia"), std::string::npos)
        << "the whole report";
    ClosePty(child);
  }
}

TEST(ReportThroughAPipe, TheWeeksProgressFromTheLearnersLogs) {
  // Ala's answers as her runs logged them: 2 x 2 right and quick on three days (known from
  // 20785 on), 3 x 4 on two (known from 20792), 7 x 8 wrong on 20790 and slow on 20793. Ola is
  // only on the list.
  std::string dir = TemporaryDirectory();
  // The report's text as it comes through the pipe, without the mark a Windows file begins with.
  auto shown = [](const std::string& text) {
    return AsShown(Screen(text)).substr(ThroughRunner() ? 3 : 0);
  };
  WriteFile(dir + "/uczniowie.txt", "Ala\nOla\n");
  const struct {
    int32_t day;
    Question fact;
    Outcome outcome;
  } kAnswers[] = {{20780, {2, 2}, Outcome::kRight}, {20785, {2, 2}, Outcome::kRight},
                  {20789, {3, 4}, Outcome::kRight}, {20790, {7, 8}, Outcome::kMissed},
                  {20792, {2, 2}, Outcome::kRight}, {20792, {3, 4}, Outcome::kRight},
                  {20793, {7, 8}, Outcome::kSlow}};
  std::string log = LogHeader("e2e-1");
  int64_t seq = 0;
  for (const auto& answer : kAnswers)
    log += LogLine(LoggedAnswer{++seq, int64_t{answer.day} * 86400 + seq, answer.day,
                                MemoryIndex(answer.fact), answer.outcome});
  WriteFile(dir + "/practice-Ala.txt.e2e-1.log", log + LogEnd());
  std::string named = dir;
  if (ThroughRunner()) {
    named = "Z:" + dir;
    for (char& c : named)
      c = c == '/' ? '\\' : c;
  }
  const struct {
    std::vector<std::string> options;
    std::string week;
  } kWeeks[] = {
      {{},
       " Tydzień 03.12.2026 - 09.12.2026:\n"
       " uczeń             umie  zmiana  odpowiedzi  dni  nie idzie\n"
       " Ala                  2      +1           4    3  7×8\n"},
      {{"--od", "26.11.2026"},
       " Tydzień 26.11.2026 - 02.12.2026:\n"
       " uczeń             umie  zmiana  odpowiedzi  dni  nie idzie\n"
       " Ala                  1      +1           2    2\n"},
  };
  for (const auto& c : kWeeks) {
    std::vector<std::string> arguments = c.options;
    arguments.push_back(named);
    Finished run = Report(arguments);
    EXPECT_TRUE(ExitedWithZero(run.status));
    EXPECT_NE(run.output.find(shown(c.week + " Ola               brak historii\n")),
              std::string::npos)
        << run.output;
  }
  Finished run = Report({named});
  EXPECT_NE(run.output.find(shown(" Ile działań umie cała klasa, tydzień po tygodniu:\n"
                                   "   25.11  02.12  09.12\n"
                                   "       0      1      2\n")),
            std::string::npos)
      << run.output;
  Finished csv = Report({"--csv", named});
  EXPECT_NE(csv.output.find("\r\nAla;2;1;97;2026-12-06;nie;2026-12-03;2026-12-09;2;1;1;4;3;7×8\r\n"),
            std::string::npos)
      << csv.output;
}
