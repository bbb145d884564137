// One multiplication question: the fact a x b that every round asks and practice remembers.
#ifndef QUIZ_QUESTION_H_
#define QUIZ_QUESTION_H_

#include <cstdint>

struct Question {
  int32_t a;
  int32_t b;
};

#endif  // QUIZ_QUESTION_H_
