// The card model: card codes, suits, ranks and the per-card value columns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace klondar {

// Suit characters as Windows-1251 bytes; they travel unchanged to a duel peer.
inline constexpr char kHearts = '\xF7';
inline constexpr char kDiamonds = '\xE1';
inline constexpr char kClubs = '\xEA';
inline constexpr char kSpades = '\xEF';
inline constexpr char kNoSuit = '#';

// Rank characters (Windows-1251): seven, eight, nine, ten, jack, queen, king, ace.
inline constexpr char kSeven = '7';
inline constexpr char kEight = '8';
inline constexpr char kNine = '9';
inline constexpr char kTen = '1';
inline constexpr char kJack = '\xC2';
inline constexpr char kQueen = '\xC4';
inline constexpr char kKing = '\xCA';
inline constexpr char kAce = '\xD2';

// Suits in their fixed order hearts, diamonds, clubs, spades (index 1..4).
inline constexpr char kSuits[5] = {kNoSuit, kHearts, kDiamonds, kClubs, kSpades};
// Ranks in sequence order seven .. ace (index 1..8).
inline constexpr char kRanks[9] = {'#', kSeven, kEight, kNine, kTen, kJack, kQueen, kKing, kAce};

// Value stored in the order and point bytes beside an empty slot.
inline constexpr std::uint8_t kEmptyByte = 99;

struct CardCode {
  char rank = '#';
  char suit = '#';

  constexpr bool IsEmpty() const { return rank == '#' && suit == '#'; }
  constexpr bool operator==(const CardCode&) const = default;
  // The two bytes as they appear in files, dumps and on the wire.
  std::string Bytes() const { return std::string{rank, suit}; }
};

inline constexpr CardCode kEmptyCard{'#', '#'};

// 1..4 in the order hearts, diamonds, clubs, spades; 0 for anything else.
int SuitIndex(char suit);
bool IsSuit(char suit);
// 1..8 in sequence order (seven lowest, ace highest); 0 for anything else.
int SequenceOrder(char rank);

// Value columns by rank.
std::uint8_t PlainPoints(char rank);
std::uint8_t PlainTrickOrder(char rank);
std::uint8_t TrumpTrickOrder(char rank);
std::uint8_t TrumpPoints(char rank);
// Trick order and points of a card once the trump suit is known.
std::uint8_t TrickOrder(CardCode card, char trumpSuit);
std::uint8_t TrickPoints(CardCode card, char trumpSuit);

constexpr CardCode MakeCard(char rank, char suit) { return CardCode{rank, suit}; }
// Card number 1..32 of the unshuffled deck: rank (k-1)/4+1, suit (k-1)%4+1.
CardCode CardFromNumber(int number);
// Inverse of CardFromNumber, 0 for the empty code or an invalid one.
int CardNumber(CardCode card);

// ASCII notation for tools and logs: ranks 7 8 9 T J Q K A, suits h d c s ("Ah", "Tc"),
// "--" for the empty card.
std::string ToAscii(CardCode card);
std::optional<CardCode> CardFromAscii(std::string_view text);
char SuitFromAscii(char letter);  // kNoSuit when the letter is not a suit
char SuitToAscii(char suit);      // '?' for a non-suit

}  // namespace klondar
