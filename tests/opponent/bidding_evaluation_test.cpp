#include "opponent/bidding_evaluation.h"

#include <gtest/gtest.h>

#include "opponent/hand_text.h"

namespace klondar {
namespace {

using hand_text::Card;
using hand_text::DealHand;
using hand_text::Suit;

// Player 1 holds the hand; the turned-up card proposes its suit as trump.
GameState Bidding(const char* hand, const char* turned, int firstBidder) {
  GameState state;
  state.deck[32] = Card(turned);
  state.trumpSuit = state.deck[32].suit;
  state.firstBidder = static_cast<std::uint8_t>(firstBidder);
  DealHand(state, 1, hand);
  return state;
}

// Weights: J 23, 9 17, A 14, 10 13, K 7, Q 6, 8 and 7 5; K with Q of a suit 20 more.
// Bonus: every ace outside the proposed suit 11, a three-card run 20.
TEST(AcceptProposedTrump, ThresholdsOnBothSidesOfTheEdge) {
  struct Case {
    const char* why;
    const char* hand;
    const char* turned;
    int firstBidder;
    bool takes;
  };
  const Case cases[] = {
      {"first bidder, 40 without bonus", "Jh 9h Td 8d 7c 8s", "Kh", 1, true},
      {"first bidder, 39 without bonus", "Ah Th Kh 8h 8d 7c", "Qh", 1, false},
      {"first bidder, 41 + ace 11 = 52", "Jh Th 8h Ad 7c 8s", "Kh", 1, true},
      {"first bidder, 40 + ace 11 = 51: the ace lifts the bar to 52", "Jh 9h Ad 8d 7c 8s", "Kh", 1,
       false},
      {"first bidder, spades (45) stronger than hearts (40)", "Jh 9h Js 9s 7s 8d", "Kh", 1, false},
      {"first bidder, hearts tied with diamonds: still the strongest", "Jh 9h Jd 9d 8c 7s", "Kh", 1,
       true},
      {"second bidder, 37 without bonus", "9h Th Kh 8d 7c 8s", "Qh", 2, true},
      {"second bidder, 36 without bonus", "9h Ah 8h 8d 7c 8s", "Qh", 2, false},
      {"second bidder, 37 + ace 11 = 48", "9h Th Kh Ad 7c 8s", "Qh", 2, true},
      {"second bidder, 36 + ace 11 = 47 (the trump ace adds nothing)", "9h Ah 8h Ad 7c 8s", "Qh", 2,
       false},
      {"second bidder, 28 + run 20 = 48", "Jh 8h 8d 9d Td 7c", "Kh", 2, true},
      {"second bidder, 27 + run 20 = 47", "Ah Th 8d 9d Td 7c", "Kh", 2, false},
      {"second bidder, no strongest-suit test", "Jh 9h Js 9s 7s 8d", "Kh", 2, true},
      {"first bidder, the exchange for the jack makes hearts 40", "7h 9h Js 9s 7s 8d", "Jh", 1,
       true},
      {"first bidder, an eight for the seven leaves hearts at 22", "7h 9h Js 9s 7s 8d", "8h", 1,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(AcceptProposedTrump(Bidding(c.hand, c.turned, c.firstBidder)), c.takes);
  }
}

TEST(ChooseTrumpSuit, StrongestSuitButNeverTheTurnedUpOne) {
  struct Case {
    const char* why;
    const char* hand;
    const char* turned;
    char named;  // suit letter, '-' for a pass
  };
  const Case cases[] = {
      {"diamonds and clubs tied at 40: the later suit", "Jd 9d Jc 9c 8h 7s", "Ah", 'c'},
      {"hearts and diamonds tied: diamonds", "Jh 9h Jd 9d 8c 7s", "Ah", 'd'},
      {"tied, the later suit is the turned-up one: pass", "Jh 9h Jd 9d 8c 7s", "Ad", '-'},
      {"turned-up suit strongest, diamonds 40 would do: pass", "Jh 9h Ah Jd 9d 8c", "Kh", '-'},
      {"24 + ace 11 = 35, every ace counts", "Ad 8d 7d 7c 8s 9h", "Kh", 'd'},
      {"34 without bonus", "Jd Qd 8d 7c 8s 9h", "Kh", '-'},
      {"K Q of clubs (7 + 6 + 20) tied with J 8 7 of diamonds: clubs", "Kc Qc Jd 8d 7d As", "Kh",
       'c'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const char expected = c.named == '-' ? kNoSuit : Suit(c.named);
    EXPECT_EQ(ChooseTrumpSuit(Bidding(c.hand, c.turned, 1)), expected);
  }
}

// Nine cards after buying; hearts is trump. The filler holds no run and no ace.
TEST(WantsSevenExchange, ComparesTrumpStrengthPlusBonusOfBothHands) {
  struct Case {
    const char* why;
    const char* hearts;
    const char* turned;
    bool optionOn;
    bool exchanges;
  };
  const Case cases[] = {
      {"the jack for the seven", "7h 9h Qh Ah", "Jh", true, true},
      {"the eight for the seven, equal totals", "7h 9h Jh Ah", "8h", true, false},
      {"the eight completes 8 9 10", "7h 9h Th Ah", "8h", true, true},
      {"the ace breaks 7 8 9", "7h 8h 9h Kh", "Ah", true, false},
      // Only re-ordered after the swap do 8 9 10 show as a run.
      {"the ten makes 8 9 10 of 7 8 9", "7h 8h 9h Kh", "Th", true, true},
      {"no trump seven", "8h 9h Qh Ah", "Jh", true, false},
      {"option off", "7h 9h Qh Ah", "Jh", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    GameState state = Bidding((std::string(c.hearts) + " 8c Kc 7d Qd 9s").c_str(), c.turned, 2);
    state.options.optTrumpSevenExchange = c.optionOn;
    EXPECT_EQ(WantsSevenExchange(state), c.exchanges);
  }
}

TEST(EvaluateHandForTrump, NoExchangeScenarioWithoutAProposedSuit) {
  const GameState state = Bidding("7h 9h Qh Ah 8c Kc 7d Qd 9s", "Jh", 1);
  const HandEvaluation evaluation =
      EvaluateHandForTrump(state.hand[1], state.handOrder[1], kNoSuit, state.deck[32], true, 1);
  EXPECT_FALSE(evaluation.exchangeBetter);
}

}  // namespace
}  // namespace klondar
