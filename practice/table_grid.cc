#include "practice/table_grid.h"

#include <string>

#include "console/output.h"

namespace {

constexpr int32_t kHeadWidth = 3;  // a factor of up to two digits and a space
constexpr int32_t kCellWidth = 2;
constexpr int32_t kBesideMargin = 1;  // columns left of the grid when a panel stands beside it
constexpr int32_t kPanelGap = 2;      // columns between the grid and its panel

// What each shade means: "░░ pudełko 1   ▒▒ 2   ▓▓ 3   ██ 4 i 5   puste: jeszcze nie padło".
// Boxes 4 and 5 share the full block.
constexpr char kLegend[] =
    "\xB0\xB0 pude\x88ko 1   \xB1\xB1 2   \xB2\xB2 3   \xDB\xDB 4 i 5   puste: jeszcze nie "
    "pad\x88o";

// A factor right-aligned in two columns.
std::string Factor(int32_t factor) {
  return (factor < 10 ? " " : "") + std::to_string(factor);
}

int32_t GridWidth(int32_t range) {
  return kHeadWidth + range * (kCellWidth + 1) - 1;
}

// The grid's rows without margin: the column heads, then one row per first factor.
std::vector<std::string> GridRows(const Memory& memory, int32_t range) {
  std::vector<std::string> rows;
  std::string heads = "   ";
  for (int32_t b = 1; b <= range; ++b)
    heads += Factor(b) + (b < range ? " " : "");
  rows.push_back(heads);
  for (int32_t a = 1; a <= range; ++a) {
    std::string row = Factor(a) + " ";
    for (int32_t b = 1; b <= range; ++b) {
      char shade = ShadeOfBox(memory.facts[MemoryIndex(Question{a, b})].box);
      row += std::string(2, shade) + (b < range ? " " : "");
    }
    rows.push_back(row);
  }
  return rows;
}

void PutLegend() {
  PutText(std::string(static_cast<size_t>(kConsoleWidth - (sizeof kLegend - 1)) / 2, ' '));
  PutLine(kLegend);
}

}  // namespace

char ShadeOfBox(int32_t box) {
  // One shade for each box from 0 (never asked) to the top one.
  static constexpr char kShades[] = {' ', '\xB0', '\xB1', '\xB2', '\xDB', '\xDB'};
  static_assert(sizeof kShades == kTopBox + 1, "one shade for each box, 0 to kTopBox");
  return box >= 0 && box <= kTopBox ? kShades[box] : ' ';
}

void PutTableGrid(const Memory& memory, int32_t range) {
  std::string margin(static_cast<size_t>((kConsoleWidth - GridWidth(range)) / 2), ' ');
  for (const std::string& row : GridRows(memory, range))
    PutLine(margin + row);
  PutLegend();
}

int32_t PanelColumn(int32_t range) {
  return kBesideMargin + GridWidth(range) + kPanelGap;
}

void PutTableGridBeside(const Memory& memory, int32_t range,
                        const std::vector<std::string>& panel) {
  std::vector<std::string> rows = GridRows(memory, range);
  const std::string margin(kBesideMargin, ' ');
  const std::string blank(static_cast<size_t>(GridWidth(range)), ' ');
  const std::string gap(kPanelGap, ' ');
  size_t count = rows.size() > panel.size() ? rows.size() : panel.size();
  for (size_t i = 0; i < count; ++i) {
    if (i >= panel.size() || panel[i].empty()) {
      PutLine(margin + (i < rows.size() ? rows[i] : std::string()));
      continue;
    }
    PutText(margin + (i < rows.size() ? rows[i] : blank) + gap);
    PutLine(panel[i]);
  }
  PutLegend();
}
