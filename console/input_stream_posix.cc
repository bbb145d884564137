#include "console/input_stream.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "console/stream_error_posix.h"

// Standard input read straight from descriptor 0 into a buffer of its own. End of input and a
// failed read are the "ended" state: once set, nothing more is read.

namespace {

struct InputBuffer {
  unsigned char bytes[65536];
  size_t next = 0;                  // the next byte to hand out
  size_t end = 0;                   // one past the last byte read
  size_t block = sizeof bytes;      // how much one read asks for
  bool gives_back_by_seek = false;  // a file: unused bytes go back by moving the offset
  bool ended = false;
};

InputBuffer& Input() {
  static InputBuffer input;
  return input;
}

// Reads the next block and returns its first byte, or -1 when input has ended or failed.
int Refill(InputBuffer& input) {
  input.next = input.end = 0;
  for (;;) {
    ssize_t got = read(STDIN_FILENO, input.bytes, input.block);
    if (got > 0) {
      input.end = static_cast<size_t>(got);
      input.next = 1;
      return input.bytes[0];
    }
    if (got < 0 && RetryAfterStreamError(STDIN_FILENO, errno, POLLIN))
      continue;
    input.ended = true;
    return -1;
  }
}

}  // namespace

int ReadInputByte() {
  InputBuffer& input = Input();
  if (input.next < input.end)
    return input.bytes[input.next++];
  if (input.ended)
    return -1;
  return Refill(input);
}

void UnreadInputByte(int byte) {
  InputBuffer& input = Input();
  if (byte >= 0 && input.next > 0)
    --input.next;
}

bool InputEnded() {
  return Input().ended;
}

void KeepInputForStartedPrograms() {
  InputBuffer& input = Input();
  struct stat status;
  // A file can be read ahead in blocks, as long as the offset can be moved back; a pipe or a
  // terminal cannot take back what was read, so it is read one byte at a time.
  input.gives_back_by_seek = fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode) &&
                             lseek(STDIN_FILENO, 0, SEEK_CUR) >= 0;
  input.block = input.gives_back_by_seek ? sizeof input.bytes : 1;
}

void GiveBackUnusedInput() {
  InputBuffer& input = Input();
  if (!input.gives_back_by_seek || input.next == input.end)
    return;
  off_t unused = static_cast<off_t>(input.end - input.next);
  if (lseek(STDIN_FILENO, -unused, SEEK_CUR) >= 0)
    input.next = input.end = 0;
}
