// Where the table's areas lie in a window of a given size, and where a table place is.
#pragma once

#include <QPoint>
#include <QRect>
#include <array>

#include "engine/table_view.h"
#include "window_geometry.h"

namespace klondar::table {

struct TableLayout {
  std::array<QRect, 3> hand;    // ImageCards1, ImageCards2 (one card high)
  std::array<QRect, 3> board;   // ImageTab1, ImageTab2
  std::array<QRect, 3> bubble;  // ImageSay1, ImageSay2
  std::array<QRect, 3> clock;   // ImTimer1, ImTimer2
  QRect stock;                  // ImageKoloda
  QRect centre;                 // ImageStol
  QRect panel;                  // ImageKon
  QRect button7;
  QRect button8;
};

TableLayout LayoutTable(const WindowGeometry& geometry);

// Card positions that do not depend on the hands.
QPoint TrickCardAt(const TableLayout& layout, const WindowGeometry& g, int player);
// Combination place 1..count laid out across the table centre.
QPoint CombinationCardAt(const TableLayout& layout, const WindowGeometry& g, int place, int count);
QPoint TurnedUpAt(const TableLayout& layout, const WindowGeometry& g, bool frezaShown);
QPoint FrezaAt(const TableLayout& layout, const WindowGeometry& g);
// The pile of backs at the foot of the stock area.
QRect PileRect(const TableLayout& layout, const WindowGeometry& g);
// The plate with the number of cards in the stock, at the foot of the pile.
QRect CountPlateRect(const TableLayout& layout, const WindowGeometry& g);
QPoint OffTableAt(const TableLayout& layout, const WindowGeometry& g, int player);

}  // namespace klondar::table
