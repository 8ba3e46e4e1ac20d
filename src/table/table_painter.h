// Draws the card table from its scene: background, hands, stock, panel, score boards,
// bubbles, the cards on the table and the move clocks.
#pragma once

#include <QPainter>

#include "card_pictures.h"
#include "pictures.h"
#include "table_layout.h"
#include "table_scene.h"

namespace klondar::table {

struct TableLook {
  const WindowGeometry& geometry;
  const TableLayout& layout;
  const CardPictures& cards;
  ScaledPictures& pictures;
  bool moveClocks;
};

void PaintBackground(QPainter& p, const TableLook& look);
void PaintTable(QPainter& p, const TableScene& scene, const TableLook& look);
// The card picture of a code, or the back when it is face down.
const QPixmap& CardPicture(const TableLook& look, CardCode card, bool faceUp);

}  // namespace klondar::table
