// A table view for the terminal: it prints what a player would hear said at the table
// and keeps the rest to itself.
#pragma once

#include <iosfwd>
#include <optional>

#include "engine/recording_table_view.h"

namespace klondar {

class PrintingTableView : public RecordingTableView {
 public:
  PrintingTableView(const GameState& state, std::ostream& out)
      : RecordingTableView(state), state_(state), out_(out) {}

  // The answer the trump dialog gives next; nothing means "Pass".
  void SetTrumpAnswer(std::optional<char> suit) { answer_ = suit; }

  void ShowSpeech(int player, const std::string& text, char colour) override;
  std::optional<char> AskTrumpSuit(char unavailableSuit) override;

 private:
  const GameState& state_;
  std::ostream& out_;
  std::optional<char> answer_;
};

}  // namespace klondar
