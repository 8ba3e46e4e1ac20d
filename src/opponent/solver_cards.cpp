#include "solver_cards.h"

namespace klondar::solver {

namespace {

// Points by bit within a suit (bit = trick order - 1).
constexpr std::array<std::uint8_t, 8> kPlainPointsByBit = {0, 0, 0, 2, 3, 4, 10, 11};
constexpr std::array<std::uint8_t, 8> kTrumpPointsByBit = {0, 0, 3, 4, 10, 11, 14, 20};
// The lowest bits of a suit share zero points: seven, eight and nine of a plain suit,
// seven and eight of trumps. Points never fall with the order, so these are the only
// cards that can be equivalent.
constexpr CardSet kPlainZeroBits = 0x07;
constexpr CardSet kTrumpZeroBits = 0x03;

}  // namespace

int CardIndex(CardCode card, char trumpSuit) {
  if (card.IsEmpty()) return -1;
  return 8 * (SuitIndex(card.suit) - 1) + TrickOrder(card, trumpSuit) - 1;
}

CardTable::CardTable(const Rules& rules) : rules_(rules) {
  trumpMask_ = SuitMask(rules.trump);
  bella_ = Bit(8 * rules.trump + kTrumpQueenBit) | Bit(8 * rules.trump + kTrumpKingBit);
  for (int card = 0; card < 32; ++card) {
    const auto& column = SuitOf(card) == rules.trump ? kTrumpPointsByBit : kPlainPointsByBit;
    points_[static_cast<std::size_t>(card)] = column[static_cast<std::size_t>(card & 7)];
  }
  for (unsigned bits = 0; bits < 256; ++bits) {
    for (unsigned b = 0; b < 8; ++b) {
      if ((bits & (1u << b)) == 0) continue;
      plainSum_[bits] = static_cast<std::uint16_t>(plainSum_[bits] + kPlainPointsByBit[b]);
      trumpSum_[bits] = static_cast<std::uint16_t>(trumpSum_[bits] + kTrumpPointsByBit[b]);
    }
  }
}

int CardTable::Points(CardSet cards) const {
  int sum = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const unsigned bits = (cards >> (8 * suit)) & 0xFF;
    sum += suit == rules_.trump ? trumpSum_[bits] : plainSum_[bits];
  }
  return sum;
}

CardSet CardTable::AnswerMoves(CardSet hand, int led) const {
  const int ledSuit = SuitOf(led);
  const CardSet inSuit = hand & SuitMask(ledSuit);
  if (inSuit != 0) {
    // Cards above the led one; the shift by led + 1 wraps to nothing for the top card.
    const CardSet above = led == 31 ? 0 : inSuit & ~((Bit(led) << 1) - 1);
    if (rules_.pruning && above == 0) return inSuit & (~inSuit + 1);
    const bool plainTenLed = ledSuit != rules_.trump && (led & 7) == kPlainTenBit;
    const CardSet ace = Bit(8 * ledSuit + kPlainAceBit);
    if (rules_.pruning && plainTenLed && (hand & ace) != 0) return ace;
    if (rules_.mustOvertrump && ledSuit == rules_.trump && above != 0) return above;
    return inSuit;
  }
  const CardSet trumps = hand & trumpMask_;
  if (trumps != 0) return trumps;
  if (!rules_.pruning) return hand;
  CardSet lowest = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const CardSet cards = hand & SuitMask(suit);
    lowest |= cards & (~cards + 1);
  }
  return lowest;
}

int CardTable::EquivalentBelow(int card, CardSet own, CardSet others) const {
  const int suit = SuitOf(card);
  const CardSet zeroBits = (suit == rules_.trump ? kTrumpZeroBits : kPlainZeroBits) << (8 * suit);
  if ((Bit(card) & zeroBits) == 0) return -1;
  const CardSet below = own & zeroBits & (Bit(card) - 1);
  if (below == 0) return -1;
  const int lower = HighestCard(below);
  const CardSet between = (Bit(card) - 1) & ~((Bit(lower) << 1) - 1);
  return (others & between) == 0 ? lower : -1;
}

CardSet CardTable::Representatives(CardSet moves, CardSet own, CardSet others) const {
  CardSet result = moves;
  const CardSet zeroBits = kPlainZeroBits * 0x01010101u;
  for (CardSet rest = moves & zeroBits; rest != 0; rest &= rest - 1) {
    const int card = LowestCard(rest);
    const int lower = EquivalentBelow(card, own, others);
    if (lower >= 0 && (moves & Bit(lower)) != 0) result &= ~Bit(card);
  }
  return result;
}

}  // namespace klondar::solver
