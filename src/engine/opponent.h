// What the engine asks of and tells the computer opponent. The computer's implementation
// lives with the opponent code; the engine only knows this interface.
#pragma once

#include "game_state.h"
#include "table_view.h"

namespace klondar {

class Opponent {
 public:
  virtual ~Opponent() = default;

  // Bidding decisions for player 1.
  virtual bool AcceptProposedTrump(const GameState& state) = 0;
  // A suit other than the turned-up suit, or kNoSuit to pass.
  virtual char ChooseTrumpSuit(const GameState& state) = 0;
  virtual bool WantsSevenExchange(const GameState& state) = 0;
  // Player 1's card while it is to play: a slot 1..9 holding a card it may play. A long
  // search may show its progress and the hourglass through the view.
  virtual int ChooseCard(const GameState& state, TableView& view) = 0;

  // Card knowledge. A new deal: every table is emptied.
  virtual void ResetKnowledge() = 0;
  // Player took the turned-up card in the trump-seven exchange.
  virtual void NoteExchange(int player, CardCode turnedUp) = 0;
  // The winner's combination cards, tableCards[1..tableCount], were shown.
  virtual void NoteShownCards(const GameState& state, int winner) = 0;
  // Player 1 is about to play its first card of the deal: the turned-up card, the freza
  // card when shown, and player 1's own nine cards become known.
  virtual void NoteVisibleCards(const GameState& state) = 0;
  // A card was placed at trick position state.trickPos by player.
  virtual void NoteCardPlayed(const GameState& state, int player) = 0;
};

}  // namespace klondar
