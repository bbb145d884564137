#include "console/title_screen.h"

#include "console/block_art.h"
#include "console/output.h"

namespace {

// TABLICZKA over MNOŻENIA, each word centred on 80 columns, the dot of Ż in row 7.
constexpr BlockRow<74> kTitleArt[] = {
    Blocks(".......######...####...#####...##......##...#####..######..##..##...####."),
    Blocks(".........##....##..##..##..##..##......##..##.........##...##.##...##..##"),
    Blocks(".........##....######..#####...##......##..##........##....####....######"),
    Blocks(".........##....##..##..##..##..##......##..##.......##.....##.##...##..##"),
    Blocks(".........##....##..##..#####...######..##...#####..######..##..##..##..##"),
    Blocks("........................................................................."),
    Blocks("......................................##................................."),
    Blocks("..........##....##..##..##...####...######..######..##..##..##...####...."),
    Blocks("..........###..###..###.##..##..##.....##...##......###.##..##..##..##..."),
    Blocks("..........##.##.##..######..##..##....##....####....######..##..######..."),
    Blocks("..........##....##..##.###..##..##...##.....##......##.###..##..##..##..."),
    Blocks("..........##....##..##..##...####...######..######..##..##..##..##..##..."),
};

constexpr char kVersionIndent[] =
    "                                                           ";  // 59 spaces
static_assert(sizeof kVersionIndent == 60, "the version text starts in column 60");

// "nauka tabliczki mnożenia", ending in column 73 like the art.
constexpr char kCreditLine[] =
    "                                                 nauka tabliczki mno\xBE"
    "enia";
static_assert(sizeof kCreditLine == 74, "the credit line is as wide as the art");

}  // namespace

void PrintTitleScreen(std::string_view versionText) {
  PutBlankLines(2);
  for (const BlockRow<74>& row : kTitleArt)
    PutLine(row.text());
  PutText(kVersionIndent);
  PutText(versionText);
  EndLine();
  PutLine(kCreditLine);
  PutBlankLines(1);
}
