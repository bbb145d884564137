// The screen a quiz program ends with.
#ifndef QUIZ_CLOSING_SCREEN_H_
#define QUIZ_CLOSING_SCREEN_H_

/// Four empty rows, KONIEC in block letters (five rows), ten line ends; then waits for a key.
void PrintClosingScreen();

#endif  // QUIZ_CLOSING_SCREEN_H_
