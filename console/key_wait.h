// Waiting for one key press at the end of a program.
#ifndef CONSOLE_KEY_WAIT_H_
#define CONSOLE_KEY_WAIT_H_

/// Waits for one key press on the terminal's own keyboard, without echo and without Enter, and
/// returns. Standard input is never read: a line end left there, or input from a file, does not
/// end the wait. Any key that sends something ends it: a letter, Ctrl+C (which then does not
/// stop the program), a cursor or function key (its whole escape sequence is taken, so nothing
/// is left for the shell). Shift, Ctrl or Alt alone send nothing and do not end it. What was
/// typed before the wait began is discarded: only a key pressed during it ends it. The
/// terminal's mode is put back before returning; also before any signal ends the program the
/// default way during the wait, and before a stop signal stops it (when continued, the wait
/// takes the terminal's mode anew and goes on in raw mode). Returns at once when there is no
/// terminal to wait on or when the program is not in the terminal's foreground.
void WaitForKey();

#endif  // CONSOLE_KEY_WAIT_H_
