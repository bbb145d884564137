// The screen a quiz or practice program ends with.
#ifndef QUIZ_CLOSING_SCREEN_H_
#define QUIZ_CLOSING_SCREEN_H_

/// Four empty rows, KONIEC in block letters (five rows), ten line ends; then waits for a key.
void PrintClosingScreen();

/// KONIEC in block letters (five rows) after |blank_rows_before| empty rows and before
/// |blank_rows_after| more line ends; then waits for a key. A program whose screen holds more
/// above it ends with a shorter one.
void PrintClosingArtAndWait(int blank_rows_before, int blank_rows_after);

#endif  // QUIZ_CLOSING_SCREEN_H_
