// The selector: the menu that starts the chosen program.
#ifndef SELECTOR_MENU_H_
#define SELECTOR_MENU_H_

#include <optional>

/// The program for a pair of menu answers: "qor", "pym", "vek" or "zif" for 1 or 2 to the first
/// question (a hundred, twenty-five) and 1 or 2 to the second (count points, no points), or
/// nullptr for any other pair.
const char* ProgramForAnswers(int range_answer, int way_answer);

/// The selector from its title screen on: asks the two questions, clears the screen in every
/// case, then starts the chosen program, if any, by its bare name and waits for it to end.
void RunSelector();

#endif  // SELECTOR_MENU_H_
