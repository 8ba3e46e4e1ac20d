// A fully known position for the card search: both hands, the trick on the table and the
// deal's points so far, with player 1 to move.
#pragma once

#include <array>
#include <cstdint>

#include "engine/game_state.h"

namespace klondar {

// The value of a slot that was not evaluated: empty, not playable now, or left out by the
// move filters of the early tricks.
inline constexpr std::int32_t kNotEvaluated = 1000;

// Player 1's outcome per slot 1..9 (index 0 unused): its deal points minus player 2's at
// the end of the deal under best play by both, after the contract rule; kNotEvaluated for
// a slot without a value.
using SlotValues = std::array<std::int32_t, 10>;

// One player's slots 1..9 with trick orders and points, as the hands hold them in trick
// play: suits grouped, ascending trick order within a suit, empty slots anywhere.
struct SolverHand {
  HandCards cards{};
  HandBytes orders{};
  HandBytes points{};
};

// Player 2 holds as many cards as player 1, one fewer when it has led the trick.
struct SolverPosition {
  std::array<SolverHand, 3> hands{};  // players 1 and 2
  // trick[1] is the led card when trickPos is 2 (player 2 led); empty otherwise.
  std::array<CardCode, 3> trick{};
  std::array<std::uint8_t, 3> trickOrder{};
  std::array<std::uint8_t, 3> trickPoints{};
  int trickPos = 1;
  char trumpSuit = kNoSuit;
  int taker = 1;                         // 1 or 2
  std::array<std::int32_t, 3> points{};  // deal points of players 1 and 2 so far
  // The answer filters and the reuse of trick starts of the first five tricks.
  bool pruning = false;
  bool optMustOvertrump = true;
  bool optBellaFirstHandOnly = false;
};

// The position of the state, player 1 to move, with the given hand for player 2.
SolverPosition PositionWith(const GameState& state, const SolverHand& userHand);
// The same with player 2's real hand: a fully known position.
SolverPosition KnownPosition(const GameState& state);

}  // namespace klondar
