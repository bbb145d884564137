#include "report/class_report.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "console/output.h"
#include "console/output_stream.h"
#include "practice/class_list.h"
#include "practice/fact.h"
#include "practice/learner_choice.h"
#include "practice/memory_store.h"
#include "practice/table_grid.h"
#include "practice/unicode_name.h"
#include "report/class_csv.h"
#include "report/html_report.h"
#include "report/progress_text.h"
#include "report/report_options.h"

namespace {

// The report's texts, as code page 852 bytes.
constexpr char kClassTitle[] = " POST\xA8PY KLASY, ";     // "POSTĘPY KLASY, "
constexpr char kLearnerTitle[] = " POST\xA8PY UCZNIA, ";  // "POSTĘPY UCZNIA, "
constexpr char kFolder[] = " Folder: ";
constexpr char kLearnerHead[] = "ucze\xE4";  // "uczeń"
// "umie  pudełko 1  nie padło    ostatnio"
constexpr char kColumnsHead[] = "  umie  pude\x88ko 1  nie pad\x88o    ostatnio";
constexpr char kNever[] = "nigdy";
constexpr char kMark[] = "  !";
// "nie ćwiczy od 7 dni lub dłużej", built around kDaysUnmarked: first the text before the
// number, then the text after it.
constexpr char kUnmarkedBefore[] = "nie \x86wiczy od ";
constexpr char kUnmarkedAfter[] =
    " dni lub d\x88u\xBE"
    "ej";
// "umie: działania w pudełku 3 lub wyższym, ze 100 do 10 x 10"
constexpr char kKnownLegend[] =
    " umie: dzia\x88"
    "ania w pude\x88ku 3 lub wy\xBEszym, ze 100 do 10 x 10";
// "W tym folderze nie ma jeszcze niczyich postępów."
constexpr char kNobody[] = " W tym folderze nie ma jeszcze niczyich post\xA9p\xA2w.";
// "Pominięty plik, którego nie da się przeczytać: "
constexpr char kSkipped[] = " Pomini\xA9ty plik, kt\xA2rego nie da si\xA9 przeczyta\x86: ";
// "Najsłabsze działania klasy:"
constexpr char kWeakestTitle[] =
    " Najs\x88"
    "absze dzia\x88"
    "ania klasy:";
// "działanie  pudełko 1  średnio"
constexpr char kWeakestHead[] =
    "  dzia\x88"
    "anie  pude\x88ko 1  \x98rednio";
// "Nikt jeszcze nie ćwiczył."
constexpr char kNoneAsked[] = " Nikt jeszcze nie \x86wiczy\x88.";
// "Nie da się przeczytać folderu: "
constexpr char kFolderUnreadable[] = " Nie da si\xA9 przeczyta\x86 folderu: ";
// "Nie wiadomo, gdzie szukać pamięci (brak folderu domowego)."
constexpr char kNoFolder[] =
    " Nie wiadomo, gdzie szuka\x86 pami\xA9"
    "ci (brak folderu domowego).";
// "Nie ma ich na liście uczniów:"
constexpr char kNotListed[] = " Nie ma ich na li\x98\x63ie uczni\xA2w:";
constexpr char kNoSuchLearner[] = " Nie ma ucznia: ";
// For standard error, which is not converted to the terminal's character set as standard
// output is: in letters every terminal shows as they are.
constexpr char kUsageError[] =
    "postepy: skladnia: postepy [--csv | --csv-sep=, | --html] [--od DATA] [FOLDER] albo "
    "postepy [--html] [--od DATA] FOLDER IMIE; pomoc: postepy -h\n";

constexpr size_t kNameWidth = 24;
constexpr size_t kHalfWidth = 40;  // each of the two columns of weakest facts

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Writes |name| in the terminal's character set, cut or filled with spaces to |width|
// columns: one column for each character.
void PutNameColumn(const std::string& name, size_t width) {
  PutText(std::string(width - PutNameCut(name, width), ' '));
}

// The fact's label, "a x b" with the first factor right-aligned and the second left-aligned in
// two columns; "p : a" with the dividend right-aligned in three, the divisor left-aligned in two.
std::string FactColumn(int32_t index) {
  Fact fact = FactOfSlot(index);
  std::string label = FactLabel(fact);
  size_t sign = label.find(' ');  // the label's " x " or " : "
  std::string a = label.substr(0, sign), b = label.substr(sign + 3);
  return RightAligned(a, fact.kind == FactKind::kDivision ? 3 : 2) + label.substr(sign, 3) + b +
         std::string(2 - b.size(), ' ');
}

void PutTitle(const char* title, int32_t today) {
  PutText(title);
  PutLine(DateOfDay(today));
}

// The learners' table: the head, a row each, the legends (the mark's where any is marked).
void PutLearnerRows(const std::vector<LearnerRecord>& learners, int32_t today) {
  std::string head = kLearnerHead;
  head.resize(kNameWidth, ' ');
  PutText(" " + head);
  PutLine(kColumnsHead);
  bool marked = false;
  bool all_listed = true;
  for (const LearnerRecord& learner : learners) {
    if (all_listed && !learner.listed) {
      PutLine(kNotListed);
      all_listed = false;
    }
    LearnerSums sums = SumLearner(learner.memory);
    PutText(" ");
    PutNameColumn(learner.name, kNameWidth);
    PutText("  " + RightAligned(std::to_string(sums.known), 4));
    PutText("  " + RightAligned(std::to_string(sums.in_box_one), 9));
    PutText("  " + RightAligned(std::to_string(sums.never_asked), 9));
    PutText("  " + RightAligned(sums.last_day < 0 ? kNever : DateOfDay(sums.last_day), 10));
    if (NotPractisedLately(sums, today)) {
      PutText(kMark);
      marked = true;
    }
    EndLine();
  }
  PutBlankLines(1);
  if (marked)
    PutLine(std::string(" ! ") + kUnmarkedBefore + std::to_string(kDaysUnmarked) + kUnmarkedAfter);
  PutLine(kKnownLegend);
}

void PutWeakestFacts(const std::vector<LearnerRecord>& learners) {
  std::vector<FactStanding> weakest = WeakestFacts(FactStandings(learners), kWeakestShown);
  PutBlankLines(1);
  if (weakest.empty()) {
    PutLine(kNoneAsked);
    return;
  }
  PutLine(kWeakestTitle);
  size_t rows = (weakest.size() + 1) / 2;
  std::string head(kWeakestHead);
  PutLine(weakest.size() > 1 ? head + std::string(kHalfWidth - head.size(), ' ') + head : head);
  // Down the left column first, then the right: the weakest at the top left.
  for (size_t row = 0; row < rows; ++row) {
    for (size_t i = row; i < weakest.size(); i += rows) {
      const FactStanding& fact = weakest[i];
      std::string cell = "  " + RightAligned(FactColumn(fact.index), 9) + "  " +
                         RightAligned(std::to_string(fact.in_box_one), 9) + "  " +
                         RightAligned(MeanBox(fact, 1, ','), 7);
      if (i + rows < weakest.size())
        cell.resize(kHalfWidth, ' ');
      PutText(cell);
    }
    EndLine();
  }
}

void PutFolderUnreadable(const std::string& folder) {
  PutText(kFolderUnreadable);
  PutName(folder);
  EndLine();
}

// The line that names a file that could not be read and was skipped.
void PutSkipped(const std::string& file) {
  PutText(kSkipped);
  PutName(file);
  EndLine();
}

// The lines that say what is wrong with the class list, then a blank line; nothing where
// nothing is.
void PutListFaults(const ClassList& list) {
  if (ClassListLines(list).empty())
    return;
  PutClassListLines(list);
  PutBlankLines(1);
}

}  // namespace

LearnerSums SumLearner(const Memory& memory) {
  LearnerSums sums;
  for (int32_t i = 0; i < kMemoryFacts; ++i) {
    const FactMemory& fact = memory.facts[static_cast<size_t>(i)];
    if (i < kSlotsPerKind) {  // the multiplications
      sums.known += fact.box >= 3;
      sums.in_box_one += fact.box == 1;
      sums.never_asked += fact.box == 0;
    }
    if (fact.box > 0)
      sums.last_day = std::max(sums.last_day, fact.day);
  }
  return sums;
}

bool NotPractisedLately(const LearnerSums& sums, int32_t today) {
  return sums.last_day < 0 || int64_t{today} - sums.last_day >= kDaysUnmarked;
}

bool AnyDivisionAsked(const std::vector<LearnerRecord>& learners) {
  const int32_t first = SlotOfFact(Fact{FactKind::kDivision, 1, 1});
  for (const LearnerRecord& learner : learners) {
    for (int32_t i = first; i < first + kSlotsPerKind; ++i) {
      if (learner.memory.facts[static_cast<size_t>(i)].box > 0)
        return true;
    }
  }
  return false;
}

std::vector<FactStanding> FactStandings(const std::vector<LearnerRecord>& learners) {
  std::vector<FactStanding> standings(kMemoryFacts);
  for (int32_t i = 0; i < kMemoryFacts; ++i)
    standings[static_cast<size_t>(i)].index = i;
  for (const LearnerRecord& learner : learners) {
    for (int32_t i = 0; i < kMemoryFacts; ++i) {
      int32_t box = learner.memory.facts[static_cast<size_t>(i)].box;
      FactStanding& fact = standings[static_cast<size_t>(i)];
      fact.in_box_one += box == 1;
      fact.asked += box > 0;
      fact.box_sum += box;
    }
  }
  if (!AnyDivisionAsked(learners))
    standings.resize(kSlotsPerKind);
  return standings;
}

std::vector<FactStanding> WeakestFacts(std::vector<FactStanding> standings, size_t count) {
  standings.erase(std::remove_if(standings.begin(), standings.end(),
                                 [](const FactStanding& fact) { return fact.asked == 0; }),
                  standings.end());
  // Mean boxes compared exactly, as cross products of sums and counts.
  std::stable_sort(standings.begin(), standings.end(),
                   [](const FactStanding& x, const FactStanding& y) {
                     if (x.in_box_one != y.in_box_one)
                       return x.in_box_one > y.in_box_one;
                     return int64_t{x.box_sum} * y.asked < int64_t{y.box_sum} * x.asked;
                   });
  if (standings.size() > count)
    standings.resize(count);
  return standings;
}

std::string MeanBox(const FactStanding& fact, int32_t places, char point) {
  int64_t scale = places == 1 ? 10 : 100;
  int64_t scaled = (int64_t{fact.box_sum} * scale * 2 + fact.asked) / (int64_t{fact.asked} * 2);
  std::string decimals = std::to_string(scaled % scale);
  decimals.insert(0, static_cast<size_t>(places) - decimals.size(), '0');
  return std::to_string(scaled / scale) + point + decimals;
}

std::string IsoDateOfDay(int32_t day) {
  // Days to a date in the proleptic Gregorian calendar, by eras of 400 years.
  int64_t z = int64_t{day} + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t day_of_era = z - era * 146097;
  int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  int64_t month_from_march = (5 * day_of_year + 2) / 153;
  int64_t month_day = day_of_year - (153 * month_from_march + 2) / 5 + 1;
  int64_t month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
  int64_t year = year_of_era + era * 400 + (month <= 2);
  auto two = [](int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(year) + "-" + two(month) + "-" + two(month_day);
}

std::string DateOfDay(int32_t day) {
  std::string iso = IsoDateOfDay(day);
  size_t dash = iso.find('-');
  return iso.substr(dash + 4, 2) + "." + iso.substr(dash + 1, 2) + "." + iso.substr(0, dash);
}

void PutClassReport(const std::string& folder, const ClassRecords& records, int32_t today,
                    Week week) {
  PutTitle(kClassTitle, today);
  PutText(kFolder);
  PutName(folder);
  EndLine();
  PutBlankLines(1);
  PutListFaults(records.list);
  if (records.learners.empty()) {
    PutLine(kNobody);
  } else {
    PutLearnerRows(records.learners, today);
    PutWeekRows(records.learners, week);
  }
  if (!records.unreadable.empty()) {
    PutBlankLines(1);
    for (const std::string& file : records.unreadable)
      PutSkipped(file);
  }
  if (!records.learners.empty()) {
    PutWeakestFacts(records.learners);
    PutClassWeeks(records.learners, week.last);
  }
}

void PutLearnerReport(const LearnerRecord& learner, int32_t today, Week week) {
  PutTitle(kLearnerTitle, today);
  PutBlankLines(1);
  PutLearnerRows({learner}, today);
  PutWeekRows({learner}, week);
  PutBlankLines(1);
  Kinds kinds = KindBit(FactKind::kMultiplication);
  if (AnyDivisionAsked({learner}))
    kinds |= KindBit(FactKind::kDivision);
  PutTableGrid(learner.memory, kMemoryRange, kinds);
}

int RunReport(const std::vector<std::string>& arguments, int32_t today) {
  ReportOptions options;
  if (!ParseReportOptions(arguments, options)) {
    std::fputs(kUsageError, stderr);
    return 2;
  }
  const std::vector<std::string>& rest = options.rest;
  Week week = options.week_given ? WeekFrom(options.week_first) : WeekEndingOn(today);
  std::string folder = rest.empty() ? MemoryFolder().path : rest[0];
  if (folder.empty()) {
    PutLine(kNoFolder);
    return 1;
  }
  ClassRecords records;
  if (!ReadClassFolder(folder, records)) {
    PutFolderUnreadable(folder);
    return 1;
  }
  auto write = [](const std::string& text) { WriteUnconverted(text.data(), text.size()); };
  bool html = options.form == ReportForm::kHtml;
  if (options.form == ReportForm::kCsv) {
    write(ClassCsv(records, today, week,
                   options.csv_separator == ',' ? kScriptCsv : kSpreadsheetCsv));
    return 0;
  }
  if (rest.size() < 2) {
    if (html)
      write(ClassHtml(folder, records, today, week));
    else
      PutClassReport(folder, records, today, week);
    return 0;
  }
  if (const LearnerRecord* learner = FindLearner(records, rest[1])) {
    if (html)
      write(LearnerHtml(*learner, today, week));
    else
      PutLearnerReport(*learner, today, week);
    return 0;
  }
  // A learner whose file could not be read is named as in the class report.
  for (const std::string& file : records.unreadable) {
    std::string name;
    if (SameName(file, rest[1]) || (LearnerOfFileName(file, name) && SameName(name, rest[1]))) {
      PutSkipped(file);
      return 1;
    }
  }
  PutText(kNoSuchLearner);
  PutName(rest[1]);
  EndLine();
  return 1;
}
