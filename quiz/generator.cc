#include "quiz/generator.h"

namespace {

// The generator's state: the only state the programs keep between calls.
uint32_t g_state = 0;

}  // namespace

void SeedGenerator(uint32_t seed) {
  g_state = seed;
}

int32_t DrawNumber() {
  g_state = g_state * 214013u + 2531011u;
  return static_cast<int32_t>((g_state >> 16) & 0x7FFF);
}

int32_t FirstFactor(int32_t r, int32_t range) {
  return r % range + 1;
}

int32_t SecondFactor(int32_t r, int32_t range) {
  return r % (range * range) / range + 1;
}
