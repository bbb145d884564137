#include "report/progress.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

constexpr int32_t kKnownBox = 3;

// Every fact's box at the end of |day|, as BoxOnDay tells.
std::array<int32_t, kMemoryFacts> BoxesOnDay(const Memory& memory, const AnswerHistory& history,
                                             int32_t day) {
  std::array<int32_t, kMemoryFacts> boxes{};
  for (const FactDay& entry : history) {
    if (entry.day > day)
      break;  // ordered by day
    if (entry.index >= 0 && entry.index < kMemoryFacts)
      boxes[static_cast<size_t>(entry.index)] = entry.box;
  }
  for (int32_t i = 0; i < kMemoryFacts; ++i) {
    const FactMemory& fact = memory.facts[static_cast<size_t>(i)];
    if (fact.box > 0 && fact.day <= day)
      boxes[static_cast<size_t>(i)] = fact.box;
  }
  return boxes;
}

}  // namespace

Week WeekEndingOn(int32_t day) {
  return Week{day - 6, day};
}

Week WeekFrom(int32_t day) {
  return Week{day, day + 6};
}

int32_t BoxOnDay(const Memory& memory, const AnswerHistory& history, int32_t index, int32_t day) {
  return BoxesOnDay(memory, history, day)[static_cast<size_t>(index)];
}

int32_t KnownOnDay(const Memory& memory, const AnswerHistory& history, int32_t day) {
  std::array<int32_t, kMemoryFacts> boxes = BoxesOnDay(memory, history, day);
  return static_cast<int32_t>(
      std::count_if(boxes.begin(), boxes.end(), [](int32_t box) { return box >= kKnownBox; }));
}

LearnerProgress ProgressOf(const Memory& memory, const AnswerHistory& history, Week week) {
  LearnerProgress progress;
  if (history.empty())
    return progress;
  progress.has_history = true;
  progress.known_now = KnownOnDay(memory, history, week.last);
  progress.known_before = KnownOnDay(memory, history, week.first - 1);
  std::set<int32_t> days;
  for (const FactDay& entry : history) {
    if (entry.day < week.first || entry.day > week.last)
      continue;
    int32_t answers = entry.quick + entry.slow + entry.missed;
    progress.answers += answers;
    if (answers > 0)
      days.insert(entry.day);
  }
  progress.days_practised = static_cast<int32_t>(days.size());
  progress.stuck = StuckFacts(memory, history, week.last);
  return progress;
}

std::vector<int32_t> StuckFacts(const Memory& memory, const AnswerHistory& history, int32_t day) {
  struct Trouble {
    int32_t index = 0;
    int32_t days = 0;
    int32_t missed = 0;
    int32_t latest = 0;
  };
  std::array<Trouble, kMemoryFacts> troubles{};
  for (const FactDay& entry : history) {
    if (entry.day > day)
      break;
    if (entry.day <= day - kStuckDays || entry.index < 0 || entry.index >= kMemoryFacts ||
        entry.missed + entry.slow == 0)
      continue;
    Trouble& trouble = troubles[static_cast<size_t>(entry.index)];
    ++trouble.days;  // one entry per fact and day
    trouble.missed += entry.missed;
    trouble.latest = entry.day;
  }
  std::array<int32_t, kMemoryFacts> boxes = BoxesOnDay(memory, history, day);
  std::vector<Trouble> stuck;
  for (int32_t i = 0; i < kMemoryFacts; ++i) {
    Trouble trouble = troubles[static_cast<size_t>(i)];
    trouble.index = i;
    if (trouble.days >= kStuckTimes && boxes[static_cast<size_t>(i)] < kKnownBox)
      stuck.push_back(trouble);
  }
  std::stable_sort(stuck.begin(), stuck.end(), [](const Trouble& x, const Trouble& y) {
    if (x.days != y.days)
      return x.days > y.days;
    if (x.missed != y.missed)
      return x.missed > y.missed;
    return x.latest > y.latest;
  });
  std::vector<int32_t> indices;
  for (size_t i = 0; i < stuck.size() && i < kStuckShown; ++i)
    indices.push_back(stuck[i].index);
  return indices;
}

std::vector<WeekCount> ClassKnownByWeek(const std::vector<LearnerRecord>& learners, int32_t last,
                                        int32_t weeks) {
  bool any = false;
  int32_t first_day = 0;
  for (const LearnerRecord& learner : learners) {
    if (learner.history.empty())
      continue;
    first_day =
        any ? std::min(first_day, learner.history.front().day) : learner.history.front().day;
    any = true;
  }
  std::vector<WeekCount> counts;
  if (!any)
    return counts;
  for (int32_t k = weeks - 1; k >= 0; --k) {
    int32_t day = last - 7 * k;
    if (day < first_day)
      continue;
    WeekCount count{day, 0};
    for (const LearnerRecord& learner : learners)
      count.known += KnownOnDay(learner.memory, learner.history, day);
    counts.push_back(count);
  }
  return counts;
}
