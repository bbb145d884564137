#include "practice/table_grid.h"

#include <string>

#include "console/output.h"

namespace {

constexpr int32_t kHeadWidth = 3;  // a factor of up to two digits and a space
constexpr int32_t kCellWidth = 2;

// What each shade means: "░░ pudełko 1   ▒▒ 2   ▓▓ 3   ██ 4 i 5   puste: jeszcze nie padło".
// Boxes 4 and 5 share the full block.
constexpr char kLegend[] =
    "\xB0\xB0 pude\x88ko 1   \xB1\xB1 2   \xB2\xB2 3   \xDB\xDB 4 i 5   puste: jeszcze nie "
    "pad\x88o";

// The space between two grids side by side.
constexpr int32_t kGridGap = 4;

// The row over a division grid drawn alone: "dzielenie: dzielnik w wierszu, iloraz w kolumnie".
constexpr char kDivisionHeading[] = "dzielenie: dzielnik w wierszu, iloraz w kolumnie";
// The names over the grids side by side: "mnożenie", "dzielenie".
constexpr char kMultiplicationName[] =
    "mno\xBE"
    "enie";
constexpr char kDivisionName[] = "dzielenie";

// Text |text| of |length| columns, centred in |width| columns from the cursor, with the spaces
// after it when |fill|.
void PutCentred(const char* text, int32_t length, int32_t width, bool fill) {
  int32_t before = (width - length) / 2;
  PutText(std::string(static_cast<size_t>(before), ' '));
  PutText(text);
  if (fill)
    PutText(std::string(static_cast<size_t>(width - length - before), ' '));
}

// A factor right-aligned in two columns.
void PutFactor(int32_t factor) {
  if (factor < 10)
    PutChar(' ');
  PutNumber(factor);
}

}  // namespace

char ShadeOfBox(int32_t box) {
  // One shade for each box from 0 (never asked) to the top one.
  static constexpr char kShades[] = {' ', '\xB0', '\xB1', '\xB2', '\xDB', '\xDB'};
  static_assert(sizeof kShades == kTopBox + 1, "one shade for each box, 0 to kTopBox");
  return box >= 0 && box <= kTopBox ? kShades[box] : ' ';
}

void PutTableGrid(const Memory& memory, int32_t range, Kinds kinds) {
  FactKind drawn[kFactKinds];
  int32_t count = 0;
  for (int32_t kind = 0; kind < kFactKinds; ++kind) {
    if ((kinds & KindBit(static_cast<FactKind>(kind))) != 0)
      drawn[count++] = static_cast<FactKind>(kind);
  }
  if (count == 0)
    drawn[count++] = FactKind::kMultiplication;
  int32_t width = kHeadWidth + range * (kCellWidth + 1) - 1;
  int32_t whole = count * width + (count - 1) * kGridGap;
  std::string margin(static_cast<size_t>((kConsoleWidth - whole) / 2), ' ');
  std::string gap(kGridGap, ' ');
  bool division = (kinds & KindBit(FactKind::kDivision)) != 0;
  if (division && count == 1) {
    PutCentred(kDivisionHeading, sizeof kDivisionHeading - 1, kConsoleWidth, false);
    EndLine();
  } else if (division) {
    PutText(margin);
    PutCentred(kMultiplicationName, sizeof kMultiplicationName - 1, width, true);
    PutText(gap);
    PutCentred(kDivisionName, sizeof kDivisionName - 1, width, false);
    EndLine();
  }
  PutText(margin);
  for (int32_t g = 0; g < count; ++g) {
    if (g > 0)
      PutText(gap);
    // The corner shows the grid's sign, where there is a division grid to tell it from.
    PutText(!division ? "   " : drawn[g] == FactKind::kDivision ? " : " : " x ");
    for (int32_t b = 1; b <= range; ++b) {
      PutFactor(b);
      if (b < range)
        PutChar(' ');
    }
  }
  EndLine();
  for (int32_t a = 1; a <= range; ++a) {
    PutText(margin);
    for (int32_t g = 0; g < count; ++g) {
      if (g > 0)
        PutText(gap);
      PutFactor(a);
      PutChar(' ');
      for (int32_t b = 1; b <= range; ++b) {
        char shade = ShadeOfBox(memory.facts[SlotOfFact(Fact{drawn[g], a, b})].box);
        PutChar(shade);
        PutChar(shade);
        if (b < range)
          PutChar(' ');
      }
    }
    EndLine();
  }
  PutText(std::string(static_cast<size_t>(kConsoleWidth - (sizeof kLegend - 1)) / 2, ' '));
  PutLine(kLegend);
}
