// Cards and hands written as ASCII text ("Jh 9h Ah") for the opponent tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hand.h"

namespace klondar::hand_text {

inline CardCode Card(std::string_view ascii) {
  const auto card = CardFromAscii(ascii);
  EXPECT_TRUE(card.has_value()) << "bad card text: " << ascii;
  return card.value_or(kEmptyCard);
}

inline std::vector<CardCode> Cards(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<CardCode> cards;
  for (std::string word; in >> word;) cards.push_back(Card(word));
  return cards;
}

// The suit of a suit letter h, d, c, s.
inline char Suit(char letter) {
  const char suit = SuitFromAscii(letter);
  EXPECT_TRUE(IsSuit(suit)) << "bad suit letter: " << letter;
  return suit;
}

// The player's slots hold the cards with sequence orders and plain points, sorted by
// the state's trump suit, as during bidding.
inline void DealHand(GameState& state, int player, std::string_view text) {
  for (int slot = 1; slot <= 10; ++slot) EmptySlot(state, player, slot);
  int slot = 1;
  for (const CardCode card : Cards(text)) PutCardPlain(state, player, slot++, card);
  SortHand(state, player);
}

// The hand's order and point bytes become trick values, as when play starts.
inline void UseTrickValues(GameState& state, int player) {
  for (int slot = 1; slot <= 10; ++slot) {
    const CardCode card = state.hand[player][slot];
    if (card.IsEmpty()) continue;
    state.handOrder[player][slot] = TrickOrder(card, state.trumpSuit);
    state.handPoints[player][slot] = TrickPoints(card, state.trumpSuit);
  }
  SortHand(state, player);
}

// The cards as sorted ASCII words, so that two card lists compare as text.
template <typename Range>
std::string SortedAscii(const Range& cards, bool distinct = false) {
  std::vector<std::string> words;
  for (const CardCode card : cards) {
    if (!card.IsEmpty()) words.push_back(ToAscii(card));
  }
  std::sort(words.begin(), words.end());
  if (distinct) words.erase(std::unique(words.begin(), words.end()), words.end());
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

// The set of cards named in the text, written as SortedAscii writes a list.
inline std::string SortedText(std::string_view text) { return SortedAscii(Cards(text), true); }

}  // namespace klondar::hand_text
