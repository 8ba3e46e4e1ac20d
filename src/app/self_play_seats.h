// Two computer players at one table: player 1 is asked by the engine as usual; player 2's
// decisions are asked of a second computer that sees the game from player 2's seat.
#pragma once

#include <array>

#include "engine/opponent.h"
#include "opponent/computer_opponent.h"

namespace klondar {

class SelfPlaySeats : public Opponent {
 public:
  explicit SelfPlaySeats(RandomSource& random) : seat1_(random), seat2_(random) {}

  // Player 1: the engine's opponent.
  bool AcceptProposedTrump(const GameState& state) override;
  char ChooseTrumpSuit(const GameState& state) override;
  bool WantsSevenExchange(const GameState& state) override;
  int ChooseCard(const GameState& state, TableView& view) override;

  // Both seats learn what each may see.
  void ResetKnowledge() override;
  void NoteExchange(int player, CardCode turnedUp) override;
  void NoteShownCards(const GameState& state, int winner) override;
  void NoteVisibleCards(const GameState& state) override;
  void NoteCardPlayed(const GameState& state, int player) override;

  // Player 2's decisions, seen from its seat.
  bool Seat2AcceptsProposedTrump(const GameState& state) const;
  char Seat2NamesTrump(const GameState& state) const;
  bool Seat2WantsSevenExchange(const GameState& state) const;
  int Seat2ChoosesCard(const GameState& state, TableView& view);

 private:
  // The game as player 2 sees it: seats swapped, player 1's shown cards as exposed.
  GameState SeenFromSeat2(const GameState& state) const;

  ComputerOpponent seat1_;
  ComputerOpponent seat2_;
  std::array<CardCode, 11> exposedToSeat2_{};
  bool seat2Primed_ = true;
};

}  // namespace klondar
