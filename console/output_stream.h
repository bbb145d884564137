// Standard output underneath the console operations: the one place that knows whether it is a
// terminal and turns the stored code page 852 bytes into what the terminal shows.
#ifndef CONSOLE_OUTPUT_STREAM_H_
#define CONSOLE_OUTPUT_STREAM_H_

#include <cstddef>

#include "console/console_effects.h"

/// Writes |size| stored bytes to standard output's buffer. On a pipe or a file they go out
/// unchanged; on a terminal each character is converted to the terminal's character set.
void WriteOutput(const char* bytes, size_t size);

/// Writes |size| bytes that are in a character set of their own (such as a UTF-8 table for a
/// spreadsheet) to standard output as they are, after what is buffered: never converted, on a
/// terminal too.
void WriteUnconverted(const char* bytes, size_t size);

/// True when standard output is a terminal that shows UTF-8: text a person wrote in UTF-8 (a
/// name) may go there as it is, with letters code page 852 lacks.
bool OutputShowsUtf8();

/// Sends everything buffered for standard output on to the device. Output that is not ready
/// is waited for; output that can never be delivered (a reader gone, a terminal gone) ends the
/// program at once, quietly, where the system tells so; any other failure drops the bytes.
void FlushOutput();

/// The kind of terminal standard output is, decided once: how the console effects are drawn
/// there (TerminalKind::kNone on a pipe, a file, or a terminal without escape sequences).
TerminalKind OutputTerminal();

#endif  // CONSOLE_OUTPUT_STREAM_H_
