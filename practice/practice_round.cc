#include "practice/practice_round.h"

#include <array>
#include <vector>

#include "console/clock.h"
#include "console/command.h"
#include "console/output.h"
#include "practice/class_list.h"
#include "practice/deck.h"
#include "practice/fact.h"
#include "practice/memory.h"
#include "practice/memory_store.h"
#include "practice/messages.h"
#include "practice/round_lists.h"
#include "practice/table_grid.h"
#include "practice/wrong_tries.h"
#include "quiz/answer_reader.h"
#include "quiz/closing_screen.h"
#include "quiz/generator.h"
#include "quiz/messages.h"
#include "quiz/round.h"

namespace {

// From this wrong try on, the answer is shown with the "wrong" message, so that a child who
// does not know it stops guessing and types it.
constexpr int kTryShowingProduct = 3;

// How the round has gone so far, and the memory it is kept in as it goes.
struct RoundMemory {
  const MemoryFile& file;
  bool may_keep;  // the file may be written: false for one this program must leave alone
  Memory memory;  // as read, with the round's answers: what the table at the end shows
  MemoryLog log;
  Unsaved unsaved;
  std::array<Outcome, kMemoryFacts> outcomes{};  // by MemoryIndex
  // The facts whose outcome became kMissed, by MemoryIndex, in the order it did: the summary's
  // list, each fact once.
  int32_t missed_count = 0;
  std::array<int32_t, kMemoryFacts> missed{};
  // The facts whose outcome became kSlow, in the order it did; those missed later are left out
  // of the summary's list of slow facts.
  int32_t slow_count = 0;
  std::array<int32_t, kMemoryFacts> slow{};
};

// Notes that |fact| was answered right or wrong, |milliseconds| after it was shown, and
// keeps the memory at once where that changes the fact's outcome for the round: at most twice a
// fact (right, quickly or slowly, then missed when it comes again). So a round ended by Ctrl+C
// or a closed window loses nothing answered; and moving a fact up (or keeping it) and then back
// to box 1 ends where the whole round applied at once would. An answer that could not be kept
// is tried again with the next.
void NoteOutcome(RoundMemory& round, Fact fact, bool right, int64_t milliseconds) {
  int32_t index = SlotOfFact(fact);
  Outcome& outcome = round.outcomes[index];
  Outcome now = OutcomeAfterAnswer(outcome, right, milliseconds);
  if (now == outcome)
    return;
  outcome = now;
  if (now == Outcome::kMissed)
    round.missed[round.missed_count++] = index;
  if (now == Outcome::kSlow)
    round.slow[round.slow_count++] = index;
  // The day each answer is given: a round that crosses midnight counts its later answers on
  // the new day.
  int64_t clock = WallClockSeconds();
  NoteUnsaved(round.unsaved, round.log, round.memory, index, now, DayOfClock(clock), clock);
  if (round.may_keep)
    KeepUnsaved(round.log, round.unsaved);
}

// Where answers could not be kept, one last try; then, where some are still not kept, a row
// that says so and where the file is, rather than silence (right under the bar, so that the end
// of a round costs one row more only then), after the rows that say what was found among the
// memory's files (a link not followed, copies set aside that were removed). The path, kept in
// UTF-8, is shown as a learner's name is (Polish letters as themselves, anything else plain
// ASCII). Returns how many rows were shown.
int32_t KeepTheRest(RoundMemory& round) {
  if (!round.unsaved.answers.empty() && round.may_keep)
    KeepUnsaved(round.log, round.unsaved);
  EndMemoryLog(round.log);
  for (const std::string& notice : round.log.notices)
    PutLine(notice);
  int32_t rows = static_cast<int32_t>(round.log.notices.size());
  if (round.unsaved.answers.empty())
    return rows;
  if (round.file.path.empty()) {
    PutLine(kNotKeptNoPlace);
    return rows + 1;
  }
  PutText(kNotKept);
  PutLine(Cp852OfUtf8(round.file.path));
  return rows + 1;
}

// Asks |fact| until it is answered right. False when input ends first.
bool PractiseFact(Fact fact, RoundMemory& round) {
  for (int wrong_tries = 0;;) {
    PutQuestion(FactLabel(fact));
    int64_t shown = MonotonicMilliseconds();  // the reader shows it before it waits
    std::optional<int32_t> answer = ReadAnswerOrEnd();
    if (!answer)
      return false;
    int64_t took = MonotonicMilliseconds() - shown;
    if (*answer == AnswerOfFact(fact)) {
      RunCommand("color 07");
      PutBlankLines(1);
      PutLine(kRight);
      NoteOutcome(round, fact, true, took);
      return true;
    }
    RunCommand("color 0C");
    PutBlankLines(1);
    wrong_tries = CountWrongTry(wrong_tries, kTryShowingProduct);
    if (wrong_tries < kTryShowingProduct) {
      PutText(kWrongShort);
      PutChar(kBell);
      EndLine();
    } else {
      PutCorrection(FactLabel(fact), AnswerOfFact(fact));
    }
    NoteOutcome(round, fact, false, took);
  }
}

// The rows a terminal of 80 x 24 (GNOME Terminal's and xterm's own size) shows at once: the
// end of a round, from the last answer's verdict to KONIEC, fits in them.
constexpr int32_t kScreenRows = 24;
// The rows of that end beside the panel: the verdict, the bar, the legend, and the closing
// screen's empty row and five rows of art (the line end after the art comes after the key).
constexpr int32_t kRowsBesidePanel = 9;

// The end of the round: a whole row of full blocks right under the last verdict, the row that
// says what could not be kept (where some could not), then the grid with the lists beside it.
// Both kinds mixed: the lists, then the two grids side by side, which leave no room beside.
void PutRoundEnd(RoundMemory& round, bool finished, int32_t range, Kinds kinds) {
  if (!finished)
    EndLine();  // the question that input ended at
  for (int32_t i = 0; i < kConsoleWidth; ++i)
    PutChar(kFullBlock);
  EndLine();
  int32_t rows = kScreenRows - kRowsBesidePanel - KeepTheRest(round);
  std::vector<Fact> review, slow;
  for (int32_t i = 0; i < round.missed_count; ++i)
    review.push_back(FactOfSlot(round.missed[i]));
  for (int32_t i = 0; i < round.slow_count; ++i) {
    if (round.outcomes[round.slow[i]] == Outcome::kSlow)  // else missed later: to review
      slow.push_back(FactOfSlot(round.slow[i]));
  }
  bool all_right = finished && review.empty();
  if (kinds == (KindBit(FactKind::kMultiplication) | KindBit(FactKind::kDivision))) {
    for (const std::string& row :
         RoundListsPanel(all_right, review, slow, kConsoleWidth, rows - range - 2))
      PutLine(row);
    PutTableGrid(round.memory, range, kinds);
    return;
  }
  FactKind kind =
      kinds == KindBit(FactKind::kDivision) ? FactKind::kDivision : FactKind::kMultiplication;
  int32_t width = kConsoleWidth - PanelColumn(range);
  PutTableGridBeside(round.memory, range, RoundListsPanel(all_right, review, slow, width, rows),
                     kind);
}

}  // namespace

void RunPracticeRound(int32_t range, const MemoryFile& memory_file, Tables tables, Kinds kinds) {
  std::optional<int32_t> count = AskQuestionCount();
  if (!count)
    return;

  SeedGenerator(WallClockSecondsLow32());
  RoundMemory round{memory_file, true, {}, {}, {}};
  int64_t start = WallClockSeconds();
  round.may_keep = LoadMemory(memory_file, round.memory, round.log, start);
  Deck deck = NewDeck(range, kinds);
  KeepTables(deck, tables);
  ShuffleDeck(deck);
  PutDueFactsFirst(deck, round.memory, DayOfClock(start), *count);
  bool finished = true;
  for (int32_t i = 0; i < *count && finished; ++i)
    finished = PractiseFact(DealFact(deck), round);
  PutRoundEnd(round, finished, range, kinds);
}

void PrintPracticeClosingScreen() {
  PrintClosingArtWaitingBeside(1);
}
