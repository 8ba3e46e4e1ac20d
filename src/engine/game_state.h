// GameState: the single record of a deal and of a game. Players, hand slots, deck
// positions and trick positions are 1-based; index 0 of every array is unused.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "card.h"

namespace klondar {

using HandCards = std::array<CardCode, 11>;      // slots 1..10
using HandBytes = std::array<std::uint8_t, 11>;  // order or point bytes of slots 1..10

// Phase values; the numbers are binding (phases are computed as 20 + player).
namespace phase {
inline constexpr std::uint8_t kBid1Opponent = 1;
inline constexpr std::uint8_t kBid1Local = 2;
inline constexpr std::uint8_t kHalted = 5;
inline constexpr std::uint8_t kBid2Opponent = 11;
inline constexpr std::uint8_t kBid2Local = 12;
inline constexpr std::uint8_t kBuyPending = 13;
inline constexpr std::uint8_t kExchangePending = 14;
inline constexpr std::uint8_t kCombinationsPending = 15;
inline constexpr std::uint8_t kCombinationsShown = 16;
inline constexpr std::uint8_t kPlayOpponent = 21;
inline constexpr std::uint8_t kPlayLocal = 22;
inline constexpr std::uint8_t kTrickComplete = 23;
inline constexpr std::uint8_t kDealOver = 30;
inline constexpr std::uint8_t kGameOver = 31;
}  // namespace phase

// The rule variants with the defaults of a new installation.
struct RuleOptions {
  bool optTrumpSevenExchange = true;
  bool optBellaFirstHandOnly = false;
  bool optMustOvertrump = true;
  bool optAlternateFirstBidder = false;
  bool optFreza = true;
  int targetScore = 501;  // 301 or 501
};

// Kinds of combination.
inline constexpr std::uint8_t kNoDeclaration = 0;
inline constexpr std::uint8_t kFourCardRun = 1;
inline constexpr std::uint8_t kThreeCardRun = 2;

struct Declaration {
  std::uint8_t kind = kNoDeclaration;
  std::uint8_t strength = 0;        // 1..22
  std::array<CardCode, 5> cards{};  // 1..4, lowest first; "##" after a three-card run
};

struct GameState {
  std::array<CardCode, 33> deck{};
  std::array<std::uint8_t, 33> deckOrder{};
  std::array<std::uint8_t, 33> deckPoints{};
  std::uint8_t nextDeckCard = 13;

  std::array<HandCards, 3> hand{};
  std::array<HandBytes, 3> handOrder{};
  std::array<HandBytes, 3> handPoints{};
  std::array<std::uint8_t, 3> handCount{};

  char trumpSuit = kNoSuit;
  std::uint8_t phase = 0;
  std::uint8_t startPending = 0;
  std::uint8_t firstBidder = 1;
  std::uint8_t taker = 0;
  std::uint8_t trumpNamedInStage2 = 0;
  std::uint8_t sevenHolder = 0;

  std::array<std::array<Declaration, 4>, 3> declarations{};  // [player][1..3]
  std::uint8_t declarationWinner = 0;
  std::array<CardCode, 10> tableCards{};  // 1..9
  std::uint8_t tableCount = 0;

  std::array<CardCode, 3> trick{};  // 1 the led card, 2 the answer
  std::array<std::uint8_t, 3> trickOrder{};
  std::array<std::uint8_t, 3> trickPoints{};
  std::uint8_t trickPos = 1;
  char ledSuit = kNoSuit;
  std::uint8_t leader = 1;
  std::uint8_t previousLeader = 1;
  std::uint8_t trickNumber = 1;

  std::array<std::int32_t, 3> dealPoints{};
  std::array<std::int32_t, 3> gamePoints{};
  std::int32_t dealNumber = 0;
  std::int32_t gameNumber = 1;
  std::int32_t runningTotal = 0;
  std::int32_t newRunningTotal = 0;
  std::int32_t scoreDifference = 0;
  std::uint8_t lastDealWinner = 0;
  std::uint8_t gameFinished = 0;
  std::uint8_t gameSummarised = 0;
  std::uint8_t tableActive = 0;

  std::array<CardCode, 11> exposedCards{};  // 1..9 combination cards, 10 the exchanged card
  std::array<std::string, 3> handSnapshot{};
  std::uint8_t knowledgePrimed = 0;

  RuleOptions options;

  static constexpr int Other(int player) { return 3 - player; }
};

}  // namespace klondar
