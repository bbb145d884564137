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

void PutTableGrid(const Memory& memory, int32_t range) {
  int32_t width = kHeadWidth + range * (kCellWidth + 1) - 1;
  std::string margin(static_cast<size_t>((kConsoleWidth - width) / 2), ' ');
  PutText(margin);
  PutText("   ");
  for (int32_t b = 1; b <= range; ++b) {
    PutFactor(b);
    if (b < range)
      PutChar(' ');
  }
  EndLine();
  for (int32_t a = 1; a <= range; ++a) {
    PutText(margin);
    PutFactor(a);
    PutChar(' ');
    for (int32_t b = 1; b <= range; ++b) {
      char shade = ShadeOfBox(memory.facts[MemoryIndex(Question{a, b})].box);
      PutChar(shade);
      PutChar(shade);
      if (b < range)
        PutChar(' ');
    }
    EndLine();
  }
  PutText(std::string(static_cast<size_t>(kConsoleWidth - (sizeof kLegend - 1)) / 2, ' '));
  PutLine(kLegend);
}
