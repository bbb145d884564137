#include "practice/deck.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "quiz/generator.h"

Deck NewDeck(int32_t range, Kinds kinds) {
  Deck deck{};
  deck.range = range;
  deck.size = 0;
  deck.next = 0;
  for (int32_t kind = 0; kind < kFactKinds; ++kind) {
    if ((kinds & KindBit(static_cast<FactKind>(kind))) == 0)
      continue;
    for (int32_t k = 0; k < range * range; ++k)
      deck.cards[deck.size++] = kind * range * range + k;
  }
  return deck;
}

void KeepTables(Deck& deck, Tables tables) {
  int32_t kept = 0;
  for (int32_t i = 0; i < deck.size; ++i) {
    Fact fact = FactOfIndex(deck.cards[i], deck.range);
    Tables of =
        fact.kind == FactKind::kDivision ? TableBit(fact.a) : TableBit(fact.a) | TableBit(fact.b);
    if ((tables & of) != 0)
      deck.cards[kept++] = deck.cards[i];
  }
  deck.size = kept;
  deck.next = 0;
}

void ShuffleDeck(Deck& deck) {
  for (int32_t i = deck.size - 1; i >= 1; --i) {
    int32_t j = DrawNumber() % (i + 1);
    std::swap(deck.cards[i], deck.cards[j]);
  }
  deck.next = 0;
}

int32_t RoomForNewFacts(int32_t questions) {
  return std::max(kLeastNewFacts, questions / 4);
}

void PutDueFactsFirst(Deck& deck, const Memory& memory, int32_t today, int32_t questions) {
  std::vector<int32_t> due, fresh, rest;
  for (int32_t i = 0; i < deck.size; ++i) {
    FactMemory fact = memory.facts[SlotOfFact(FactOfIndex(deck.cards[i], deck.range))];
    (fact.box == 0 ? fresh : IsDue(fact, today) ? due : rest).push_back(deck.cards[i]);
  }
  auto key = [&](int32_t card) {
    FactMemory fact = memory.facts[SlotOfFact(FactOfIndex(card, deck.range))];
    return std::make_pair(fact.box, fact.day);
  };
  std::stable_sort(due.begin(), due.end(), [&](int32_t x, int32_t y) { return key(x) < key(y); });
  int32_t due_count = static_cast<int32_t>(due.size());
  int32_t room = std::min(static_cast<int32_t>(fresh.size()),
                          std::max(RoomForNewFacts(questions), questions - due_count));
  size_t due_first = static_cast<size_t>(std::clamp(questions - room, 0, due_count));
  std::vector<int32_t> order(due.begin(), due.begin() + due_first);
  order.insert(order.end(), fresh.begin(), fresh.begin() + room);
  order.insert(order.end(), due.begin() + due_first, due.end());
  order.insert(order.end(), fresh.begin() + room, fresh.end());
  order.insert(order.end(), rest.begin(), rest.end());
  std::copy(order.begin(), order.end(), deck.cards.begin());
  deck.next = 0;
}

Fact DealFact(Deck& deck) {
  if (deck.next == deck.size)
    ShuffleDeck(deck);
  return FactOfIndex(deck.cards[deck.next++], deck.range);
}

Fact FactOfIndex(int32_t index, int32_t range) {
  int32_t within = index % (range * range);
  return Fact{static_cast<FactKind>(index / (range * range)), within / range + 1,
              within % range + 1};
}
