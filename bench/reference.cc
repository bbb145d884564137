// The least a program can do to write what qor writes for a round answered from standard input:
// the same bytes, each piece handed to the system in one write where qor flushes. Its title
// and closing screens are taken from a file of qor's own output for an empty input (argv[1]).
// Used only to measure how much qor's own layers cost.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

char g_in[1 << 16];
size_t g_in_size = 0, g_in_next = 0;
bool g_ended = false;

int Next() {
  if (g_in_next == g_in_size) {
    ssize_t got = g_ended ? 0 : read(0, g_in, sizeof g_in);
    if (got <= 0) {
      g_ended = true;
      return -1;
    }
    g_in_size = static_cast<size_t>(got);
    g_in_next = 0;
  }
  return static_cast<unsigned char>(g_in[g_in_next++]);
}

long ReadNumber() {
  int c;
  do
    c = Next();
  while (c == ' ' || c == '\n' || c == '\r' || c == '\t');
  long value = 0;
  int digits = 0;
  bool number = true;
  for (; c >= 0 && c != ' ' && c != '\n' && c != '\r' && c != '\t'; c = Next(), ++digits) {
    number = number && c >= '0' && c <= '9';
    if (number)
      value = value * 10 + (c - '0');
  }
  return number && digits <= 9 ? value : -1;
}

void Put(const std::string& bytes) {
  if (write(1, bytes.data(), bytes.size()) < 0) {
  }
}

// |text| a line at a time, as qor flushes it.
void PutLines(const std::string& text) {
  for (size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    if (end == std::string::npos) {
      Put(text.substr(start));
      return;
    }
    Put(text.substr(start, end + 2 - start));
  }
}

uint32_t g_state;
int Draw() {
  g_state = g_state * 214013u + 2531011u;
  return static_cast<int>((g_state >> 16) & 0x7FFF);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2)
    return 2;
  std::string frame;
  FILE* file = std::fopen(argv[1], "rb");
  if (!file)
    return 2;
  for (int c; (c = std::getc(file)) != EOF;)
    frame += static_cast<char>(c);
  std::fclose(file);
  const std::string prompt = " Ile chcesz pyta\xE4 ? ";
  size_t at = frame.find(prompt);
  PutLines(frame.substr(0, at));

  Put(prompt);
  long count = ReadNumber();
  while (count < 5 && !g_ended) {
    Put("\r\n");
    Put(" za ma\x88o !\r\n");
    Put("\r\n");
    Put(prompt);
    count = ReadNumber();
  }
  if (count >= 5) {
    long score = 0;
    for (long i = 0; i < count; ++i) {
      g_state = static_cast<uint32_t>(time(nullptr));
      int r1 = Draw();
      g_state = static_cast<uint32_t>(time(nullptr));
      int r2 = Draw();
      int a = r1 % 10 + 1, b = r2 % 100 / 10 + 1;
      std::string question = " " + std::to_string(a) + " x " + std::to_string(b) + " = ";
      Put("\r\n");
      Put(question);
      long answer = ReadNumber();
      Put("\r\n");
      if (answer == a * b) {
        Put(" Dobrze !\r\n");
        ++score;
      } else {
        Put(" Wcale nie !    " + question + std::to_string(a * b) + "\a\r\n");
      }
    }
    Put("\r\n");
    Put(std::string(80, '\xDB') + "\r\n");
    Put("\r\n");
    Put(" Tw\xA2j wynik to: " + std::to_string(score) + " na " + std::to_string(count) + ".\r\n");
  } else {
    Put("\r\n");
  }
  PutLines(frame.substr(at + prompt.size() + 2));
  return 0;
}
