// What a learner's answers came to over time, day by day: the history the memory's files keep
// beside the boxes, which the teacher's report reads to show progress over the weeks.
#ifndef PRACTICE_ANSWER_HISTORY_H_
#define PRACTICE_ANSWER_HISTORY_H_

#include <cstdint>
#include <vector>

/// What one learner did with one fact on one day: the answers given to it, how they went, and
/// the box the fact stood in after the last of them.
struct FactDay {
  int32_t index = 0;   // the fact's place in the memory
  int32_t day = 0;     // the day the answers were kept, days since 1970-01-01 UTC
  int32_t quick = 0;   // answers right at the first try and quick
  int32_t slow = 0;    // answers right at the first try but slow
  int32_t missed = 0;  // answers that were wrong
  int32_t box = 0;     // the fact's box at the end of that day (1 to kTopBox)
};

/// A learner's history: every fact-day there is, ordered by day, then by index.
using AnswerHistory = std::vector<FactDay>;

#endif  // PRACTICE_ANSWER_HISTORY_H_
