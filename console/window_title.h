// The title of the window standard output is shown in: naming it after the program, and giving
// it back its own title at the end.
#ifndef CONSOLE_WINDOW_TITLE_H_
#define CONSOLE_WINDOW_TITLE_H_

/// Names the window "Tabliczka mnożenia – |program|" where standard output is a terminal (or a
/// console) that takes a title, its own title saved first; writes nothing on a pipe, a file, or
/// a terminal that takes no title (WindowTitleOf). The saved title is given back at the
/// program's ordinary end (a return from main, exit) and when a signal ends the program
/// during the key wait. Called once, before the first text.
void NameWindow(const char* program);

/// Gives the window back the title it had before NameWindow, once; does nothing where the
/// window was not named. Async-signal-safe on POSIX systems: the key wait calls it from its
/// signal handlers before the signal ends the program.
void GiveWindowTitleBack();

#endif  // CONSOLE_WINDOW_TITLE_H_
