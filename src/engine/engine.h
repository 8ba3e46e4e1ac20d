// The rules engine: the operations of a deal and a game on GameState. Every effect goes
// through the TableView; the computer's decisions and card knowledge through Opponent;
// messages to a remote player through PeerLink while a duel or tournament game runs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game_state.h"
#include "opponent.h"
#include "peer_link.h"
#include "random_source.h"
#include "table_view.h"

namespace klondar {

// Who player 1 is. Owned by the duel and tournament code; the engine only reads it.
struct GameModes {
  bool duelMode = false;
  int duelSide = 0;  // 1 server, 2 client
  bool tournamentMode = false;
  int tournamentSide = 0;  // seat 1 or 2
};

// Presentation settings that change what the engine does between view calls.
struct TableSettings {
  bool soundsOn = true;
  bool cardFlights = true;
};

// The stored record of the player in play; a new player has none and starts at 0, 0.
struct PlayerRecord {
  std::int32_t gamesPlayed = 0;
  std::int32_t cycleScore = 0;
};

struct ButtonState {
  std::string text;
  bool enabled = false;
  bool visible = true;
};

// 0 the card may be played; 1 must follow suit; 2 must trump; 3 must overtrump.
// Only an answer is restricted: the caller asks when player answers a lead.
int AnswerRefusal(const GameState& state, int player, int slot);
// Whether player may play the card in slot now, leading or answering.
bool MayPlay(const GameState& state, int player, int slot);

class Engine {
 public:
  Engine(GameState& state, TableView& view, Opponent& opponent, RandomSource& random);

  GameState& State() { return state_; }
  const GameState& State() const { return state_; }
  GameModes& Modes() { return modes_; }
  TableSettings& Settings() { return settings_; }
  void SetPeer(PeerLink* peer) { peer_ = peer; }
  void SetPlayerNames(const std::string& player1, const std::string& player2);
  const std::string& PlayerName(int player) const { return names_[player]; }
  void SetPlayerRecord(const PlayerRecord& record) { record_ = record; }
  // Called with player 2's final difference when a finished game is left.
  void SetGameEndRecorder(std::function<void(std::int32_t)> recorder) {
    gameEndRecorder_ = std::move(recorder);
  }
  bool GameTimerEnabled() const { return timerEnabled_; }
  const ButtonState& Button(ActionButton which) const {
    return buttons_[which == ActionButton::kButton7 ? 0 : 1];
  }

  bool DuelServer() const { return modes_.duelMode && modes_.duelSide == 1; }
  bool DuelClient() const { return modes_.duelMode && modes_.duelSide == 2; }
  bool NetworkGame() const { return modes_.duelMode || modes_.tournamentMode; }
  void SendToPeer(const std::string& message);

  // Deal start.
  void StartDeal(bool continueGame);
  // A duel client or tournament seat takes the deck dealt on the other side; the halves
  // are swapped so that the local user is player 2.
  void TakeDealtDeck(const std::array<CardCode, 33>& deck,
                     const std::array<std::uint8_t, 33>& orders,
                     const std::array<std::uint8_t, 33>& points);
  void BeginDeal();

  // Bidding and buying.
  void OpponentBidStage1();
  void OfferLocalBidStage1();
  void TakeProposedTrump(int player);
  void PassStage1();
  void OpponentBidStage2(bool fromPeer, int decision);
  void LocalBidStage2();
  void BuyCards();
  void ExchangeSeven(int player);
  void SkipExchange();

  // Declarations.
  void ShowCombinations();
  void ReturnShownCards();

  // Trick play.
  void PrimeOpponentKnowledge();
  void StartPlay();
  int CheckLegalAnswer(int slot) const;
  void PlayCard(int player, int slot);
  void DecideTrick();
  void CollectTrick();

  // Deal scoring and game end.
  void ScoreDeal();
  void SumUpGame();
  void LeaveFinishedGame();

 private:
  bool MirroredDeck() const {
    return DuelClient() || (modes_.tournamentMode && modes_.tournamentSide == 2);
  }
  // The side that presses the shared pacing buttons.
  bool Paces() const;
  void DuelPause(int milliseconds);

  void SetTimer(bool enabled);
  void SetButton(ActionButton which, const std::string& text, bool enabled);
  void DisableButton(ActionButton which);
  void RedrawHand(int player);
  void DrawStockNow(bool turnedUpShown = true);
  void DrawScores(int player, TurnMark mark, Star star);
  void ShowNames();
  // The card sound of a move, with the short pause that stands in for it when silent.
  void CardSound();
  void Fly(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd);
  void ThrowIn();
  void OfferExhibit(bool enabled);
  int FirstBidderFor() const;

  GameState& state_;
  TableView& view_;
  Opponent& opponent_;
  RandomSource& random_;
  PeerLink* peer_ = nullptr;
  GameModes modes_;
  TableSettings settings_;
  PlayerRecord record_;
  std::array<std::string, 3> names_{"", "PC", "Player"};
  std::array<ButtonState, 2> buttons_{};
  bool timerEnabled_ = false;
  std::function<void(std::int32_t)> gameEndRecorder_;
};

}  // namespace klondar
