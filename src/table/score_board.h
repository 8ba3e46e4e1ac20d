// What a score board shows: the total large with "+" before gains, the deal value small,
// the turn pointer and the star; and how a DrawScoreBoard call changes it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "engine/table_view.h"

namespace klondar::table {

struct ScoreBoard {
  std::optional<std::int32_t> deal;
  std::optional<std::int32_t> total;
  bool turnMark = false;
  Star star = Star::kClear;  // kYellow, kRed or kClear
};

// Applies one call: kClearValue clears a field, kKeepValue leaves it, kKeep leaves the
// mark or the star; repaintBackground starts from an empty board.
void ApplyScoreCall(ScoreBoard& board, TurnMark mark, bool repaintBackground,
                    std::int32_t deal, std::int32_t total, Star star);
// "+12" for gains, "0", "-30".
QString SignedValue(std::int32_t value);

}  // namespace klondar::table
