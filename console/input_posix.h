// Standard input's side of starting another program on POSIX systems.
#ifndef CONSOLE_INPUT_POSIX_H_
#define CONSOLE_INPUT_POSIX_H_

/// Hands back what standard input has read ahead and not used, where it can: on a file read
/// in blocks the file offset moves back to just after the last byte used, so a program
/// started next reads on from there. Call right before starting one.
void GiveBackUnusedInput();

#endif  // CONSOLE_INPUT_POSIX_H_
