// The size of the terminal window standard output is shown in, and asking for another.
#ifndef CONSOLE_WINDOW_SIZE_H_
#define CONSOLE_WINDOW_SIZE_H_

/// A window's size in character cells.
struct WindowSize {
  int rows = 0;
  int columns = 0;
};

/// The size of the terminal standard output is: {0, 0} when it is not a terminal or the system
/// does not tell. The terminal itself is never asked (a reply would mix with the answers).
WindowSize TerminalWindowSize();

/// Asks the terminal to make its window |size| (CSI 8 ; rows ; columns t) where its kind takes
/// the request (TakesWindowSize); writes nothing elsewhere, nor on a pipe or a file. True when
/// the request was written. The terminal may honour it later, or not at all.
bool RequestWindowSize(WindowSize size);

#endif  // CONSOLE_WINDOW_SIZE_H_
