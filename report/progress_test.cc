#include "report/progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "console/testing/fake_console.h"
#include "practice/testing/memory_with.h"
#include "report/fact_label.h"
#include "report/progress_text.h"

namespace {

constexpr int32_t kToday = 20796;  // 2026-12-09, a Wednesday

// One entry of a history as a test writes it: fact a x b on |day|, its answers and box.
struct Entry {
  Question fact;
  int32_t day, quick, slow, missed, box;
};

// The history of |entries| (put in order), and the memory it leaves: each fact's last box, on
// the day it was last asked.
struct Learned {
  AnswerHistory history;
  Memory memory;
};
Learned LearnedFrom(std::vector<Entry> entries, Memory memory = {}) {
  Learned learned{{}, memory};
  for (const Entry& e : entries)
    learned.history.push_back(
        FactDay{MemoryIndex(e.fact), e.day, e.quick, e.slow, e.missed, e.box});
  std::sort(learned.history.begin(), learned.history.end(), [](const FactDay& x, const FactDay& y) {
    return x.day != y.day ? x.day < y.day : x.index < y.index;
  });
  for (const FactDay& d : learned.history)
    learned.memory.facts[static_cast<size_t>(d.index)] = FactMemory{d.box, d.day};
  return learned;
}

std::string Labels(const std::vector<int32_t>& indices) {
  std::string labels;
  for (int32_t index : indices)
    labels += (labels.empty() ? "" : " ") + FactLabelIn(index, LabelForm::kSpaced);
  return labels;
}

// 2 x 2 known since before the week, 3 x 4 known within it, 7 x 8 wrong on one day and slow
// on another, 6 x 7 new in the week; 9 x 9 after it.
const std::vector<Entry> kAla = {{{2, 2}, 20780, 1, 0, 0, 2}, {{2, 2}, 20785, 1, 0, 0, 3},
                                 {{3, 4}, 20789, 1, 0, 0, 2}, {{3, 4}, 20792, 1, 0, 0, 3},
                                 {{7, 8}, 20790, 0, 0, 2, 1}, {{7, 8}, 20793, 0, 1, 0, 1},
                                 {{6, 7}, 20794, 1, 0, 0, 2}, {{9, 9}, 20800, 1, 0, 0, 2}};

}  // namespace

TEST(Progress, AWeeksSumsFromTheHistory) {
  const struct {
    const char* what;
    Learned learned;
    Week week;
    bool has_history;
    int32_t known_now, known_before, answers, days;
    const char* stuck;
  } kCases[] = {
      {"this week", LearnedFrom(kAla), WeekEndingOn(kToday), true, 2, 1, 5, 4, "7 x 8"},
      {"the week before (--od)", LearnedFrom(kAla), WeekFrom(kToday - 13), true, 1, 0, 2, 2, ""},
      {"no history: nothing told", LearnedFrom({}, MemoryWith({{{1, 1}, {5, 20700}}})),
       WeekEndingOn(kToday), false, 0, 0, 0, 0, ""},
      {"a history begun after the memory: its earlier boxes count",
       LearnedFrom({{{5, 5}, kToday - 1, 1, 0, 0, 3}}, MemoryWith({{{1, 1}, {5, 20700}}})),
       WeekEndingOn(kToday), true, 2, 1, 1, 1, ""},
      {"answers on one day count that day once",
       LearnedFrom({{{1, 2}, kToday, 2, 0, 1, 1}, {{2, 1}, kToday, 1, 1, 0, 2}}),
       WeekEndingOn(kToday), true, 0, 0, 5, 1, ""},
  };
  for (const auto& c : kCases) {
    LearnerProgress progress = ProgressOf(c.learned.memory, c.learned.history, c.week);
    EXPECT_EQ(progress.has_history, c.has_history) << c.what;
    EXPECT_EQ(progress.known_now, c.known_now) << c.what;
    EXPECT_EQ(progress.known_before, c.known_before) << c.what;
    EXPECT_EQ(progress.answers, c.answers) << c.what;
    EXPECT_EQ(progress.days_practised, c.days) << c.what;
    EXPECT_EQ(Labels(progress.stuck), c.stuck) << c.what;
  }
}

TEST(Progress, StuckFactsMostDaysInTroubleFirstAtMostFive) {
  // 1 x 1 in trouble on three days; 1 x 2 to 1 x 5 on two, 1 x 5 with four wrong answers,
  // 1 x 3 with two, 1 x 4 with one but later than 1 x 2; 1 x 6 known by now; 1 x 7 on one day
  // only; 1 x 8 once 30 days ago, once now; 1 x 9 on two days, but the sixth, so not shown.
  Learned learned = LearnedFrom({
      {{1, 1}, kToday - 5, 0, 1, 0, 1},  {{1, 1}, kToday - 3, 0, 1, 0, 1},
      {{1, 1}, kToday, 0, 1, 0, 1},      {{1, 2}, kToday - 9, 0, 1, 0, 1},
      {{1, 2}, kToday - 8, 0, 0, 1, 1},  {{1, 3}, kToday - 9, 0, 0, 1, 1},
      {{1, 3}, kToday - 7, 0, 0, 1, 1},  {{1, 4}, kToday - 2, 0, 0, 1, 1},
      {{1, 4}, kToday - 1, 0, 1, 0, 1},  {{1, 5}, kToday - 4, 0, 0, 3, 1},
      {{1, 5}, kToday - 2, 0, 0, 1, 1},  {{1, 6}, kToday - 4, 0, 0, 3, 1},
      {{1, 6}, kToday - 2, 0, 1, 0, 1},  {{1, 6}, kToday, 1, 0, 0, 3},
      {{1, 7}, kToday - 1, 0, 0, 4, 1},  {{1, 8}, kToday - 30, 0, 0, 1, 1},
      {{1, 8}, kToday, 0, 0, 1, 1},      {{1, 9}, kToday - 20, 0, 1, 0, 1},
      {{1, 9}, kToday - 19, 0, 1, 0, 1}, {{2, 2}, kToday - 3, 2, 0, 0, 3},
  });
  EXPECT_EQ(Labels(StuckFacts(learned.memory, learned.history, kToday)),
            "1 x 1 1 x 5 1 x 3 1 x 4 1 x 2");
  // A day earlier, 1 x 1 had two days in trouble, none wrong, and 1 x 6 was not known yet.
  EXPECT_EQ(Labels(StuckFacts(learned.memory, learned.history, kToday - 1)),
            "1 x 5 1 x 6 1 x 3 1 x 4 1 x 2");
}

TEST(Progress, BoxesOnADayFromTheHistoryThenTheMemory) {
  Learned learned = LearnedFrom(kAla, MemoryWith({{{1, 1}, {4, 20600}}}));
  const struct {
    Question fact;
    int32_t day, box;
  } kCases[] = {{{2, 2}, 20779, 0},  {{2, 2}, 20780, 2}, {{2, 2}, 20784, 2},
                {{2, 2}, kToday, 3}, {{7, 8}, 20792, 1}, {{9, 9}, kToday, 0},
                {{9, 9}, 20800, 2},  {{1, 1}, 20599, 0}, {{1, 1}, 20600, 4}};
  for (const auto& c : kCases)
    EXPECT_EQ(BoxOnDay(learned.memory, learned.history, MemoryIndex(c.fact), c.day), c.box)
        << c.fact.a << " x " << c.fact.b << " on " << c.day;
}

TEST(Progress, TheClassesKnownFactsWeekByWeek) {
  Learned ala = LearnedFrom(kAla);
  std::vector<LearnerRecord> learners = {
      {"Ala", "practice-Ala.txt", true, ala.memory, ala.history},
      {"Ola", "practice-Ola.txt", true, MemoryWith({{{1, 1}, {4, 20700}}}), {}},
      {"Zosia", "practice-Zosia.txt", false, {}, {}},
  };
  std::vector<std::string> weeks;
  for (const WeekCount& count : ClassKnownByWeek(learners, kToday, 8))
    weeks.push_back(std::to_string(count.day) + ":" + std::to_string(count.known));
  // Ala's history starts on 20780: the weeks ending before it are left out; Ola's 1 x 1, known
  // long before, counts in every week.
  EXPECT_EQ(weeks, (std::vector<std::string>{"20782:1", "20789:2", "20796:3"}));
  EXPECT_EQ(ClassKnownByWeek(learners, kToday, 2).size(), 2u);
  learners.erase(learners.begin());
  EXPECT_TRUE(ClassKnownByWeek(learners, kToday, 8).empty()) << "no history, no weeks";
}

TEST(FactLabelIn, OneLabelInEachForm) {
  EXPECT_EQ(FactLabelIn(MemoryIndex({7, 8}), LabelForm::kUtf8), "7×8");
  EXPECT_EQ(FactLabelIn(MemoryIndex({10, 10}), LabelForm::kCp852),
            "10\x9E"
            "10");
  EXPECT_EQ(FactLabelIn(MemoryIndex({8, 4}), LabelForm::kSpaced), "8 x 4");
  EXPECT_EQ(FactLabelIn(SlotOfFact({FactKind::kDivision, 8, 7}), LabelForm::kCp852), "56:8");
}

TEST(ProgressText, TheWeeksRowsAndTheClassesWeeks) {
  Learned ala = LearnedFrom(kAla);
  std::vector<LearnerRecord> learners = {
      {"Ala", "practice-Ala.txt", true, ala.memory, ala.history},
      {"Zosia", "practice-Zosia.txt", false, {}, {}},
  };
  FakeConsoleReset("");
  PutWeekRows(learners, WeekEndingOn(kToday));
  PutClassWeeks(learners, kToday);
  EXPECT_EQ(FakeConsoleOutput(),
            Screen("\n"
                   " Tydzień 03.12.2026 - 09.12.2026:\n"
                   " uczeń             umie  zmiana  odpowiedzi  dni  nie idzie\n"
                   " Ala                  2      +1           5    4  7×8\n"
                   " Zosia             brak historii\n"
                   "\n"
                   " zmiana: o ile działań uczeń umie więcej niż przed tym tygodniem\n"
                   "\n"
                   " Ile działań umie cała klasa, tydzień po tygodniu:\n"
                   "   25.11  02.12  09.12\n"
                   "       0      1      2\n"));
  // Nobody's files hold a history yet.
  learners.erase(learners.begin());
  FakeConsoleReset("");
  PutWeekRows(learners, WeekEndingOn(kToday));
  PutClassWeeks(learners, kToday);
  EXPECT_EQ(
      FakeConsoleOutput(),
      Screen("\n Postępów w czasie jeszcze nie widać: pliki nie mają historii odpowiedzi.\n"));
}
