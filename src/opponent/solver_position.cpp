#include "solver_position.h"

namespace klondar {

SolverPosition PositionWith(const GameState& state, const SolverHand& userHand) {
  SolverPosition position;
  position.hands[1] = {state.hand[1], state.handOrder[1], state.handPoints[1]};
  position.hands[2] = userHand;
  position.trickPos = state.trickPos;
  if (state.trickPos == 2) {
    position.trick[1] = state.trick[1];
    position.trickOrder[1] = state.trickOrder[1];
    position.trickPoints[1] = state.trickPoints[1];
  }
  position.trumpSuit = state.trumpSuit;
  position.taker = state.taker;
  position.points = state.dealPoints;
  position.pruning = state.trickNumber <= 5;
  position.optMustOvertrump = state.options.optMustOvertrump;
  position.optBellaFirstHandOnly = state.options.optBellaFirstHandOnly;
  return position;
}

SolverPosition KnownPosition(const GameState& state) {
  return PositionWith(state, {state.hand[2], state.handOrder[2], state.handPoints[2]});
}

}  // namespace klondar
