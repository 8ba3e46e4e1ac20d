#include "card.h"

namespace klondar {

namespace {

// Columns indexed by sequence order 1..8 (seven .. ace); index 0 is unused.
constexpr std::uint8_t kPlainPoints[9] = {0, 0, 0, 0, 10, 2, 3, 4, 11};
constexpr std::uint8_t kPlainTrickOrder[9] = {0, 1, 2, 3, 7, 4, 5, 6, 8};
constexpr std::uint8_t kTrumpTrickOrder[9] = {0, 1, 2, 7, 5, 8, 3, 4, 6};
constexpr std::uint8_t kTrumpPoints[9] = {0, 0, 0, 14, 10, 20, 3, 4, 11};

constexpr char kAsciiRanks[9] = {'?', '7', '8', '9', 'T', 'J', 'Q', 'K', 'A'};
constexpr char kAsciiSuits[5] = {'?', 'h', 'd', 'c', 's'};

}  // namespace

int SuitIndex(char suit) {
  for (int s = 1; s <= 4; ++s) {
    if (kSuits[s] == suit) return s;
  }
  return 0;
}

bool IsSuit(char suit) { return SuitIndex(suit) != 0; }

int SequenceOrder(char rank) {
  for (int r = 1; r <= 8; ++r) {
    if (kRanks[r] == rank) return r;
  }
  return 0;
}

std::uint8_t PlainPoints(char rank) { return kPlainPoints[SequenceOrder(rank)]; }
std::uint8_t PlainTrickOrder(char rank) { return kPlainTrickOrder[SequenceOrder(rank)]; }
std::uint8_t TrumpTrickOrder(char rank) { return kTrumpTrickOrder[SequenceOrder(rank)]; }
std::uint8_t TrumpPoints(char rank) { return kTrumpPoints[SequenceOrder(rank)]; }

std::uint8_t TrickOrder(CardCode card, char trumpSuit) {
  if (card.IsEmpty()) return kEmptyByte;
  return card.suit == trumpSuit ? TrumpTrickOrder(card.rank) : PlainTrickOrder(card.rank);
}

std::uint8_t TrickPoints(CardCode card, char trumpSuit) {
  if (card.IsEmpty()) return kEmptyByte;
  return card.suit == trumpSuit ? TrumpPoints(card.rank) : PlainPoints(card.rank);
}

CardCode CardFromNumber(int number) {
  if (number < 1 || number > 32) return kEmptyCard;
  return CardCode{kRanks[(number - 1) / 4 + 1], kSuits[(number - 1) % 4 + 1]};
}

int CardNumber(CardCode card) {
  const int r = SequenceOrder(card.rank);
  const int s = SuitIndex(card.suit);
  if (r == 0 || s == 0) return 0;
  return (r - 1) * 4 + s;
}

std::string ToAscii(CardCode card) {
  if (card.IsEmpty()) return "--";
  return std::string{kAsciiRanks[SequenceOrder(card.rank)], kAsciiSuits[SuitIndex(card.suit)]};
}

char SuitFromAscii(char letter) {
  for (int s = 1; s <= 4; ++s) {
    if (kAsciiSuits[s] == letter) return kSuits[s];
  }
  return kNoSuit;
}

char SuitToAscii(char suit) { return kAsciiSuits[SuitIndex(suit)]; }

std::optional<CardCode> CardFromAscii(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  int rank = 0;
  for (int r = 1; r <= 8; ++r) {
    if (kAsciiRanks[r] == text[0]) rank = r;
  }
  const char suit = SuitFromAscii(text[1]);
  if (rank == 0 || suit == kNoSuit) return std::nullopt;
  return CardCode{kRanks[rank], suit};
}

}  // namespace klondar
