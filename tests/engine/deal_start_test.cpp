#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::EngineTest;

class DealStart : public EngineTest {};

TEST_F(DealStart, DealsSixEachAndProposesTheTurnedUpSuit) {
  engine.StartDeal(false);
  EXPECT_EQ(state.handCount[1], 6);
  EXPECT_EQ(state.handCount[2], 6);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_TRUE(HandHasCard(state.hand[1], state.deck[i]));
    EXPECT_TRUE(HandHasCard(state.hand[2], state.deck[i + 6]));
  }
  EXPECT_EQ(state.nextDeckCard, 13);
  EXPECT_EQ(state.trumpSuit, state.deck[32].suit);
  EXPECT_EQ(state.startPending, 1);
  EXPECT_EQ(state.tableActive, 1);
  EXPECT_EQ(state.knowledgePrimed, 1);
  EXPECT_EQ(opponent.resets, 1);
  EXPECT_EQ(state.dealNumber, 1);
  EXPECT_EQ(state.gameNumber, 1);
  EXPECT_EQ(state.phase, state.firstBidder);
  for (int i = 1; i <= 10; ++i) EXPECT_TRUE(state.exposedCards[i].IsEmpty());
  EXPECT_TRUE(CallsInOrder({
      "DrawHand 1 down",
      "DrawHand 2 up",
      "DrawStock " + ToAscii(state.deck[32]) + " -- 13",
      "ShowSpeech 1 y PC",
      "ShowSpeech 2 y Ann",
      "PlayWaveResource WTasoKo wait",
      "SetGameTimer 0",
      "SetActionButton 7 'To Begin' enabled",
      "SetStockHint Game: 1 / 25",
  }));
}

TEST_F(DealStart, GameNumberAndCycleScoreComeFromThePlayerRecord) {
  engine.SetPlayerRecord({24, -130});
  engine.StartDeal(false);
  EXPECT_EQ(state.gameNumber, 25);
  EXPECT_EQ(state.runningTotal, -130);
  EXPECT_TRUE(CallsInOrder({"SetStockHint Game: 25 / 25"}));
}

TEST_F(DealStart, FirstBidderAgainstTheComputer) {
  // game, deal, alternate option, last deal's winner -> first bidder
  const struct {
    int game, deal;
    bool alternate;
    int lastWinner, firstBidder;
  } cases[] = {
      {1, 1, false, 0, 1},
      {2, 1, false, 0, 2},
      {1, 2, false, 0, 2},
      {1, 3, false, 0, 1},
      {1, 2, false, 1, 2},
      {1, 2, false, 2, 1},
      {1, 3, false, 1, 2},
      {2, 4, false, 2, 1},
      {1, 2, true, 1, 2},
      {1, 3, true, 1, 1},
      {1, 3, true, 2, 1},
      {2, 3, true, 1, 2},
      // The first deal of a game follows the parity whatever the last winner.
      {1, 1, false, 2, 1},
      {2, 1, false, 1, 2},
  };
  for (const auto& c : cases) {
    state.options.optAlternateFirstBidder = c.alternate;
    engine.SetPlayerRecord({c.game - 1, 0});
    engine.StartDeal(false);
    state.dealNumber = c.deal - 1;
    state.lastDealWinner = static_cast<std::uint8_t>(c.lastWinner);
    engine.StartDeal(true);
    EXPECT_EQ(state.firstBidder, c.firstBidder)
        << "game " << c.game << " deal " << c.deal << " alternate " << c.alternate << " last "
        << c.lastWinner;
    EXPECT_EQ(state.lastDealWinner, 0);
  }
}

TEST_F(DealStart, DuelSidesSpeakFirstInTurn) {
  // The client speaks first in odd deals, on both screens.
  for (int side : {1, 2}) {
    engine.Modes() = GameModes{true, side, false, 0};
    engine.StartDeal(false);
    EXPECT_EQ(state.firstBidder, side == 1 ? 1 : 2) << side;
    engine.StartDeal(true);
    EXPECT_EQ(state.firstBidder, side == 1 ? 2 : 1) << side;
  }
}

TEST_F(DealStart, OnlyTheDuelServerMayStart) {
  engine.Modes() = GameModes{true, 2, false, 0};
  engine.StartDeal(false);
  EXPECT_FALSE(engine.Button(ActionButton::kButton7).enabled);
  engine.Modes() = GameModes{true, 1, false, 0};
  engine.StartDeal(true);
  EXPECT_TRUE(engine.Button(ActionButton::kButton7).enabled);
}

// A peer that keeps what the engine sends.
struct RecordingPeer : PeerLink {
  std::vector<std::string> messages;
  int deals = 0;
  void SendGameMessage(const std::string& message) override { messages.push_back(message); }
  void SendDeal(const GameState&) override { ++deals; }
};

TEST_F(DealStart, DuelClientTakesTheServersDeckMirrored) {
  GameState server;
  RandomSource serverRandom(5);
  RecordingTableView serverView(server);
  RecordingPeer serverPeer;
  Engine serverEngine(server, serverView, opponent, serverRandom);
  serverEngine.Modes() = GameModes{true, 1, false, 0};
  serverEngine.SetPeer(&serverPeer);
  serverEngine.StartDeal(false);
  EXPECT_EQ(serverPeer.deals, 1);

  engine.Modes() = GameModes{true, 2, false, 0};
  engine.TakeDealtDeck(server.deck, server.deckOrder, server.deckPoints);
  engine.StartDeal(false);
  EXPECT_EQ(testing::HandAscii(state, 1), testing::HandAscii(server, 2));
  EXPECT_EQ(testing::HandAscii(state, 2), testing::HandAscii(server, 1));
  EXPECT_EQ(state.trumpSuit, server.trumpSuit);
  // Both agree who speaks first, seen from mirrored seats.
  EXPECT_EQ(state.firstBidder, 3 - server.firstBidder);

  // Bought cards are mirrored too.
  state.phase = server.phase = phase::kBuyPending;
  state.options.optTrumpSevenExchange = server.options.optTrumpSevenExchange = false;
  engine.BuyCards();
  serverEngine.BuyCards();
  EXPECT_EQ(testing::HandAscii(state, 1), testing::HandAscii(server, 2));
  EXPECT_EQ(testing::HandAscii(state, 2), testing::HandAscii(server, 1));
}

TEST_F(DealStart, BeginDealAsksTheComputerAtOnce) {
  opponent.accept = true;
  engine.StartDeal(false);
  ASSERT_EQ(state.firstBidder, 1);
  engine.BeginDeal();
  EXPECT_EQ(state.startPending, 2);
  EXPECT_EQ(state.taker, 1);
  EXPECT_EQ(state.phase, phase::kBuyPending);
  EXPECT_TRUE(
      CallsInOrder({"SetGameTimer 1", "ShowSpeech 1 b To Play", "PlayWaveResource WDing_1 wait",
                    "SetActionButton 7 'Buy cards' enabled"}));
}

TEST_F(DealStart, DuelServerBeginSendsTheOpeningToTheClient) {
  RecordingPeer peer;
  engine.SetPeer(&peer);
  engine.Modes() = GameModes{true, 1, false, 0};
  engine.StartDeal(false);  // deal 1: the client speaks first
  ASSERT_EQ(state.phase, phase::kBid1Opponent);
  engine.BeginDeal();
  EXPECT_EQ(peer.messages, std::vector<std::string>{"t000"});
  EXPECT_FALSE(engine.Button(ActionButton::kButton7).enabled);
  EXPECT_EQ(CountCalls("SetGameTimer 1"), 0);
}

}  // namespace
}  // namespace klondar
