// The computer's card from the second trick on: player 2's unseen cards are dealt at
// random many times, each such deal is solved exactly to the end, and the card with the
// best total over the samples is played. Player 2's real hand is never read; what is
// known of it comes from the card knowledge.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "card_knowledge.h"
#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/table_view.h"
#include "solver_position.h"

namespace klondar {

// The number of samples for the cards player 1 holds: many when the deals are small.
int SampleCount(int cardsHeld);

// The cards that may be in player 2's hand without being known there: neither ruled out
// for player 2 nor known to be held by it, ranks seven to ace and within a rank hearts,
// diamonds, clubs, spades.
std::vector<CardCode> UnseenPool(const CardKnowledge& knowledge);

// One random hand for player 2: its known cards (knownHeld slots 1..9) and as many
// distinct pool cards, drawn uniformly, as its hand count still needs, taken in pool
// order; with trick orders and points, sorted by suit groups (no trump group) and
// ascending order. A pool too small for the hand, which knowledge kept by the rules never
// leaves, gives a short hand rather than an endless draw.
SolverHand SampleUserHand(const GameState& state, const CardKnowledge& knowledge,
                          const std::vector<CardCode>& pool, RandomSource& random);

// The per-slot values of one fully known position.
using PositionSolver = std::function<SlotValues(const SolverPosition&)>;

struct SamplingDecision {
  int slot = 1;
  // Per slot 1..9: the sum of the slot's values over the samples, and whether the last
  // sample evaluated it.
  std::array<std::int32_t, 10> totals{};
  std::array<bool, 10> valid{};
};

// The whole decision with its totals; shows the progress of the samples.
SamplingDecision DecideBySampling(const GameState& state, const CardKnowledge& knowledge,
                                  RandomSource& random, TableView& view,
                                  const PositionSolver& solve);

// Player 1's slot (1..9) to play now, from the second trick on, leading or answering.
// Sums each playable slot's value over the samples and plays the largest total, the
// lowest slot on a tie; with one card left it plays that card without sampling. Shows
// the progress and the hourglass pointer through the view while it works.
int ChooseCardBySampling(const GameState& state, const CardKnowledge& knowledge,
                         RandomSource& random, TableView& view, const PositionSolver& solve);
// The same with the shipped exact solver.
int ChooseCardBySampling(const GameState& state, const CardKnowledge& knowledge,
                         RandomSource& random, TableView& view);

}  // namespace klondar
