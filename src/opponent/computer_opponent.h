// The computer as player 1: its bidding decisions and what it knows of the cards.
#pragma once

#include "card_knowledge.h"
#include "deal_solver.h"
#include "engine/opponent.h"
#include "engine/random_source.h"

namespace klondar {

class ComputerOpponent : public Opponent {
 public:
  // The generator draws the samples of the card search; it is shared, never reseeded.
  explicit ComputerOpponent(RandomSource& random) : random_(random) {}

  bool AcceptProposedTrump(const GameState& state) override;
  char ChooseTrumpSuit(const GameState& state) override;
  bool WantsSevenExchange(const GameState& state) override;
  int ChooseCard(const GameState& state, TableView& view) override;

  void ResetKnowledge() override { knowledge_.Clear(); }
  void NoteExchange(int player, CardCode turnedUp) override;
  void NoteShownCards(const GameState& state, int winner) override;
  void NoteVisibleCards(const GameState& state) override;
  void NoteCardPlayed(const GameState& state, int player) override;

  const CardKnowledge& Knowledge() const { return knowledge_; }

 private:
  RandomSource& random_;
  CardKnowledge knowledge_;
  // Kept between decisions: its tables are reused while trump and options stay the same.
  DealSolver solver_;
};

}  // namespace klondar
