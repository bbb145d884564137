#include <array>

#include "console/clock.h"
#include "console/command.h"
#include "console/output.h"
#include "quiz/answer_reader.h"
#include "quiz/deck.h"
#include "quiz/generator.h"
#include "quiz/memory.h"
#include "quiz/memory_store.h"
#include "quiz/messages.h"
#include "quiz/round.h"
#include "quiz/table_grid.h"
#include "quiz/wrong_tries.h"

namespace {

// From this wrong try on, the answer is shown with the "wrong" message, so that a child who
// does not know it stops guessing and types it.
constexpr int kTryShowingProduct = 3;

// The facts answered wrong at least once, each once, in the order they were first missed.
struct Missed {
  int32_t count = 0;
  std::array<int32_t, kMaxDeckRange * kMaxDeckRange> indices{};
  std::array<bool, kMaxDeckRange * kMaxDeckRange> listed{};
};

void NoteMissed(Missed& missed, Question question, int32_t range) {
  int32_t index = (question.a - 1) * range + (question.b - 1);
  if (missed.listed[index])
    return;
  missed.listed[index] = true;
  missed.indices[missed.count++] = index;
}

// The round's outcomes and the memory they are kept in, kept as the round goes.
struct RoundMemory {
  const std::string& path;
  Memory memory;  // as last kept: what the table at the end shows
  RoundOutcomes outcomes;
  int32_t today;
};

// Notes that |question| was answered right or wrong, and keeps the memory at once where that
// changes the fact's outcome for the round: at most twice a fact (right at the first try, then
// missed when it comes again). So a round ended by Ctrl+C or a closed window loses nothing
// answered; and moving a fact up and then back to box 1 ends where the whole round applied at
// once would.
void NoteOutcome(RoundMemory& round, Question question, bool right) {
  Outcome& outcome = round.outcomes.facts[MemoryIndex(question)];
  Outcome now = right && outcome != Outcome::kMissed ? Outcome::kRight : Outcome::kMissed;
  if (now == outcome)
    return;
  outcome = now;
  RoundOutcomes change;
  change.facts[MemoryIndex(question)] = now;
  round.memory = KeepRound(round.path, round.memory, change, round.today);
}

// Asks |question| until it is answered right. False when input ends first.
bool PractiseQuestion(Question question, int32_t range, Missed& missed, RoundMemory& round) {
  for (int wrong_tries = 0;;) {
    PutQuestion(question);
    std::optional<int32_t> answer = ReadAnswerOrEnd();
    if (!answer)
      return false;
    if (*answer == question.a * question.b) {
      RunCommand("color 07");
      PutBlankLines(1);
      PutLine(kRight);
      NoteOutcome(round, question, true);
      return true;
    }
    RunCommand("color 0C");
    PutBlankLines(1);
    NoteMissed(missed, question, range);
    wrong_tries = CountWrongTry(wrong_tries, kTryShowingProduct);
    if (wrong_tries < kTryShowingProduct) {
      PutText(kWrongShort);
      PutChar(kBell);
      EndLine();
    } else {
      PutCorrection(question);
    }
    NoteOutcome(round, question, false);
  }
}

void PutSummary(const Missed& missed, bool finished, int32_t range) {
  PutSeparatorRow();
  if (finished && missed.count == 0) {
    PutLine(kAllRight);
    return;
  }
  PutLine(kToReview);
  for (int32_t i = 0; i < missed.count; ++i) {
    Question fact = FactOfIndex(missed.indices[i], range);
    PutText(kReviewIndent);
    PutNumber(fact.a);
    PutText(kTimes);
    PutNumber(fact.b);
    PutText(kEquals);
    PutNumber(fact.a * fact.b);
    EndLine();
  }
}

}  // namespace

void RunPracticeRound(int32_t range, const std::string& memory_path) {
  std::optional<int32_t> count = AskQuestionCount();
  if (!count)
    return;

  // One reading of the clock both seeds the shuffle and tells the day.
  uint32_t now = ClockSeconds();
  SeedGenerator(now);
  RoundMemory round{memory_path, LoadMemory(memory_path), {}, DayOfClock(now)};
  Deck deck = NewDeck(range);
  ShuffleDeck(deck);
  PutDueFactsFirst(deck, round.memory, round.today);
  Missed missed;
  bool finished = true;
  for (int32_t i = 0; i < *count && finished; ++i)
    finished = PractiseQuestion(DealQuestion(deck), range, missed, round);
  PutSummary(missed, finished, range);
  PutTableGrid(round.memory, range);
}
