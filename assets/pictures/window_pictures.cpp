// The pictures around the table: splash, menu fans, button skins and pointers.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

#include "painting.h"

namespace pictures {
namespace {

QImage Felt760(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  Felt(image, QColor(24, 74, 50), 4, 91u);
  return image;
}

// A fan of cards: each card (a deck element id, or "" for one of our backs) rotated about
// a point below the fan.
void Fan(QPainter& p, QSvgRenderer& deck, const QStringList& ids, QPointF pivot, double cardW,
         double spread, const QImage& back) {
  const double cardH = cardW * 96.0 / 71.0;
  const int n = static_cast<int>(ids.size());
  for (int i = 0; i < n; ++i) {
    const double angle = n == 1 ? 0.0 : -spread / 2 + spread * i / (n - 1);
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    const QRectF r(-cardW / 2, -cardH * 1.25, cardW, cardH);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(r.translated(3, 4), 6, 6);
    if (ids[i].isEmpty()) {
      p.drawImage(r, back);
    } else {
      deck.render(&p, ids[i], r);
    }
    p.restore();
  }
}

QImage Logo(QSvgRenderer& deck, const QImage& back) {
  QImage image = Felt760(760, 500);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  Fan(p, deck, {"1_spade", "1_heart", "1_club", "1_diamond", ""}, QPointF(380, 470), 120, 56, back);

  QFont font;
  font.setFamilies({"DejaVu Serif", "serif"});
  font.setPixelSize(76);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  p.setFont(font);
  const QRect title(0, 18, 760, 100);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(title.translated(3, 4), Qt::AlignCenter, "KLONDAR");
  QLinearGradient gold(0, 30, 0, 110);
  gold.setColorAt(0, QColor(255, 236, 170));
  gold.setColorAt(1, QColor(196, 146, 52));
  p.setPen(QPen(QBrush(gold), 1));
  p.drawText(title, Qt::AlignCenter, "KLONDAR");
  return image;
}

QImage MenuFan(QSvgRenderer& deck, const QStringList& ids, const QImage& back) {
  QImage image = Blank(320, 400);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  Fan(p, deck, ids, QPointF(160, 420), 130, 40, back);
  return image;
}

// A neutral glossy piece; the window tints it to the button's colour.
QImage SkinPiece(int width, int height, int part) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = height / 2.6;
  // The ends are halves of one rounded bar; the middle is its straight part.
  QRectF bar(0.5, 0.5, width * 3.0, height - 1.0);
  if (part == 1) bar.moveRight(width - 0.5);
  if (part == 2) bar = QRectF(-width, 0.5, width * 3.0, height - 1.0);
  QLinearGradient fill(0, 0, 0, height);
  fill.setColorAt(0.0, QColor(255, 255, 255));
  fill.setColorAt(0.45, QColor(232, 232, 232));
  fill.setColorAt(0.55, QColor(212, 212, 212));
  fill.setColorAt(1.0, QColor(172, 172, 172));
  p.setPen(QPen(QColor(70, 70, 70), 1.0));
  p.setBrush(fill);
  p.drawRoundedRect(bar, r, r);
  return image;
}

// The "New buttons" look: a flatter bar with squarer ends and a glassy upper half.
QImage NewSkinPiece(int width, int height, int part) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = height / 5.0;
  QRectF bar(0.5, 0.5, width * 3.0, height - 1.0);
  if (part == 1) bar.moveRight(width - 0.5);
  if (part == 2) bar = QRectF(-width, 0.5, width * 3.0, height - 1.0);
  QLinearGradient fill(0, 0, 0, height);
  fill.setColorAt(0.0, QColor(238, 238, 238));
  fill.setColorAt(1.0, QColor(150, 150, 150));
  p.setPen(QPen(QColor(60, 60, 60), 1.0));
  p.setBrush(fill);
  p.drawRoundedRect(bar, r, r);
  QLinearGradient gloss(0, 0, 0, height / 2.0);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawRoundedRect(bar.adjusted(2, 2, -2, -height / 2.0), r * 0.7, r * 0.7);
  return image;
}

// The text cursor: an I-beam whose colour pulses over eight frames of 32 x 32.
QImage EditCursorStrip() {
  constexpr int kFrames = 8;
  QImage image = Blank(32 * kFrames, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame < kFrames; ++frame) {
    const double glow = frame < kFrames / 2 ? frame : kFrames - frame;
    const QColor ink(196 + static_cast<int>(glow * 14), 22 + static_cast<int>(glow * 16), 28);
    QPainterPath beam;
    const double x = frame * 32 + 16;
    beam.addRect(QRectF(x - 1.5, 6, 3, 20));
    beam.addRect(QRectF(x - 6, 4, 12, 3));
    beam.addRect(QRectF(x - 6, 25, 12, 3));
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.setBrush(ink);
    p.drawPath(beam.simplified());
  }
  return image;
}

QImage Arrow() {
  QImage image = Blank(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 22);
  arrow.lineTo(6.5, 17);
  arrow.lineTo(10.5, 26);
  arrow.lineTo(14, 24.5);
  arrow.lineTo(10, 15.5);
  arrow.lineTo(17, 15.5);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(255, 255, 255), 1.4));
  p.setBrush(QColor(196, 22, 28));
  p.drawPath(arrow);
  return image;
}

QImage HandPointer() {
  QImage image = Blank(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath hand;
  hand.addRoundedRect(QRectF(9, 1, 6, 17), 3, 3);    // index finger up
  hand.addRoundedRect(QRectF(6, 12, 18, 17), 5, 5);  // fist
  hand.addRoundedRect(QRectF(2, 15, 7, 9), 3, 3);    // thumb
  hand = hand.simplified();
  p.setPen(QPen(QColor(255, 255, 255), 1.4));
  p.setBrush(QColor(196, 22, 28));
  p.drawPath(hand);
  p.setPen(QPen(QColor(120, 10, 14), 1.0));
  p.drawLine(QPointF(15, 14), QPointF(15, 20));
  p.drawLine(QPointF(19.5, 14), QPointF(19.5, 20));
  return image;
}

QImage Hourglass() {
  QImage image = Blank(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath glass;
  glass.moveTo(7, 3);
  glass.lineTo(25, 3);
  glass.cubicTo(25, 12, 18, 13, 18, 16);
  glass.cubicTo(18, 19, 25, 20, 25, 29);
  glass.lineTo(7, 29);
  glass.cubicTo(7, 20, 14, 19, 14, 16);
  glass.cubicTo(14, 13, 7, 12, 7, 3);
  p.setPen(QPen(QColor(255, 255, 255), 1.6));
  p.setBrush(QColor(196, 22, 28));
  p.drawPath(glass);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 220, 140));
  p.drawPolygon(QPolygonF({QPointF(10, 27), QPointF(22, 27), QPointF(16, 21)}));
  return image;
}

}  // namespace

bool MakeWindowPictures(const QString& deckSvg) {
  QSvgRenderer deck(deckSvg);
  if (!deck.isValid()) return false;
  const QImage back = CardBack(0, 146, 198);
  bool ok = Save("Logo", Logo(deck, back)) &&
            Save("PngMenu1", MenuFan(deck, {"jack_heart", "queen_heart", "king_heart"}, back)) &&
            Save("PngMenu2", MenuFan(deck, {"", "", "1_club"}, back)) &&
            Save("CURARROW", Arrow()) && Save("CURHAND", HandPointer()) &&
            Save("CURWAIT", Hourglass()) && Save("CUREDIT", EditCursorStrip());
  // Skin heights 29, 44 and 59; pieces: left end, right end, stretched middle. "R" is the
  // usual look, "Q" the "New buttons" one.
  for (const int height : {29, 44, 59}) {
    const int end = height / 2;
    const QString stem = QString("R%1_").arg(height);
    ok = ok && Save(stem + "L", SkinPiece(end, height, 0)) &&
         Save(stem + "R", SkinPiece(end, height, 1)) && Save(stem + "2", SkinPiece(8, height, 2));
    const QString newStem = QString("Q%1_").arg(height);
    ok = ok && Save(newStem + "L", NewSkinPiece(end, height, 0)) &&
         Save(newStem + "R", NewSkinPiece(end, height, 1)) &&
         Save(newStem + "2", NewSkinPiece(8, height, 2));
  }
  return ok;
}

}  // namespace pictures
