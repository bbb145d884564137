// What both fuzz targets' models share.
#ifndef FUZZ_FUZZ_CHECK_H_
#define FUZZ_FUZZ_CHECK_H_

#include <cstdlib>

/// The six bytes both readers skip as whitespace.
inline bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// Stops the fuzzer with a finding where the reader and its model disagree.
inline void Check(bool condition) {
  if (!condition)
    std::abort();
}

#endif  // FUZZ_FUZZ_CHECK_H_
