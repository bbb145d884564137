// Progress over time in the text report: a row per learner for a week, and the class's known
// facts week by week.
#ifndef REPORT_PROGRESS_TEXT_H_
#define REPORT_PROGRESS_TEXT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "report/class_folder.h"
#include "report/progress.h"

/// The change |change| as shown: "+3", "0", "-1".
std::string SignedChange(int32_t change);

/// The week's title, then a row per learner of |learners|: facts known at the week's end, the
/// change since its start, answers and days practised in it, the stuck facts ("brak historii"
/// for a learner whose files hold none); where no learner has any history, one line that says
/// so instead.
void PutWeekRows(const std::vector<LearnerRecord>& learners, Week week);

/// The class's known facts at the end of each of the last kWeeksShown weeks up to day |last|,
/// as a row of dates and a row of counts; nothing where no learner has any history.
void PutClassWeeks(const std::vector<LearnerRecord>& learners, int32_t last);

#endif  // REPORT_PROGRESS_TEXT_H_
