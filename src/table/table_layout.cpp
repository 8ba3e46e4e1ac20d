#include "table_layout.h"

#include "hand_layout.h"

namespace klondar::table {

TableLayout LayoutTable(const WindowGeometry& g) {
  TableLayout t;
  for (int p = 1; p <= 2; ++p) {
    const int y = p == 1 ? 15 : 385;
    t.hand[p] = QRect(g.PlaceX(170, 420), g.PlaceY(y, 96), g.Scaled(420), g.cardHeight);
    t.board[p] = g.Place({12, p == 1 ? 18 : 392, 150, 90});
    t.bubble[p] = g.Place({598, p == 1 ? 30 : 410, 156, 64});
    t.clock[p] = g.Place({56, p == 1 ? 116 : 346, 64, 40});
  }
  t.stock = g.Place({610, 128, 100, 170});
  t.centre = g.Place({200, 140, 360, 190});
  t.panel = g.Place({35, 213, 130, 70});
  t.button7 = g.Place({606, 312, 142, 34});
  t.button8 = g.Place({606, 352, 142, 34});
  return t;
}

QPoint TrickCardAt(const TableLayout& t, const WindowGeometry& g, int player) {
  const int cx = t.centre.center().x();
  if (player == 1) return {cx - g.cardWidth + g.Scaled(10), t.centre.top() + g.Scaled(6)};
  return {cx - g.Scaled(10), t.centre.bottom() - g.cardHeight - g.Scaled(6)};
}

QPoint CombinationCardAt(const TableLayout& t, const WindowGeometry& g, int place, int count) {
  const int x = LayoutX(place - 1, count < place ? place : count, t.centre.left() + g.Scaled(4),
                        t.centre.right() - g.Scaled(4), g.cardWidth);
  return {x, t.centre.center().y() - g.cardHeight / 2};
}

// With the freza shown, the two face-up cards lie side by side over the stock, both whole,
// so that the player reads both at a glance: the freza left, the turned-up card right.
QPoint TurnedUpAt(const TableLayout& t, const WindowGeometry& g, bool frezaShown) {
  const int top = t.stock.top() + g.Scaled(12);
  if (!frezaShown) return {t.stock.center().x() - g.cardWidth / 2, top};
  return {t.stock.center().x() + g.Scaled(2), top};
}

QPoint FrezaAt(const TableLayout& t, const WindowGeometry& g) {
  return {t.stock.center().x() - g.Scaled(2) - g.cardWidth, t.stock.top() + g.Scaled(12)};
}

QRect PileRect(const TableLayout& t, const WindowGeometry& g) {
  const int height = g.Scaled(84);
  return {t.stock.left(), t.stock.bottom() + 1 - height, t.stock.width(), height};
}

QRect CountPlateRect(const TableLayout& t, const WindowGeometry& g) {
  const QRect pile = PileRect(t, g);
  return {pile.center().x() - g.Scaled(20), pile.bottom() - g.Scaled(30), g.Scaled(40),
          g.Scaled(24)};
}

QPoint OffTableAt(const TableLayout& t, const WindowGeometry& g, int player) {
  const int x = t.centre.center().x() - g.cardWidth / 2;
  return player == 1 ? QPoint(x, -g.cardHeight - 4) : QPoint(x, g.client.height() + 4);
}

}  // namespace klondar::table
