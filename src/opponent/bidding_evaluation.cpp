#include "bidding_evaluation.h"

#include <array>
#include <cstdint>

#include "engine/runs.h"

namespace klondar {

namespace {

struct ScenarioValues {
  std::array<std::int32_t, 5> suitStrength{};  // suits 1..4 in the order h, d, c, s
  std::int32_t bonusPoints = 0;
};

// The card's worth if its suit were trump, plus 3.
std::int32_t Weight(char rank) {
  switch (rank) {
    case kJack:
      return 23;
    case kNine:
      return 17;
    case kAce:
      return 14;
    case kTen:
      return 13;
    case kKing:
      return 7;
    case kQueen:
      return 6;
    default:
      return 5;  // eight and seven
  }
}

bool Holds(const HandCards& hand, CardCode card) {
  for (int slot = 1; slot <= 9; ++slot) {
    if (hand[slot] == card) return true;
  }
  return false;
}

ScenarioValues Evaluate(const HandCards& hand, const HandBytes& orders, char proposedTrump) {
  ScenarioValues values;
  for (int s = 1; s <= 4; ++s) {
    const char suit = kSuits[s];
    for (int slot = 1; slot <= 9; ++slot) {
      if (!hand[slot].IsEmpty() && hand[slot].suit == suit) {
        values.suitStrength[s] += Weight(hand[slot].rank);
      }
    }
    if (Holds(hand, MakeCard(kKing, suit)) && Holds(hand, MakeCard(kQueen, suit))) {
      values.suitStrength[s] += 20;
    }
  }
  for (const RunWindow& run : FindRuns(hand, orders)) {
    values.bonusPoints += run.length == 4 ? 50 : 20;
  }
  for (int slot = 1; slot <= 9; ++slot) {
    if (hand[slot].rank == kAce && hand[slot].suit != proposedTrump) values.bonusPoints += 11;
  }
  return values;
}

}  // namespace

HandEvaluation EvaluateHandForTrump(const HandCards& hand, const HandBytes& orders,
                                    char proposedTrump, CardCode turnedCard, bool exchangeAllowed,
                                    int firstBidder) {
  const ScenarioValues first = Evaluate(hand, orders, proposedTrump);
  HandEvaluation evaluation;
  ScenarioValues chosen = first;

  const bool proposed = proposedTrump != kNoSuit;
  int sevenSlot = 0;
  if (proposed && exchangeAllowed) {
    for (int slot = 1; slot <= 9; ++slot) {
      if (hand[slot] == MakeCard(kSeven, proposedTrump)) sevenSlot = slot;
    }
  }
  if (sevenSlot != 0) {
    // The hand after the exchange, with the exchanged part in ascending sequence order
    // as the run detector expects it.
    HandCards swapped = hand;
    HandBytes swappedOrders = orders;
    swapped[sevenSlot] = turnedCard;
    swappedOrders[sevenSlot] = static_cast<std::uint8_t>(SequenceOrder(turnedCard.rank));
    HandCards arranged = swapped;
    HandBytes arrangedOrders = swappedOrders;
    int next = sevenSlot;
    for (int value = 1; value <= 8; ++value) {
      for (int slot = sevenSlot; slot <= 9; ++slot) {
        if (swapped[slot].IsEmpty() || swappedOrders[slot] != value) continue;
        arranged[next] = swapped[slot];
        arrangedOrders[next] = swappedOrders[slot];
        ++next;
      }
    }
    for (; next <= 9; ++next) {
      arranged[next] = kEmptyCard;
      arrangedOrders[next] = kEmptyByte;
    }
    const ScenarioValues second = Evaluate(arranged, arrangedOrders, proposedTrump);
    const int t = SuitIndex(proposedTrump);
    const std::int32_t before = first.bonusPoints + first.suitStrength[t];
    const std::int32_t after = second.bonusPoints + second.suitStrength[t];
    evaluation.exchangeBetter = after > before || (after == before && turnedCard.rank == kJack);
    if (evaluation.exchangeBetter) chosen = second;
  }

  int best = 0;
  std::int32_t max = 0;
  for (int s = 1; s <= 4; ++s) {
    if (chosen.suitStrength[s] >= max) {
      max = chosen.suitStrength[s];
      best = s;
    }
  }
  const std::int32_t bonus = chosen.bonusPoints;

  if (proposed) {
    const std::int32_t tStrength = chosen.suitStrength[SuitIndex(proposedTrump)];
    bool take;
    if (firstBidder == 1) {
      const bool threshold = bonus == 0 ? tStrength >= 40 : tStrength + bonus >= 52;
      take = (tStrength >= max || evaluation.exchangeBetter) && threshold;
    } else {
      take = bonus == 0 ? tStrength >= 37 : tStrength + bonus >= 48;
    }
    evaluation.result = take ? proposedTrump : kNoSuit;
  } else {
    const bool strongEnough = max + bonus >= 35 && kSuits[best] != turnedCard.suit;
    evaluation.result = strongEnough ? kSuits[best] : kNoSuit;
  }
  return evaluation;
}

bool AcceptProposedTrump(const GameState& state) {
  return EvaluateHandForTrump(state.hand[1], state.handOrder[1], state.trumpSuit, state.deck[32],
                              true, state.firstBidder)
             .result == state.trumpSuit;
}

char ChooseTrumpSuit(const GameState& state) {
  return EvaluateHandForTrump(state.hand[1], state.handOrder[1], kNoSuit, state.deck[32], true,
                              state.firstBidder)
      .result;
}

bool WantsSevenExchange(const GameState& state) {
  return EvaluateHandForTrump(state.hand[1], state.handOrder[1], state.trumpSuit, state.deck[32],
                              state.options.optTrumpSevenExchange, state.firstBidder)
      .exchangeBetter;
}

}  // namespace klondar
