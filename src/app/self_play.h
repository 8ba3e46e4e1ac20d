// Whole games between two computer players, driven through the game flow's inputs as a
// player would drive them, with the invariants of every deal checked on the way.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/game_state.h"

namespace klondar {

struct GameReport {
  int deals = 0;             // deals played to the ninth trick
  int thrownIn = 0;          // deals thrown in after four passes
  std::int32_t points1 = 0;  // game totals before the summing up
  std::int32_t points2 = 0;
  std::vector<std::string> failures;
};

struct SelfPlayConfig {
  RuleOptions rules;
  std::uint64_t seed = 1;
  std::string name1 = "P1";
  std::string name2 = "P2";
  // Stop after this many deals (0: play the game to its end).
  int dealLimit = 0;
};

// Plays one game; with trace set, prints every deal's hands, bids, combinations and tricks.
GameReport PlaySelfGame(const SelfPlayConfig& config, std::ostream* trace);

}  // namespace klondar
