// The programs against what a classroom throws at them: closed and broken streams, a full disk,
// a reader that has gone, gigabytes of one word, bytes that are no text. Each must end in order
// with status 0 (or the platform's way, for a broken pipe or a terminal that has gone), without
// spinning or growing.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "quiz/testing/round_screen.h"
#include "tests/e2e.h"

namespace {

using namespace round_screen;

// What qor writes when its input has ended at the count prompt.
std::string EndedAtThePrompt(const std::string& name) {
  return TitleScreenBytes("wersja 2.0/" + name) + Screen(kPrompt + "\n") + ClosingScreenBytes(name);
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
  // A round far too long to finish, and nobody reading: the first write ends the program, as
  // a broken pipe does. Also when the program was started with SIGPIPE ignored or blocked.
  const struct {
    const char* sigpipe;
    bool ignored;
    bool blocked;
  } kCases[] = {{"default", false, false}, {"ignored", true, false}, {"blocked", false, true}};
  for (const auto& c : kCases) {
    for (const char* name : {"qor", "vek", "trivelanko"}) {
      Launch launch = MakeLaunch(Command(name), TestEnvironment());
      launch.output_reader_gone = true;
      launch.sigpipe_ignored = c.ignored;
      launch.sigpipe_blocked = c.blocked;
      Finished run = RunPiped(launch, "999999999\n", 10000);
      EXPECT_FALSE(run.timed_out) << name << " ran on, SIGPIPE " << c.sigpipe;
      EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGPIPE)
          << name << ": status " << run.status << ", SIGPIPE " << c.sigpipe;
    }
  }
}

TEST(Faults, NonBlockingInputIsWaitedForAndNothingIsLost) {
  // Standard input set non-blocking by whoever started the program, and answers that come
  // slowly: a read that finds nothing yet is not the end of the input.
  std::vector<InputPiece> answers = {{"5\n", 1, 300}};
  for (int i = 0; i < 5; ++i)
    answers.push_back({"45\n", 1, 50});
  Launch launch = MakeLaunch(Command("qor_fixed_clock"), TestEnvironment());
  launch.stdin_nonblocking = true;
  Finished run = RunPiped(launch, answers, 20000);
  std::string round = kPrompt;
  for (int i = 0; i < 5; ++i)
    round += Ask(9, 5) + kRight;
  EXPECT_EQ(run.output, TitleScreenBytes("wersja 2.0/qor") + Screen(round + Result(5, 5)) +
                            ClosingScreenBytes());
  EXPECT_TRUE(ExitedWithZero(run.status)) << "status " << run.status;

  // The menu too, and the program it starts on the same input.
  launch = MakeLaunch(Command("trivelanko"), TestEnvironment());
  launch.stdin_nonblocking = true;
  run =
      RunPiped(launch, {{"1\n", 1, 300}, {"1\n", 1, 100}, {"5\n", 1, 100}, {"0\n", 5, 50}}, 20000);
  EXPECT_NE(run.output.find(Screen(" Twój wynik to: 0 na 5.\n") + ClosingScreenBytes()),
            std::string::npos)
      << "qor, started from the menu, plays its round";
  EXPECT_TRUE(ExitedWithZero(run.status)) << "status " << run.status;
}

TEST(Faults, NonBlockingOutputToASlowReaderLosesNothing) {
  // Standard output set non-blocking, and a reader that starts late: the round's 130 kB do
  // not fit in the pipe, and what does not fit yet is written when the pipe can take it.
  const int kCount = 3000;
  Launch launch = MakeLaunch(Command("qor_fixed_clock"), TestEnvironment());
  launch.stdout_nonblocking = true;
  launch.output_read_delay_ms = 300;
  Finished run =
      RunPiped(launch, {{std::to_string(kCount) + "\n", 1}, {"1\n", size_t{kCount}}}, 30000);
  std::string round = kPrompt;
  for (int i = 0; i < kCount; ++i)
    round += Ask(9, 5) + Wrong(9, 5);
  std::string expected =
      TitleScreenBytes("wersja 2.0/qor") + Screen(round + Result(0, kCount)) + ClosingScreenBytes();
  ASSERT_GT(expected.size(), 64u * 1024) << "more than a pipe holds";
  EXPECT_EQ(run.output.size(), expected.size());
  EXPECT_TRUE(run.output == expected) << "the bytes differ";
  EXPECT_TRUE(ExitedWithZero(run.status)) << "status " << run.status;
}

TEST(Faults, AGigabyteWordOrRowOfSpaceTakesNoMemoryAndTheRoundGoesOn) {
  const size_t kMiB = 1 << 20;
  const struct {
    const char* what;
    std::string byte;
    std::string expected;  // the round, with qor's fixed clock (9 x 5)
  } kCases[] = {
      {"a 1 GiB word", "7",
       kPrompt + Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + kRight + Ask(9, 5) + Wrong(9, 5) +
           Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + Wrong(9, 5) + Result(1, 5)},
      {"a 1 GiB row of whitespace", " \t",
       kPrompt + Ask(9, 5) + kRight + Ask(9, 5) + Wrong(9, 5) + Ask(9, 5) + Wrong(9, 5) +
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
