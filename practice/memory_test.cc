#include "practice/memory.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/time.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "practice/memory_log.h"
#include "practice/memory_store.h"
#include "practice/testing/memory_with.h"

TEST(Memory, BoxAfterARound) {
  const struct {
    int32_t box;
    Outcome outcome;
    int32_t after;
  } kCases[] = {
      {0, Outcome::kRight, 2},    {1, Outcome::kRight, 2},  {2, Outcome::kRight, 3},
      {4, Outcome::kRight, 5},    {5, Outcome::kRight, 5},  {0, Outcome::kMissed, 1},
      {1, Outcome::kMissed, 1},   {5, Outcome::kMissed, 1}, {0, Outcome::kNotAsked, 0},
      {3, Outcome::kNotAsked, 3}, {0, Outcome::kSlow, 1},   {1, Outcome::kSlow, 1},
      {3, Outcome::kSlow, 3},     {5, Outcome::kSlow, 5},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(BoxAfter(c.box, c.outcome), c.after)
        << "box " << c.box << ", outcome " << static_cast<int>(c.outcome);
}

TEST(Memory, TheFirstAnswerToAFactDecidesQuickOrSlowAndAnyWrongOneMissed) {
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kNotAsked, true, 5000), Outcome::kRight);
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kNotAsked, true, 5001), Outcome::kSlow);
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kRight, true, 60000), Outcome::kRight) << "again";
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kSlow, true, 0), Outcome::kSlow) << "again";
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kSlow, false, 0), Outcome::kMissed);
  EXPECT_EQ(OutcomeAfterAnswer(Outcome::kMissed, true, 0), Outcome::kMissed);
}

TEST(Memory, DueAfterTwoToThePowerOfBoxLessOneDays) {
  const struct {
    FactMemory fact;
    int32_t today;
    bool due;
  } kCases[] = {
      {{1, 10}, 10, false},
      {{1, 10}, 11, true},
      {{2, 10}, 11, false},
      {{2, 10}, 12, true},
      {{3, 10}, 13, false},
      {{3, 10}, 14, true},
      {{4, 10}, 17, false},
      {{4, 10}, 18, true},
      {{5, 10}, 25, false},
      {{5, 10}, 26, true},
      {{5, 10}, 400, true},
      {{0, 0}, 400, false},
      // Asked "later" than today: a clock that was wrong for a while. Due now, not in months.
      {{1, 20}, 10, true},
      {{5, 20}, 19, true},
      {{5, 20}, 20, false},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(IsDue(c.fact, c.today), c.due)
        << "box " << c.fact.box << " asked on day " << c.fact.day << ", today " << c.today;
}

TEST(Memory, DayOfClock) {
  EXPECT_EQ(DayOfClock(0), 0);
  EXPECT_EQ(DayOfClock(86399), 0);
  EXPECT_EQ(DayOfClock(86400), 1);
  EXPECT_EQ(DayOfClock(1796774400), 20796);  // 2026-12-09 00:00 UTC
  EXPECT_EQ(DayOfClock(4294967295u), 49710);
  EXPECT_EQ(DayOfClock(4294967296 + 86400), 49711) << "no wrap-around past 2106";
  EXPECT_EQ(DayOfClock(-1), 0) << "a clock before 1970";
  EXPECT_EQ(DayOfClock(-86400 * 365), 0);
}

TEST(Memory, ARoundMovesTheFactsItAskedOnly) {
  Memory memory = MemoryWith({{{7, 8}, {3, 5}}, {{2, 2}, {1, 5}}, {{9, 9}, {4, 2}}});
  ApplyOutcome(memory, MemoryIndex({7, 8}), Outcome::kMissed, 12);
  ApplyOutcome(memory, MemoryIndex({2, 2}), Outcome::kRight, 12);
  ApplyOutcome(memory, MemoryIndex({1, 1}), Outcome::kRight, 12);
  ApplyOutcome(memory, MemoryIndex({9, 9}), Outcome::kNotAsked, 12);
  Memory expected =
      MemoryWith({{{7, 8}, {1, 12}}, {{2, 2}, {2, 12}}, {{9, 9}, {4, 2}}, {{1, 1}, {2, 12}}});
  for (int32_t i = 0; i < 100; ++i) {
    EXPECT_EQ(memory.facts[i].box, expected.facts[i].box) << "fact " << i;
    EXPECT_EQ(memory.facts[i].day, expected.facts[i].day) << "fact " << i;
  }
}

TEST(Memory, WrittenAsOneLinePerFactAskedAndReadBack) {
  Memory memory = MemoryWith({{{10, 10}, {5, 20000}}, {{1, 2}, {1, 0}}, {{7, 8}, {3, 20796}}});
  const std::string kText =
      "tabliczka practice 1\n"
      "1 2 1 0\n"
      "7 8 3 20796\n"
      "10 10 5 20000\n";
  EXPECT_EQ(FormatMemory(memory), kText);
  EXPECT_EQ(FormatMemory(Memory{}), "tabliczka practice 1\n");

  for (const std::string& text : {kText, std::string("tabliczka practice 1\r\n1 2 1 0\r\n"
                                                     "10 10 5 20000\r\n7 8 3 20796\r\n")}) {
    Memory read;
    ASSERT_EQ(ParseMemory(text, read), MemoryText::kRead) << text;
    EXPECT_EQ(FormatMemory(read), kText);
  }
}

TEST(Memory, ReadAsPeopleAndEditorsWriteItKeepingEveryLineThatHoldsAFact) {
  const std::string kKept = "tabliczka practice 1\n3 3 2 7\n";  // the memory before
  const std::string k78 = "tabliczka practice 1\n7 8 1 5\n";
  const struct {
    std::string text;
    MemoryText read;
    std::string memory;  // as FormatMemory writes it afterwards
  } kCases[] = {
      // What people and editors do.
      {"", MemoryText::kRead, "tabliczka practice 1\n"},
      {" \r\n\n", MemoryText::kRead, "tabliczka practice 1\n"},
      {"tabliczka practice 1", MemoryText::kRead, "tabliczka practice 1\n"},
      {"tabliczka practice 1\r\n7 8 1 5", MemoryText::kRead, k78},  // Notepad's
      {"\xEF\xBB\xBFtabliczka practice 1\n7 8 1 5\n", MemoryText::kRead, k78},
      {"Tabliczka PRACTICE 1\n7 8 1 5\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n\n7 8 1 5\n\n", MemoryText::kRead, k78},
      {"# Ola\ntabliczka practice 1\n# 7 x 8\n7 8 1 5\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n7\t8  1 5\n", MemoryText::kRead, k78},
      {"  tabliczka practice 1 \n 7 8 1 5 \t\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n7 8 1 5\r\r\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n7 8 2 3\n7 8 1 5\n", MemoryText::kRead, k78},  // the later day
      {"tabliczka practice 1\n7 8 1 5\n7 8 2 3\n", MemoryText::kRead, k78},
      // A line that holds no fact is left out, the rest kept.
      {"tabliczka practice 1\n7 8 1 5\n7 8 0 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 6 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n0 8 1 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 11 1 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 5 9\n7 8 1 5", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 -5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 x 8 1 5\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 1234567890\n7 8 1 5\n", MemoryText::kReadSkippingLines, k78},
      {"tabliczka practice 1\n7 8 1 5\ntabliczka practice 1\n", MemoryText::kReadSkippingLines,
       k78},
      // Divisions: version 2, each with a box of its own beside the same numbers' product; a
      // memory of multiplications alone is written as version 1 again.
      {"tabliczka practice 2\n7 8 1 5\n: 56 8 3 6\n:\t56  7 2 6\n", MemoryText::kRead,
       "tabliczka practice 2\n7 8 1 5\n: 56 7 2 6\n: 56 8 3 6\n"},
      {"tabliczka practice 2\n7 8 1 5\n", MemoryText::kRead, k78},
      {"tabliczka practice 1\n: 100 10 5 9\n", MemoryText::kRead,
       "tabliczka practice 2\n: 100 10 5 9\n"},
      {"tabliczka practice 2\n: 57 8 1 5\n: 56 0 1 5\n: 110 11 1 5\n: 56 8 1\n7 8 1 5\n",
       MemoryText::kReadSkippingLines, k78},
      // Not this program's to read: the memory stays as it was.
      {"tabliczka practice 3\n7 8 1 5\n", MemoryText::kNewerFormat, kKept},
      {"tabliczka practice 10\n", MemoryText::kNewerFormat, kKept},
      {"tabliczka practice 0\n", MemoryText::kNotThisFormat, kKept},
      {"tabliczka practice\n", MemoryText::kNotThisFormat, kKept},
      {"tabliczka practice 1 2\n", MemoryText::kNotThisFormat, kKept},
      {"7 8 1 5\ntabliczka practice 1\n", MemoryText::kNotThisFormat, kKept},
      {std::string("\x89PNG\r\n\x1A\n\0\0", 10), MemoryText::kNotThisFormat, kKept},
  };
  for (const auto& c : kCases) {
    Memory memory = MemoryWith({{{3, 3}, {2, 7}}});
    EXPECT_EQ(ParseMemory(c.text, memory), c.read) << '"' << c.text << '"';
    EXPECT_EQ(FormatMemory(memory), c.memory) << '"' << c.text << '"';
  }
}

namespace {

// A log of run |run| holding |lines| (each "seq time day kind numbers outcome", ended by "\n").
std::string Log(const std::string& run, const std::string& lines) {
  return LogHeader(run) + lines;
}

}  // namespace

TEST(Memory, LogsAndSnapshotsMergedInTheOrderTheAnswersWereGiven) {
  const std::string k78q = "1 100 6 x 7 8 q\n";
  const struct {
    const char* what;
    std::string legacy;                  // the earlier versions' file; "" for none
    std::vector<std::string> snapshots;  // their texts
    std::vector<std::string> logs;
    std::string memory;  // the fact lines of the memory merged, as FormatMemory writes them
  } kCases[] = {
      {"one answer", "", {}, {Log("a", k78q)}, "7 8 2 6\n"},
      {"in time order, not the logs' order",
       "",
       {},
       {Log("a", "1 200 6 x 7 8 q\n"), Log("b", "1 100 6 x 7 8 m\n")},
       "7 8 2 6\n"},
      {"the other way round",
       "",
       {},
       {Log("a", "1 100 6 x 7 8 q\n"), Log("b", "1 200 6 x 7 8 m\n")},
       "7 8 1 6\n"},
      {"at the same time: by run, then by seq",
       "",
       {},
       {Log("b", "1 100 6 x 7 8 m\n"), Log("a", "1 100 6 x 7 8 q\n2 100 6 x 7 8 m\n")},
       "7 8 1 6\n"},
      {"a log copied by a sync tool counts once",
       "",
       {},
       {Log("a", k78q), Log("a", k78q)},
       "7 8 2 6\n"},
      {"a line cut short is no answer", "", {}, {Log("a", k78q + "2 101 6 x 7 8 m")}, "7 8 2 6\n"},
      {"a newer version's lines skipped, the rest read",
       "",
       {},
       {"tabliczka log 2 a\n" + k78q + "2 101 6 : 56 8 q\n3 102 6 x 7 8 q later-word\n"},
       "7 8 2 6\n"},
      {"no log at all", "", {}, {"tabliczka practice 1\n7 8 1 5\n"}, ""},
      {"on the earlier versions' file", "7 8 3 5\n", {}, {Log("a", k78q)}, "7 8 4 6\n"},
      {"what a snapshot covers is not counted again",
       "",
       {"tabliczka memory 1\nrun a 1\nfact x 7 8 2 6 100\n"},
       {Log("a", k78q + "2 101 6 x 7 8 q\n")},
       "7 8 3 6\n"},
      {"a snapshot another covers is left out",
       "",
       {"tabliczka memory 1\nrun a 1\nfact x 7 8 2 6 100\n",
        "tabliczka memory 1\nrun a 1\nrun b 4\nfact x 7 8 4 6 100\n"},
       {Log("a", k78q)},
       "7 8 4 6\n"},
      {"two snapshots of runs apart: each fact as set last",
       "",
       {"tabliczka memory 1\nrun a 1\nfact x 7 8 2 6 100\nfact x 2 2 5 6 100\n",
        "tabliczka memory 1\nrun b 1\nfact x 7 8 1 7 200\n"},
       {},
       "2 2 5 6\n7 8 1 7\n"},
      {"a snapshot over the earlier versions' file dated ahead",
       "7 8 3 30\n",
       {"tabliczka memory 1\nrun a 1\nfact x 7 8 4 6 2592000\n"},
       {},
       "7 8 4 6\n"},
  };
  for (const auto& c : kCases) {
    Memory legacy;
    if (!c.legacy.empty()) {
      ASSERT_EQ(ParseMemory("tabliczka practice 1\n" + c.legacy, legacy), MemoryText::kRead);
    }
    std::vector<MergedMemory> snapshots(c.snapshots.size());
    for (size_t i = 0; i < c.snapshots.size(); ++i)
      ASSERT_TRUE(ParseSnapshot(c.snapshots[i], snapshots[i])) << c.what;
    std::vector<AnswerLog> logs;
    for (const std::string& text : c.logs) {
      AnswerLog log;
      if (ParseLog(text, log))
        logs.push_back(log);
    }
    MergedMemory merged = MergeMemory(legacy, snapshots, logs);
    EXPECT_EQ(FormatMemory(merged.memory), "tabliczka practice 1\n" + c.memory) << c.what;
    // Written as a snapshot and read back, it is the same memory.
    MergedMemory again;
    ASSERT_TRUE(ParseSnapshot(FormatSnapshot(merged), again)) << c.what;
    EXPECT_EQ(FormatSnapshot(again), FormatSnapshot(merged)) << c.what;
    EXPECT_EQ(FormatMemory(MergeMemory(Memory{}, {again}, logs).memory),
              FormatMemory(merged.memory))
        << c.what << ": folded, the logs it covers count no more";
  }
  // Both kinds in one log: 7 x 8 right and 56 : 8 missed, each its own fact, through a snapshot.
  AnswerLog both;
  ASSERT_TRUE(ParseLog(Log("a", k78q + "2 101 6 d 8 7 m\n"), both));
  MergedMemory merged = MergeMemory(Memory{}, {}, {both});
  MergedMemory again;
  ASSERT_TRUE(ParseSnapshot(FormatSnapshot(merged), again));
  for (const MergedMemory* memory : {&merged, &again}) {
    EXPECT_EQ(FormatMemory(memory->memory), "tabliczka practice 2\n7 8 2 6\n: 56 8 1 6\n");
  }
}

TEST(Memory, TheHistoryKeepsEachFactsAnswersDayByDay) {
  AnswerLog log;
  ASSERT_TRUE(ParseLog(Log("a",
                           "1 100 6 x 7 8 q\n2 101 6 x 7 8 m\n3 102 6 x 2 3 s\n"
                           "4 90000 7 x 7 8 q\nend\n"),
                       log));
  EXPECT_TRUE(log.ended);
  EXPECT_FALSE(log.unknown);
  MergedMemory merged = MergeMemory(Memory{}, {}, {log});
  ASSERT_EQ(merged.history.size(), 3u);
  const FactDay kDays[] = {{MemoryIndex({2, 3}), 6, 0, 1, 0, 1},
                           {MemoryIndex({7, 8}), 6, 1, 0, 1, 1},
                           {MemoryIndex({7, 8}), 7, 1, 0, 0, 2}};
  for (size_t i = 0; i < 3; ++i) {
    const FactDay& day = merged.history[i];
    EXPECT_TRUE(day.index == kDays[i].index && day.day == kDays[i].day &&
                day.quick == kDays[i].quick && day.slow == kDays[i].slow &&
                day.missed == kDays[i].missed && day.box == kDays[i].box)
        << i << ": " << day.index << " " << day.day << " " << day.quick << day.slow << day.missed
        << " box " << day.box;
  }
  // A snapshot folded in the middle of day 7 and a log going on: the day's counts add up.
  MergedMemory folded = MergeMemory(Memory{}, {}, {log});
  AnswerLog later;
  ASSERT_TRUE(ParseLog(Log("b", "1 90001 7 x 7 8 q\n"), later));
  MergedMemory both = MergeMemory(Memory{}, {folded}, {log, later});
  EXPECT_EQ(both.history.back().quick, 2);
  EXPECT_EQ(both.history.back().box, 3);
  EXPECT_EQ(FormatSnapshot(both),
            "tabliczka memory 2\nrun a 4\nrun b 1\nfact x 2 3 1 6 102\nfact x 7 8 3 7 90001\n"
            "day x 2 3 6 0 1 0 1 1\nday x 7 8 6 1 0 1 1 1\nday x 7 8 7 1 0 0 2 1\n"
            "day x 7 8 7 1 0 0 3 2\n");
  // Two computers fold that snapshot, each with a log the other has not seen yet, and a third
  // reads both: every answer counts once. So does a snapshot of the earlier format, whose
  // history names no run, under one that goes on from it.
  auto answers = [](const MergedMemory& memory) {
    int32_t count = 0;
    for (const FactDay& day : memory.history)
      count += day.quick + day.slow + day.missed;
    return count;
  };
  AnswerLog on_c, on_d;
  MergedMemory old_format;
  ASSERT_TRUE(ParseLog(Log("c", "1 90002 7 x 7 8 m\nend\n"), on_c) &&
              ParseLog(Log("d", "1 90003 7 x 7 8 s\n2 90004 7 x 2 3 q\nend\n"), on_d) &&
              ParseSnapshot("tabliczka memory 1\nrun a 4\nfact x 7 8 2 7 90000\n"
                            "day x 7 8 6 1 0 1 1\nday x 7 8 7 1 0 0 2\n",
                            old_format));
  for (const MergedMemory& base : {both, old_format}) {
    MergedMemory read_c, read_d;
    ASSERT_TRUE(ParseSnapshot(FormatSnapshot(MergeMemory(Memory{}, {base}, {on_c})), read_c) &&
                ParseSnapshot(FormatSnapshot(MergeMemory(Memory{}, {base}, {on_d})), read_d));
    MergedMemory all = MergeMemory(Memory{}, {read_c, read_d, base}, {});
    EXPECT_EQ(answers(all), answers(base) + 3);
    EXPECT_EQ(all.history.back().box, all.memory.facts[MemoryIndex({7, 8})].box);
  }
}

namespace {

// A folder of its own for one test, removed when the tests end.
std::string TemporaryFolder() {
  static struct Made {
    std::vector<std::string> dirs;
    ~Made() {
      for (const std::string& dir : dirs)
        std::filesystem::remove_all(dir);
    }
  } made;
  std::string pattern = "/tmp/memory_test.XXXXXX";
  if (!mkdtemp(&pattern[0]))
    return std::string();
  made.dirs.push_back(pattern);
  return pattern;
}

void Write(const std::string& path, const std::string& text, int64_t modified = 0) {
  std::ofstream(path, std::ios::binary) << text;
  if (modified != 0) {
    struct timeval times[2] = {{static_cast<time_t>(modified), 0},
                               {static_cast<time_t>(modified), 0}};
    utimes(path.c_str(), times);
  }
}

}  // namespace

TEST(MemoryStore, AFoldRemovesOnlyTheLogsThatEndedAndTheSnapshotsItRead) {
  const int64_t kNow = 1796774400;  // 2026-12-09 00:00 UTC, day 20796
  const struct {
    const char* what;
    std::string name;  // in the folder, beside practice.txt
    std::string text;
    int64_t modified;   // 0: now
    bool stays;         // after the fold, as it was
    std::string aside;  // set aside as this instead; "" for none
  } kCases[] = {
      {"an ended log", "practice.txt.a.log", Log("a", "1 100 6 x 7 8 q\nend\n"), 0, false, ""},
      {"a log still written", "practice.txt.b.log", Log("b", "1 100 6 x 2 2 q\n"), 0, true, ""},
      {"a log left a day ago", "practice.txt.c.log", Log("c", "1 100 6 x 3 3 q\n"), kNow - 86400,
       false, ""},
      {"a later version's log", "practice.txt.d.log",
       "tabliczka log 2 d\n1 100 6 x 4 4 q\n2 101 6 : 56 8 q\nend\n", 0, true, ""},
      {"a snapshot", "practice.txt.e.snap", "tabliczka memory 1\nrun e 1\nfact x 5 5 2 6 100\n", 0,
       false, ""},
      {"a snapshot a person wrote in", "practice.txt.f.snap",
       "tabliczka memory 1\n# Ola\nrun f 1\nfact x 6 6 2 6 100\n", 0, false,
       "practice.txt.f.snap.1.bad"},
      {"the earlier versions' file", "practice.txt", "tabliczka practice 1\n9 9 4 3\n", 0, true,
       ""},
      {"another learner's log", "practice-Ala.txt.g.log", Log("g", "1 100 6 x 8 8 q\nend\n"), 0,
       true, ""},
  };
  std::string dir = TemporaryFolder();
  for (const auto& c : kCases)
    Write(dir + "/" + c.name, c.text, c.modified);
  MemoryFile file{UserFolder{dir, dir}, dir + "/practice.txt"};
  const std::string kMerged =
      "tabliczka practice 1\n2 2 2 6\n3 3 2 6\n4 4 2 6\n5 5 2 6\n6 6 2 6\n7 8 2 6\n9 9 4 3\n";
  Memory memory;
  MemoryLog log;
  ASSERT_TRUE(LoadMemory(file, memory, log, kNow));
  EXPECT_EQ(FormatMemory(memory), kMerged);
  for (const auto& c : kCases) {
    std::ifstream in(dir + "/" + (c.aside.empty() ? c.name : c.aside), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, c.stays || !c.aside.empty() ? c.text : "") << c.what;
  }
  std::vector<std::string> names;
  ASSERT_TRUE(FileNamesInFolder(dir, names));
  EXPECT_EQ(names.size(), 6u) << "the snapshot of the fold, and what stays";
  EXPECT_EQ(FormatMemory(ReadMemoryFiles(file, kNow).merged.memory), kMerged) << "as before";
  // The run's own log: its answers, then its end, so that the next fold removes it.
  Unsaved unsaved;
  NoteUnsaved(unsaved, log, memory, MemoryIndex({7, 8}), Outcome::kMissed, 20796, kNow);
  ASSERT_TRUE(KeepUnsaved(log, unsaved));
  EXPECT_TRUE(unsaved.answers.empty());
  EndMemoryLog(log);
  EXPECT_EQ(log.path, dir + "/practice.txt." + log.run + ".log");
  EXPECT_EQ(FormatMemory(ReadMemoryFiles(file, kNow).merged.memory),
            "tabliczka practice 1\n2 2 2 6\n3 3 2 6\n4 4 2 6\n5 5 2 6\n6 6 2 6\n7 8 1 20796\n"
            "9 9 4 3\n");
}

TEST(MemoryStore, AnAnswerDatedAheadCountsOnTheDayItsFileWasWritten) {
  const int64_t kWritten = 1796774400;  // day 20796
  std::string dir = TemporaryFolder();
  Write(dir + "/practice.txt", "tabliczka practice 1\n9 9 4 30000\n", kWritten);
  Write(dir + "/practice.txt.a.log", Log("a", "1 2592000000 30000 x 7 8 q\n"), kWritten);
  MemoryRead read = ReadMemoryFiles(MemoryFile{UserFolder{dir, dir}, dir + "/practice.txt"}, 0);
  EXPECT_EQ(FormatMemory(read.merged.memory), "tabliczka practice 1\n7 8 2 20796\n9 9 4 20796\n");
  ASSERT_EQ(read.merged.history.size(), 1u);
  EXPECT_EQ(read.merged.history[0].day, 20796);
}
