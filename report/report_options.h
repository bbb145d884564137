// What postepy is asked to show, read from its arguments.
#ifndef REPORT_REPORT_OPTIONS_H_
#define REPORT_REPORT_OPTIONS_H_

#include <cstdint>
#include <string>
#include <vector>

/// The form the report is written in.
enum class ReportForm {
  kText,  // the report on the screen (or as code page 852 text)
  kCsv,   // the tables as CSV
  kHtml,  // one HTML page to print or send home
};

struct ReportOptions {
  ReportForm form = ReportForm::kText;
  char csv_separator = ';';       // ';' for a spreadsheet, ',' for scripts
  bool week_given = false;        // --od DATE
  int32_t week_first = 0;         // its day
  std::vector<std::string> rest;  // FOLDER, and NAME
};

/// Reads |arguments|: the options --csv, --csv-sep=; or --csv-sep=, (CSV too), --html, and
/// --od DATE (or --od=DATE), in any order before the others, then FOLDER [NAME] (NAME not with
/// --csv). False for anything else, "--" before a folder included.
bool ParseReportOptions(const std::vector<std::string>& arguments, ReportOptions& options);

/// The day (days since 1970-01-01) of |date| written as yyyy-mm-dd or dd.mm.yyyy; false when
/// it is no such date.
bool DayOfDate(const std::string& date, int32_t& day);

#endif  // REPORT_REPORT_OPTIONS_H_
