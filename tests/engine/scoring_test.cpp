#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::EngineTest;

class Scoring : public EngineTest {
 protected:
  void Deal(int taker, int points1, int points2, int total1 = 0, int total2 = 0) {
    state.taker = static_cast<std::uint8_t>(taker);
    state.dealPoints = {0, points1, points2};
    state.gamePoints = {0, total1, total2};
    view.Clear();
    engine.ScoreDeal();
  }
};

TEST_F(Scoring, TheTakerMustHaveMore) {
  const struct {
    int taker, points1, points2, game1, game2, winner;
  } cases[] = {
      {2, 81, 81, 81, 0, 1},     // equal: the taker scores nothing
      {2, 92, 70, 162, 0, 1},    // fewer: the opponent takes both
      {2, 42, 120, 42, 120, 2},  // more: both keep their own
      {1, 120, 42, 120, 42, 1}, {1, 70, 92, 0, 162, 2}, {1, 81, 81, 0, 81, 2},
  };
  for (const auto& c : cases) {
    Deal(c.taker, c.points1, c.points2);
    EXPECT_EQ(state.gamePoints[1], c.game1) << c.taker << " " << c.points1 << ":" << c.points2;
    EXPECT_EQ(state.gamePoints[2], c.game2);
    EXPECT_EQ(state.lastDealWinner, c.winner);
    EXPECT_EQ(state.scoreDifference, c.game2 - c.game1);
    EXPECT_EQ(state.phase, phase::kDealOver);
    EXPECT_TRUE(CallsInOrder(
        {c.winner == 2 ? "PlayWaveResource WKoGutX wait" : "PlayWaveResource WKoBadX wait",
         "SetActionButton 7 'Next Round' enabled"}));
  }
}

TEST_F(Scoring, TheGameEndsAtTheTarget) {
  const struct {
    int target, total1, total2, points1, points2;
    bool over;
  } cases[] = {
      {301, 260, 200, 40, 100, false},  // 300 : 300 continues
      {301, 260, 200, 41, 100, true},   // 301 ends
      {301, 100, 290, 40, 122, true},  {501, 400, 350, 100, 50, false},
      {501, 450, 480, 60, 40, true},  // both pass 501
  };
  for (const auto& c : cases) {
    state.options.targetScore = c.target;
    // The player with more points holds the contract, so both keep their points.
    Deal(c.points1 > c.points2 ? 1 : 2, c.points1, c.points2, c.total1, c.total2);
    EXPECT_EQ(state.phase, c.over ? phase::kGameOver : phase::kDealOver)
        << c.target << " " << state.gamePoints[1] << ":" << state.gamePoints[2];
    EXPECT_EQ(engine.Button(ActionButton::kButton7).text,
              c.over ? "To sum up of game" : "Next Round");
  }
}

TEST_F(Scoring, SummingUpGivesEachTheDifference) {
  const struct {
    int total1, total2;
    const char* sound;
  } cases[] = {{320, 250, "PlayWaveResource WKoBads"},
               {280, 510, "PlayWaveResource WKoGood"},
               {305, 305, nullptr}};
  for (const auto& c : cases) {
    state.options.targetScore = 301;
    Deal(1, 0, 0, c.total1, c.total2);
    ASSERT_EQ(state.phase, phase::kGameOver);
    view.Clear();
    engine.SumUpGame();
    EXPECT_EQ(state.gamePoints[1], c.total1 - c.total2);
    EXPECT_EQ(state.gamePoints[2], c.total2 - c.total1);
    EXPECT_EQ(state.scoreDifference, c.total2 - c.total1);
    EXPECT_EQ(state.gameFinished, 1);
    EXPECT_EQ(state.gameSummarised, 1);
    EXPECT_EQ(CountCalls("PlayWaveResource WKoGood") + CountCalls("PlayWaveResource WKoBads"),
              c.sound ? 1 : 0);
    if (c.sound) {
      EXPECT_EQ(CountCalls(c.sound), 1);
    }
    EXPECT_TRUE(CallsInOrder({"DrawScoreBoard 1 keepmark deal=keep total=" +
                                  std::to_string(c.total1 - c.total2) + " nostar",
                              "SetActionButton 7 'To sum up of game' disabled",
                              "SetActionButton 8 'Exit to menu' enabled"}));
  }
}

TEST_F(Scoring, LeavingHandsTheDifferenceToTheRecorder) {
  std::vector<std::int32_t> recorded;
  engine.SetGameEndRecorder([&](std::int32_t difference) { recorded.push_back(difference); });
  state.runningTotal = 40;
  state.gamePoints = {0, 180, 320};
  state.tableActive = 1;
  engine.SumUpGame();
  engine.LeaveFinishedGame();
  EXPECT_EQ(recorded, std::vector<std::int32_t>{140});
  EXPECT_EQ(state.newRunningTotal, 180);
  EXPECT_EQ(state.tableActive, 0);
}

TEST_F(Scoring, DuelPausesAtTheEnd) {
  engine.Modes() = GameModes{true, 1, false, 0};
  state.options.targetScore = 301;
  Deal(1, 120, 42, 250, 0);
  EXPECT_EQ(state.gameFinished, 1);
  EXPECT_TRUE(
      CallsInOrder({"Pause 1200", "SetActionButton 7 'To sum up of game' enabled", "Pause 800"}));
}

}  // namespace
}  // namespace klondar
