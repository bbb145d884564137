// The screen a quiz or practice program ends with.
#ifndef QUIZ_CLOSING_SCREEN_H_
#define QUIZ_CLOSING_SCREEN_H_

/// Four empty rows, KONIEC in block letters (five rows), ten line ends; then waits for a key.
void PrintClosingScreen();

/// The practice programs' closing screen: one empty row, KONIEC in block letters (five rows,
/// the last one's line end after the key wait, so that the cursor waits beside the art and not
/// on a row of its own); then waits for a key. Shorter than the quiz's, so that the table of
/// facts drawn just above it stays on a screen of 24 rows for the child and the teacher to see.
void PrintPracticeClosingScreen();

#endif  // QUIZ_CLOSING_SCREEN_H_
