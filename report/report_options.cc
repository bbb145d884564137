#include "report/report_options.h"

#include <cstdlib>

namespace {

// |text| as a number of exactly |digits| digits; -1 otherwise.
int32_t Digits(const std::string& text, size_t digits) {
  if (text.size() != digits)
    return -1;
  int32_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9')
      return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool LeapYear(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days since 1970-01-01 of a valid date of the proleptic Gregorian calendar.
int32_t DaysFromCivil(int32_t year, int32_t month, int32_t day) {
  year -= month <= 2;
  int32_t era = (year >= 0 ? year : year - 399) / 400;
  int32_t year_of_era = year - era * 400;
  int32_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  int32_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

}  // namespace

bool DayOfDate(const std::string& date, int32_t& day) {
  int32_t y, m, d;
  if (date.size() == 10 && date[4] == '-' && date[7] == '-') {
    y = Digits(date.substr(0, 4), 4);
    m = Digits(date.substr(5, 2), 2);
    d = Digits(date.substr(8, 2), 2);
  } else if (date.size() == 10 && date[2] == '.' && date[5] == '.') {
    d = Digits(date.substr(0, 2), 2);
    m = Digits(date.substr(3, 2), 2);
    y = Digits(date.substr(6, 4), 4);
  } else {
    return false;
  }
  static const int32_t kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1970 || m < 1 || m > 12 || d < 1 ||
      d > kMonthDays[m - 1] + (m == 2 && LeapYear(y) ? 1 : 0))
    return false;
  day = DaysFromCivil(y, m, d);
  return true;
}

bool ParseReportOptions(const std::vector<std::string>& arguments, ReportOptions& options) {
  size_t i = 0;
  for (; i < arguments.size() && arguments[i].rfind("--", 0) == 0; ++i) {
    const std::string& option = arguments[i];
    if (option == "--csv" || option == "--csv-sep=;") {
      options.form = ReportForm::kCsv;
      options.csv_separator = ';';
    } else if (option == "--csv-sep=,") {
      options.form = ReportForm::kCsv;
      options.csv_separator = ',';
    } else if (option == "--html") {
      options.form = ReportForm::kHtml;
    } else if (option == "--od" || option.rfind("--od=", 0) == 0) {
      std::string date =
          option == "--od" ? (i + 1 < arguments.size() ? arguments[++i] : "") : option.substr(5);
      if (!DayOfDate(date, options.week_first))
        return false;
      options.week_given = true;
    } else {
      return false;
    }
  }
  options.rest.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
  for (const std::string& rest : options.rest)
    if (rest.rfind("--", 0) == 0)
      return false;
  return options.rest.size() <= (options.form == ReportForm::kCsv ? 1u : 2u);
}
