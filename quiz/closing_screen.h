// The screen a quiz or practice program ends with.
#ifndef QUIZ_CLOSING_SCREEN_H_
#define QUIZ_CLOSING_SCREEN_H_

/// Four empty rows, KONIEC in block letters (five rows), ten line ends; then waits for a key.
void PrintClosingScreen();

/// KONIEC in block letters (five rows) after |blank_rows_before| empty rows and before
/// |blank_rows_after| more line ends; then waits for a key. A program whose screen holds more
/// above it ends with a shorter one.
void PrintClosingArtAndWait(int blank_rows_before, int blank_rows_after);

/// KONIEC in block letters after |blank_rows_before| empty rows, its last row's line end
/// written after the key wait: the cursor waits beside the art, not on a row of its own, so a
/// screen holding more above it keeps one row more.
void PrintClosingArtWaitingBeside(int blank_rows_before);

#endif  // QUIZ_CLOSING_SCREEN_H_
