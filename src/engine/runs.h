// Runs of three and four cards of one suit in a sorted hand.
#pragma once

#include <vector>

#include "game_state.h"

namespace klondar {

struct RunWindow {
  int topSlot = 0;  // slots topSlot-length+1 .. topSlot
  int length = 0;   // 4 or 3
};

// The combinations of a hand sorted by SortCards (a suit's cards adjacent, ascending
// sequence order), slots 1..9: four-windows top slot 9 first, then three-windows top
// slot 9 first, after cutting longer runs from the top.
std::vector<RunWindow> FindRuns(const HandCards& hand, const HandBytes& orders);

// Strength 1..22 of a run whose top card has the given rank.
int RunStrength(int length, char topRank, bool isTrump);

}  // namespace klondar
