// postepy, the teacher's report: for each learner of a class folder what they know, and the
// facts the class still misses most; a learner's grid; the same tables as CSV for a
// spreadsheet.
#ifndef REPORT_CLASS_REPORT_H_
#define REPORT_CLASS_REPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "practice/memory.h"
#include "report/class_folder.h"
#include "report/progress.h"

/// A learner not practised for this many days or more is marked.
constexpr int32_t kDaysUnmarked = 7;

/// How many of the class's weakest facts the report lists.
constexpr size_t kWeakestShown = 20;

/// What one learner's memory comes to: of the 100 multiplications, those known (box 3 or
/// higher), those in box 1 and those never asked, and the last day any fact of any kind was
/// asked (-1 for none).
struct LearnerSums {
  int32_t known = 0;
  int32_t in_box_one = 0;
  int32_t never_asked = 0;
  int32_t last_day = -1;
};
LearnerSums SumLearner(const Memory& memory);

/// True when a learner with |sums| has not practised for kDaysUnmarked days or more before
/// |today|, or never.
bool NotPractisedLately(const LearnerSums& sums, int32_t today);

/// How the class stands on one fact: how many learners have it in box 1, how many were ever
/// asked it, and the sum of their boxes.
struct FactStanding {
  int32_t index = 0;  // MemoryIndex
  int32_t in_box_one = 0;
  int32_t asked = 0;
  int32_t box_sum = 0;
};

/// Whether any of |learners| was ever asked a division.
bool AnyDivisionAsked(const std::vector<LearnerRecord>& learners);

/// Every fact's standing over |learners|, in the order of the table: the 100 products, then
/// the 100 divisions where any of them was asked one.
std::vector<FactStanding> FactStandings(const std::vector<LearnerRecord>& learners);

/// The weakest |count| facts of |standings| that at least one learner was asked: most learners
/// in box 1 first, then the lowest mean box (over the learners asked it), then table order.
std::vector<FactStanding> WeakestFacts(std::vector<FactStanding> standings, size_t count);

/// The mean box of |fact| (asked at least once) rounded to |places| (1 or 2) decimal places,
/// with |point| between: "1,5".
std::string MeanBox(const FactStanding& fact, int32_t places, char point);

/// Day |day| (days since 1970-01-01) as the report shows it, "08.12.2026", and as the CSV
/// writes it, "2026-12-08".
std::string DateOfDay(int32_t day);
std::string IsoDateOfDay(int32_t day);

/// The report of the class in |records| read from folder |folder| on day |today|: one row per
/// learner, their progress in |week|, the files skipped, the weakest facts, the class's known
/// facts week by week.
void PutClassReport(const std::string& folder, const ClassRecords& records, int32_t today,
                    Week week);

/// One learner's row, progress in |week|, and grid, as vek draws it; beside it the grid of
/// divisions where the learner practised any.
void PutLearnerReport(const LearnerRecord& learner, int32_t today, Week week);

/// postepy with |arguments| (see ParseReportOptions) on day |today|: the exit code. The week
/// shown ends today, or starts on the day --od names.
int RunReport(const std::vector<std::string>& arguments, int32_t today);

#endif  // REPORT_CLASS_REPORT_H_
