// The question generator: a 32-bit linear congruential generator, seeded by its caller (the
// quiz seeds it from the clock, tests with fixed numbers).
#ifndef QUIZ_GENERATOR_H_
#define QUIZ_GENERATOR_H_

#include <cstdint>

/// Sets the generator's state to |seed|.
void SeedGenerator(uint32_t seed);

/// Advances the state (state * 214013 + 2531011, modulo 2^32) and returns bits 16 to 30 of
/// it: a number from 0 to 32767. Seed 0 gives 38 first, seed 1 gives 41.
int32_t DrawNumber();

/// The first factor of a question from draw |r|: (r mod range) + 1, from 1 to |range|.
int32_t FirstFactor(int32_t r, int32_t range);

/// The second factor from draw |r|: the next base-|range| digit, (r mod range²) div range + 1.
int32_t SecondFactor(int32_t r, int32_t range);

#endif  // QUIZ_GENERATOR_H_
