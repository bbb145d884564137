// Running console commands: clearing the screen, colouring it, starting another program.
#ifndef CONSOLE_COMMAND_H_
#define CONSOLE_COMMAND_H_

#include <string_view>

/// Draws the console effect |commandLine| before returning; callers ignore the result.
///
/// "cls" clears the screen and puts the cursor at the top left; "color 07" makes the whole
/// screen light grey on black, "color 0C" light red on black, text already shown included, and
/// the colours stay after the program ends. Where standard output is not a terminal these
/// change nothing and write nothing. On Windows any other line goes to the system's command
/// interpreter; on POSIX systems any other line does nothing, as no shell is ever started.
///
/// Returns 0 for an effect, or on Windows the interpreter's exit code.
int RunCommand(std::string_view commandLine);

/// Starts the program |name| (a bare name, no arguments) in this program's terminal, with its
/// standard streams and environment, and waits until it has ended. The program of that name
/// in the directory that holds this program's own executable is started when it is there;
/// only otherwise is PATH searched, so a stale copy earlier on PATH never wins over the one
/// installed beside this program. Output written so far is flushed first, and the started
/// program reads standard input from just after what this program used.
///
/// Returns the program's exit code, or -1 when it could not be started or did not exit.
int StartProgram(const char* name);

#endif  // CONSOLE_COMMAND_H_
