// The deck of facts that practice deals its questions from, so that no fact comes again before
// every fact has come once.
#ifndef PRACTICE_DECK_H_
#define PRACTICE_DECK_H_

#include <array>
#include <cstdint>

#include "practice/fact.h"
#include "practice/memory.h"
#include "quiz/question.h"

/// The largest range a deck holds every fact of: every fact practice remembers.
constexpr int32_t kMaxDeckRange = kFactRange;

/// Every fact of the kinds a round asks with numbers from 1 to |range|, as indices kind *
/// range * range + (a - 1) * range + (b - 1): multiplication's a x b first, as they always were.
struct Deck {
  int32_t range;
  int32_t size;  // range * range for each kind
  int32_t next;  // the card dealt next
  std::array<int32_t, kFactKinds * kMaxDeckRange * kMaxDeckRange> cards;  // the first |size|
};

/// The tables a round asks, one bit each: TableBit(t) for the table of t, the multiplications
/// with t as either factor (7 x 3 and 3 x 7 both belong to the table of 7) and the divisions
/// by t (21 : 7, not 21 : 3).
using Tables = uint32_t;
constexpr Tables TableBit(int32_t table) {
  return Tables{1} << table;
}
constexpr Tables kEveryTable = ~Tables{0};

/// The deck of the facts of |kinds| for |range| (1 to kMaxDeckRange) in index order, none dealt
/// yet.
Deck NewDeck(int32_t range, Kinds kinds = KindBit(FactKind::kMultiplication));

/// Leaves in the deck only the facts of |tables|, in the order they had; with kEveryTable,
/// every fact. Dealing starts again at the first card.
void KeepTables(Deck& deck, Tables tables);

/// Shuffles the deck as it stands: for i from size - 1 down to 1, swaps card i with card
/// j = (one draw of the generator) mod (i + 1). Dealing starts again at the first card.
void ShuffleDeck(Deck& deck);

/// How many of a round's questions are kept for facts never asked, however many are due: a
/// quarter of the round, at least kLeastNewFacts (where the deck has that many new ones).
constexpr int32_t kLeastNewFacts = 2;
int32_t RoomForNewFacts(int32_t questions);

/// Orders the deck for a round of |questions| on day |today| with |memory|: the facts that are
/// due first (box 1 before box 2 and so on, within a box the one asked longest ago first, and
/// where that is the same too, in the order the deck had), but only so many that
/// RoomForNewFacts(|questions|) are left for facts never asked, or more where fewer are due;
/// then those new facts, then the due facts that did not fit, then the other new facts, then
/// the rest, each in the order the deck had. So with nothing due and nothing asked yet the deck
/// stays as it was, and every fact of the deck is asked within a bounded number of rounds.
/// Dealing starts again at the first card.
void PutDueFactsFirst(Deck& deck, const Memory& memory, int32_t today, int32_t questions);

/// The next card's fact; once every card has been dealt, the deck is shuffled again first.
Fact DealFact(Deck& deck);

/// The fact that card |index| stands for in a deck of |range|.
Fact FactOfIndex(int32_t index, int32_t range);

#endif  // PRACTICE_DECK_H_
