#include "hand_layout.h"

#include <cmath>

namespace klondar::table {

int LayoutX(int index, int count, int left, int right, int cardWidth) {
  const int step = cardWidth + 3;
  if (count * step <= right - left) {
    const int first = left + static_cast<int>(std::lround((right - left) / 2.0 - count * step / 2.0));
    return first + index * step;
  }
  const int overlap = count > 1 ? ((right - left) - step) / (count - 1) : 0;
  return left + index * overlap;
}

HandRow LayoutHand(const HandCards& cards, int left, int right, int cardWidth) {
  HandRow row;
  row.cards = cards;
  row.cardWidth = cardWidth;
  int count = 0;
  for (int slot = 1; slot <= 10; ++slot) count += cards[slot].IsEmpty() ? 0 : 1;
  int index = 0;
  for (int slot = 1; slot <= 10; ++slot) {
    if (cards[slot].IsEmpty()) continue;
    row.x[slot] = LayoutX(index++, count, left, right, cardWidth);
  }
  return row;
}

int CardUnderX(const HandRow& row, int x) {
  int found = 0;
  for (int slot = 1; slot <= 10; ++slot) {
    if (row.cards[slot].IsEmpty()) continue;
    int next = slot + 1;
    while (next <= 10 && row.cards[next].IsEmpty()) ++next;
    const int end = next <= 10 ? row.x[next] : row.x[slot] + row.cardWidth;
    if (x >= row.x[slot] && x < end) found = slot;
  }
  return found;
}

int SlotOfCard(const HandRow& row, CardCode card) {
  for (int slot = 1; slot <= 10; ++slot) {
    if (row.cards[slot] == card) return slot;
  }
  return 0;
}

}  // namespace klondar::table
