#include "practice/table_grid.h"

#include <string>

#include "console/output.h"
#include "practice/fact.h"

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

// The space between two grids side by side.
constexpr int32_t kGridGap = 4;
// The names over the grids where a division grid is drawn: "mnożenie", "dzielenie".
constexpr char kMultiplicationName[] =
    "mno\xBE"
    "enie";
constexpr char kDivisionName[] = "dzielenie";

// A factor right-aligned in two columns.
std::string Factor(int32_t factor) {
  return (factor < 10 ? " " : "") + std::to_string(factor);
}

int32_t GridWidth(int32_t range) {
  return kHeadWidth + range * (kCellWidth + 1) - 1;
}

// |name| centred in |width| columns, filled with spaces to the full width.
std::string Centred(const std::string& name, int32_t width) {
  size_t before = static_cast<size_t>(width - static_cast<int32_t>(name.size())) / 2;
  std::string row = std::string(before, ' ') + name;
  row.resize(static_cast<size_t>(width), ' ');
  return row;
}

// The grid's rows of |kind| without margin: the column heads, then one row per first factor
// (divisor). |marked|: the corner shows the grid's sign, "x" or ":".
std::vector<std::string> GridRows(const Memory& memory, int32_t range, FactKind kind, bool marked) {
  std::vector<std::string> rows;
  std::string heads = !marked ? "   " : kind == FactKind::kDivision ? " : " : " x ";
  for (int32_t b = 1; b <= range; ++b)
    heads += Factor(b) + (b < range ? " " : "");
  rows.push_back(heads);
  for (int32_t a = 1; a <= range; ++a) {
    std::string row = Factor(a) + " ";
    for (int32_t b = 1; b <= range; ++b) {
      char shade = ShadeOfBox(memory.facts[SlotOfFact(Fact{kind, a, b})].box);
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

void PutTableGrid(const Memory& memory, int32_t range, Kinds kinds) {
  bool division = (kinds & KindBit(FactKind::kDivision)) != 0;
  if (!division)
    kinds = KindBit(FactKind::kMultiplication);
  // Each kind's grid beside the last one's, row by row, and its name over it.
  std::vector<std::string> rows;
  std::string names;
  for (FactKind kind : {FactKind::kMultiplication, FactKind::kDivision}) {
    if ((kinds & KindBit(kind)) == 0)
      continue;
    std::string gap(rows.empty() ? 0 : kGridGap, ' ');
    std::vector<std::string> grid = GridRows(memory, range, kind, division);
    rows.resize(grid.size());
    for (size_t i = 0; i < grid.size(); ++i)
      rows[i] += gap + grid[i];
    names += gap + Centred(kind == FactKind::kDivision ? kDivisionName : kMultiplicationName,
                           GridWidth(range));
  }
  std::string margin(
      static_cast<size_t>((kConsoleWidth - static_cast<int32_t>(rows[0].size())) / 2), ' ');
  if (division)  // the names' row ends at its last letter
    PutLine(margin + names.substr(0, names.find_last_not_of(' ') + 1));
  for (const std::string& row : rows)
    PutLine(margin + row);
  PutLegend();
}

int32_t PanelColumn(int32_t range) {
  return kBesideMargin + GridWidth(range) + kPanelGap;
}

void PutTableGridBeside(const Memory& memory, int32_t range, const std::vector<std::string>& panel,
                        FactKind kind) {
  bool division = kind == FactKind::kDivision;
  std::vector<std::string> rows = GridRows(memory, range, kind, division);
  if (division)
    rows.insert(rows.begin(), Centred(kDivisionName, GridWidth(range)));
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
