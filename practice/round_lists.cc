#include "practice/round_lists.h"

#include <algorithm>

#include "practice/messages.h"
#include "quiz/messages.h"

namespace {

constexpr char kIndent[] = "  ";
constexpr size_t kItemWidth = 14;  // "10 x 10 = 100" and a space
// "(w nawiasach: dobrze, a wolno)", over the short form's rows when some facts were slow.
constexpr char kSlowInParentheses[] = " (w nawiasach: dobrze, a wolno)";

std::string WholeFact(Fact fact) {
  return FactLabel(fact) + kEquals + std::to_string(AnswerOfFact(fact));
}

// |facts| whole, |columns| to a row.
void AddWholeFacts(const std::vector<Fact>& facts, size_t columns,
                   std::vector<std::string>& panel) {
  for (size_t i = 0; i < facts.size(); i += columns) {
    std::string row = kIndent;
    for (size_t j = i; j < facts.size() && j < i + columns; ++j) {
      std::string item = WholeFact(facts[j]);
      if (j + 1 < facts.size() && j + 1 < i + columns)
        item.resize(kItemWidth, ' ');
      row += item;
    }
    panel.push_back(row);
  }
}

// The second factors of the facts of |kind| in |facts| whose first factor (divisor) is |a|, in
// order, each after a space: for a division, its quotient.
std::string SecondFactors(const std::vector<Fact>& facts, FactKind kind, int32_t a) {
  std::vector<int32_t> b;
  for (Fact fact : facts) {
    if (fact.kind == kind && fact.a == a)
      b.push_back(fact.b);
  }
  std::sort(b.begin(), b.end());
  std::string text;
  for (int32_t factor : b)
    text += " " + std::to_string(factor);
  return text;
}

size_t RowsFor(size_t count, size_t columns) {
  return (count + columns - 1) / columns;
}

}  // namespace

std::vector<std::string> RoundListsPanel(bool all_right, const std::vector<Fact>& review,
                                         const std::vector<Fact>& slow, int32_t width,
                                         int32_t rows) {
  std::vector<std::string> panel = {all_right ? kAllRight : kToReview};
  size_t columns = (static_cast<size_t>(width) - (sizeof kIndent - 1) + 1) / kItemWidth;
  size_t whole_rows =
      1 + RowsFor(review.size(), columns) + (slow.empty() ? 0 : 1 + RowsFor(slow.size(), columns));
  if (whole_rows <= static_cast<size_t>(rows)) {
    AddWholeFacts(review, columns, panel);
    if (!slow.empty()) {
      panel.push_back(kRightButSlow);
      AddWholeFacts(slow, columns, panel);
    }
    return panel;
  }
  if (!slow.empty())
    panel.push_back(kSlowInParentheses);
  int32_t last = 0;
  for (Fact fact : review)
    last = std::max(last, fact.a);
  for (Fact fact : slow)
    last = std::max(last, fact.a);
  // The products by first factor ("6 x 3 7"), then the divisions by divisor (": 7 = 4 8", 28 : 7
  // and 56 : 7).
  for (FactKind kind : {FactKind::kMultiplication, FactKind::kDivision}) {
    for (int32_t a = 1; a <= last; ++a) {
      std::string to_review = SecondFactors(review, kind, a);
      std::string slowly = SecondFactors(slow, kind, a);
      if (to_review.empty() && slowly.empty())
        continue;
      std::string row = kIndent + (kind == FactKind::kDivision ? ": " + std::to_string(a) + " ="
                                                               : std::to_string(a) + " x") +
                        to_review;
      if (!slowly.empty())
        row += " (" + slowly.substr(1) + ")";
      panel.push_back(row);
    }
  }
  return panel;
}
