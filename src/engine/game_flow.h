// The game flow: the inputs of the table (timer ticks, the two action buttons, clicks and
// pointer moves over the own hand, right clicks on cards, keys) turned into engine steps
// by phase. The window, the tests and the command-line tool drive a game through it.
#pragma once

#include <filesystem>
#include <string>

#include "engine.h"

namespace klondar {

inline constexpr int kKeyF12 = 123;
inline constexpr const char* kDumpFileName = "Klondar.error";

class GameFlow {
 public:
  // programFolder receives the diagnostic dump.
  GameFlow(Engine& engine, TableView& view, Opponent& opponent,
           std::filesystem::path programFolder);

  // Timer1: the computer's turn in bidding and play. Ignored while the timer is off.
  void Tick();
  void PressButton7();
  void PressButton8();
  // The left mouse button released over the own hand at x.
  void ClickHand(int x);
  // The pointer moved over the own hand.
  void MovePointer(int x);
  // The right mouse button released over a card: the own hand (slot), the turned-up or
  // freza card, a combination place or a trick place. Speaks the card; changes nothing.
  void RightClick(TableSpot spot);
  void KeyReleased(int virtualKey);

  // The text of the diagnostic dump: both hands as they were when combinations were shown.
  static std::string DumpText(const GameState& state);

 private:
  void Touch() { view_.PlayTouchEffect(); }
  bool SendsPacing() const;
  void WriteDump() const;

  Engine& engine_;
  TableView& view_;
  Opponent& opponent_;
  std::filesystem::path programFolder_;
  PointerShape pointer_ = PointerShape::kNormal;
};

}  // namespace klondar
