#include "report/html_report.h"

#include <algorithm>
#include <vector>

#include "practice/fact.h"
#include "report/class_report.h"
#include "report/fact_label.h"
#include "report/progress_text.h"

namespace {

constexpr char kStyle[] = R"(<style>
@page { size: A4; margin: 15mm; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #000;
       background: #fff; margin: 8px; }
h1 { font-size: 16pt; margin: 0 0 4px; }
h2 { font-size: 13pt; margin: 14px 0 6px; }
table { border-collapse: collapse; }
.tabela th, .tabela td { border-bottom: 1px solid #bbb; padding: 2px 6px; text-align: right; }
.tabela th:first-child, .tabela td:first-child { text-align: left; }
.tabela td.fakty { text-align: left; }
.uwaga { color: #444; margin: 4px 0; }
.pasek { display: inline-block; height: 10px; background: #3f7fcf; }
section.uczen { break-before: page; page-break-before: always; break-inside: avoid;
                page-break-inside: avoid; }
.kratka th { width: 34px; height: 24px; font-weight: normal; text-align: center; }
.kratka td { width: 32px; height: 32px; border: 1px solid #888; padding: 0; }
.kratka th.znak { font-weight: bold; }
.kratki { display: flex; gap: 24px; }
.kratki h3 { font-size: 11pt; margin: 6px 0; }
.kratki .kratka th { width: 26px; height: 20px; }
.kratki .kratka td { width: 26px; height: 26px; }
.legenda { margin-top: 10px; }
.legenda span.pole { display: inline-block; width: 32px; height: 32px; border: 1px solid #888;
                     vertical-align: middle; margin: 0 6px 0 14px; }
)";

constexpr const char* kBoxColours[] = {"#ffffff", "#cfe0f5", "#8fb6e8",
                                       "#3f7fcf", "#173f7f", "#173f7f"};

std::string Cell(const std::string& tag, const std::string& text, const std::string& cls = "") {
  return "<" + tag + (cls.empty() ? "" : " class=\"" + cls + "\"") + ">" + text + "</" + tag + ">";
}

std::string StuckLabels(const std::vector<int32_t>& stuck) {
  std::string labels;
  for (int32_t index : stuck)
    labels += (labels.empty() ? "" : " ") + FactLabelIn(index, LabelForm::kUtf8);
  return labels;
}

std::string WeekText(Week week) {
  return DateOfDay(week.first) + " – " + DateOfDay(week.last);
}

std::string Page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
         "</title>\n" + kStyle + "</style>\n</head>\n<body>\n" + body + "</body>\n</html>\n";
}

// The learner's grid of the facts of |kind|, coloured by box: a row for each first factor (a
// division's divisor), a column for each second (its quotient), the kind's sign in the corner
// where both kinds are shown.
std::string Grid(const Memory& memory, FactKind kind, bool signed_corner) {
  bool division = kind == FactKind::kDivision;
  std::string grid = "<table class=\"kratka\">\n<tr>" +
                     Cell("th", signed_corner ? (division ? ":" : "×") : "", "znak");
  for (int32_t b = 1; b <= kMemoryRange; ++b)
    grid += Cell("th", std::to_string(b));
  grid += "</tr>\n";
  for (int32_t a = 1; a <= kMemoryRange; ++a) {
    grid += "<tr>" + Cell("th", std::to_string(a));
    for (int32_t b = 1; b <= kMemoryRange; ++b) {
      int32_t index = SlotOfFact(Fact{kind, a, b});
      grid += "<td style=\"background:" +
              std::string(ColourOfBox(memory.facts[static_cast<size_t>(index)].box)) +
              "\" title=\"" + FactLabelIn(index, LabelForm::kUtf8) + "\"></td>";
    }
    grid += "</tr>\n";
  }
  return grid + "</table>\n";
}

// The learner's grids: the multiplication's, and beside it the division's under a heading each
// where the learner practised division; then what each colour means.
std::string Grids(const LearnerRecord& learner) {
  std::string grid;
  if (AnyDivisionAsked({learner})) {
    grid = "<div class=\"kratki\">\n<div><h3>mnożenie</h3>\n" +
           Grid(learner.memory, FactKind::kMultiplication, true) +
           "</div>\n<div><h3>dzielenie</h3>\n" + Grid(learner.memory, FactKind::kDivision, true) +
           "</div>\n</div>\n";
  } else {
    grid = Grid(learner.memory, FactKind::kMultiplication, false);
  }
  grid += "<p class=\"legenda\">";
  const struct {
    int32_t box;
    const char* meaning;
  } kLegend[] = {{1, "pudełko 1"}, {2, "2"}, {3, "3"}, {4, "4 i 5"}, {0, "jeszcze nie padło"}};
  for (const auto& entry : kLegend)
    grid += "<span class=\"pole\" style=\"background:" + std::string(ColourOfBox(entry.box)) +
            "\"></span>" + entry.meaning;
  return grid + "</p>\n";
}

std::string LearnerSection(const LearnerRecord& learner, Week week) {
  LearnerSums sums = SumLearner(learner.memory);
  LearnerProgress progress = ProgressOf(learner.memory, learner.history, week);
  std::string html = "<section class=\"uczen\">\n<h2>" + HtmlText(learner.name) + "</h2>\n<p>";
  html += "Umie " + std::to_string(sums.known) + " ze 100 działań (w pudełku 3 lub wyższym), " +
          std::to_string(sums.in_box_one) + " jest w pudełku 1, " +
          std::to_string(sums.never_asked) + " jeszcze nie padło. Ostatnio ćwiczył(a): " +
          (sums.last_day < 0 ? "nigdy" : DateOfDay(sums.last_day)) + ".</p>\n<p>";
  if (progress.has_history) {
    html += "Tydzień " + WeekText(week) + ": umie " + std::to_string(progress.known_now) +
            " (zmiana " + SignedChange(progress.known_now - progress.known_before) +
            "), odpowiedzi: " + std::to_string(progress.answers) +
            ", dni ćwiczeń: " + std::to_string(progress.days_practised) + ".";
    if (!progress.stuck.empty())
      html += " Nie idzie: <b>" + StuckLabels(progress.stuck) + "</b>.";
  } else {
    html += "Tydzień " + WeekText(week) + ": brak historii odpowiedzi.";
  }
  return html + "</p>\n" + Grids(learner) + "</section>\n";
}

std::string ClassTable(const ClassRecords& records, int32_t today, Week week) {
  std::string html =
      "<table class=\"tabela\">\n<tr><th>uczeń</th><th>umie</th><th>pudełko 1</th>"
      "<th>nie padło</th><th>ostatnio</th><th>zmiana</th><th>odpowiedzi</th><th>dni</th>"
      "<th>nie idzie</th></tr>\n";
  bool marked = false;
  for (const LearnerRecord& learner : records.learners) {
    LearnerSums sums = SumLearner(learner.memory);
    LearnerProgress progress = ProgressOf(learner.memory, learner.history, week);
    bool late = NotPractisedLately(sums, today);
    marked = marked || late;
    html += "<tr>" + Cell("td", HtmlText(learner.name)) + Cell("td", std::to_string(sums.known)) +
            Cell("td", std::to_string(sums.in_box_one)) +
            Cell("td", std::to_string(sums.never_asked)) +
            Cell("td", (sums.last_day < 0 ? std::string("nigdy") : DateOfDay(sums.last_day)) +
                           (late ? " !" : ""));
    if (progress.has_history) {
      html += Cell("td", SignedChange(progress.known_now - progress.known_before)) +
              Cell("td", std::to_string(progress.answers)) +
              Cell("td", std::to_string(progress.days_practised)) +
              Cell("td", StuckLabels(progress.stuck), "fakty");
    } else {
      html += "<td colspan=\"4\" class=\"fakty\">brak historii</td>";
    }
    html += "</tr>\n";
  }
  html += "</table>\n";
  if (marked)
    html += "<p class=\"uwaga\">! nie ćwiczy od " + std::to_string(kDaysUnmarked) +
            " dni lub dłużej</p>\n";
  return html +
         "<p class=\"uwaga\">umie: działania w pudełku 3 lub wyższym, ze 100 do 10 × 10; "
         "zmiana, odpowiedzi i dni: w tygodniu " +
         WeekText(week) + "</p>\n";
}

std::string WeakestTable(const std::vector<LearnerRecord>& learners) {
  std::vector<FactStanding> weakest = WeakestFacts(FactStandings(learners), kWeakestShown);
  if (weakest.empty())
    return "<p>Nikt jeszcze nie ćwiczył.</p>\n";
  std::string html =
      "<h2>Najsłabsze działania klasy</h2>\n<table class=\"tabela\">\n"
      "<tr><th>działanie</th><th>pudełko 1</th><th>średnio</th></tr>\n";
  for (const FactStanding& fact : weakest)
    html += "<tr>" + Cell("td", FactLabelIn(fact.index, LabelForm::kUtf8)) +
            Cell("td", std::to_string(fact.in_box_one)) + Cell("td", MeanBox(fact, 1, ',')) +
            "</tr>\n";
  return html + "</table>\n";
}

std::string ClassWeeks(const std::vector<LearnerRecord>& learners, int32_t last) {
  std::vector<WeekCount> weeks = ClassKnownByWeek(learners, last, kWeeksShown);
  if (weeks.empty())
    return "<p class=\"uwaga\">Postępów w czasie jeszcze nie widać: pliki nie mają historii "
           "odpowiedzi.</p>\n";
  int32_t most = 1;
  for (const WeekCount& count : weeks)
    most = std::max(most, count.known);
  std::string html =
      "<h2>Ile działań umie cała klasa, tydzień po tygodniu</h2>\n<table class=\"tabela\">\n";
  for (const WeekCount& count : weeks)
    html += "<tr>" + Cell("td", DateOfDay(count.day)) + Cell("td", std::to_string(count.known)) +
            "<td class=\"fakty\"><span class=\"pasek\" style=\"width:" +
            std::to_string(300 * count.known / most) + "px\"></span></td></tr>\n";
  return html + "</table>\n";
}

}  // namespace

const char* ColourOfBox(int32_t box) {
  return kBoxColours[box >= 0 && box <= kTopBox ? box : 0];
}

std::string HtmlText(const std::string& text) {
  std::string html;
  for (char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      case '\'':
        html += "&#39;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
          html += c;
    }
  }
  return html;
}

std::string ClassHtml(const std::string& folder, const ClassRecords& records, int32_t today,
                      Week week) {
  std::string title = "Postępy klasy, " + DateOfDay(today);
  std::string body =
      "<h1>" + title + "</h1>\n<p class=\"uwaga\">Folder: " + HtmlText(folder) + "</p>\n";
  if (records.learners.empty())
    body += "<p>W tym folderze nie ma jeszcze niczyich postępów.</p>\n";
  else
    body += ClassTable(records, today, week);
  for (const std::string& file : records.unreadable)
    body += "<p class=\"uwaga\">Pominięty plik, którego nie da się przeczytać: " + HtmlText(file) +
            "</p>\n";
  if (!records.learners.empty())
    body += WeakestTable(records.learners) + ClassWeeks(records.learners, week.last);
  for (const LearnerRecord& learner : records.learners)
    body += LearnerSection(learner, week);
  return Page(title, body);
}

std::string LearnerHtml(const LearnerRecord& learner, int32_t today, Week week) {
  std::string title = "Postępy ucznia, " + DateOfDay(today);
  std::string section = LearnerSection(learner, week);
  // Alone on its page, the section needs no break before it.
  section.replace(0, sizeof "<section class=\"uczen\">" - 1, "<section>");
  return Page(title, "<h1>" + title + "</h1>\n" + section);
}
