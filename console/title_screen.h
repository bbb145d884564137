// The title screen that every program shows first.
#ifndef CONSOLE_TITLE_SCREEN_H_
#define CONSOLE_TITLE_SCREEN_H_

#include <string_view>

/// Writes the title screen for an 80-column console: two empty rows, the title TABLICZKA
/// MNOŻENIA in block letters (12 rows of 73 characters), the version line (59 spaces, then
/// |versionText|), the credit line ending in column 73, and one empty row: 17 line ends.
void PrintTitleScreen(std::string_view versionText);

#endif  // CONSOLE_TITLE_SCREEN_H_
