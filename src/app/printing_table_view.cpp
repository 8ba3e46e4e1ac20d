#include "printing_table_view.h"

#include <ostream>

namespace klondar {

void PrintingTableView::ShowSpeech(int player, const std::string& text, char colour) {
  RecordingTableView::ShowSpeech(player, text, colour);
  // Yellow bubbles only put the players' names back.
  if (colour == kYellow || text.empty()) return;
  out_ << "  " << (player == 1 ? "PC " : "You") << " says: " << text << "\n";
}

std::optional<char> PrintingTableView::AskTrumpSuit(char unavailableSuit) {
  RecordingTableView::AskTrumpSuit(unavailableSuit);
  return answer_;
}

}  // namespace klondar
