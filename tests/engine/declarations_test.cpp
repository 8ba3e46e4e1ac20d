#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::Card;
using testing::EngineTest;
using testing::HandAscii;
using testing::SetHand;

class Declarations : public EngineTest {
 protected:
  void Prepare(const std::string& hand1, const std::string& hand2, char trump, int firstBidder) {
    state.trumpSuit = trump;
    SetHand(state, 1, hand1);
    SetHand(state, 2, hand2);
    state.firstBidder = static_cast<std::uint8_t>(firstBidder);
    state.phase = phase::kCombinationsPending;
    view.Clear();
  }
};

TEST_F(Declarations, WinnerAndPoints) {
  const struct {
    const char* hand1;
    const char* hand2;
    char trump;
    int firstBidder;
    int winner;
    int points;
    const char* winnerSays;
    const char* loserSays;
  } cases[] = {
      // Equal best strengths (plain king-high runs): the first bidder wins.
      {"Js Qs Ks 7h 9h Ah 8d Td Ad", "Jc Qc Kc 8h Th 7d 9d Jd 8s", kHearts, 1, 1, 20, "Tertz",
       "Weak Combination"},
      {"Js Qs Ks 7h 9h Ah 8d Td Ad", "Jc Qc Kc 8h Th 7d 9d Jd 8s", kHearts, 2, 2, 20, "Tertz",
       "Weak Combination"},
      // A plain four-card run to the ten beats a trump three-card run to the ace.
      {"Qh Kh Ah 7c 9c Jc 8d Td Qd", "7s 8s 9s Ts 8h Ac Kc 9d Jd", kHearts, 1, 2, 50, "Klondar",
       "Weak Combination"},
      // A trump three-card run to the king beats a plain one to the king.
      {"Jc Qc Kc 7h 9h Ah 8d Td Ad", "Jh Qh Kh 8c Tc 7d 9d Jd 8s", kHearts, 1, 2, 20, "Tertz",
       "Weak Combination"},
      // Seven in sequence: a four-card and a three-card run, 70 points.
      {"7c 8c 9c Tc Jc Qc Kc 7h 9h", "8h Th Qh 7d 9d Jd Ks 8s Ts", kSpades, 2, 1, 70,
       "Klondar + Tertz", "No combinations"},
      // Eight of one suit and another card: two four-card runs.
      {"7d 8d 9d Td Jd Qd Kd Ad 7s", "7h 9h Jh Kh 8c Tc Qc As 9s", kClubs, 2, 1, 100,
       "Klondar + Klondar", "No combinations"},
      // Only the winner scores, even when the loser's runs add up to more.
      {"Jc Qc Kc Ac 7h 9h Jh Kh 8c", "7d 8d 9d Td 7s 8s 9s Ts 8h", kHearts, 2, 1, 50, "Klondar",
       "Weak Combination"},
  };
  for (const auto& c : cases) {
    Prepare(c.hand1, c.hand2, c.trump, c.firstBidder);
    engine.ShowCombinations();
    const int loser = 3 - c.winner;
    EXPECT_EQ(state.declarationWinner, c.winner) << c.hand1 << " / " << c.hand2;
    EXPECT_EQ(state.dealPoints[c.winner], c.points) << c.hand1;
    EXPECT_EQ(state.dealPoints[loser], 0);
    EXPECT_TRUE(CallsInOrder({"ShowSpeech " + std::to_string(c.winner) + " b " + c.winnerSays,
                              "ShowSpeech " + std::to_string(loser) + " g " + c.loserSays,
                              "PlayWaveResource WPlMore wait"}))
        << c.hand1;
    EXPECT_EQ(state.handCount[c.winner] + state.tableCount, 9);
    EXPECT_EQ(state.phase, phase::kCombinationsShown);
    state.dealPoints = {0, 0, 0};
  }
}

TEST_F(Declarations, CardsAreLaidOutAndTakenBack) {
  Prepare("7c 8c 9c Tc Jc Qc Kc 7h 9h", "8h Th Qh 7d 9d Jd Ks 8s Ts", kSpades, 2);
  engine.Settings().soundsOn = false;
  engine.ShowCombinations();
  EXPECT_EQ(state.tableCount, 7);
  std::string table;
  for (int i = 1; i <= state.tableCount; ++i) table += ToAscii(state.tableCards[i]) + " ";
  EXPECT_EQ(table, "Tc Jc Qc Kc 7c 8c 9c ");
  EXPECT_EQ(HandAscii(state, 1), "7h 9h");
  EXPECT_EQ(opponent.notes, std::vector<std::string>{"shown 1 Tc Jc Qc Kc 7c 8c 9c"});
  // Player 1's cards were not exposed as player 2's.
  EXPECT_TRUE(state.exposedCards[1].IsEmpty());
  EXPECT_TRUE(CallsInOrder(
      {"DrawHand 1 down", "AnimateCardMove hand1.6>combination1 Tc",
       "DrawTableCard combination1 Tc", "PlayWaveResource WHodsDo wait", "Pause 50",
       "DrawTableCard combination7 9c", "DrawScoreBoard 1 keepmark deal=70 total=0 keepstar",
       "SetActionButton 7 'Ok' enabled", "SetActionButton 8 'Pass' disabled"}));
  EXPECT_EQ(state.handSnapshot[1].size(), 18u);

  view.Clear();
  engine.ReturnShownCards();
  EXPECT_EQ(HandAscii(state, 1), "7h 9h 7c 8c 9c Tc Jc Qc Kc");
  EXPECT_EQ(state.handCount[1], 9);
  // Sequence orders and plain points are back.
  EXPECT_EQ(state.handOrder[1][9], 7);
  EXPECT_EQ(state.handPoints[1][6], 10);
  EXPECT_TRUE(CallsInOrder({"RepaintTableSlot combination7", "RepaintTableSlot combination1"}));
}

TEST_F(Declarations, Player2sShownCardsAreExposedToTheComputer) {
  Prepare("8h Th Qh 7d 9d Jd Ks 8s Ts", "Jc Qc Kc 7h 9h Ah 8d Td Ad", kHearts, 1);
  engine.ShowCombinations();
  ASSERT_EQ(state.declarationWinner, 2);
  EXPECT_EQ(state.exposedCards[1], Card("Jc"));
  EXPECT_EQ(state.exposedCards[3], Card("Kc"));
  EXPECT_TRUE(state.exposedCards[4].IsEmpty());
}

TEST_F(Declarations, NobodyHasACombination) {
  Prepare("8h Th Qh 7d 9d Jd Ks 8s Ts", "7h 9h Jh 8d Td Qd 7s 9s Js", kHearts, 1);
  engine.ShowCombinations();
  EXPECT_EQ(state.declarationWinner, 0);
  EXPECT_EQ(state.tableCount, 0);
  EXPECT_EQ(CountCalls("PlayWaveResource WVelPass wait"), 2);
  EXPECT_TRUE(CallsInOrder({"ShowSpeech 1 g No combinations", "ShowSpeech 2 g No combinations"}));
  EXPECT_TRUE(opponent.notes.empty());
  EXPECT_EQ(state.phase, phase::kCombinationsShown);
  view.Clear();
  engine.ReturnShownCards();
  EXPECT_TRUE(view.Calls().empty());
}

}  // namespace
}  // namespace klondar
