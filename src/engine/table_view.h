// The table view: every visible or audible effect of the engine goes through this
// interface. The main window implements it; tests use RecordingTableView. A call that
// animates or waits returns only when its effect is over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "card.h"

namespace klondar {

enum class ActionButton { kButton7 = 7, kButton8 = 8 };
enum class PointerShape { kNormal, kPointingHand, kHourglass };

// Score board turn mark and star arguments.
enum class TurnMark { kSet = 1, kClear = 2, kKeep = 3 };
enum class Star { kYellow = 0, kRed = 1, kClear = 2, kKeep = 3 };
// Score board values that clear the field or leave it unchanged.
inline constexpr std::int32_t kClearValue = -1'000'000;
inline constexpr std::int32_t kKeepValue = -2'000'000;

// Speech bubble colour letters.
inline constexpr char kBlue = 'b';
inline constexpr char kGreen = 'g';
inline constexpr char kRed = 'r';
inline constexpr char kYellow = 'y';
inline constexpr char kViolet = 'o';

// A place on the table; the view turns it into screen coordinates.
struct TableSpot {
  enum class Kind : std::uint8_t {
    kWholeTable,   // the whole table centre (place 0)
    kCombination,  // combination place `index` (1..9)
    kTrick,        // the trick place of `player`
    kStock,        // the face-down stock
    kTurnedUp,     // the turned-up card beside the stock
    kFreza,        // the freza card shown beside the turned-up card
    kHand,         // slot `index` of `player`'s hand
    kOffTable,     // beyond the edge of the table on `player`'s side
  };
  Kind kind = Kind::kWholeTable;
  int player = 0;
  int index = 0;

  bool operator==(const TableSpot&) const = default;

  static TableSpot WholeTable() { return {Kind::kWholeTable, 0, 0}; }
  static TableSpot Combination(int place) { return {Kind::kCombination, 0, place}; }
  static TableSpot Trick(int player) { return {Kind::kTrick, player, 0}; }
  static TableSpot Stock() { return {Kind::kStock, 0, 0}; }
  static TableSpot TurnedUp() { return {Kind::kTurnedUp, 0, 0}; }
  static TableSpot Freza() { return {Kind::kFreza, 0, 0}; }
  static TableSpot Hand(int player, int slot) { return {Kind::kHand, player, slot}; }
  static TableSpot OffTable(int player) { return {Kind::kOffTable, player, 0}; }
};

class TableView {
 public:
  virtual ~TableView() = default;

  // Shows hand[player] as it stands (the engine sorts before drawing).
  virtual void DrawHand(int player, bool faceUp) = 0;
  // The 1-based slot of the card under x in the player's hand area, 0 when none.
  virtual int HandCardAt(int player, int x) = 0;
  // The stock of 33 - nextCard backs, the turned-up card and the freza card ("##": none).
  virtual void DrawStock(CardCode turnedUp, CardCode freza, int nextCard) = 0;
  virtual void DrawStockInfo() = 0;
  // The hint of the stock panel ("Game: 3 / 25").
  virtual void SetStockHint(const std::string& text) = 0;
  virtual void DrawScoreBoard(int player, TurnMark turnMark, bool repaintBackground,
                              std::int32_t dealValue, std::int32_t totalValue, Star star) = 0;
  // Text is a word by its English text, several words joined by " + ", or a name.
  virtual void ShowSpeech(int player, const std::string& text, char colour) = 0;
  virtual void RepaintTableSlot(TableSpot spot) = 0;
  virtual void DrawTableCard(TableSpot spot, CardCode card) = 0;
  virtual void AnimateCardMove(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd) = 0;
  virtual void PlayWaveResource(const std::string& name, bool wait) = 0;
  virtual bool SayCardName(CardCode card, bool wait) = 0;
  virtual void PlayTouchEffect() = 0;
  virtual void ShowMoveTimer(int player, int seconds) = 0;
  virtual void SetActionButton(ActionButton which, const std::string& text, bool enabled,
                               bool visible) = 0;
  virtual void SetGameTimer(bool enabled) = 0;
  virtual void SetPointer(PointerShape shape) = 0;
  virtual void ShowThinkingProgress(int percent) = 0;
  // A pacing pause; the window keeps painting but takes no input meanwhile.
  virtual void Pause(int milliseconds) = 0;
  // The modal trump dialog of bidding stage 2: a suit other than unavailableSuit, or
  // nothing for "Pass".
  virtual std::optional<char> AskTrumpSuit(char unavailableSuit) = 0;
};

}  // namespace klondar
