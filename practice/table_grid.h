// The multiplication table, and the division table read from it, drawn as grids of shades: how
// well each fact is known.
#ifndef PRACTICE_TABLE_GRID_H_
#define PRACTICE_TABLE_GRID_H_

#include <cstdint>
#include <string>
#include <vector>

#include "practice/memory.h"

/// The code page 852 character a fact in |box| is drawn with: a space for a new fact, the
/// light shade 0xB0 for box 1, the medium 0xB1 for box 2, the dark 0xB2 for box 3 and the full
/// block 0xDB for boxes 4 and 5.
char ShadeOfBox(int32_t box);

/// The facts of |kinds| with numbers from 1 to |range| as grids side by side, kGridGap apart,
/// centred on 80 columns: a row of second factors (for division, quotients) as column heads,
/// then one row per first factor (divisor), headed by it. Each fact is two characters of its
/// shade, the columns one space apart. Under the grids, centred, one row says what each shade
/// means. Multiplication alone has no row above: the column heads stand apart from the
/// summary's lists anyway, and the row is needed so that the end of a round of 10 with its
/// legend and KONIEC stays on a screen of 25 rows. Where a division grid is drawn, a row above
/// names each grid, and each grid's corner shows its sign.
void PutTableGrid(const Memory& memory, int32_t range,
                  Kinds kinds = KindBit(FactKind::kMultiplication));

/// The column at which PutTableGridBeside starts its panel, for factors up to |range|.
int32_t PanelColumn(int32_t range);

/// The grid of |kind| one column from the left edge with |panel| beside it: panel row i (code page
/// 852 text, at most kConsoleWidth - PanelColumn(range) characters) stands at PanelColumn on
/// the grid's row i (the column heads first), on rows of its own below the grid where it is
/// longer; then the legend, centred. The end of a practice round shows its lists there, so
/// that they and the grid share rows. A division grid has its name on a row above its column
/// heads (panel row 0 beside it) and its sign in its corner.
void PutTableGridBeside(const Memory& memory, int32_t range, const std::vector<std::string>& panel,
                        FactKind kind = FactKind::kMultiplication);

#endif  // PRACTICE_TABLE_GRID_H_
