// Starting another program through the shell on POSIX systems.
#ifndef CONSOLE_SHELL_POSIX_H_
#define CONSOLE_SHELL_POSIX_H_

#include <string>

/// Runs the simple command |line| (a program's name, perhaps with arguments) with /bin/sh -c
/// in this program's terminal and process group, with its standard streams and environment,
/// and waits until it has ended. The shell finds the program as it finds any command and then
/// becomes it, so a line of several commands would run only its first.
///
/// While it runs, SIGTERM, SIGHUP, SIGINT and SIGQUIT sent to this program are passed on to it
/// (those the terminal sends, such as Ctrl+C, reach it by themselves); once it has ended, this
/// program ends by the same signal, so that whoever sent it sees both end. A signal this
/// program was started with ignored stays ignored. Returns the shell's exit code, or -1 when
/// it could not be started or was ended by a signal.
int RunShellLine(const std::string& line);

#endif  // CONSOLE_SHELL_POSIX_H_
