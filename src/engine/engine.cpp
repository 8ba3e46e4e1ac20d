#include "engine.h"

#include "engine_words.h"
#include "hand.h"

namespace klondar {

Engine::Engine(GameState& state, TableView& view, Opponent& opponent, RandomSource& random)
    : state_(state), view_(view), opponent_(opponent), random_(random) {}

void Engine::SetPlayerNames(const std::string& player1, const std::string& player2) {
  names_[1] = player1;
  names_[2] = player2;
}

bool Engine::Paces() const {
  if (modes_.duelMode) return modes_.duelSide == 1;
  if (modes_.tournamentMode) return modes_.tournamentSide == 1;
  return true;
}

void Engine::SendToPeer(const std::string& message) {
  if (peer_ != nullptr && NetworkGame()) peer_->SendGameMessage(message);
}

void Engine::DuelPause(int milliseconds) {
  if (modes_.duelMode) view_.Pause(milliseconds);
}

void Engine::SetTimer(bool enabled) {
  timerEnabled_ = enabled;
  view_.SetGameTimer(enabled);
}

void Engine::SetButton(ActionButton which, const std::string& text, bool enabled) {
  ButtonState& button = buttons_[which == ActionButton::kButton7 ? 0 : 1];
  button.text = text;
  button.enabled = enabled;
  button.visible = true;
  view_.SetActionButton(which, text, enabled, true);
}

void Engine::DisableButton(ActionButton which) {
  const ButtonState& button = Button(which);
  SetButton(which, button.text, false);
}

void Engine::RedrawHand(int player) {
  SortHand(state_, player);
  view_.DrawHand(player, player == 2);
}

void Engine::DrawStockNow(bool turnedUpShown) {
  const bool frezaShown = state_.options.optFreza && state_.phase > phase::kCombinationsShown;
  view_.DrawStock(turnedUpShown ? state_.deck[32] : kEmptyCard,
                  frezaShown ? state_.deck[31] : kEmptyCard, state_.nextDeckCard);
}

void Engine::DrawScores(int player, TurnMark mark, Star star) {
  view_.DrawScoreBoard(player, mark, false, state_.dealPoints[player], state_.gamePoints[player],
                       star);
}

void Engine::ShowNames() {
  view_.ShowSpeech(1, names_[1], kYellow);
  view_.ShowSpeech(2, names_[2], kYellow);
}

void Engine::CardSound() {
  view_.PlayWaveResource(sounds::kMove, true);
  if (!settings_.soundsOn) view_.Pause(50);
}

void Engine::Fly(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd) {
  if (settings_.cardFlights) view_.AnimateCardMove(from, to, card, eraseAtEnd);
}

}  // namespace klondar
