#include "computer_opponent.h"

#include "bidding_evaluation.h"
#include "card_sampling.h"
#include "first_trick_rules.h"

namespace klondar {

bool ComputerOpponent::AcceptProposedTrump(const GameState& state) {
  return klondar::AcceptProposedTrump(state);
}

char ComputerOpponent::ChooseTrumpSuit(const GameState& state) {
  return klondar::ChooseTrumpSuit(state);
}

bool ComputerOpponent::WantsSevenExchange(const GameState& state) {
  return klondar::WantsSevenExchange(state);
}

int ComputerOpponent::ChooseCard(const GameState& state, TableView& view) {
  if (state.trickNumber == 1) return ChooseFirstTrickCard(state);
  return ChooseCardBySampling(
      state, knowledge_, random_, view,
      [this](const SolverPosition& position) { return solver_.Solve(position); });
}

void ComputerOpponent::NoteExchange(int player, CardCode turnedUp) {
  NoteExchangedCard(knowledge_, player, turnedUp);
}

void ComputerOpponent::NoteShownCards(const GameState& state, int winner) {
  klondar::NoteShownCards(knowledge_, state, winner);
}

void ComputerOpponent::NoteVisibleCards(const GameState& state) {
  klondar::NoteVisibleCards(knowledge_, state);
}

void ComputerOpponent::NoteCardPlayed(const GameState& state, int player) {
  NotePlayedByPlayer(knowledge_, state, player);
}

}  // namespace klondar
