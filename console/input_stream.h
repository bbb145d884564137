// Standard input underneath the readers of answers and menu choices, read one byte at a time.
#ifndef CONSOLE_INPUT_STREAM_H_
#define CONSOLE_INPUT_STREAM_H_

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

/// Hands back what standard input has read ahead and not used, where it can: on a file read
/// in blocks the file offset moves back to just after the last byte used, so a program
/// started next reads on from there. Call right before starting one.
void GiveBackUnusedInput();

/// True for the bytes that separate the words typed: space, tab, line ends, vertical tab and
/// form feed.
inline bool IsSpaceByte(int byte) {
  return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
         byte == '\r';
}

#endif  // CONSOLE_INPUT_STREAM_H_
