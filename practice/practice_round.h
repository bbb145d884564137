// One round of practice without points, from the count prompt to the grid of what is known.
#ifndef PRACTICE_PRACTICE_ROUND_H_
#define PRACTICE_PRACTICE_ROUND_H_

#include <cstdint>

#include "practice/deck.h"
#include "practice/memory_store.h"

/// A round without points with factors from 1 to |range|: the facts due in the memory kept in
/// |memory_file| come first, then every fact comes once before any comes again; a wrong
/// answer is asked again until it is right (the product shown from the third wrong try on).
/// Each answer that changes what is known of its fact is kept in the memory at once, each on
/// the day it is given. The end lists the facts that were missed, then those right but slow,
/// says so in a row where some answers could not be kept, and draws the whole table as a grid
/// of what is known. A file without a path keeps nothing. Only the facts of |tables| and of
/// |kinds| are asked, and the grid is drawn of |kinds|.
void RunPracticeRound(int32_t range, const MemoryFile& memory_file, Tables tables = kEveryTable,
                      Kinds kinds = KindBit(FactKind::kMultiplication));

/// The practice programs' closing screen: one empty row, KONIEC in block letters (five rows,
/// the last one's line end after the key wait); then waits for a key. Shorter than the quiz's,
/// so that the end of the round drawn just above it stays on a screen of 24 rows for the child
/// and the teacher to see.
void PrintPracticeClosingScreen();

#endif  // PRACTICE_PRACTICE_ROUND_H_
