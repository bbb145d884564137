// The report's tables as CSV, in two forms: for a spreadsheet with Polish settings (what
// double-clicking the file opens right) and the comma-separated form scripts read.
#ifndef REPORT_CLASS_CSV_H_
#define REPORT_CLASS_CSV_H_

#include <cstdint>
#include <string>

#include "report/class_folder.h"
#include "report/fact_label.h"
#include "report/progress.h"

/// How a CSV is written.
struct CsvForm {
  char separator;    // between fields
  char point;        // the decimal separator
  LabelForm labels;  // how facts are named
};

/// For LibreOffice Calc and Excel with Polish regional settings: fields separated by ';', a
/// decimal comma, facts as "7×8" (no spreadsheet reads that as a date).
constexpr CsvForm kSpreadsheetCsv{';', ',', LabelForm::kUtf8};

/// The comma-separated form for scripts: a decimal point, facts as "7 x 8".
constexpr CsvForm kScriptCsv{',', '.', LabelForm::kSpaced};

/// |text| as one text field of |form|: control characters (C0, DEL, C1) left out; a leading
/// "'" where it starts with '=', '+', '-', '@', a tab or a carriage return, so that no
/// spreadsheet takes it for a formula; in quotes, quotes doubled, where it holds the separator
/// or a quote.
std::string CsvText(const std::string& text, const CsvForm& form);

/// The tables of |records| on day |today| for |week|: UTF-8 with a byte order mark, CR LF line
/// ends. The learners (today's sums, then the week's: facts known at its end and before it,
/// the change, answers and days practised, the stuck facts); the facts (each one's standing and
/// every learner's box); the class's known facts week by week; the files skipped. Numbers are
/// numbers, dates yyyy-mm-dd.
std::string ClassCsv(const ClassRecords& records, int32_t today, Week week, const CsvForm& form);

#endif  // REPORT_CLASS_CSV_H_
