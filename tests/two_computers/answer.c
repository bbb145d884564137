/* Plays one practice round of `vek` through pipes: answers the count prompt with COUNT,
 * "Kto ćwiczy?" with PICK (0: not asked), and every question " a x b = " with its product, right
 * and at once. Prints "ASKED a b" for each answer given, then "ROUND-END STATUS MS": the
 * program's exit status and the round's length in milliseconds.
 * Usage: answer COUNT PICK PROGRAM [ARGS...] */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <sys/wait.h>
#include <time.h>

static long long now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  int to[2], from[2];
  if (pipe(to) || pipe(from)) return 2;
  long long start = now_ms();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(to[0], 0); dup2(from[1], 1);
    close(to[1]); close(from[0]);
    execv(argv[3], argv + 3);
    _exit(127);
  }
  close(to[0]); close(from[1]);
  static char buf[1 << 16];
  size_t len = 0;
  const char prompt[] = " Ile chcesz pyta\xe4 ? ";
  for (;;) {
    ssize_t n = read(from[0], buf + len, sizeof buf - 1 - len);
    if (n <= 0) break;
    len += (size_t)n; buf[len] = 0;
    size_t pl = sizeof prompt - 1;
    char reply[64] = "";
    const char pick[] = "numer ? ";
    size_t kl = sizeof pick - 1;
    if (len >= kl && memcmp(buf + len - kl, pick, kl) == 0) {
      snprintf(reply, sizeof reply, "%s\n", argv[2]);
    } else if (len >= pl && memcmp(buf + len - pl, prompt, pl) == 0) {
      snprintf(reply, sizeof reply, "%s\n", argv[1]);
    } else if (len >= 4 && memcmp(buf + len - 3, " = ", 3) == 0) {
      char* line = buf + len - 3;
      while (line > buf && line[-1] != '\n') line--;
      int a, b;
      if (sscanf(line, " %d x %d = ", &a, &b) == 2) {
        printf("ASKED %d %d\n", a, b); fflush(stdout);
        snprintf(reply, sizeof reply, "%d\n", a * b);
      }
    }
    if (reply[0]) {
      if (write(to[1], reply, strlen(reply)) < 0) break;
      len = 0;
    } else if (len > sizeof buf / 2) {
      memmove(buf, buf + len - 256, 256); len = 256;
    }
  }
  close(to[1]);
  int status; waitpid(pid, &status, 0);
  printf("ROUND-END %d %lld\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
         now_ms() - start);
  return 0;
}
