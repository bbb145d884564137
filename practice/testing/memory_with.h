// For the practice tests: a memory that knows just the facts a test names.
#ifndef PRACTICE_TESTING_MEMORY_WITH_H_
#define PRACTICE_TESTING_MEMORY_WITH_H_

#include <utility>
#include <vector>

#include "practice/memory.h"

/// A memory holding |facts|, each at its place; every other fact is new.
inline Memory MemoryWith(const std::vector<std::pair<Question, FactMemory>>& facts) {
  Memory memory;
  for (const auto& [question, fact] : facts)
    memory.facts[MemoryIndex(question)] = fact;
  return memory;
}

#endif  // PRACTICE_TESTING_MEMORY_WITH_H_
