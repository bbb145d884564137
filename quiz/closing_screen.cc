#include "quiz/closing_screen.h"

#include "console/block_art.h"
#include "console/key_wait.h"
#include "console/output.h"

namespace {

// KONIEC, centred on 80 columns; the bottom row is the top row again.
constexpr BlockRow<62> kClosingArt[] = {
    Blocks("...................##..##...####...##..##..##..######...#####"),
    Blocks("...................##.##...##..##..###.##..##..##......##...."),
    Blocks("...................####....##..##..######..##..####....##...."),
    Blocks("...................##.##...##..##..##.###..##..##......##...."),
};

// KONIEC between |before| and |after| line ends, then the key wait.
void PutClosingArtAndWait(int before, int after) {
  PutBlankLines(before);
  for (int row : {0, 1, 2, 3, 0})
    PutLine(kClosingArt[row].text());
  PutBlankLines(after);
  WaitForKey();
}

}  // namespace

void PrintClosingScreen() {
  PutClosingArtAndWait(4, 10);
}

void PrintPracticeClosingScreen() {
  PutClosingArtAndWait(1, 0);
}
