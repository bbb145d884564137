#include "quiz/deck.h"

#include <utility>

#include "quiz/generator.h"

Deck NewDeck(int32_t range) {
  Deck deck{};
  deck.range = range;
  deck.size = range * range;
  deck.next = 0;
  for (int32_t k = 0; k < deck.size; ++k)
    deck.cards[k] = k;
  return deck;
}

void ShuffleDeck(Deck& deck) {
  for (int32_t i = deck.size - 1; i >= 1; --i) {
    int32_t j = DrawNumber() % (i + 1);
    std::swap(deck.cards[i], deck.cards[j]);
  }
  deck.next = 0;
}

Question DealQuestion(Deck& deck) {
  if (deck.next == deck.size)
    ShuffleDeck(deck);
  return FactOfIndex(deck.cards[deck.next++], deck.range);
}

Question FactOfIndex(int32_t index, int32_t range) {
  return Question{index / range + 1, index % range + 1};
}
