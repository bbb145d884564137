// Running console commands: clearing the screen, colouring it, starting another program.
#ifndef CONSOLE_COMMAND_H_
#define CONSOLE_COMMAND_H_

#include <string_view>

/// Runs |commandLine| to its end before returning; callers ignore the result.
///
/// "cls" clears the screen and puts the cursor at the top left; "color 07" makes the whole
/// screen light grey on black, "color 0C" light red on black, text already shown included, and
/// the colours stay after the program ends. Where standard output is not a terminal these
/// change nothing and write nothing. Any other line is a program started through the system's
/// command interpreter, sharing the terminal and the standard streams, and waited for.
///
/// Returns the command's exit code, or -1 when it could not be started.
int RunCommand(std::string_view commandLine);

/// Appends the directory that holds this program's own executable to the end of PATH, so that
/// the programs installed beside it start by their bare names, while anything already on PATH
/// is still found first. Does nothing where that directory cannot be found, and on POSIX
/// systems where its name holds ':', which a PATH entry cannot hold.
void AppendProgramDirectoryToPath();

#endif  // CONSOLE_COMMAND_H_
