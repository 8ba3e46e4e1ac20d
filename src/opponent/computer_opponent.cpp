#include "computer_opponent.h"

#include "bidding_evaluation.h"
#include "engine/engine.h"

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

int ComputerOpponent::ChooseCard(const GameState& state, TableView&) {
  for (int slot = 1; slot <= 9; ++slot) {
    if (MayPlay(state, 1, slot)) return slot;
  }
  return 0;
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
