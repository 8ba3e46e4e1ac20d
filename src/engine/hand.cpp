#include "hand.h"

namespace klondar {

namespace {

constexpr int kLastQuerySlot = 9;

// Finds the first slot (1..9) of the given suit filter holding the order value, trying
// values from the extreme inwards; between equal values the lower slot wins.
template <typename Accept>
int SearchByOrder(const HandCards& hand, const HandBytes& orders, bool highestFirst,
                  Accept accept) {
  for (int step = 0; step < 8; ++step) {
    const int value = highestFirst ? 8 - step : 1 + step;
    for (int slot = 1; slot <= kLastQuerySlot; ++slot) {
      if (hand[slot].IsEmpty() || orders[slot] != value) continue;
      if (accept(hand[slot])) return slot;
    }
  }
  return 0;
}

}  // namespace

bool HandHasSuit(const HandCards& hand, char suit) {
  for (int slot = 1; slot <= kLastQuerySlot; ++slot) {
    if (!hand[slot].IsEmpty() && hand[slot].suit == suit) return true;
  }
  return false;
}

bool HandHasCard(const HandCards& hand, CardCode code) { return HandCardSlot(hand, code) != 0; }

int HandCardSlot(const HandCards& hand, CardCode code) {
  if (code.IsEmpty()) return 0;
  int found = 0;
  for (int slot = 1; slot <= kLastQuerySlot; ++slot) {
    if (hand[slot] == code) found = slot;
  }
  return found;
}

int HighestOrderInSuit(const HandCards& hand, const HandBytes& orders, char suit) {
  const int slot = HighestSlotInSuit(hand, orders, suit);
  return slot == 0 ? 0 : orders[slot];
}

int HighestSlotInSuit(const HandCards& hand, const HandBytes& orders, char suit) {
  return SearchByOrder(hand, orders, true, [suit](CardCode c) { return c.suit == suit; });
}

int LowestSlotInSuit(const HandCards& hand, const HandBytes& orders, char suit) {
  return SearchByOrder(hand, orders, false, [suit](CardCode c) { return c.suit == suit; });
}

int HighestSlotOutsideSuit(const HandCards& hand, const HandBytes& orders, char suit) {
  const int outside =
      SearchByOrder(hand, orders, true, [suit](CardCode c) { return c.suit != suit; });
  if (outside != 0) return outside;
  return SearchByOrder(hand, orders, true, [](CardCode) { return true; });
}

int LowestSlot(const HandCards& hand, const HandBytes& orders) {
  return SearchByOrder(hand, orders, false, [](CardCode) { return true; });
}

const char* SuitGroupOrder(char trumpSuit) {
  static const char kForSpades[] = {kHearts, kClubs, kDiamonds, kSpades, 0};
  static const char kForClubs[] = {kHearts, kSpades, kDiamonds, kClubs, 0};
  static const char kForDiamonds[] = {kClubs, kHearts, kSpades, kDiamonds, 0};
  static const char kForHearts[] = {kClubs, kDiamonds, kSpades, kHearts, 0};
  switch (trumpSuit) {
    case kClubs:
      return kForClubs;
    case kDiamonds:
      return kForDiamonds;
    case kHearts:
      return kForHearts;
    default:
      return kForSpades;
  }
}

void SortCards(HandCards& hand, HandBytes& orders, HandBytes& points, std::uint8_t& count,
               char trumpSuit) {
  HandCards sortedCards;
  HandBytes sortedOrders{};
  HandBytes sortedPoints{};
  int next = 1;
  const char* groups = SuitGroupOrder(trumpSuit);
  for (int g = 0; g < 4; ++g) {
    for (int value = 1; value <= 9; ++value) {
      for (int slot = 1; slot <= 10; ++slot) {
        if (hand[slot].IsEmpty() || hand[slot].suit != groups[g] || orders[slot] != value) {
          continue;
        }
        sortedCards[next] = hand[slot];
        sortedOrders[next] = orders[slot];
        sortedPoints[next] = points[slot];
        ++next;
      }
    }
  }
  count = static_cast<std::uint8_t>(next - 1);
  for (; next <= 10; ++next) {
    sortedCards[next] = kEmptyCard;
    sortedOrders[next] = kEmptyByte;
    sortedPoints[next] = kEmptyByte;
  }
  for (int slot = 1; slot <= 10; ++slot) {
    hand[slot] = sortedCards[slot];
    orders[slot] = sortedOrders[slot];
    points[slot] = sortedPoints[slot];
  }
}

void PutCard(GameState& state, int player, int slot, CardCode card, std::uint8_t order,
             std::uint8_t points) {
  state.hand[player][slot] = card;
  state.handOrder[player][slot] = order;
  state.handPoints[player][slot] = points;
}

void EmptySlot(GameState& state, int player, int slot) {
  PutCard(state, player, slot, kEmptyCard, kEmptyByte, kEmptyByte);
}

void PutCardPlain(GameState& state, int player, int slot, CardCode card) {
  PutCard(state, player, slot, card, static_cast<std::uint8_t>(SequenceOrder(card.rank)),
          PlainPoints(card.rank));
}

void SortHand(GameState& state, int player) {
  SortCards(state.hand[player], state.handOrder[player], state.handPoints[player],
            state.handCount[player], state.trumpSuit);
}

}  // namespace klondar
