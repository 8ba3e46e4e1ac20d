// Cards as bits for the solver. Card index = 8 * suit + (trick order - 1), suits 0..3 in
// the order hearts, diamonds, clubs, spades, so that within a suit a higher bit is the
// stronger card, trumps included.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/card.h"

namespace klondar::solver {

using CardSet = std::uint32_t;

constexpr CardSet Bit(int card) { return CardSet{1} << card; }
constexpr int SuitOf(int card) { return card >> 3; }
constexpr CardSet SuitMask(int suit) { return CardSet{0xFF} << (8 * suit); }
inline int LowestCard(CardSet cards) { return std::countr_zero(cards); }
inline int HighestCard(CardSet cards) { return 31 - std::countl_zero(cards); }
inline int CardCount(CardSet cards) { return std::popcount(cards); }

// Bits of a few cards within a suit.
inline constexpr int kPlainTenBit = 6;
inline constexpr int kPlainAceBit = 7;
inline constexpr int kTrumpQueenBit = 2;
inline constexpr int kTrumpKingBit = 3;

// What the value of a line of play depends on besides the cards.
struct Rules {
  int trump = 0;  // suit index 0..3
  bool pruning = false;
  bool mustOvertrump = true;
  bool bellaFirstHandOnly = false;

  bool operator==(const Rules&) const = default;
};

// The card index of a card under a trump suit; -1 for the empty code.
int CardIndex(CardCode card, char trumpSuit);

class CardTable {
 public:
  explicit CardTable(const Rules& rules);

  const Rules& rules() const { return rules_; }
  int Points(int card) const { return points_[static_cast<std::size_t>(card)]; }
  // The points of all cards in the set.
  int Points(CardSet cards) const;
  CardSet TrumpMask() const { return trumpMask_; }
  CardSet BellaPair() const { return bella_; }

  // Whether the answer takes the trick from the led card.
  bool Beats(int answer, int led) const {
    return SuitOf(answer) == SuitOf(led) ? answer > led : SuitOf(answer) == rules_.trump;
  }
  bool IsBella(int card, CardSet handAfter) const {
    return (Bit(card) & bella_) != 0 && (handAfter & bella_) != 0;
  }
  bool BellaPossible(CardSet a, CardSet b) const {
    return (a & bella_) == bella_ || (b & bella_) == bella_;
  }

  // The cards of `hand` that may answer `led` under the rules, the early-trick filters
  // included: a card the led card cannot be beaten with plays the lowest of the suit, a
  // plain ten led is taken by its ace, and a discard is the lowest of its suit.
  CardSet AnswerMoves(CardSet hand, int led) const;

  // The next lower card of `own` that nothing can tell apart from `card`: same suit, equal
  // points and no card of `others` in between. -1 when there is none.
  int EquivalentBelow(int card, CardSet own, CardSet others) const;
  // The moves without those that have an equivalent lower move.
  CardSet Representatives(CardSet moves, CardSet own, CardSet others) const;

 private:
  Rules rules_;
  std::array<std::uint8_t, 32> points_{};
  CardSet trumpMask_ = 0;
  CardSet bella_ = 0;
  // Points of the cards of one suit by its eight bits, plain and trump.
  std::array<std::uint16_t, 256> plainSum_{};
  std::array<std::uint16_t, 256> trumpSum_{};
};

}  // namespace klondar::solver
