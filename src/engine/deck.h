// The 32-card deck and its shuffle.
#pragma once

#include "game_state.h"
#include "random_source.h"

namespace klondar {

// Fills deck, deckOrder and deckPoints with a uniformly random permutation of the 32
// cards (sequence orders and plain points).
void ShuffleDeck(GameState& state, RandomSource& random);

// Stores one card with its sequence order and plain points at a deck position.
void PutDeckCard(GameState& state, int position, CardCode card);

}  // namespace klondar
