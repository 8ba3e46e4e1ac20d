#include <gtest/gtest.h>

#include "engine/deck.h"
#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::Card;
using testing::Cards;
using testing::EngineTest;
using testing::HandAscii;
using testing::SetHand;

struct RecordingPeer : PeerLink {
  std::vector<std::string> messages;
  void SendGameMessage(const std::string& message) override { messages.push_back(message); }
  void SendDeal(const GameState&) override {}
};

class Bidding : public EngineTest {
 protected:
  // A new deal with the given first bidder (game 1 opens with player 1, game 2 with 2).
  void Start(int firstBidder) {
    engine.SetPlayerRecord({firstBidder - 1, 0});
    engine.StartDeal(false);
    ASSERT_EQ(state.firstBidder, firstBidder);
    view.Clear();
  }
};

TEST_F(Bidding, FourPassesWhenPlayer2SpeaksFirst) {
  Start(2);
  std::vector<int> phases;
  engine.BeginDeal();
  phases.push_back(state.phase);
  engine.PassStage1();
  phases.push_back(state.phase);
  engine.OpponentBidStage1();  // passes, then player 2 opens stage 2 and passes in the dialog
  phases.push_back(state.phase);
  engine.OpponentBidStage2(false, 0);
  phases.push_back(state.phase);
  EXPECT_EQ(phases, (std::vector<int>{2, 1, 11, 30}));
  EXPECT_EQ(view.TrumpDialogsShown(), 1);
  EXPECT_EQ(state.taker, 0);
  EXPECT_TRUE(CallsInOrder({
      "SetActionButton 7 'To Play' enabled",
      "SetActionButton 8 'Pass' enabled",
      "ShowSpeech 2 g Pass",
      "PlayWaveResource WVelPass wait",
      "SetActionButton 7 'To Play' disabled",
      "SetActionButton 8 'Pass' disabled",
      "ShowSpeech 1 g Pass",
      "PlayWaveResource WVelPass wait",
      "AskTrumpSuit " + std::string(1, SuitToAscii(state.deck[32].suit)),
      "ShowSpeech 2 o Pass",
      "PlayWaveResource WVelPass wait",
      "ShowSpeech 1 o Pass",
      "PlayWaveResource WVelPass wait",
      "SetActionButton 7 'Next Round' enabled",
      "SetActionButton 8 'Pass' disabled",
  }));
  // The thrown-in deal scores nothing and the next deal still counts.
  EXPECT_EQ(state.gamePoints[1] + state.gamePoints[2], 0);
  EXPECT_EQ(state.lastDealWinner, 0);
  engine.StartDeal(true);
  EXPECT_EQ(state.dealNumber, 2);
}

TEST_F(Bidding, FourPassesWhenTheComputerSpeaksFirst) {
  Start(1);
  std::vector<int> phases;
  engine.BeginDeal();  // the computer passes at once and offers player 2 the bid
  phases.push_back(state.phase);
  engine.PassStage1();
  phases.push_back(state.phase);
  engine.OpponentBidStage2(false, 0);  // passes; player 2's dialog passes too
  phases.push_back(state.phase);
  EXPECT_EQ(phases, (std::vector<int>{2, 11, 30}));
  EXPECT_TRUE(CallsInOrder({"ShowSpeech 1 g Pass", "ShowSpeech 2 g Pass", "ShowSpeech 1 o Pass",
                            "ShowSpeech 2 o Pass", "SetActionButton 7 'Next Round' enabled"}));
}

TEST_F(Bidding, TakingTheProposedTrump) {
  Start(2);
  engine.BeginDeal();
  engine.TakeProposedTrump(2);
  EXPECT_EQ(state.taker, 2);
  EXPECT_EQ(state.phase, phase::kBuyPending);
  EXPECT_EQ(state.trumpNamedInStage2, 0);
  EXPECT_TRUE(
      CallsInOrder({"DrawScoreBoard 2 keepmark deal=keep total=keep redstar", "DrawStockInfo",
                    "ShowSpeech 2 b To Play", "PlayWaveResource WDing_1 wait",
                    "SetActionButton 7 'Buy cards' enabled", "SetActionButton 8 'Pass' disabled"}));
}

TEST_F(Bidding, NamingASuitInStage2) {
  RecordingPeer peer;
  engine.SetPeer(&peer);
  Start(1);
  const char turned = state.deck[32].suit;
  const char other = turned == kHearts ? kSpades : kHearts;
  view.ScriptTrumpAnswer(other);
  engine.OpponentBidStage1();  // pass
  engine.PassStage1();
  engine.OpponentBidStage2(false, 0);  // pass, then the dialog names a suit
  EXPECT_EQ(view.LastUnavailableSuit(), turned);
  EXPECT_EQ(state.trumpSuit, other);
  EXPECT_EQ(state.taker, 2);
  EXPECT_EQ(state.trumpNamedInStage2, 1);
  EXPECT_EQ(state.phase, phase::kBuyPending);
  EXPECT_TRUE(peer.messages.empty()) << "no peer message outside a network game";
}

TEST_F(Bidding, NetworkGameSendsStage2Decisions) {
  RecordingPeer peer;
  engine.SetPeer(&peer);
  engine.Modes() = GameModes{true, 1, false, 0};
  engine.StartDeal(false);
  const char turned = state.deck[32].suit;
  const char other = turned == kClubs ? kDiamonds : kClubs;
  // firstBidder 1 on deal 1 for the server: the peer passes twice, then we name a suit.
  view.ScriptTrumpAnswer(other);
  engine.LocalBidStage2();
  EXPECT_EQ(peer.messages, std::vector<std::string>{std::string("t40") + other});
  engine.StartDeal(true);  // deal 2: the server speaks first
  ASSERT_EQ(state.firstBidder, 2);
  engine.LocalBidStage2();  // no answer scripted: pass
  EXPECT_EQ(state.phase, phase::kBid2Opponent);
  EXPECT_EQ(peer.messages.back(), "t300");
}

TEST_F(Bidding, TheTurnedUpSuitCannotBeNamedAgain) {
  Start(1);
  const char turned = state.deck[32].suit;
  opponent.namedSuit = turned;
  view.ScriptTrumpAnswer(turned);
  engine.OpponentBidStage1();
  engine.PassStage1();
  engine.OpponentBidStage2(false, 0);
  // Both answers count as passes: the deal is thrown in.
  EXPECT_EQ(state.phase, phase::kDealOver);
  EXPECT_EQ(state.trumpSuit, turned);
  EXPECT_EQ(state.taker, 0);
}

class Buying : public EngineTest {
 protected:
  // Player hands of six, the three cards each buys, and the turned-up card; the rest of
  // the deck is filled with the remaining cards.
  void Prepare(const std::string& hand1, const std::string& hand2, const std::string& buy1,
               const std::string& buy2, const std::string& turned, int firstBidder = 1) {
    std::vector<CardCode> order = Cards(hand1 + " " + hand2 + " " + buy1 + " " + buy2);
    std::vector<CardCode> rest;
    const CardCode up = Card(turned);
    for (int k = 1; k <= 32; ++k) {
      const CardCode c = CardFromNumber(k);
      if (c != up && std::find(order.begin(), order.end(), c) == order.end()) rest.push_back(c);
    }
    order.insert(order.end(), rest.begin(), rest.end());
    order.push_back(up);
    ASSERT_EQ(order.size(), 32u);
    for (int i = 1; i <= 32; ++i) PutDeckCard(state, i, order[i - 1]);
    state.trumpSuit = up.suit;
    SetHand(state, 1, hand1);
    SetHand(state, 2, hand2);
    state.nextDeckCard = 13;
    state.firstBidder = static_cast<std::uint8_t>(firstBidder);
    state.sevenHolder = 0;
    engine.TakeProposedTrump(firstBidder);
    view.Clear();
  }
};

TEST_F(Buying, FirstBidderReceivesFirstAndTheStockShrinks) {
  Prepare("7h 8h 9h Th Jh Qh", "7d 8d 9d Td Jd Qd", "Kh Ah 7c", "Kd Ad 8c", "Ks", 2);
  state.options.optTrumpSevenExchange = false;
  engine.Settings().soundsOn = false;
  engine.BuyCards();
  EXPECT_EQ(state.nextDeckCard, 19);
  EXPECT_EQ(state.handCount[1], 9);
  EXPECT_EQ(state.handCount[2], 9);
  EXPECT_EQ(HandAscii(state, 1), "7h 8h 9h Th Jh Qh Kh Ah 7c");
  EXPECT_EQ(HandAscii(state, 2), "8c 7d 8d 9d Td Jd Qd Kd Ad");
  EXPECT_TRUE(
      CallsInOrder({"SetActionButton 7 'Buy cards' disabled", "DrawStock Ks -- 14", "DrawHand 2 up",
                    "AnimateCardMove stock>hand2.7 Kd", "PlayWaveResource WHodsDo wait", "Pause 50",
                    "DrawStock Ks -- 17", "DrawHand 1 down", "DrawStock Ks -- 19",
                    "SetActionButton 7 'Exhibit combinations' enabled"}));
  EXPECT_EQ(state.phase, phase::kCombinationsPending);
}

TEST_F(Buying, ExchangeOffers) {
  // holder of the trump seven, option, trump named in stage 2, computer wants it
  const struct {
    int holder;
    bool option;
    bool named;
    bool wants;
    int phase;
    int sevenHolder;
    bool button8;
  } cases[] = {
      {2, true, false, false, phase::kExchangePending, 2, true},
      {2, false, false, false, phase::kCombinationsPending, 0, false},
      {2, true, true, false, phase::kCombinationsPending, 0, false},
      {1, true, false, true, phase::kExchangePending, 1, false},
      {1, true, false, false, phase::kCombinationsPending, 0, false},
      {0, true, false, true, phase::kCombinationsPending, 0, false},
  };
  for (const auto& c : cases) {
    // The seven of clubs is bought by the holder; the turned-up card is the king of clubs.
    const std::string seven1 = c.holder == 1 ? "7c" : "8s";
    const std::string seven2 = c.holder == 2 ? "7c" : "9s";
    Prepare("7h 8h 9h Th Jh Qh", "7d 8d 9d Td Jd Qd", seven1 + " Ah As", seven2 + " Ad Ts", "Kc");
    state.options.optTrumpSevenExchange = c.option;
    state.trumpNamedInStage2 = c.named ? 1 : 0;
    opponent.exchange = c.wants;
    engine.BuyCards();
    EXPECT_EQ(state.phase, c.phase) << c.holder << c.option << c.named << c.wants;
    EXPECT_EQ(state.sevenHolder, c.sevenHolder);
    EXPECT_EQ(engine.Button(ActionButton::kButton8).enabled, c.button8);
    if (c.phase == phase::kExchangePending) {
      EXPECT_EQ(engine.Button(ActionButton::kButton7).text, "Replace the seven");
      EXPECT_TRUE(engine.Button(ActionButton::kButton7).enabled);
    }
  }
}

TEST_F(Buying, ExchangeSwapsTheSevenForTheTurnedUpCard) {
  Prepare("7h 8h 9h Th Jh Qh", "7d 8d 9d Td Jd Qd", "8s Ah As", "7c Ad Ts", "Kc");
  engine.BuyCards();
  ASSERT_EQ(state.sevenHolder, 2);
  view.Clear();
  engine.ExchangeSeven(2);
  EXPECT_EQ(state.deck[32], Card("7c"));
  EXPECT_EQ(state.deckOrder[32], 1);
  EXPECT_EQ(state.deckPoints[32], 0);
  EXPECT_TRUE(HandHasCard(state.hand[2], Card("Kc")));
  EXPECT_FALSE(HandHasCard(state.hand[2], Card("7c")));
  EXPECT_EQ(state.handCount[2], 9);
  EXPECT_TRUE(state.hand[2][10].IsEmpty());
  EXPECT_EQ(state.exposedCards[10], Card("Kc"));
  EXPECT_EQ(opponent.notes, std::vector<std::string>{"exchange 2 Kc"});
  EXPECT_EQ(state.phase, phase::kCombinationsPending);
  EXPECT_TRUE(CallsInOrder({"SetActionButton 7 'Replace the seven' disabled",
                            "SetActionButton 8 'Pass' disabled", "DrawStock -- -- 19",
                            "PlayWaveResource WHodsDo wait", "Pause 500", "DrawHand 2 up",
                            "DrawStock 7c -- 19", "PlayWaveResource WHodsDo wait",
                            "SetActionButton 7 'Exhibit combinations' enabled"}));
}

TEST_F(Buying, TheComputersExchangeKeepsItsCardsPrivate) {
  Prepare("7h 8h 9h Th Jh Qh", "7d 8d 9d Td Jd Qd", "7c Ah As", "8s Ad Ts", "Kc");
  opponent.exchange = true;
  engine.BuyCards();
  ASSERT_EQ(state.sevenHolder, 1);
  engine.ExchangeSeven(state.sevenHolder);
  EXPECT_EQ(state.deck[32], Card("7c"));
  EXPECT_EQ(HandAscii(state, 1), "7h 8h 9h Th Jh Qh Ah As Kc");
  EXPECT_TRUE(state.exposedCards[10].IsEmpty());
  EXPECT_EQ(opponent.notes, std::vector<std::string>{"exchange 1 Kc"});
}

TEST_F(Buying, SkippingTheExchange) {
  RecordingPeer peer;
  engine.SetPeer(&peer);
  engine.Modes() = GameModes{true, 2, false, 0};
  Prepare("7h 8h 9h Th Jh Qh", "7d 8d 9d Td Jd Qd", "8s Ah As", "7c Ad Ts", "Kc");
  state.phase = phase::kExchangePending;
  state.sevenHolder = 2;
  engine.SkipExchange();
  EXPECT_EQ(state.phase, phase::kCombinationsPending);
  EXPECT_EQ(peer.messages, std::vector<std::string>{"t600"});
  // The duel client never paces the deal.
  EXPECT_FALSE(engine.Button(ActionButton::kButton7).enabled);
  EXPECT_TRUE(CallsInOrder({"PlayWaveResource WVelPass wait"}));
}

}  // namespace
}  // namespace klondar
