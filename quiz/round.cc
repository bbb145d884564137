#include "quiz/round.h"

#include "console/clock.h"
#include "console/command.h"
#include "console/output.h"
#include "quiz/answer_reader.h"
#include "quiz/generator.h"
#include "quiz/messages.h"

std::optional<int32_t> AskQuestionCount() {
  PutText(kCountPrompt);
  std::optional<int32_t> count = ReadAnswerOrEnd();
  while (count && *count < kMinimumCount) {
    PutBlankLines(1);
    PutText(kCountRefused);
    PutBlankLines(2);
    PutText(kCountPrompt);
    count = ReadAnswerOrEnd();
  }
  if (!count)
    PutBlankLines(1);
  return count;
}

Question DrawQuestion(int32_t range) {
  SeedGenerator(WallClockSecondsLow32());
  int32_t r1 = DrawNumber();
  SeedGenerator(WallClockSecondsLow32());
  int32_t r2 = DrawNumber();
  return Question{FirstFactor(r1, range), SecondFactor(r2, range)};
}

void PutFact(Question question) {
  PutNumber(question.a);
  PutText(kTimes);
  PutNumber(question.b);
  PutText(kEquals);
}

void PutQuestion(Question question) {
  PutBlankLines(1);
  PutText(kQuestionStart);
  PutFact(question);
}

void PutCorrection(Question question) {
  PutText(kWrong);
  PutFact(question);
  PutNumber(question.a * question.b);
  PutChar(kBell);
  EndLine();
}

void PutSeparatorRow() {
  PutBlankLines(1);
  for (int i = 0; i < kConsoleWidth; ++i)
    PutChar(kFullBlock);
  PutBlankLines(2);
}

void RunQuizRound(int32_t range) {
  std::optional<int32_t> count = AskQuestionCount();
  if (!count)
    return;

  int32_t score = 0;
  for (int32_t i = 0; i < *count; ++i) {
    Question question = DrawQuestion(range);
    PutQuestion(question);
    if (ReadAnswer() == question.a * question.b) {
      RunCommand("color 07");
      PutBlankLines(1);
      PutLine(kRight);
      ++score;
    } else {
      RunCommand("color 0C");
      PutBlankLines(1);
      PutCorrection(question);
    }
  }

  PutSeparatorRow();
  PutText(kScoreStart);
  PutNumber(score);
  PutText(kScoreOf);
  PutNumber(*count);
  PutText(kScoreEnd);
  EndLine();
}
