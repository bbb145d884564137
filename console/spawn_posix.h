// Starting another program and waiting for it on POSIX systems, with no shell in between.
#ifndef CONSOLE_SPAWN_POSIX_H_
#define CONSOLE_SPAWN_POSIX_H_

/// Starts the program file |file| with no arguments (its own name as argument zero), in this
/// program's terminal and process group, with its standard streams and environment, and waits
/// until it has ended. |file| is taken as it is when |search_path| is false, and looked up on
/// PATH as a bare name when it is true. No shell is started: the process waited for and told
/// of signals is the program itself.
///
/// While it runs, SIGTERM, SIGHUP, SIGINT and SIGQUIT sent to this program are passed on to it
/// (those the terminal sends, such as Ctrl+C, reach it by themselves); once it has ended, this
/// program ends by the same signal, so that whoever sent it sees both end. A signal this
/// program was started with ignored stays ignored. Returns the program's exit code, or -1
/// when it could not be started or was ended by a signal.
int SpawnAndWait(const char* file, bool search_path);

#endif  // CONSOLE_SPAWN_POSIX_H_
