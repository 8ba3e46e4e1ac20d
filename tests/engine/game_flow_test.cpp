#include "engine/game_flow.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/deck.h"
#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::Card;
using testing::EngineTest;
using testing::SetHand;
using testing::UseTrickValues;

// Keeps each message with the phase the sender was in when it went out.
struct PhaseRecordingPeer : PeerLink {
  explicit PhaseRecordingPeer(const GameState& state) : state(state) {}
  void SendGameMessage(const std::string& message) override {
    sent.push_back(message + "@" + std::to_string(state.phase));
  }
  void SendDeal(const GameState&) override { sent.push_back("deal"); }
  const GameState& state;
  std::vector<std::string> sent;
};

class Flow : public EngineTest {
 protected:
  Flow()
      : folder(std::filesystem::temp_directory_path() /
               ("klondar-flow-" + std::to_string(::getpid()))),
        flow(engine, view, opponent, folder) {
    std::filesystem::create_directories(folder);
  }
  ~Flow() override { std::filesystem::remove_all(folder); }

  void NewGame(int firstBidder) {
    engine.SetPlayerRecord({firstBidder - 1, 0});
    engine.StartDeal(false);
    ASSERT_EQ(state.firstBidder, firstBidder);
  }
  // x of the middle of slot k's strip in the recording view's layout.
  static int SlotX(int slot) { return (slot - 1) * 20 + 10; }

  std::filesystem::path folder;
  GameFlow flow;
};

TEST_F(Flow, FourPassesFromEitherFirstBidder) {
  NewGame(2);
  std::vector<int> phases;
  flow.Tick();  // the timer is off until "To Begin"
  EXPECT_EQ(state.phase, phase::kBid1Local);
  flow.PressButton7();  // To Begin
  phases.push_back(state.phase);
  flow.PressButton8();  // Pass
  phases.push_back(state.phase);
  flow.Tick();  // the computer passes; player 2's dialog passes too
  phases.push_back(state.phase);
  flow.Tick();  // the computer passes again
  phases.push_back(state.phase);
  EXPECT_EQ(phases, (std::vector<int>{2, 1, 11, 30}));
  EXPECT_EQ(engine.Button(ActionButton::kButton7).text, "Next Round");

  flow.PressButton7();  // Next Round: game 1's second deal opens with the computer
  EXPECT_EQ(state.dealNumber, 2);
  ASSERT_EQ(state.firstBidder, 1);
  phases.clear();
  flow.PressButton7();  // To Begin: the computer answers in the same click
  phases.push_back(state.phase);
  flow.PressButton8();
  phases.push_back(state.phase);
  flow.Tick();
  phases.push_back(state.phase);
  EXPECT_EQ(phases, (std::vector<int>{2, 11, 30}));
  EXPECT_EQ(view.TrumpDialogsShown(), 2);
}

TEST_F(Flow, ClicksOnTheHandCountOnlyWhenItIsPlayer2sTurn) {
  state.trumpSuit = kHearts;
  SetHand(state, 1, "Ac 7s");
  SetHand(state, 2, "7c Kd 9h");
  UseTrickValues(state, 1);
  UseTrickValues(state, 2);
  state.tableActive = 1;
  state.trickPos = 1;
  state.leader = state.previousLeader = 1;
  for (const std::uint8_t ph : {phase::kPlayOpponent, phase::kTrickComplete, phase::kDealOver}) {
    state.phase = ph;
    flow.ClickHand(SlotX(1));
    EXPECT_EQ(state.handCount[2], 3) << int(ph);
  }
  // Player 1 leads the ace of clubs; player 2 must follow with the seven.
  state.phase = phase::kPlayOpponent;
  engine.PlayCard(1, HandCardSlot(state.hand[1], Card("Ac")));
  ASSERT_EQ(state.phase, phase::kPlayLocal);
  view.Clear();
  const int kingSlot = HandCardSlot(state.hand[2], Card("Kd"));
  flow.ClickHand(SlotX(kingSlot));
  EXPECT_EQ(state.handCount[2], 3);
  EXPECT_EQ(state.phase, phase::kPlayLocal);
  EXPECT_TRUE(
      CallsInOrder({"ShowSpeech 1 y PC", "ShowSpeech 2 y Ann", "PlayWaveResource WWrongs wait"}));
  // Right of the last card nothing is under the pointer.
  flow.ClickHand(SlotX(3) + 80);
  EXPECT_EQ(state.handCount[2], 3);
  flow.ClickHand(SlotX(HandCardSlot(state.hand[2], Card("7c"))));
  EXPECT_EQ(state.phase, phase::kTrickComplete);
  EXPECT_EQ(state.handCount[2], 2);
}

TEST_F(Flow, PointerShowsWhichCardsMayBePlayed) {
  state.trumpSuit = kHearts;
  SetHand(state, 1, "Ac 7s");
  SetHand(state, 2, "7c Kd 9h");
  UseTrickValues(state, 1);
  UseTrickValues(state, 2);
  state.tableActive = 1;
  state.phase = phase::kPlayOpponent;
  state.leader = 1;
  engine.PlayCard(1, HandCardSlot(state.hand[1], Card("Ac")));
  view.Clear();
  flow.MovePointer(SlotX(HandCardSlot(state.hand[2], Card("7c"))));
  flow.MovePointer(SlotX(HandCardSlot(state.hand[2], Card("7c"))) + 1);
  flow.MovePointer(SlotX(HandCardSlot(state.hand[2], Card("Kd"))));
  EXPECT_EQ(view.Lines(), (std::vector<std::string>{"SetPointer 1", "SetPointer 0"}));
}

TEST_F(Flow, TheComputerPlaysOnTicks) {
  NewGame(1);
  opponent.accept = true;
  flow.PressButton7();  // To Begin: the computer takes the contract
  ASSERT_EQ(state.phase, phase::kBuyPending);
  flow.PressButton7();  // Buy cards
  if (state.phase == phase::kExchangePending) flow.PressButton8();
  if (state.phase == phase::kExchangePending) flow.PressButton7();
  ASSERT_EQ(state.phase, phase::kCombinationsPending);
  flow.PressButton7();
  flow.PressButton7();  // Ok: play starts with the computer's lead
  ASSERT_EQ(state.phase, phase::kPlayOpponent);
  EXPECT_EQ(state.knowledgePrimed, 1);
  flow.Tick();
  EXPECT_EQ(state.knowledgePrimed, 0);
  EXPECT_NE(std::find(opponent.notes.begin(), opponent.notes.end(), "visible"),
            opponent.notes.end());
  EXPECT_EQ(opponent.cardChoices, 1);
  EXPECT_EQ(state.phase, phase::kPlayLocal);
  flow.Tick();  // not the computer's turn
  EXPECT_EQ(opponent.cardChoices, 1);
}

TEST_F(Flow, DuelServerAnnouncesItsSteps) {
  PhaseRecordingPeer peer(state);
  engine.SetPeer(&peer);
  state.options.optTrumpSevenExchange = false;
  NewGame(2);
  engine.Modes() = GameModes{true, 1, false, 0};
  flow.PressButton7();  // To Begin, player 2 speaks: nothing to send
  flow.PressButton7();  // To Play: the step first, then the message
  flow.PressButton7();  // Buy cards: the message first
  flow.PressButton7();  // Exhibit combinations
  flow.PressButton7();  // Ok
  ASSERT_EQ(state.phase, phase::kPlayLocal);
  int slot = 1;
  while (!MayPlay(state, 2, slot)) ++slot;
  flow.ClickHand(SlotX(slot));
  ASSERT_EQ(state.phase, phase::kPlayOpponent);
  flow.Tick();  // the remote player's card comes from the link, never from a tick
  ASSERT_EQ(state.phase, phase::kPlayOpponent);
  slot = 1;
  while (!MayPlay(state, 1, slot)) ++slot;
  engine.PlayCard(1, slot);
  flow.PressButton7();  // collect the trick
  ASSERT_GE(peer.sent.size(), 6u);
  EXPECT_EQ(peer.sent[0], "t100@13");
  EXPECT_EQ(peer.sent[1], "t500@13");
  EXPECT_EQ(peer.sent[2], "t800@15");
  EXPECT_EQ(peer.sent[3], "t900@16");
  EXPECT_EQ(peer.sent[4].substr(0, 1), "h");
  EXPECT_EQ(peer.sent[4].substr(2), "00@22");
  EXPECT_EQ(peer.sent[5], "xslt@23");
  EXPECT_EQ(peer.sent.size(), 6u);
}

TEST_F(Flow, DuelClientLeavesThePacingToTheServer) {
  PhaseRecordingPeer peer(state);
  engine.SetPeer(&peer);
  engine.Modes() = GameModes{true, 2, false, 0};
  GameState server;
  ShuffleDeck(server, random);
  engine.TakeDealtDeck(server.deck, server.deckOrder, server.deckPoints);
  engine.StartDeal(false);
  ASSERT_EQ(state.firstBidder, 2);  // the client opens odd deals
  flow.PressButton7();              // "To Begin" belongs to the server
  EXPECT_EQ(state.startPending, 1);
  // The server's opening arrives: player 2 may bid.
  engine.OfferLocalBidStage1();
  state.startPending = 2;
  flow.PressButton8();
  EXPECT_EQ(peer.sent, std::vector<std::string>{"t200@1"});
}

TEST_F(Flow, F12WritesTheHandsShownWithTheCombinations) {
  state.tableActive = 1;
  state.handSnapshot[1] = Card("7c").Bytes() + Card("As").Bytes();
  state.handSnapshot[2] = Card("Jh").Bytes();
  flow.KeyReleased(kKeyF12 + 1);
  EXPECT_FALSE(std::filesystem::exists(folder / kDumpFileName));
  flow.KeyReleased(kKeyF12);
  std::ifstream in(folder / kDumpFileName, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(text, "Co: 7\xEA\xD2\xEF\r\nMe: \xC2\xF7\r\n");
  std::filesystem::remove(folder / kDumpFileName);
  engine.Modes() = GameModes{true, 1, false, 0};
  flow.KeyReleased(kKeyF12);
  EXPECT_FALSE(std::filesystem::exists(folder / kDumpFileName));
}

TEST_F(Flow, RightClickSpeaksTheCardAndChangesNothing) {
  engine.StartDeal(false);
  const GameState before = state;
  flow.RightClick(TableSpot::Hand(2, 3));
  flow.RightClick(TableSpot::TurnedUp());
  flow.RightClick(TableSpot::Freza());   // not shown before play
  flow.RightClick(TableSpot::Trick(1));  // no trick yet
  EXPECT_TRUE(CallsInOrder(
      {"SayCardName " + ToAscii(state.hand[2][3]), "SayCardName " + ToAscii(state.deck[32])}));
  EXPECT_EQ(CountCalls("SayCardName " + ToAscii(state.deck[31])), 0);
  EXPECT_EQ(state.hand, before.hand);
  EXPECT_EQ(state.phase, before.phase);
}

}  // namespace
}  // namespace klondar
