// Queries on one player's hand slots and the hand sort. The queries look at slots 1..9.
#pragma once

#include <cstdint>

#include "game_state.h"

namespace klondar {

bool HandHasSuit(const HandCards& hand, char suit);
bool HandHasCard(const HandCards& hand, CardCode code);
// The slot holding the code (the last match when scanning 1..9), 0 if none.
int HandCardSlot(const HandCards& hand, CardCode code);
// Highest order value (1..8) held in the suit, 0 if none.
int HighestOrderInSuit(const HandCards& hand, const HandBytes& orders, char suit);
int HighestSlotInSuit(const HandCards& hand, const HandBytes& orders, char suit);
int LowestSlotInSuit(const HandCards& hand, const HandBytes& orders, char suit);
// Highest-order card not of the suit; when every card is of the suit, the highest-order
// card of any suit; 0 for an empty hand.
int HighestSlotOutsideSuit(const HandCards& hand, const HandBytes& orders, char suit);
int LowestSlot(const HandCards& hand, const HandBytes& orders);

// Sorts slots 1..10 into suit groups (trump last, colours alternating), ascending order
// within a group, empty slots at the end; stores the number of cards into count.
void SortCards(HandCards& hand, HandBytes& orders, HandBytes& points, std::uint8_t& count,
               char trumpSuit);
// The suit groups from left to right for a trump suit (any non-suit: as for spades).
const char* SuitGroupOrder(char trumpSuit);

// Slot writes keeping the three parallel values together.
void PutCard(GameState& state, int player, int slot, CardCode card, std::uint8_t order,
             std::uint8_t points);
void EmptySlot(GameState& state, int player, int slot);
// A card with its sequence order and plain points.
void PutCardPlain(GameState& state, int player, int slot, CardCode card);
void SortHand(GameState& state, int player);

}  // namespace klondar
