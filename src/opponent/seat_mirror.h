// The game seen from the other seat: players 1 and 2 swapped, so that the computer's
// decisions can be asked for player 2 (self-play, demonstrations).
#pragma once

#include "engine/game_state.h"

namespace klondar {

GameState MirrorSeats(const GameState& state);

}  // namespace klondar
