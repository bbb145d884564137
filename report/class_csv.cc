#include "report/class_csv.h"

#include <vector>

#include "report/class_report.h"

namespace {

constexpr char kEnd[] = "\r\n";

// The tables' heads, in UTF-8.
// The learners' head; the sixth, "nie ćwiczy od 7 dni lub dłużej", is made around
// kDaysUnmarked.
const char* const kLearnersHead[] = {"uczeń",
                                     "umie",
                                     "pudełko 1",
                                     "nie padło",
                                     "ostatnio",
                                     nullptr,
                                     "tydzień od",
                                     "tydzień do",
                                     "umie na końcu tygodnia",
                                     "umie na początku tygodnia",
                                     "zmiana",
                                     "odpowiedzi w tygodniu",
                                     "dni ćwiczeń w tygodniu",
                                     "nie idzie"};
constexpr const char* kFactsHead[] = {"działanie", "pudełko 1", "zapytanych", "średnie pudełko"};
constexpr const char* kWeeksHead[] = {"dzień", "klasa umie"};
constexpr char kSkipped[] = "pominięty plik";

// True for a character no cell should hold: C0 controls, DEL, and C1 controls (U+0080 to
// U+009F, in UTF-8 0xC2 then 0x80 to 0x9F), at byte |i| of |text|; |length| is its length.
size_t ControlLength(const std::string& text, size_t i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  if (c < 0x20 || c == 0x7F)
    return 1;
  if (c == 0xC2 && i + 1 < text.size()) {
    unsigned char next = static_cast<unsigned char>(text[i + 1]);
    if (next >= 0x80 && next <= 0x9F)
      return 2;
  }
  return 0;
}

// A row of |fields| already in the form's fields, separated, with its line end.
std::string Row(const std::vector<std::string>& fields, const CsvForm& form) {
  std::string row;
  for (size_t i = 0; i < fields.size(); ++i)
    row += (i ? std::string(1, form.separator) : std::string()) + fields[i];
  return row + kEnd;
}

template <size_t N>
std::vector<std::string> Head(const char* const (&names)[N], const CsvForm& form) {
  std::vector<std::string> head;
  for (const char* name : names)
    head.push_back(name ? CsvText(name, form)
                        : "nie ćwiczy od " + std::to_string(kDaysUnmarked) + " dni lub dłużej");
  return head;
}

std::string Number(int32_t n) {
  return std::to_string(n);
}

}  // namespace

std::string CsvText(const std::string& text, const CsvForm& form) {
  std::string clean;
  for (size_t i = 0; i < text.size();) {
    size_t control = ControlLength(text, i);
    if (control == 0)
      clean += text[i];
    i += control ? control : 1;
  }
  bool formula_like = (!text.empty() && (text[0] == '\t' || text[0] == '\r')) ||
                      (!clean.empty() && std::string("=+-@").find(clean[0]) != std::string::npos);
  if (formula_like)
    clean.insert(0, 1, '\'');
  if (clean.find(form.separator) == std::string::npos && clean.find('"') == std::string::npos)
    return clean;
  std::string quoted = "\"";
  for (char c : clean)
    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string ClassCsv(const ClassRecords& records, int32_t today, Week week, const CsvForm& form) {
  std::string csv = "\xEF\xBB\xBF" + Row(Head(kLearnersHead, form), form);
  for (const LearnerRecord& learner : records.learners) {
    LearnerSums sums = SumLearner(learner.memory);
    std::vector<std::string> row = {CsvText(learner.name, form),
                                    Number(sums.known),
                                    Number(sums.in_box_one),
                                    Number(sums.never_asked),
                                    sums.last_day < 0 ? "" : IsoDateOfDay(sums.last_day),
                                    NotPractisedLately(sums, today) ? "tak" : "nie",
                                    IsoDateOfDay(week.first),
                                    IsoDateOfDay(week.last)};
    LearnerProgress progress = ProgressOf(learner.memory, learner.history, week);
    if (progress.has_history) {
      std::string stuck;
      for (int32_t index : progress.stuck)
        stuck += (stuck.empty() ? "" : " ") + FactLabelIn(index, form.labels);
      row.insert(row.end(),
                 {Number(progress.known_now), Number(progress.known_before),
                  Number(progress.known_now - progress.known_before), Number(progress.answers),
                  Number(progress.days_practised), CsvText(stuck, form)});
    } else {
      row.insert(row.end(), 6, "");
    }
    csv += Row(row, form);
  }

  std::vector<std::string> facts_head = Head(kFactsHead, form);
  for (const LearnerRecord& learner : records.learners)
    facts_head.push_back(CsvText(learner.name, form));
  csv += kEnd + Row(facts_head, form);
  for (const FactStanding& fact : FactStandings(records.learners)) {
    std::vector<std::string> row = {CsvText(FactLabelIn(fact.index, form.labels), form),
                                    Number(fact.in_box_one), Number(fact.asked),
                                    fact.asked ? MeanBox(fact, 2, form.point) : ""};
    for (const LearnerRecord& learner : records.learners)
      row.push_back(Number(learner.memory.facts[static_cast<size_t>(fact.index)].box));
    csv += Row(row, form);
  }

  std::vector<WeekCount> weeks = ClassKnownByWeek(records.learners, week.last, kWeeksShown);
  if (!weeks.empty()) {
    csv += kEnd + Row(Head(kWeeksHead, form), form);
    for (const WeekCount& count : weeks)
      csv += Row({IsoDateOfDay(count.day), Number(count.known)}, form);
  }

  if (!records.unreadable.empty()) {
    csv += kEnd + Row({CsvText(kSkipped, form)}, form);
    for (const std::string& file : records.unreadable)
      csv += Row({CsvText(file, form)}, form);
  }
  return csv;
}
