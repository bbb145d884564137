// The report as one HTML page to print or send home: self-contained (its style inside, no
// script, nothing it loads), in Polish, printing on A4 with each learner's part on a page.
#ifndef REPORT_HTML_REPORT_H_
#define REPORT_HTML_REPORT_H_

#include <cstdint>
#include <string>

#include "report/class_folder.h"
#include "report/progress.h"

/// The background colour a fact in |box| is drawn with, "#rrggbb": white for a fact never
/// asked, then darker for each box up, boxes 4 and 5 alike, as vek's shades.
const char* ColourOfBox(int32_t box);

/// |text| (UTF-8) for HTML: & < > " ' as references, control characters left out.
std::string HtmlText(const std::string& text);

/// The page for the class in |records| read from |folder| on day |today|, with |week|'s
/// progress: the learners' table, the files skipped, the weakest facts, the class's known
/// facts week by week, then per learner on a page of its own: the week, the stuck facts, the
/// table's grid coloured by box, and its legend.
std::string ClassHtml(const std::string& folder, const ClassRecords& records, int32_t today,
                      Week week);

/// The page for one learner only: its part of ClassHtml.
std::string LearnerHtml(const LearnerRecord& learner, int32_t today, Week week);

#endif  // REPORT_HTML_REPORT_H_
