// The lists that end a practice round, laid out for the panel beside the grid: the facts to
// review and the facts right but slow.
#ifndef PRACTICE_ROUND_LISTS_H_
#define PRACTICE_ROUND_LISTS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "practice/fact.h"

/// The panel's rows (code page 852 text, each at most |width| columns, |width| from 30) for a
/// round whose facts to review are |review| and whose facts right at the first try but slow
/// are |slow|, each in the order they became so. The first row is " Wszystko dobrze za pierwszym
/// razem !" when |all_right|, else " Do powtórki:". Where the whole facts fit in |rows| rows,
/// each list is shown whole: "a x b = product" in columns, the slow ones under " Dobrze, a
/// wkrótce pójdzie od razu:". Otherwise the first factor is written once: a row per first
/// factor, its second factors to review, then those slow in parentheses ("   6 x 3 7 (2 9)"),
/// under a row that says so; at most 12 rows, for any lists of facts up to 10 x 10.
std::vector<std::string> RoundListsPanel(bool all_right, const std::vector<Fact>& review,
                                         const std::vector<Fact>& slow, int32_t width,
                                         int32_t rows);

#endif  // PRACTICE_ROUND_LISTS_H_
