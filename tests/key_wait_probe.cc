// Waits for one key with WaitForKey, telling on standard output when it starts and ends.

#include <cstdio>

#include "console/key_wait.h"

int main() {
  std::fputs("waiting\r\n", stdout);
  std::fflush(stdout);
  WaitForKey();
  std::fputs("done\r\n", stdout);
  return 0;
}
