// The programs against what a classroom throws at them: closed and broken streams, a full disk,
// a reader that has gone, gigabytes of one word, bytes that are no text. Each must end in order
// with status 0 (or the platform's way, for a broken pipe), without spinning or growing.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <string>

#include "console/testing/cp852.h"
#include "tests/e2e.h"

namespace {

const std::string kPrompt = " Ile chcesz pytań ? ";

bool UnderSanitizer() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
  return true;
#else
  return false;
#endif
}

// What qor writes when its input has ended at the count prompt.
std::string EndedAtThePrompt(const std::string& name) {
  return TitleScreenBytes("wersja 2.0/" + name) + Screen(kPrompt + "\n") + ClosingScreenBytes();
}

std::string Ask(int a, int b) {
  return "\n " + std::to_string(a) + " x " + std::to_string(b) + " = ";
}

std::string Wrong(int a, int b) {
  return "\n Wcale nie !     " + std::to_string(a) + " x " + std::to_string(b) + " = " +
         std::to_string(a * b) + "\a\n";
}

std::string Result(int score, int count) {
  std::string row = "\n";
  for (int i = 0; i < 80; ++i)
    row += "█";
  return row + "\n\n Twój wynik to: " + std::to_string(score) + " na " + std::to_string(count) +
         ".\n";
}

}  // namespace

TEST(Faults, StandardInputThatCannotBeReadIsEndedInput) {
  const struct {
    const char* what;
    bool closed;
    bool write_only;
    const char* path;
  } kCases[] = {{"closed", true, false, ""},
                {"open for writing only", false, true, ""},
                {"a directory", false, false, "/"}};
  for (const auto& c : kCases) {
    for (const char* name : {"qor", "vek"}) {
      Launch launch = MakeLaunch(Command(name), TestEnvironment(), "", c.path);
      launch.close_stdin = c.closed;
      launch.stdin_write_only = c.write_only;
      Finished run = RunPiped(launch, "", 10000);
      EXPECT_EQ(run.output, EndedAtThePrompt(name)) << name << ", standard input " << c.what;
      EXPECT_TRUE(ExitedWithZero(run.status)) << name << ", standard input " << c.what;
    }
  }
}

TEST(Faults, AFullDiskDoesNotStopTheProgramEndingNormally) {
  for (const char* name : {"qor", "pym", "vek", "zif", "trivelanko"}) {
    Launch launch = MakeLaunch(Command(name), TestEnvironment());
    launch.stdout_path = "/dev/full";
    Finished run = RunPiped(launch, "5\n1\n2\n3\n4\n5\n25\n25\n25\n", 10000);
    EXPECT_FALSE(run.timed_out) << name;
    EXPECT_TRUE(ExitedWithZero(run.status)) << name << ": status " << run.status;
  }
}

TEST(Faults, AReaderThatHasGoneEndsTheProgram) {
  // A round far too long to finish, and nobody reading: the first write ends the program.
  // Also when the program was started with SIGPIPE ignored.
  for (bool ignored : {false, true}) {
    for (const char* name : {"qor", "vek", "trivelanko"}) {
      Launch launch = MakeLaunch(Command(name), TestEnvironment());
      launch.output_reader_gone = true;
      launch.sigpipe_ignored = ignored;
      Finished run = RunPiped(launch, "999999999\n", 10000);
      EXPECT_FALSE(run.timed_out) << name << " ran on, SIGPIPE ignored: " << ignored;
      EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGPIPE)
          << name << ": status " << run.status << ", SIGPIPE ignored: " << ignored;
    }
  }
}

TEST(Faults, AGigabyteWordOrRowOfSpaceTakesNoMemoryAndTheRoundGoesOn) {
  const size_t kMiB = 1 << 20;
  const struct {
    const char* what;
    std::string byte;
    std::string expected;  // the round, with qor's fixed clock (9 x 5)
  } kCases[] = {
      {"a 1 GiB word", "7",
       kPrompt + Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + "\n Dobrze !\n" + Ask(9, 5) + Wrong(9, 5) +
           Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + Wrong(9, 5) + Result(1, 5)},
      {"a 1 GiB row of whitespace", " \t",
       kPrompt + Ask(9, 5) + "\n Dobrze !\n" + Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + Wrong(9, 5) +
           Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + Wrong(9, 5) + Result(1, 5)},
  };
  for (const auto& c : kCases) {
    std::string chunk;
    while (chunk.size() < kMiB)
      chunk += c.byte;
    chunk.resize(kMiB);
    Finished run = RunPiped(MakeLaunch(Command("qor_fixed_clock"), TestEnvironment()),
                            {{"5\n", 1}, {chunk, 1024}, {" 45\n", 1}}, 120000);
    EXPECT_FALSE(run.timed_out) << c.what;
    EXPECT_TRUE(ExitedWithZero(run.status)) << c.what;
    EXPECT_EQ(run.output,
              TitleScreenBytes("wersja 2.0/qor") + Screen(c.expected) + ClosingScreenBytes())
        << c.what;
    EXPECT_GT(run.peak_kib, 0) << "the peak was measured";
    if (!UnderSanitizer()) {  // the sanitizers' own shadow memory is far larger
      EXPECT_LT(run.peak_kib, 8 * 1024) << c.what << ": peak " << run.peak_kib << " KiB";
    }
  }
}

TEST(Faults, NulAndHighBytesAreWrongAnswers) {
  std::string input = std::string(
                          "5\n\0\n\x80\xFF\n4\0"
                          "5\n\xA5\n",
                          14) +
                      "45\xC5\x82\n";
  std::string expected = kPrompt;
  for (int i = 0; i < 5; ++i)
    expected += Ask(9, 5) + Wrong(9, 5);
  expected += Result(0, 5);
  Finished run = RunPiped(MakeLaunch(Command("qor_fixed_clock"), TestEnvironment()), input);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(run.output,
            TitleScreenBytes("wersja 2.0/qor") + Screen(expected) + ClosingScreenBytes());
}

TEST(Faults, ALongCountWithNoAnswersCompletesTheRound) {
  Finished run = RunPiped(MakeLaunch(Command("qor"), TestEnvironment()), "2000", 60000);
  EXPECT_TRUE(ExitedWithZero(run.status));
  std::string ending = Screen(" Twój wynik to: 0 na 2000.\n") + ClosingScreenBytes();
  ASSERT_GE(run.output.size(), ending.size());
  EXPECT_EQ(run.output.substr(run.output.size() - ending.size()), ending);
  size_t corrections = 0;
  for (size_t at = run.output.find(" Wcale nie !"); at != std::string::npos;
       at = run.output.find(" Wcale nie !", at + 1))
    ++corrections;
  EXPECT_EQ(corrections, 2000u);
}
