#include "engine.h"
#include "engine_words.h"

namespace klondar {

void Engine::ScoreDeal() {
  GameState& s = state_;
  const int t = s.taker;
  const int o = GameState::Other(t);
  const std::int32_t takerPoints = s.dealPoints[t];
  const std::int32_t otherPoints = s.dealPoints[o];
  if (takerPoints > otherPoints) {
    s.gamePoints[t] += takerPoints;
    s.gamePoints[o] += otherPoints;
    s.lastDealWinner = static_cast<std::uint8_t>(t);
  } else if (takerPoints < otherPoints) {
    // The contract failed: the other side takes the points of both.
    s.gamePoints[o] += takerPoints + otherPoints;
    s.lastDealWinner = static_cast<std::uint8_t>(o);
  } else {
    s.gamePoints[o] += otherPoints;
    s.lastDealWinner = static_cast<std::uint8_t>(o);
  }

  DrawScores(1, TurnMark::kKeep, Star::kKeep);
  DrawScores(2, TurnMark::kKeep, Star::kKeep);
  view_.PlayWaveResource(s.lastDealWinner == 2 ? sounds::kDealWon : sounds::kDealLost, true);

  s.scoreDifference = s.gamePoints[2] - s.gamePoints[1];
  s.phase = phase::kDealOver;

  const int target = s.options.targetScore;
  if (s.gamePoints[1] < target && s.gamePoints[2] < target) {
    if (modes_.tournamentMode && modes_.tournamentSide == 1) view_.Pause(1000);
    SetButton(ActionButton::kButton7, words::kNextRound, Paces());
  } else {
    if (modes_.duelMode) {
      s.gameFinished = 1;
      view_.Pause(1200);
    }
    SetButton(ActionButton::kButton7, words::kToSumUpOfGame, true);
    s.phase = phase::kGameOver;
  }
  DuelPause(800);
}

void Engine::SumUpGame() {
  GameState& s = state_;
  s.gameSummarised = 1;
  const std::int32_t a = s.gamePoints[1];
  const std::int32_t b = s.gamePoints[2];
  s.gamePoints[1] = a - b;
  s.gamePoints[2] = b - a;
  s.scoreDifference = b - a;
  for (int p = 1; p <= 2; ++p) {
    view_.DrawScoreBoard(p, TurnMark::kKeep, false, kKeepValue, s.gamePoints[p], Star::kClear);
  }
  if (b - a > 0) view_.PlayWaveResource(sounds::kGameWon, false);
  if (b - a < 0) view_.PlayWaveResource(sounds::kGameLost, false);
  s.gameFinished = 1;
  DisableButton(ActionButton::kButton7);
  SetButton(ActionButton::kButton8, words::kExitToMenu, true);
}

void Engine::LeaveFinishedGame() {
  GameState& s = state_;
  s.newRunningTotal = s.runningTotal + s.gamePoints[2];
  s.tableActive = 0;
  if (gameEndRecorder_) gameEndRecorder_(s.gamePoints[2]);
}

}  // namespace klondar
