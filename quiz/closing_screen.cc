#include "quiz/closing_screen.h"

#include "console/block_art.h"
#include "console/key_wait.h"
#include "console/output.h"
#include "console/output_stream.h"

namespace {

// KONIEC, centred on 80 columns; the bottom row is the top row again.
constexpr BlockRow<62> kClosingArt[] = {
    Blocks("...................##..##...####...##..##..##..######...#####"),
    Blocks("...................##.##...##..##..###.##..##..##......##...."),
    Blocks("...................####....##..##..######..##..####....##...."),
    Blocks("...................##.##...##..##..##.###..##..##......##...."),
};

}  // namespace

void PrintClosingArtAndWait(int blank_rows_before, int blank_rows_after) {
  PutBlankLines(blank_rows_before);
  for (int row : {0, 1, 2, 3, 0})
    PutLine(kClosingArt[row].text());
  PutBlankLines(blank_rows_after);
  WaitForKey();
}

void PrintClosingArtWaitingBeside(int blank_rows_before) {
  PutBlankLines(blank_rows_before);
  for (int row : {0, 1, 2, 3})
    PutLine(kClosingArt[row].text());
  PutText(kClosingArt[0].text());
  FlushOutput();  // a row not ended yet: on the screen before the wait
  WaitForKey();
  EndLine();
}

void PrintClosingScreen() {
  PrintClosingArtAndWait(4, 10);
}
