// Exact search of a fully known position to the end of the deal. Every node maximises
// its own side's final difference with the contract rule applied at the end (a tie gives
// the contract holder nothing, a lower total gives the defenders all); in the first five
// tricks the answer filters apply at every node.
//
// Alpha-beta with bounds kept per trick start. While neither hand holds both king and
// queen of trumps no Bella can follow, the final difference is a non-decreasing function
// of the contract holder's share of the remaining points, and that share is searched
// without the points so far, so that trick starts reached with different scores share one
// entry. While Bella is still possible the points are part of the position.
#pragma once

#include <optional>

#include "bound_table.h"
#include "solver_cards.h"
#include "solver_position.h"

namespace klondar {

class DealSolver {
 public:
  // The value of each of player 1's cards that may be played now (filters included);
  // kNotEvaluated elsewhere. What was learnt is kept for the next positions under the
  // same trump suit and options.
  SlotValues Solve(const SolverPosition& position);

 private:
  using CardSet = solver::CardSet;

  // Sides: 0 holds the contract, 1 defends. Hands are indexed by side.
  // The contract holder's share of the points of the tricks from here on (last-trick
  // bonus included); fail-soft within (alpha, beta).
  int LeadShare(CardSet holder, CardSet defender, int leader, int alpha, int beta);
  int AnswerShare(CardSet holder, CardSet defender, int answerer, int led, int alpha, int beta);
  // The contract holder's final difference given both sides' points so far.
  int LeadValue(CardSet holder, CardSet defender, int leader, int holderPoints, int defenderPoints,
                int alpha, int beta);
  int AnswerValue(CardSet holder, CardSet defender, int answerer, int led, int holderPoints,
                  int defenderPoints, int alpha, int beta);
  // Where no Bella can follow: the share searched in the window that decides the value.
  int ValueByShare(CardSet holder, CardSet defender, int mover, int led, int holderPoints,
                   int defenderPoints, int alpha, int beta);

  std::optional<solver::CardTable> cards_;
  solver::BoundTable shares_;
  solver::BoundTable values_;
};

// The per-slot values of one position with a fresh solver.
SlotValues SolvePosition(const SolverPosition& position);

}  // namespace klondar
