// The card search written out plainly: a minimax over every line of play with linear
// lists of trick starts seen before. Slow; the shipped solver is checked and measured
// against it.
#pragma once

#include "opponent/solver_position.h"

namespace klondar::oracle {

SlotValues SolvePosition(const SolverPosition& position);

}  // namespace klondar::oracle
