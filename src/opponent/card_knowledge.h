// What the computer may know of the cards: per player, cards that cannot be in the hand
// and cards known to be in it. Slot lists 1..32, "##" in empty slots.
#pragma once

#include <array>

#include "engine/game_state.h"

namespace klondar {

using KnowledgeTable = std::array<CardCode, 33>;

struct CardKnowledge {
  // Four tables of each kind are kept; players 1 and 2 use theirs.
  std::array<KnowledgeTable, 5> ruledOut{};
  std::array<KnowledgeTable, 5> knownHeld{};

  void Clear();
};

// Writes the card into the first empty slot unless it is listed already.
void AddCardToTable(CardCode card, KnowledgeTable& table);
bool TableHasCard(const KnowledgeTable& table, CardCode card);

// After a card was placed at trickPos of trick (before trickPos advances): the card is
// seen by both sides; an answer that did not follow suit, did not trump or did not
// overtrump as required rules cards out for the answering player.
void NoteCardPlayed(CardKnowledge& knowledge, int trickPos, const std::array<CardCode, 3>& trick,
                    const std::array<std::uint8_t, 3>& trickOrder, bool optMustOvertrump,
                    char trumpSuit, int leader);

// The deal-time updates, in the order they happen.
void NoteExchangedCard(CardKnowledge& knowledge, int player, CardCode turnedUp);
void NoteShownCards(CardKnowledge& knowledge, const GameState& state, int winner);
void NoteVisibleCards(CardKnowledge& knowledge, const GameState& state);
void NotePlayedByPlayer(CardKnowledge& knowledge, const GameState& state, int player);

}  // namespace klondar
