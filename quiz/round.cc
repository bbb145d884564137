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

std::string QuestionLabel(Question question) {
  return std::to_string(question.a) + kTimes + std::to_string(question.b);
}

void PutQuestion(const std::string& label) {
  PutBlankLines(1);
  PutText(kQuestionStart);
  PutText(label);
  PutText(kEquals);
}

void PutCorrection(const std::string& label, int32_t answer) {
  PutText(kWrong);
  PutText(label);
  PutText(kEquals);
  PutNumber(answer);
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
    PutQuestion(QuestionLabel(question));
    if (ReadAnswer() == question.a * question.b) {
      RunCommand("color 07");
      PutBlankLines(1);
      PutLine(kRight);
      ++score;
    } else {
      RunCommand("color 0C");
      PutBlankLines(1);
      PutCorrection(QuestionLabel(question), question.a * question.b);
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
