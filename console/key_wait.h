// Waiting for one key press at the end of a program.
#ifndef CONSOLE_KEY_WAIT_H_
#define CONSOLE_KEY_WAIT_H_

/// Waits for one key press on the terminal's own keyboard, without echo and without Enter, and
/// returns. Standard input is never read: a line end left there, or input from a file, does not
/// end the wait. Any key that sends something ends it: a letter, Ctrl+C (which then does not
/// stop the program), a cursor or function key (its whole escape sequence is taken, so nothing
/// is left for the shell). Shift, Ctrl or Alt alone send nothing and do not end it. The
/// terminal's mode is put back before returning, and also when SIGTERM, SIGHUP or SIGQUIT ends
/// the program during the wait. Returns at once when there is no terminal to wait on or when
/// the program is not in the terminal's foreground.
void WaitForKey();

#endif  // CONSOLE_KEY_WAIT_H_
