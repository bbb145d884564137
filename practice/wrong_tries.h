// Counting the wrong tries at one question of a round without points.
#ifndef PRACTICE_WRONG_TRIES_H_
#define PRACTICE_WRONG_TRIES_H_

#include <cstdint>

/// The count of wrong tries after one more, when |wrong_tries| were counted so far. Counting
/// stops at |shows_product|, the try from which on every wrong try shows the product: all the
/// tries after it look the same, so a question may be missed any number of times without the
/// count overflowing.
constexpr int32_t CountWrongTry(int32_t wrong_tries, int32_t shows_product) {
  return wrong_tries < shows_product ? wrong_tries + 1 : shows_product;
}

#endif  // PRACTICE_WRONG_TRIES_H_
