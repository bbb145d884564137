// The standard streams underneath the console operations: the one place that knows whether
// standard output is a terminal and turns the stored code page 852 bytes into what it shows.
#ifndef CONSOLE_STREAM_H_
#define CONSOLE_STREAM_H_

#include <cstddef>

#include "console/console_effects.h"

/// Writes |size| stored bytes to standard output's buffer. On a pipe or a file they go out
/// unchanged; on a terminal each character is converted to the terminal's character set.
void WriteOutput(const char* bytes, size_t size);

/// Sends everything buffered for standard output on to the device. Output that is not ready
/// is waited for; output that can never be delivered (a reader gone, a terminal gone) ends the
/// program at once, quietly, where the system tells so; any other failure drops the bytes.
void FlushOutput();

/// The kind of terminal standard output is, decided once: how the console effects are drawn
/// there (TerminalKind::kNone on a pipe, a file, or a terminal without escape sequences).
TerminalKind OutputTerminal();

/// Returns the next byte of standard input (0 to 255), or -1 once input has ended or failed
/// to read. An ended input stays ended: nothing more is read from it. Input that is only not
/// ready yet (a non-blocking descriptor) is waited for; a terminal that is gone or no longer
/// this program's ends the program at once, quietly, where the system tells so.
int ReadInputByte();

/// Puts back |byte|, the last one ReadInputByte returned, so the next read returns it again.
void UnreadInputByte(int byte);

/// True once standard input has ended or failed to read.
bool InputEnded();

/// Makes standard input take nothing away from a program started after this one: a pipe or a
/// terminal is read one byte at a time, and where bytes are read ahead (a file), those not
/// used are handed back before a program starts. Call before any read.
void KeepInputForStartedPrograms();

#endif  // CONSOLE_STREAM_H_
