// Standard output's device: the part of writing that differs from one system to another.
#ifndef CONSOLE_OUTPUT_DEVICE_H_
#define CONSOLE_OUTPUT_DEVICE_H_

#include <cstddef>
#include <string>

#include "console/charset.h"
#include "console/console_effects.h"

/// What standard output is.
struct OutputDevice {
  bool convert;           // the text is shown in another character set than code page 852
  TerminalKind terminal;  // how the console effects are drawn there
  CharsetTable shown;     // with |convert|: how each byte from 0x80 up is shown
  bool utf8 = false;      // with |convert|: the character set is UTF-8
  std::string preamble;   // written once, before the first text (a byte order mark)
};

/// Looks at standard output (once, at the first write): a pipe or a file takes the stored
/// bytes unchanged; a terminal or console may need them converted.
OutputDevice FindOutputDevice();

/// Hands |size| bytes straight to standard output, waiting while a non-blocking device cannot
/// take them yet. Output that can never be delivered (the reader has gone, the terminal has
/// hung up) ends the program at once, where the system tells so; any other failed write is
/// dropped, not repeated, as a console drops what it cannot show.
void WriteToDevice(const char* bytes, size_t size);

#endif  // CONSOLE_OUTPUT_DEVICE_H_
