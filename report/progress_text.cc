#include "report/progress_text.h"

#include "console/output.h"
#include "practice/class_list.h"
#include "report/class_report.h"
#include "report/fact_label.h"

namespace {

// The texts in UTF-8, shown in code page 852 through Cp852OfUtf8.
constexpr char kWeekTitle[] = " Tydzień ";
constexpr char kWeekHead[] = "  umie  zmiana  odpowiedzi  dni  nie idzie";
constexpr char kLearnerHead[] = "uczeń";
constexpr char kNoHistory[] = "brak historii";
constexpr char kNobodysHistory[] =
    " Postępów w czasie jeszcze nie widać: pliki nie mają historii odpowiedzi.";
constexpr char kWeekLegend[] = " zmiana: o ile działań uczeń umie więcej niż przed tym tygodniem";
constexpr char kClassWeeksTitle[] = " Ile działań umie cała klasa, tydzień po tygodniu:";

constexpr size_t kNameWidth = 16;
constexpr size_t kWeekColumn = 7;  // "  21.10"

std::string Right(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

void PutUtf8Line(const std::string& text) {
  PutLine(Cp852OfUtf8(text));
}

}  // namespace

std::string SignedChange(int32_t change) {
  return (change > 0 ? "+" : "") + std::to_string(change);
}

void PutWeekRows(const std::vector<LearnerRecord>& learners, Week week) {
  PutBlankLines(1);
  bool any = false;
  for (const LearnerRecord& learner : learners)
    any = any || !learner.history.empty();
  if (!any) {
    PutUtf8Line(kNobodysHistory);
    return;
  }
  PutUtf8Line(kWeekTitle + DateOfDay(week.first) + " - " + DateOfDay(week.last) + ":");
  std::string head = Cp852OfUtf8(kLearnerHead);
  head.resize(kNameWidth, ' ');
  PutLine(" " + head + Cp852OfUtf8(kWeekHead));
  for (const LearnerRecord& learner : learners) {
    std::string name = Cp852OfUtf8(learner.name);
    name.resize(kNameWidth, ' ');
    LearnerProgress progress = ProgressOf(learner.memory, learner.history, week);
    if (!progress.has_history) {
      PutLine(" " + name + "  " + kNoHistory);
      continue;
    }
    std::string stuck;
    for (int32_t index : progress.stuck)
      stuck += " " + FactLabelIn(index, LabelForm::kCp852);
    std::string row = " " + name + "  " + Right(std::to_string(progress.known_now), 4) + "  " +
                      Right(SignedChange(progress.known_now - progress.known_before), 6) + "  " +
                      Right(std::to_string(progress.answers), 10) + "  " +
                      Right(std::to_string(progress.days_practised), 3) +
                      (stuck.empty() ? "" : " ") + stuck;
    PutLine(row);
  }
  PutBlankLines(1);
  PutUtf8Line(kWeekLegend);
}

void PutClassWeeks(const std::vector<LearnerRecord>& learners, int32_t last) {
  std::vector<WeekCount> weeks = ClassKnownByWeek(learners, last, kWeeksShown);
  if (weeks.empty())
    return;
  PutBlankLines(1);
  PutUtf8Line(kClassWeeksTitle);
  std::string days = " ", counts = " ";
  for (const WeekCount& count : weeks) {
    days += Right(DateOfDay(count.day).substr(0, 5), kWeekColumn);
    counts += Right(std::to_string(count.known), kWeekColumn);
  }
  PutLine(days);
  PutLine(counts);
}
