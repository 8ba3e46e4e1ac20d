// Mid-deal situations for the solver tests and benchmarks: a seeded random deal played at
// random up to the moment player 1 is to play, with the computer's card knowledge kept as
// the engine keeps it.
#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "opponent/card_knowledge.h"

namespace klondar::oracle {

struct DealShape {
  int computerCards = 8;  // cards player 1 holds when it is to play: 1..8 (trick 10 - cards)
  bool computerLeads = true;
  int taker = 1;
  bool mustOvertrump = true;
  bool bellaFirstHandOnly = false;
};

struct MidDeal {
  GameState state;
  CardKnowledge knowledge;
};

MidDeal RandomMidDeal(std::uint64_t seed, const DealShape& shape);

}  // namespace klondar::oracle
