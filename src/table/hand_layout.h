// A hand row: where each card of a hand lies, and which card lies under a point.
#pragma once

#include <array>

#include "engine/game_state.h"

namespace klondar::table {

struct HandRow {
  HandCards cards{};              // slots 1..10 as drawn, "##" empty
  std::array<int, 11> x{};        // left edge of each drawn slot
  int cardWidth = 71;
};

// Lays the cards of the hand out between left and right: side by side with a 3-pixel gap,
// centred, when they fit; otherwise overlapping evenly from left. Empty slots are skipped.
HandRow LayoutHand(const HandCards& cards, int left, int right, int cardWidth);
// The x of the card in slot, or of the place it would take, among count cards in order.
int LayoutX(int index, int count, int left, int right, int cardWidth);
// The slot under x: each card covers from its x to the next card's x, the last its full
// width; 0 when none.
int CardUnderX(const HandRow& row, int x);
// The slot of a card in the row, 0 when it is not there.
int SlotOfCard(const HandRow& row, CardCode card);

}  // namespace klondar::table
