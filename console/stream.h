// The standard streams underneath the console operations: the one place that knows whether
// standard output is a terminal and turns the stored code page 852 bytes into what it shows.
#ifndef CONSOLE_STREAM_H_
#define CONSOLE_STREAM_H_

#include <cstddef>

#include "console/console_effects.h"

/// Writes |size| stored bytes to standard output's buffer. On a pipe or a file they go out
/// unchanged; on a terminal each character is converted to the terminal's character set.
/// Failed writes are ignored.
void WriteOutput(const char* bytes, size_t size);

/// Sends everything buffered for standard output on to the device. Failures are ignored.
void FlushOutput();

/// The kind of terminal standard output is, decided once: how the console effects are drawn
/// there (TerminalKind::kNone on a pipe, a file, or a terminal without escape sequences).
TerminalKind OutputTerminal();

/// Returns the next byte of standard input (0 to 255), or -1 once input has ended or failed
/// to read. An ended input stays ended: nothing more is read from it.
int ReadInputByte();

/// Puts back |byte|, the last one ReadInputByte returned, so the next read returns it again.
void UnreadInputByte(int byte);

/// True once standard input has ended or failed to read.
bool InputEnded();

/// Makes standard input read one byte at a time from the device, so that nothing past what the
/// program asked for is taken away from a program started after it. Call before any read.
void UseUnbufferedInput();

#endif  // CONSOLE_STREAM_H_
