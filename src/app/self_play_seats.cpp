#include "self_play_seats.h"

#include "opponent/bidding_evaluation.h"
#include "opponent/seat_mirror.h"

namespace klondar {

bool SelfPlaySeats::AcceptProposedTrump(const GameState& state) {
  return seat1_.AcceptProposedTrump(state);
}

char SelfPlaySeats::ChooseTrumpSuit(const GameState& state) {
  return seat1_.ChooseTrumpSuit(state);
}

bool SelfPlaySeats::WantsSevenExchange(const GameState& state) {
  return seat1_.WantsSevenExchange(state);
}

int SelfPlaySeats::ChooseCard(const GameState& state, TableView& view) {
  return seat1_.ChooseCard(state, view);
}

void SelfPlaySeats::ResetKnowledge() {
  seat1_.ResetKnowledge();
  seat2_.ResetKnowledge();
  exposedToSeat2_.fill(kEmptyCard);
  seat2Primed_ = true;
}

void SelfPlaySeats::NoteExchange(int player, CardCode turnedUp) {
  seat1_.NoteExchange(player, turnedUp);
  seat2_.NoteExchange(3 - player, turnedUp);
  if (player == 1) exposedToSeat2_[10] = turnedUp;
}

void SelfPlaySeats::NoteShownCards(const GameState& state, int winner) {
  seat1_.NoteShownCards(state, winner);
  seat2_.NoteShownCards(MirrorSeats(state), 3 - winner);
  if (winner == 1) {
    for (int i = 1; i <= 9; ++i) exposedToSeat2_[i] = state.tableCards[i];
  }
}

void SelfPlaySeats::NoteVisibleCards(const GameState& state) { seat1_.NoteVisibleCards(state); }

void SelfPlaySeats::NoteCardPlayed(const GameState& state, int player) {
  seat1_.NoteCardPlayed(state, player);
  seat2_.NoteCardPlayed(MirrorSeats(state), 3 - player);
}

GameState SelfPlaySeats::SeenFromSeat2(const GameState& state) const {
  GameState seen = MirrorSeats(state);
  seen.exposedCards = exposedToSeat2_;
  return seen;
}

bool SelfPlaySeats::Seat2AcceptsProposedTrump(const GameState& state) const {
  return klondar::AcceptProposedTrump(SeenFromSeat2(state));
}

char SelfPlaySeats::Seat2NamesTrump(const GameState& state) const {
  return klondar::ChooseTrumpSuit(SeenFromSeat2(state));
}

bool SelfPlaySeats::Seat2WantsSevenExchange(const GameState& state) const {
  return klondar::WantsSevenExchange(SeenFromSeat2(state));
}

int SelfPlaySeats::Seat2ChoosesCard(const GameState& state, TableView& view) {
  const GameState seen = SeenFromSeat2(state);
  if (seat2Primed_) {
    // Player 2's first move of the deal: it now knows the stock cards and its own hand.
    seat2Primed_ = false;
    seat2_.NoteVisibleCards(seen);
  }
  return seat2_.ChooseCard(seen, view);
}

}  // namespace klondar
