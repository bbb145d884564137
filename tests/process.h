// Starting the built programs for end-to-end tests: through pipes, as a script would, or on a
// pseudo-terminal, as a person at a terminal would. Every child gets a session of its own, so
// no key wait can ever read the terminal the tests were started from.
#ifndef TESTS_PROCESS_H_
#define TESTS_PROCESS_H_

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <vector>

struct Launch {
  std::vector<std::string> argv;  // argv[0] is the program's path
  std::vector<std::string> env;   // the whole environment, "NAME=value" each
  std::string cwd;                // empty: the tests' own
  std::string stdin_path;         // non-empty: standard input from this file instead
  // The faults a program may meet. Piped runs only, but for |background|.
  bool close_stdin = false;         // standard input not open at all
  bool stdin_write_only = false;    // standard input open, but every read fails
  std::string stdout_path;          // non-empty: standard output to this file instead
  bool output_reader_gone = false;  // nobody reads the output pipe
  bool sigpipe_ignored = false;     // started with SIGPIPE ignored, as some parents do
  bool sigpipe_blocked = false;     // started with SIGPIPE blocked
  bool stdin_nonblocking = false;   // standard input set O_NONBLOCK
  bool stdout_nonblocking = false;  // standard output set O_NONBLOCK
  int output_read_delay_ms = 0;     // the output is first read after this long: a slow reader
  bool background = false;          // on a terminal: in a process group of its own
  bool foreground_job = false;      // on a terminal: in a process group of its own, in front
  // Signals the program starts with ignored, as nohup starts it with SIGHUP ignored.
  std::vector<int> ignored_signals;
};

/// A launch of |argv| with the environment |env|, in |cwd| (empty: the tests' own), standard
/// input from |stdin_path| where it is not empty.
Launch MakeLaunch(std::vector<std::string> argv, std::vector<std::string> env, std::string cwd = "",
                  std::string stdin_path = "");

/// Input for a piped run: each text written |repeats| times in turn, so that a test can send
/// gigabytes without holding them.
struct InputPiece {
  std::string text;
  size_t repeats = 1;
  int pause_ms = 0;  // how long to wait before writing it
};

/// The environment the tests give a program: PATH of the system's own directories, what a
/// runner (E2E_RUNNER) needs to find its set-up, plus |extra| entries. Without a runner there is
/// no HOME, so a program keeps nothing of a test's run.
std::vector<std::string> TestEnvironment(const std::vector<std::string>& extra = {});

struct Finished {
  std::string output;  // all of standard output
  std::string errors;  // all of standard error
  int status = -1;     // as waitpid gives it
  bool timed_out = false;
  long peak_kib = 0;  // the program's peak resident memory, as last seen while it ran
};

/// Runs |launch| with |input| on a pipe as standard input (unless launch.stdin_path is set) and
/// standard output and error on pipes, with no controlling terminal; kills it after
/// |timeout_ms|.
Finished RunPiped(const Launch& launch, const std::string& input, int timeout_ms = 30000);
Finished RunPiped(const Launch& launch, const std::vector<InputPiece>& input,
                  int timeout_ms = 30000);

/// A program running on a pseudo-terminal as its controlling terminal.
struct PtyChild {
  pid_t pid = -1;
  int master = -1;  // what the test types into and reads the screen from
  int slave = -1;   // the terminal's side, kept open to look at its mode
  // The terminal's mode before the program started: what it must be given back.
  struct termios mode_at_start = {};
};

/// Starts |launch| on a new pseudo-terminal of 80 columns and |rows| rows: standard output and
/// error on the terminal, standard input too unless launch.stdin_path is set.
PtyChild StartOnPty(const Launch& launch, int rows = 40);

/// Reads what the program writes to the terminal until |needle| has appeared in |screen| or
/// |timeout_ms| have passed. True when it appeared.
bool ReadScreenUntil(const PtyChild& child, const std::string& needle, std::string& screen,
                     int timeout_ms = 10000);

/// Reads whatever the program writes within |ms|.
void ReadScreenFor(const PtyChild& child, std::string& screen, int ms);

/// Waits until the program has put the terminal into the key wait's raw mode (no line
/// editing), so that what is typed next is a key press and not a line. False after
/// |timeout_ms|.
bool WaitForRawMode(const PtyChild& child, int timeout_ms = 10000);

/// Types |keys| on the terminal.
void Type(const PtyChild& child, const std::string& keys);

/// True when the program is still running after |ms|.
bool StillRunning(const PtyChild& child, int ms);

/// Waits for the program to end and returns its waitpid status; kills it and returns -1 after
/// |timeout_ms|. What it writes meanwhile is added to |screen|.
int WaitForExit(const PtyChild& child, std::string& screen, int timeout_ms = 10000);

/// Hangs the terminal up, as when its window is closed: closes the test's side of it.
void HangUp(PtyChild& child);

/// Closes both sides of the terminal; kills the program first if it is still running.
void ClosePty(PtyChild& child);

/// Bytes waiting in the terminal's input that nobody has read.
int UnreadTerminalInput(const PtyChild& child);

/// A directory of its own under the system's temporary directory, removed at exit.
std::string TemporaryDirectory();

/// Writes |text| to the file |path|; with |executable| the file can be run.
void WriteFile(const std::string& path, const std::string& text, bool executable = false);

/// The whole file |path|, or an empty string where there is none.
std::string ReadFile(const std::string& path);

#endif  // TESTS_PROCESS_H_
