#include "score_board.h"

namespace klondar::table {
namespace {
void ApplyValue(std::optional<std::int32_t>& field, std::int32_t value) {
  if (value == kKeepValue) return;
  if (value == kClearValue) {
    field.reset();
  } else {
    field = value;
  }
}
}  // namespace

void ApplyScoreCall(ScoreBoard& board, TurnMark mark, bool repaintBackground,
                    std::int32_t deal, std::int32_t total, Star star) {
  if (repaintBackground) board = ScoreBoard{};
  ApplyValue(board.deal, deal);
  ApplyValue(board.total, total);
  if (mark == TurnMark::kSet) board.turnMark = true;
  if (mark == TurnMark::kClear) board.turnMark = false;
  if (star != Star::kKeep) board.star = star;
}

QString SignedValue(std::int32_t value) {
  return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value);
}

}  // namespace klondar::table
