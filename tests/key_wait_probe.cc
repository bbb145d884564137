// Waits for one key with WaitForKey, telling on standard output when it starts and ends.

#include "console/key_wait.h"
#include "console/output.h"

int main() {
  PutLine("waiting");
  WaitForKey();
  PutLine("done");
  return 0;
}
