#include "recording_table_view.h"

namespace klondar {

std::string SpotName(TableSpot spot) {
  switch (spot.kind) {
    case TableSpot::Kind::kWholeTable:
      return "table";
    case TableSpot::Kind::kCombination:
      return "combination" + std::to_string(spot.index);
    case TableSpot::Kind::kTrick:
      return "trick" + std::to_string(spot.player);
    case TableSpot::Kind::kStock:
      return "stock";
    case TableSpot::Kind::kTurnedUp:
      return "turnedup";
    case TableSpot::Kind::kFreza:
      return "freza";
    case TableSpot::Kind::kHand:
      return "hand" + std::to_string(spot.player) + "." + std::to_string(spot.index);
    case TableSpot::Kind::kOffTable:
      return "off" + std::to_string(spot.player);
  }
  return "?";
}

int SlotUnderX(const HandCards& hand, int strip, int cardWidth, int x) {
  int last = 0;
  for (int slot = 1; slot <= 10; ++slot) {
    if (!hand[slot].IsEmpty()) last = slot;
  }
  if (last == 0 || x < 0) return 0;
  // Cards stand at consecutive strips in slot order, empty slots taking no place.
  int position = 0;
  for (int slot = 1; slot <= last; ++slot) {
    if (hand[slot].IsEmpty()) continue;
    const int left = position * strip;
    const bool isLast = slot == last;
    const int right = isLast ? left + cardWidth : left + strip;
    if (x >= left && x < right) return slot;
    ++position;
  }
  return 0;
}

std::string ViewCall::Describe() const {
  std::string line = op;
  auto add = [&line](const std::string& part) { line += " " + part; };
  if (op == "ShowSpeech") {
    add(std::to_string(player));
    add(std::string(1, colour));
    add(text);
  } else if (op == "PlayWaveResource") {
    add(text);
    if (flag) add("wait");
  } else if (op == "SetActionButton") {
    add(std::to_string(value));
    add("'" + text + "'");
    add(flag ? "enabled" : "disabled");
  } else if (op == "Pause" || op == "ShowThinkingProgress" || op == "SetGameTimer" ||
             op == "SetPointer") {
    add(std::to_string(value));
  } else if (op == "DrawHand") {
    add(std::to_string(player));
    add(flag ? "up" : "down");
  } else if (op == "DrawStock") {
    add(ToAscii(card));
    add(text);
    add(std::to_string(value));
  } else if (op == "DrawScoreBoard") {
    add(std::to_string(player));
    add(text);
  } else if (op == "AnimateCardMove" || op == "DrawTableCard" || op == "RepaintTableSlot") {
    add(text);
    if (!card.IsEmpty()) add(ToAscii(card));
  } else if (op == "SetStockHint" || op == "AskTrumpSuit") {
    add(text);
  } else if (op == "ShowMoveTimer") {
    add(std::to_string(player));
    add(std::to_string(value));
  } else if (op == "SayCardName") {
    add(ToAscii(card));
  }
  return line;
}

std::vector<std::string> RecordingTableView::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(calls_.size());
  for (const ViewCall& call : calls_) lines.push_back(call.Describe());
  return lines;
}

ViewCall& RecordingTableView::Record(const std::string& op) {
  calls_.push_back(ViewCall{});
  calls_.back().op = op;
  return calls_.back();
}

void RecordingTableView::DrawHand(int player, bool faceUp) {
  ViewCall& call = Record("DrawHand");
  call.player = player;
  call.flag = faceUp;
}

int RecordingTableView::HandCardAt(int player, int x) {
  if (player < 1 || player > 2) return 0;
  return SlotUnderX(state_.hand[player], strip_, cardWidth_, x);
}

void RecordingTableView::DrawStock(CardCode turnedUp, CardCode freza, int nextCard) {
  ViewCall& call = Record("DrawStock");
  call.card = turnedUp;
  call.text = ToAscii(freza);
  call.value = nextCard;
}

void RecordingTableView::DrawStockInfo() { Record("DrawStockInfo"); }

void RecordingTableView::SetStockHint(const std::string& text) {
  Record("SetStockHint").text = text;
}

void RecordingTableView::DrawScoreBoard(int player, TurnMark turnMark, bool repaintBackground,
                                        std::int32_t dealValue, std::int32_t totalValue,
                                        Star star) {
  ViewCall& call = Record("DrawScoreBoard");
  call.player = player;
  auto value = [](std::int32_t v) {
    if (v == kClearValue) return std::string("clear");
    if (v == kKeepValue) return std::string("keep");
    return std::to_string(v);
  };
  static const char* const kMarks[] = {"", "mark", "nomark", "keepmark"};
  static const char* const kStars[] = {"yellowstar", "redstar", "nostar", "keepstar"};
  call.text = std::string(kMarks[static_cast<int>(turnMark)]) +
              (repaintBackground ? " background " : " ") + "deal=" + value(dealValue) +
              " total=" + value(totalValue) + " " + kStars[static_cast<int>(star)];
  call.value = totalValue;
}

void RecordingTableView::ShowSpeech(int player, const std::string& text, char colour) {
  ViewCall& call = Record("ShowSpeech");
  call.player = player;
  call.text = text;
  call.colour = colour;
}

void RecordingTableView::RepaintTableSlot(TableSpot spot) {
  Record("RepaintTableSlot").text = SpotName(spot);
}

void RecordingTableView::DrawTableCard(TableSpot spot, CardCode card) {
  ViewCall& call = Record("DrawTableCard");
  call.text = SpotName(spot);
  call.card = card;
}

void RecordingTableView::AnimateCardMove(TableSpot from, TableSpot to, CardCode card,
                                         bool eraseAtEnd) {
  ViewCall& call = Record("AnimateCardMove");
  call.text = SpotName(from) + ">" + SpotName(to);
  call.card = card;
  call.flag = eraseAtEnd;
}

void RecordingTableView::PlayWaveResource(const std::string& name, bool wait) {
  ViewCall& call = Record("PlayWaveResource");
  call.text = name;
  call.flag = wait;
}

bool RecordingTableView::SayCardName(CardCode card, bool wait) {
  ViewCall& call = Record("SayCardName");
  call.card = card;
  call.flag = wait;
  return false;  // no voice library here
}

void RecordingTableView::PlayTouchEffect() { Record("PlayTouchEffect"); }

void RecordingTableView::ShowMoveTimer(int player, int seconds) {
  ViewCall& call = Record("ShowMoveTimer");
  call.player = player;
  call.value = seconds;
}

void RecordingTableView::SetActionButton(ActionButton which, const std::string& text, bool enabled,
                                         bool visible) {
  ViewCall& call = Record("SetActionButton");
  call.value = static_cast<int>(which);
  call.text = text;
  call.flag = enabled;
  call.player = visible ? 1 : 0;
}

void RecordingTableView::SetGameTimer(bool enabled) {
  ViewCall& call = Record("SetGameTimer");
  call.flag = enabled;
  call.value = enabled ? 1 : 0;
}

void RecordingTableView::SetPointer(PointerShape shape) {
  Record("SetPointer").value = static_cast<int>(shape);
}

void RecordingTableView::ShowThinkingProgress(int percent) {
  Record("ShowThinkingProgress").value = percent;
}

void RecordingTableView::Pause(int milliseconds) { Record("Pause").value = milliseconds; }

std::optional<char> RecordingTableView::AskTrumpSuit(char unavailableSuit) {
  ViewCall& call = Record("AskTrumpSuit");
  call.text = std::string(1, SuitToAscii(unavailableSuit));
  ++trumpDialogs_;
  lastUnavailable_ = unavailableSuit;
  if (trumpAnswers_.empty()) return std::nullopt;
  const std::optional<char> answer = trumpAnswers_.front();
  trumpAnswers_.pop_front();
  return answer;
}

}  // namespace klondar
