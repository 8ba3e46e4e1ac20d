// A table view that draws nothing and never waits: it keeps every call in order, for
// tests and for the command-line tools. The trump dialog answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game_state.h"
#include "table_view.h"

namespace klondar {

struct ViewCall {
  std::string op;  // the operation's name, "ShowSpeech", "Pause", ...
  int player = 0;
  std::string text;              // speech text, sound name or button caption
  char colour = 0;               // speech colour letter
  CardCode card;                 // the card of a flight, a table card or the turned-up card
  bool flag = false;             // wait, face up, enabled, erase at end
  int value = 0;                 // pause, percent, seconds, next card, button number
  std::string Describe() const;  // one stable line, e.g. "ShowSpeech 1 g Pass"
};

class RecordingTableView : public TableView {
 public:
  // The hand layout used by HandCardAt: card i starts at (i - 1) * strip; each card is
  // cardWidth wide.
  explicit RecordingTableView(const GameState& state, int strip = 20, int cardWidth = 71)
      : state_(state), strip_(strip), cardWidth_(cardWidth) {}

  const std::vector<ViewCall>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }
  // Every call described, one per line.
  std::vector<std::string> Lines() const;
  // Answers of the trump dialog, taken in order; with none left the dialog passes.
  void ScriptTrumpAnswer(std::optional<char> suit) { trumpAnswers_.push_back(suit); }
  int TrumpDialogsShown() const { return trumpDialogs_; }
  char LastUnavailableSuit() const { return lastUnavailable_; }

  void DrawHand(int player, bool faceUp) override;
  int HandCardAt(int player, int x) override;
  void DrawStock(CardCode turnedUp, CardCode freza, int nextCard) override;
  void DrawStockInfo() override;
  void SetStockHint(const std::string& text) override;
  void DrawScoreBoard(int player, TurnMark turnMark, bool repaintBackground, std::int32_t dealValue,
                      std::int32_t totalValue, Star star) override;
  void ShowSpeech(int player, const std::string& text, char colour) override;
  void RepaintTableSlot(TableSpot spot) override;
  void DrawTableCard(TableSpot spot, CardCode card) override;
  void AnimateCardMove(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd) override;
  void PlayWaveResource(const std::string& name, bool wait) override;
  bool SayCardName(CardCode card, bool wait) override;
  void PlayTouchEffect() override;
  void ShowMoveTimer(int player, int seconds) override;
  void SetActionButton(ActionButton which, const std::string& text, bool enabled,
                       bool visible) override;
  void SetGameTimer(bool enabled) override;
  void SetPointer(PointerShape shape) override;
  void ShowThinkingProgress(int percent) override;
  void Pause(int milliseconds) override;
  std::optional<char> AskTrumpSuit(char unavailableSuit) override;

 private:
  ViewCall& Record(const std::string& op);

  const GameState& state_;
  int strip_;
  int cardWidth_;
  std::vector<ViewCall> calls_;
  std::deque<std::optional<char>> trumpAnswers_;
  int trumpDialogs_ = 0;
  char lastUnavailable_ = kNoSuit;
};

// The slot under x for a hand laid out from x = 0 with the given strip and card width:
// each card covers from its own x to the next card's x, the last card its full width;
// empty slots are skipped; 0 when no card is under x.
int SlotUnderX(const HandCards& hand, int strip, int cardWidth, int x);

std::string SpotName(TableSpot spot);

}  // namespace klondar
