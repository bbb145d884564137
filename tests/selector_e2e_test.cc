// The selector run as a user's script runs it: answers piped in, the started program taking
// the rows that follow.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "console/testing/cp852.h"
#include "selector/testing/menu_screen.h"
#include "tests/e2e.h"

namespace {

// The file name of program |name| in the build under test.
std::string FileName(const std::string& name) {
  std::string path = Program(name);
  return path.substr(path.rfind('/') + 1);
}

// Puts a copy of the selector in |dir|; its file.
std::string MenuCopyIn(const std::string& dir) {
  std::string copy = dir + "/" + FileName("trivelanko");
  WriteFile(copy, ReadFile(Program("trivelanko")), true);
  return copy;
}

// A copy of the selector beside stand-ins for the four programs; each notes in the log that
// it started, with how many arguments, and keeps all the input it was given.
std::string StubMenu() {
  static const std::string menu = [] {
    std::string path = TemporaryDirectory();
    for (const char* name : {"qor", "pym", "vek", "zif"}) {
      WriteFile(path + "/" + name,
                "#!/bin/sh\n"
                "echo \"$(basename \"$0\") $#\" >> \"$STUB_LOG\"\n"
                "cat >> \"$STUB_LOG.input\"\n",
                true);
    }
    return MenuCopyIn(path);
  }();
  return menu;
}

// A copy of the selector beside a stand-in qor that notes its session and that it started,
// then waits up to ten seconds, noting each of SIGTERM, SIGHUP, SIGINT and SIGQUIT that
// reaches it and ending on it.
std::string PatientStubMenu() {
  static const std::string menu = [] {
    std::string path = TemporaryDirectory();
    WriteFile(path + "/qor",
              "#!/bin/sh\n"
              "trap 'echo TERM >> \"$STUB_LOG\"; exit 0' TERM\n"
              "trap 'echo HUP >> \"$STUB_LOG\"; exit 0' HUP\n"
              "trap 'echo INT >> \"$STUB_LOG\"; exit 0' INT\n"
              "trap 'echo QUIT >> \"$STUB_LOG\"; exit 0' QUIT\n"
              "set -- $(cat /proc/$$/stat)\n"
              "echo \"$6\" > \"$STUB_LOG.session\"\n"
              "echo started >> \"$STUB_LOG\"\n"
              "i=0\n"
              "while [ $i -lt 200 ]; do sleep 0.05; i=$((i + 1)); done\n"
              "echo 'not told' >> \"$STUB_LOG\"\n",
              true);
    return MenuCopyIn(path);
  }();
  return menu;
}

// Waits up to |timeout_ms| for the file |path| to hold |text|.
bool WaitForFile(const std::string& path, const std::string& text, int timeout_ms) {
  for (int waited = 0; ReadFile(path) != text; waited += 10) {
    if (waited >= timeout_ms)
      return false;
    usleep(10000);
  }
  return true;
}

}  // namespace

TEST(SelectorThroughAPipe, StartsTheChosenProgramWithTheRowsAfterTheAnswers) {
  if (ThroughRunner())
    GTEST_SKIP() << "the stand-ins are shell scripts";
  const struct {
    std::string input;
    bool second_question;
    std::string started;  // the stub's log line, empty when none started
    std::string passed;   // the input the started program read
  } kCases[] = {
      {"1\n1\nrow 1\nrow 2\n", true, "qor 0\n", "row 1\nrow 2\n"},
      {"2\n1\n7 8\n", true, "pym 0\n", "7 8\n"},
      {"1\n2\n", true, "vek 0\n", ""},
      {"2\n2\n5\n", true, "zif 0\n", "5\n"},
      {"2 1 words after\nnext\n", true, "pym 0\n", "next\n"},
      {"2x\nnext\n", true, "zif 0\n", "next\n"},
      {"\n\n01\n\n+1\n", true, "qor 0\n", ""},
      {"-65535\n-65535\n", true, "qor 0\n", ""},
      {"1", true, "qor 0\n", ""},
      {"2", true, "zif 0\n", ""},
      {"3\n1\n", false, "", ""},
      {"0\n", false, "", ""},
      {"65535\n", false, "", ""},
      {"-1\n", false, "", ""},
      {"-65536\n1\n", false, "", ""},
      {"70000\n", false, "", ""},
      {"1\n7\n", true, "", ""},
      {"", false, "", ""},
  };
  for (const auto& c : kCases) {
    std::string log = TemporaryDirectory() + "/log";
    Finished run = RunPiped(
        MakeLaunch(Command("trivelanko", StubMenu()), {"PATH=/usr/bin:/bin", "STUB_LOG=" + log}),
        c.input, 20000);
    std::string expected = TitleScreenBytes("wersja 2.0") + Screen(kFirstQuestion) +
                           (c.second_question ? Screen(kSecondQuestion) : "");
    EXPECT_EQ(run.output, expected) << "input \"" << c.input << "\"";
    EXPECT_TRUE(ExitedWithZero(run.status)) << "input \"" << c.input << "\"";
    EXPECT_EQ(ReadFile(log), c.started) << "input \"" << c.input << "\"";
    EXPECT_EQ(ReadFile(log + ".input"), c.passed) << "input \"" << c.input << "\"";
  }
}

TEST(SelectorThroughAPipe, AProgramThatCannotBeFoundStillEndsWithZero) {
  std::string alone = MenuCopyIn(TemporaryDirectory());
  Finished run =
      RunPiped(MakeLaunch(Command("trivelanko", alone), TestEnvironment(), "/"), "1\n1\n", 20000);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output, TitleScreenBytes("wersja 2.0") + Screen(kFirstQuestion + kSecondQuestion))
      << "nothing written after the cleared screen";
}

TEST(SelectorThroughAPipe, FindsTheRealProgramsBesideItFromAnyDirectory) {
  const struct {
    std::string menu;
    std::string version;
    std::string round_end;  // what the started program shows at the end of its round
  } kCases[] = {
      {"1\n1\n", "wersja 2.0/qor", " Twój wynik to: 0 na 5.\n"},
      {"2\n1\n", "wersja 2.0/pym", " Twój wynik to: 0 na 5.\n"},
      {"1\n2\n", "wersja 2.0/vek", " Do powtórki:\n"},
      {"2\n2\n", "wersja 2.0/zif", " Do powtórki:\n"},
  };
  std::string elsewhere = TemporaryDirectory();
  for (const auto& c : kCases) {
    std::string answers = c.menu + "5\n0\n0\n0\n0\n0\n";
    std::string file = elsewhere + "/answers";
    WriteFile(file, answers);
    // The answers once through a pipe and once from a file: the quiz gets the rows after the
    // menu's either way.
    for (const std::string& from : {std::string(), file}) {
      std::string how = c.version + (from.empty() ? ", answers piped" : ", answers from a file");
      Finished run = RunPiped(MakeLaunch(Command("trivelanko"), TestEnvironment(), elsewhere, from),
                              from.empty() ? answers : "", 20000);
      EXPECT_TRUE(ExitedWithZero(run.status)) << how;
      std::string quiz =
          run.output.substr(std::min(run.output.size(), TitleScreenBytes("wersja 2.0").size()));
      EXPECT_NE(quiz.find(TitleScreenBytes(c.version) + Cp852(" Ile chcesz pytań ? ")),
                std::string::npos)
          << how << ": starts after the menu";
      EXPECT_NE(quiz.find(Screen(c.round_end)), std::string::npos)
          << how << ": plays the rows after the menu";
      std::string closing = ClosingScreenBytes(c.version.substr(c.version.find('/') + 1));
      EXPECT_EQ(quiz.substr(quiz.size() - std::min(quiz.size(), closing.size())), closing) << how;
    }
  }
}

TEST(SelectorThroughAPipe, FindsAProgramInstalledBesideACopyOfIt) {
  std::string install = TemporaryDirectory();
  std::string copy = MenuCopyIn(install);
  WriteFile(install + "/" + FileName("qor"), ReadFile(Program("qor")), true);
  Finished run =
      RunPiped(MakeLaunch(Command("trivelanko", copy), TestEnvironment(), "/"), "1\n1\n", 20000);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_NE(run.output.find(TitleScreenBytes("wersja 2.0/qor")), std::string::npos)
      << "the qor installed beside the copy starts";
}

TEST(SelectorThroughAPipe, TheProgramBesideItWinsOverAStaleOneOnThePath) {
  if (ThroughRunner())
    GTEST_SKIP() << "the stand-ins are shell scripts";
  // A stand-in qor earlier on PATH, as an old build or package would leave, and the real one
  // beside the selector: the real one starts. With none beside it, PATH's is started.
  std::string stale = TemporaryDirectory();
  WriteFile(stale + "/qor", "#!/bin/sh\necho \"$0\" >> \"$STUB_LOG\"\n", true);
  std::string alone = MenuCopyIn(TemporaryDirectory());
  const struct {
    std::string menu;
    bool real_qor;        // the real qor's title screen follows the menu's
    std::string started;  // the stand-in's log, empty when it did not start
  } kCases[] = {
      {Program("trivelanko"), true, ""},
      {alone, false, stale + "/qor\n"},
  };
  for (const auto& c : kCases) {
    std::string log = TemporaryDirectory() + "/log";
    Finished run =
        RunPiped(MakeLaunch(Command("trivelanko", c.menu),
                            {"PATH=" + stale + ":/usr/bin:/bin", "STUB_LOG=" + log}, "/"),
                 "1\n1\n5\n0\n0\n0\n0\n0\n", 20000);
    EXPECT_TRUE(ExitedWithZero(run.status)) << c.menu;
    EXPECT_EQ(run.output.find(TitleScreenBytes("wersja 2.0/qor")) != std::string::npos, c.real_qor)
        << c.menu;
    EXPECT_EQ(ReadFile(log), c.started) << c.menu;
  }
}

TEST(SelectorThroughAPipe, AProgramDirectoryWithAColonStillFindsWhatIsBesideIt) {
  if (ThroughRunner())
    GTEST_SKIP() << "the stand-ins are shell scripts";
  // The selector and a qor in a directory whose name holds ':', and a qor in each of the two
  // directories that name would split into on PATH: "<top>/bin" and "games" (relative). The
  // one beside the selector starts, whatever PATH holds, and PATH is left as it is.
  std::string top = TemporaryDirectory();
  std::string stub = "#!/bin/sh\necho \"$0 PATH=$PATH\" >> \"$STUB_LOG\"\n";
  for (const char* dir : {"/bin:games", "/bin", "/games", "/on-path"}) {
    mkdir((top + dir).c_str(), 0755);
    WriteFile(top + dir + "/qor", stub, true);
  }
  std::string selector = MenuCopyIn(top + "/bin:games");
  for (const std::string& path : {std::string("/usr/bin:/bin"), top + "/on-path:/usr/bin:/bin"}) {
    std::string log = TemporaryDirectory() + "/log";
    Finished run = RunPiped(
        MakeLaunch(Command("trivelanko", selector), {"PATH=" + path, "STUB_LOG=" + log}, top),
        "1\n1\n", 20000);
    EXPECT_TRUE(ExitedWithZero(run.status)) << "PATH=" << path;
    EXPECT_EQ(ReadFile(log), top + "/bin:games/qor PATH=" + path + "\n") << "PATH=" << path;
  }
}

TEST(SelectorFromAFile, ReadsAheadAndLeavesTheRowsAfterTheAnswersToTheProgram) {
  if (ThroughRunner())
    GTEST_SKIP() << "the stand-ins are shell scripts";
  // From a file the selector reads in blocks, and moves the file's offset back to just after
  // the row it used before the program starts; a 10 MB row is read in a blink, not byte by
  // byte.
  const std::string kLongRow(10 << 20, 'x');
  const struct {
    std::string input;
    std::string started;
    std::string passed;
  } kCases[] = {
      {"1\n1 " + kLongRow + "\nrow 1\nrow 2\n", "qor 0\n", "row 1\nrow 2\n"},
      {"2 1 words after\nnext\n", "pym 0\n", "next\n"},
      {"2x\nnext\n", "zif 0\n", "next\n"},
      {"\n\n1\n\n2", "vek 0\n", ""},
  };
  std::string dir = TemporaryDirectory();
  for (const auto& c : kCases) {
    std::string what = "input \"" + c.input.substr(0, 20) + "\"";
    std::string file = dir + "/answers", log = dir + "/log";
    WriteFile(file, c.input);
    std::remove(log.c_str());
    std::remove((log + ".input").c_str());
    Finished run = RunPiped(MakeLaunch(Command("trivelanko", StubMenu()),
                                       {"PATH=/usr/bin:/bin", "STUB_LOG=" + log}, "", file),
                            "", 5000);
    EXPECT_FALSE(run.timed_out) << what;
    EXPECT_TRUE(ExitedWithZero(run.status)) << what;
    EXPECT_EQ(ReadFile(log), c.started) << what;
    EXPECT_EQ(ReadFile(log + ".input"), c.passed) << what;
  }
}

TEST(SelectorSignals, ArePassedOnAndTheSelectorEndsAsItsProgramEnds) {
  if (ThroughRunner())
    GTEST_SKIP() << "the stand-ins are shell scripts";
  // As timeout(1) or a closing window ends the selector while its program runs: the program
  // is told too, and the selector ends by the same signal once the program has ended.
  const struct {
    int sig;
    std::string name;
  } kSignals[] = {{SIGTERM, "TERM"}, {SIGHUP, "HUP"}, {SIGINT, "INT"}, {SIGQUIT, "QUIT"}};
  for (const auto& [sig, name] : kSignals) {
    std::string log = TemporaryDirectory() + "/log";
    Launch launch = MakeLaunch(Command("trivelanko", PatientStubMenu()),
                               {"PATH=/usr/bin:/bin", "STUB_LOG=" + log});
    Finished run;
    std::thread selector([&] { run = RunPiped(launch, "1\n1\n", 20000); });
    bool started = WaitForFile(log, "started\n", 5000);
    // The selector leads the session the tests gave it, so the session's number is its own.
    pid_t session = static_cast<pid_t>(std::atol(ReadFile(log + ".session").c_str()));
    if (started && session > 1)
      kill(session, sig);
    selector.join();
    ASSERT_TRUE(started) << name << ": the stand-in did not start";
    EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == sig)
        << name << ": status " << run.status;
    EXPECT_EQ(ReadFile(log), "started\n" + name + "\n") << name << " was not passed on";
  }
}
