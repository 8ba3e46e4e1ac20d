#include "deck.h"

#include <array>
#include <utility>

namespace klondar {

void PutDeckCard(GameState& state, int position, CardCode card) {
  state.deck[position] = card;
  state.deckOrder[position] = static_cast<std::uint8_t>(SequenceOrder(card.rank));
  state.deckPoints[position] = PlainPoints(card.rank);
}

void ShuffleDeck(GameState& state, RandomSource& random) {
  std::array<int, 32> numbers;
  for (int i = 0; i < 32; ++i) numbers[i] = i + 1;
  // Fisher-Yates: every permutation equally likely, one draw per position.
  for (int i = 31; i > 0; --i) {
    const int j = static_cast<int>(random.Below(static_cast<std::uint32_t>(i + 1)));
    std::swap(numbers[i], numbers[j]);
  }
  for (int position = 1; position <= 32; ++position) {
    PutDeckCard(state, position, CardFromNumber(numbers[position - 1]));
  }
}

}  // namespace klondar
