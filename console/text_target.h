// Where a program's text follows the locale's character set: each program links one of the
// two definitions, its choice made once, at the build.
#ifndef CONSOLE_TEXT_TARGET_H_
#define CONSOLE_TEXT_TARGET_H_

/// True when the text goes out in the character set of the user's locale wherever standard
/// output goes, a pipe or a file too, as other command-line tools' text does (the report, read
/// in a pager or kept in a file); false when a pipe or a file takes the stored code page 852
/// bytes (the quiz and the practice, whose piped bytes are fixed). On a terminal the text is
/// converted either way.
bool TextFollowsLocale();

#endif  // CONSOLE_TEXT_TARGET_H_
