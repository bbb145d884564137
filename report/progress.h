// Progress over time, from a learner's answer history: what was known at the end of a week and
// before it, how much the week was practised, the facts a learner is stuck on, and how the
// class's count of known facts went week by week. Pure sums over the history and the memory.
#ifndef REPORT_PROGRESS_H_
#define REPORT_PROGRESS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "practice/answer_history.h"
#include "practice/memory.h"
#include "report/class_folder.h"

/// Seven days, from |first| to |last| (days since 1970-01-01 UTC, both included).
struct Week {
  int32_t first = 0;
  int32_t last = 6;
};

/// The week that ends on |day|: the week up to today, by default.
Week WeekEndingOn(int32_t day);

/// The week that starts on |day| (postepy --od).
Week WeekFrom(int32_t day);

/// How many weeks the class's count of known facts goes back.
constexpr int32_t kWeeksShown = 8;

/// How many of a learner's stuck facts are shown.
constexpr size_t kStuckShown = 5;

/// A fact is stuck when it went wrong or slow on at least this many days within kStuckDays
/// days up to the week's end, and is not known (box 3 or higher) at the week's end.
constexpr int32_t kStuckTimes = 2;
constexpr int32_t kStuckDays = 28;

/// The box fact |index| stood in at the end of day |day|: the memory's where the fact was last
/// asked on or before |day|, otherwise the last box the history holds for it on or before
/// |day|, otherwise 0 (not asked yet, as far as the files tell).
int32_t BoxOnDay(const Memory& memory, const AnswerHistory& history, int32_t index, int32_t day);

/// How many facts were known (box 3 or higher) at the end of day |day|, as BoxOnDay tells.
int32_t KnownOnDay(const Memory& memory, const AnswerHistory& history, int32_t day);

/// One learner's week.
struct LearnerProgress {
  bool has_history = false;    // the files hold any history at all; without it, the rest is 0
  int32_t known_now = 0;       // facts known at the end of the week's last day
  int32_t known_before = 0;    // and at the end of the day before its first
  int32_t answers = 0;         // answers given in the week
  int32_t days_practised = 0;  // days of the week with any answer
  std::vector<int32_t> stuck;  // up to kStuckShown memory indices, the most stuck first
};

/// What |history| (with |memory|) tells of |week|.
LearnerProgress ProgressOf(const Memory& memory, const AnswerHistory& history, Week week);

/// The facts stuck at the end of day |day| (see kStuckTimes): the most days gone wrong or slow
/// first, then the most wrong answers, then the latest trouble, then table order; at most
/// kStuckShown.
std::vector<int32_t> StuckFacts(const Memory& memory, const AnswerHistory& history, int32_t day);

/// The class's count of known facts at the end of one day.
struct WeekCount {
  int32_t day = 0;
  int32_t known = 0;
};

/// The class's known facts (summed over |learners|) at the end of |last| and of each day seven
/// days before, oldest first: at most |weeks| of them, none ending before the first day any
/// learner's history holds; empty when no learner has any history.
std::vector<WeekCount> ClassKnownByWeek(const std::vector<LearnerRecord>& learners, int32_t last,
                                        int32_t weeks);

#endif  // REPORT_PROGRESS_H_
