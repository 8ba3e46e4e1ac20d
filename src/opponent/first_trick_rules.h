// Player 1's card for the first trick of a deal: fixed rules on its own holding in each
// suit, the trump suit, the led card and the cards of player 2 shown on the table.
#pragma once

#include "engine/game_state.h"

namespace klondar {

// Player 1's slot 1..9 to play: a lead when trick position 1 is empty, else an answer
// to it. Player 1's order bytes must hold trick orders. The card is always legal.
int ChooseFirstTrickCard(const GameState& state);

}  // namespace klondar
