#include "first_trick_rules.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/hand.h"

namespace klondar {

namespace {

// The ranks held or shown in one suit: bit 0 the seven .. bit 7 the ace.
using RankSet = std::uint8_t;

constexpr std::string_view kRankLetters = "789TJQKA";

constexpr int OrderOfLetter(char letter) { return static_cast<int>(kRankLetters.find(letter)) + 1; }

// "K Q 7": the set of those ranks.
constexpr RankSet Ranks(std::string_view letters) {
  unsigned set = 0;
  for (const char letter : letters) {
    if (letter != ' ') set |= 1u << (OrderOfLetter(letter) - 1);
  }
  return static_cast<RankSet>(set);
}

RankSet RankBit(char rank) { return static_cast<RankSet>(1u << (SequenceOrder(rank) - 1)); }

int CountOf(RankSet set) { return std::popcount(set); }

// An exact holding of one suit and the card played from it.
struct HoldingPlay {
  RankSet holding;
  char rank;
};

constexpr HoldingPlay Play(std::string_view holding, char letter) {
  return {Ranks(holding), kRanks[OrderOfLetter(letter)]};
}

// Leads tried in every plain suit, in this order.
constexpr std::array kLeadsInAnySuit = {
    Play("7", '7'),
    Play("8", '8'),
    Play("9", '9'),
    Play("J", 'J'),
    Play("Q", 'Q'),
    Play("K", 'K'),
    Play("8 7", '7'),
    Play("9 7", '7'),
    Play("9 8", '8'),
    Play("9 8 7", '7'),
    Play("T", 'T'),
    Play("A", 'A'),
    Play("J 9 8 7", '7'),
    Play("Q J 9 8 7", '7'),
    Play("K Q J 9 8 7", '7'),
    Play("T K Q J 9 8 7", '7'),
    Play("A T K Q J 9 8 7", '7'),
};

// Leads of a short suit headed by an honour, tried in this order only in a plain suit of
// which player 2 has shown nothing.
constexpr std::array kLeadsInUnseenSuit = {
    Play("J 7", 'J'),       Play("J 8", 'J'),       Play("J 9", 'J'),       Play("Q 7", 'Q'),
    Play("Q 8", 'Q'),       Play("Q 9", 'Q'),       Play("Q J", 'Q'),       Play("K 7", 'K'),
    Play("K 8", 'K'),       Play("K 9", 'K'),       Play("K J", 'K'),       Play("K Q", 'K'),
    Play("J 8 7", 'J'),     Play("J 9 7", 'J'),     Play("J 9 8", 'J'),     Play("Q 8 7", 'Q'),
    Play("Q 9 7", 'Q'),     Play("Q 9 8", 'Q'),     Play("Q J 7", 'J'),     Play("Q J 8", 'J'),
    Play("Q J 9", 'J'),     Play("K 8 7", 'K'),     Play("K 9 7", 'K'),     Play("K 9 8", 'K'),
    Play("K Q 7", 'Q'),     Play("K Q 8", 'Q'),     Play("K Q 9", 'Q'),     Play("K Q J", 'J'),
    Play("Q 9 8 7", 'Q'),   Play("Q J 8 7", 'J'),   Play("Q J 9 7", 'J'),   Play("Q J 9 8", 'J'),
    Play("K 9 8 7", 'K'),   Play("K Q 8 7", 'Q'),   Play("K Q 9 7", 'Q'),   Play("T K Q 7", 'Q'),
    Play("K Q J 7", 'K'),   Play("K Q J 8", 'K'),   Play("K Q J 9", 'K'),   Play("K Q J 9 8", 'K'),
    Play("K Q J 9 7", 'K'), Play("K Q J 8 7", 'K'), Play("K Q 9 8 7", 'Q'), Play("K J 9 8 7", 'K'),
};

// The ace is led from a holding of this many cards that contains these ranks.
struct AceLead {
  int size;
  RankSet required;
};

constexpr std::array kAceLeads = {
    AceLead{7, Ranks("A")},       AceLead{6, Ranks("A T")},   AceLead{5, Ranks("A T K")},
    AceLead{4, Ranks("A T K Q")}, AceLead{3, Ranks("A T K")}, AceLead{2, Ranks("A T")},
};

// What player 2 has shown of the led suit for a duck to be worth it.
enum class Shown {
  kAny,            // at least one card
  kSingleHonour,   // exactly one card, the K, Q, J or 10
  kOnlyKingOrTen,  // exactly the K, or exactly the 10
  kOnlyTen,        // exactly the 10
  kTen,            // the 10 among others
};

bool Matches(Shown shown, RankSet exposed) {
  switch (shown) {
    case Shown::kAny:
      return exposed != 0;
    case Shown::kSingleHonour:
      return CountOf(exposed) == 1 && (exposed & Ranks("K Q J T")) != 0;
    case Shown::kOnlyKingOrTen:
      return exposed == Ranks("K") || exposed == Ranks("T");
    case Shown::kOnlyTen:
      return exposed == Ranks("T");
    case Shown::kTen:
      return (exposed & Ranks("T")) != 0;
  }
  return false;
}

// Holding the ace of the led suit, player 1 wins with or ducks under a lower card of it,
// keeping the ace for player 2's ten.
struct Duck {
  RankSet holding;
  RankSet ledRanks;
  Shown shown;
  char rank;
};

constexpr Duck Ducking(std::string_view holding, std::string_view led, Shown shown, char letter) {
  return {Ranks(holding), Ranks(led), shown, kRanks[OrderOfLetter(letter)]};
}

constexpr std::array kDucks = {
    Ducking("A 7", "8 9", Shown::kAny, '7'),
    Ducking("A 7", "J", Shown::kSingleHonour, '7'),
    Ducking("A 7", "Q", Shown::kOnlyKingOrTen, '7'),
    Ducking("A 7", "K", Shown::kOnlyTen, '7'),
    Ducking("A 8", "7 9", Shown::kAny, '8'),
    Ducking("A 8", "J", Shown::kSingleHonour, '8'),
    Ducking("A 8", "Q", Shown::kOnlyKingOrTen, '8'),
    Ducking("A 8", "K", Shown::kOnlyTen, '8'),
    Ducking("A 9", "7 8", Shown::kAny, '9'),
    Ducking("A 9", "J", Shown::kSingleHonour, '9'),
    Ducking("A 9", "Q", Shown::kOnlyKingOrTen, '9'),
    Ducking("A 9", "K", Shown::kOnlyTen, '9'),
    Ducking("A J", "7 8 9", Shown::kAny, 'J'),
    Ducking("A J", "Q", Shown::kOnlyKingOrTen, 'J'),
    Ducking("A J", "K", Shown::kOnlyTen, 'J'),
    Ducking("A Q", "7 8 9", Shown::kAny, 'Q'),
    Ducking("A Q", "K", Shown::kOnlyTen, 'Q'),
    Ducking("A K", "7 8 9 J Q", Shown::kAny, 'K'),
    Ducking("A K Q", "J 9 8 7", Shown::kTen, 'K'),
    Ducking("A K J", "Q 9 8 7", Shown::kTen, 'K'),
    Ducking("A K 9", "Q J 8 7", Shown::kTen, 'K'),
    Ducking("A K 8", "Q J 9 7", Shown::kTen, 'K'),
    Ducking("A K 7", "Q J 9 8", Shown::kTen, 'K'),
    Ducking("A Q J", "7 8 9", Shown::kTen, 'Q'),
    Ducking("A Q J", "K", Shown::kTen, 'J'),
    Ducking("A Q 9", "7 8 J", Shown::kTen, 'Q'),
    Ducking("A Q 9", "K", Shown::kTen, '9'),
    Ducking("A Q 8", "7 9 J", Shown::kTen, 'Q'),
    Ducking("A Q 8", "K", Shown::kTen, '8'),
    Ducking("A Q 7", "8 9 J", Shown::kTen, 'Q'),
    Ducking("A Q 7", "K", Shown::kTen, '7'),
    Ducking("A J 9", "7 8", Shown::kTen, 'J'),
    Ducking("A J 9", "Q K", Shown::kTen, '9'),
    Ducking("A J 8", "7 9", Shown::kTen, 'J'),
    Ducking("A J 8", "Q K", Shown::kTen, '8'),
    Ducking("A J 7", "8", Shown::kTen, 'J'),
    Ducking("A J 7", "Q K", Shown::kTen, '7'),
    Ducking("A 9 8", "7 J Q K", Shown::kTen, '8'),
    Ducking("A 9 7", "8 J Q K", Shown::kTen, '7'),
    Ducking("A 8 7", "9 J Q K", Shown::kTen, '7'),
};

// Discards of small cards from short suits, in this order.
constexpr std::array kSmallDiscards = {
    Play("7", '7'), Play("8 7", '7'), Play("9 8 7", '7'), Play("8", '8'),
    Play("9", '9'), Play("9 7", '7'), Play("9 8", '8'),
};

// Player 1's hand as the rules read it.
class Hand {
 public:
  explicit Hand(const GameState& state)
      : state_(state), cards_(state.hand[1]), orders_(state.handOrder[1]) {}

  const HandCards& Cards() const { return cards_; }
  const HandBytes& Orders() const { return orders_; }
  int Order(int slot) const { return orders_[slot]; }
  int SlotOf(char rank, char suit) const { return HandCardSlot(cards_, MakeCard(rank, suit)); }
  bool Holds(char rank, char suit) const { return SlotOf(rank, suit) != 0; }

  RankSet Holding(char suit) const {
    RankSet set = 0;
    for (int slot = 1; slot <= 9; ++slot) {
      if (!cards_[slot].IsEmpty() && cards_[slot].suit == suit) set |= RankBit(cards_[slot].rank);
    }
    return set;
  }

  // Player 2's cards of the suit in exposedCards slots 1..lastSlot.
  RankSet Exposed(char suit, int lastSlot) const {
    RankSet set = 0;
    for (int slot = 1; slot <= lastSlot; ++slot) {
      const CardCode card = state_.exposedCards[slot];
      if (!card.IsEmpty() && card.suit == suit) set |= RankBit(card.rank);
    }
    return set;
  }

 private:
  const GameState& state_;
  const HandCards& cards_;
  const HandBytes& orders_;
};

// The card of the first rule whose holding player 1 has in a suit other than skippedSuit;
// each rule is tried on the suits in suit order before the next one. 0 if none.
int PlayByHolding(const Hand& hand, char skippedSuit, std::span<const HoldingPlay> rules,
                  bool onlyUnseenSuits) {
  for (const HoldingPlay& rule : rules) {
    for (int s = 1; s <= 4; ++s) {
      const char suit = kSuits[s];
      if (suit == skippedSuit || hand.Holding(suit) != rule.holding) continue;
      if (onlyUnseenSuits && hand.Exposed(suit, 10) != 0) continue;
      return hand.SlotOf(rule.rank, suit);
    }
  }
  return 0;
}

int ChooseLead(const GameState& state) {
  const Hand hand(state);
  const char trump = state.trumpSuit;
  if (hand.Holds(kJack, trump)) return HighestSlotInSuit(hand.Cards(), hand.Orders(), trump);
  if (hand.Exposed(trump, 9) == Ranks("A K Q") && hand.Holds(kNine, trump)) {
    return hand.SlotOf(kNine, trump);
  }
  if (state.options.optBellaFirstHandOnly && hand.Holds(kKing, trump) &&
      hand.Holds(kQueen, trump)) {
    return hand.SlotOf(kQueen, trump);
  }
  if (const int slot = PlayByHolding(hand, trump, kLeadsInAnySuit, false)) return slot;
  if (const int slot = PlayByHolding(hand, trump, kLeadsInUnseenSuit, true)) return slot;
  for (const AceLead& rule : kAceLeads) {
    for (int s = 1; s <= 4; ++s) {
      const RankSet holding = hand.Holding(kSuits[s]);
      if (kSuits[s] != trump && CountOf(holding) == rule.size &&
          (holding & rule.required) == rule.required) {
        return hand.SlotOf(kAce, kSuits[s]);
      }
    }
  }
  // A plain suit topped by the ten is kept: the ten would only feed player 2's ace.
  for (int s = 1; s <= 4; ++s) {
    if (kSuits[s] == trump) continue;
    const int top = HighestSlotInSuit(hand.Cards(), hand.Orders(), kSuits[s]);
    if (top != 0 && hand.Cards()[top].rank != kTen) return top;
  }
  return HighestSlotOutsideSuit(hand.Cards(), hand.Orders(), trump);
}

// A trump that takes the trick, toBeat being the led trump's order (0 for a plain lead,
// which every trump beats): the nine, the ace or the ten, then the king or the queen,
// each only while a stronger trump is missing from the hand; with Bella kept for a
// lead, a trump outside the pair comes first. Otherwise the highest trump over a led
// trump, the lowest over a plain lead.
int TakeWithTrump(const GameState& state, const Hand& hand, int toBeat) {
  const char trump = state.trumpSuit;
  auto beating = [&](char rank) {
    const int slot = hand.SlotOf(rank, trump);
    return slot != 0 && hand.Order(slot) > toBeat ? slot : 0;
  };
  auto strongerMissing = [&](char rank) {
    for (int r = 1; r <= 8; ++r) {
      if (TrumpTrickOrder(kRanks[r]) > TrumpTrickOrder(rank) && !hand.Holds(kRanks[r], trump)) {
        return true;
      }
    }
    return false;
  };
  for (const char rank : {kNine, kAce, kTen}) {
    if (const int slot = beating(rank); slot != 0 && strongerMissing(rank)) return slot;
  }
  if (state.options.optBellaFirstHandOnly && hand.Holds(kKing, trump) &&
      hand.Holds(kQueen, trump)) {
    for (const char rank : {kSeven, kEight, kTen, kAce, kNine, kJack}) {
      if (const int slot = beating(rank)) return slot;
    }
  }
  for (const char rank : {kKing, kQueen}) {
    if (const int slot = beating(rank); slot != 0 && strongerMissing(rank)) return slot;
  }
  return toBeat > 0 ? HighestSlotInSuit(hand.Cards(), hand.Orders(), trump)
                    : LowestSlotInSuit(hand.Cards(), hand.Orders(), trump);
}

// Player 1 holds a card of the led plain suit above the led card.
int BeatPlainLead(const GameState& state, const Hand& hand) {
  const CardCode led = state.trick[1];
  const int ledOrder = state.trickOrder[1];
  const char trump = state.trumpSuit;
  // With the three top trumps to draw with, the ace can wait: win with a middle card.
  if (hand.Holds(kJack, trump) && hand.Holds(kNine, trump) && hand.Holds(kAce, trump) &&
      hand.Holds(kAce, led.suit)) {
    for (const char rank : {kKing, kQueen, kJack, kNine, kEight}) {
      const int slot = hand.SlotOf(rank, led.suit);
      if (slot != 0 && hand.Order(slot) > ledOrder) return slot;
    }
  }
  const RankSet holding = hand.Holding(led.suit);
  const RankSet exposed = hand.Exposed(led.suit, 9);
  for (const Duck& duck : kDucks) {
    if (duck.holding == holding && (duck.ledRanks & RankBit(led.rank)) != 0 &&
        Matches(duck.shown, exposed)) {
      return hand.SlotOf(duck.rank, led.suit);
    }
  }
  return HighestSlotInSuit(hand.Cards(), hand.Orders(), led.suit);
}

// Player 1 has neither the led suit nor a trump: a card it will not miss.
int Discard(const Hand& hand) {
  for (int s = 1; s <= 4; ++s) {
    const RankSet holding = hand.Holding(kSuits[s]);
    if (CountOf(holding) >= 5 && holding != Ranks("A T K Q J")) {
      return LowestSlotInSuit(hand.Cards(), hand.Orders(), kSuits[s]);
    }
  }
  for (int s = 1; s <= 4; ++s) {
    const RankSet holding = hand.Holding(kSuits[s]);
    if (CountOf(holding) == 4 && (holding & Ranks("9 8 7")) != 0) {
      return LowestSlotInSuit(hand.Cards(), hand.Orders(), kSuits[s]);
    }
  }
  if (const int slot = PlayByHolding(hand, kNoSuit, kSmallDiscards, false)) return slot;
  return LowestSlot(hand.Cards(), hand.Orders());
}

int ChooseAnswer(const GameState& state) {
  const Hand hand(state);
  const char ledSuit = state.trick[1].suit;
  const char trump = state.trumpSuit;
  if (HandHasSuit(hand.Cards(), ledSuit)) {
    if (HighestOrderInSuit(hand.Cards(), hand.Orders(), ledSuit) < state.trickOrder[1]) {
      return LowestSlotInSuit(hand.Cards(), hand.Orders(), ledSuit);
    }
    return ledSuit == trump ? TakeWithTrump(state, hand, state.trickOrder[1])
                            : BeatPlainLead(state, hand);
  }
  // Void in a plain suit: the trump rules, never a card of the led suit it lacks.
  if (HandHasSuit(hand.Cards(), trump)) return TakeWithTrump(state, hand, 0);
  return Discard(hand);
}

}  // namespace

int ChooseFirstTrickCard(const GameState& state) {
  return state.trick[1].IsEmpty() ? ChooseLead(state) : ChooseAnswer(state);
}

}  // namespace klondar
