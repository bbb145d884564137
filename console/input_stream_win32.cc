#include "console/input_stream.h"

#include <cstdio>

// Standard input through the C library's stream, whose end-of-file and error indicators are
// the "ended" state: once either is set, nothing more is read.

int ReadInputByte() {
  if (InputEnded())
    return -1;
  int byte = getc(stdin);
  return byte == EOF ? -1 : byte;
}

void UnreadInputByte(int byte) {
  if (byte >= 0)
    ungetc(byte, stdin);
}

bool InputEnded() {
  return feof(stdin) || ferror(stdin);
}

void KeepInputForStartedPrograms() {
  // One byte per read: nothing past what is used is ever taken from the device.
  setvbuf(stdin, nullptr, _IONBF, 0);
}

void GiveBackUnusedInput() {
  // Nothing is read ahead once KeepInputForStartedPrograms has made the stream unbuffered.
}
