// The pictures of the card table: background, score boards, bubbles, stars, frames,
// the stock pile, suit symbols, move clocks and the touch strip.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "painting.h"

namespace pictures {
namespace {

// The felt: a calm dark green with a soft light in the middle.
QImage Background(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  Felt(image, QColor(30, 92, 62), 5, 37u);
  QPainter p(&image);
  QRadialGradient light(width / 2.0, height / 2.0, width * 0.62);
  light.setColorAt(0.0, QColor(255, 255, 255, 26));
  light.setColorAt(0.6, QColor(0, 0, 0, 0));
  light.setColorAt(1.0, QColor(0, 0, 0, 90));
  p.fillRect(image.rect(), light);
  return image;
}

// A panel with a thin gold edge, used by the score boards and the stock panel.
QImage Panel(int width, int height, double k, const QColor& top, const QColor& bottom) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1.5 * k, 1.5 * k, width - 3 * k, height - 3 * k);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setPen(QPen(QColor(0, 0, 0, 90), 3 * k));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(r.translated(0, 1.5 * k), 8 * k));
  p.setPen(QPen(QColor(214, 186, 112), 1.6 * k));
  p.setBrush(fill);
  p.drawPath(RoundedRect(r, 8 * k));
  p.setPen(QPen(QColor(255, 255, 255, 40), 1 * k));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(r.adjusted(3 * k, 3 * k, -3 * k, -3 * k), 6 * k));
  return image;
}

QImage Bubble(int width, int height, double k, const QColor& colour) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(2 * k, 2 * k, width - 4 * k, height - 8 * k);
  QPainterPath shape = RoundedRect(r, r.height() / 2.2);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, colour.lighter(125));
  fill.setColorAt(1, colour.darker(115));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(shape.translated(0, 3 * k));
  p.setPen(QPen(colour.darker(160), 1.4 * k));
  p.setBrush(fill);
  p.drawPath(shape);
  // A soft highlight along the top.
  QPainterPath gloss = RoundedRect(r.adjusted(6 * k, 3 * k, -6 * k, -r.height() / 2), r.height() / 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 45));
  p.drawPath(gloss);
  return image;
}

QImage StarPicture(int size, const QColor& colour) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath star;
  const double c = size / 2.0, outer = size * 0.47, inner = size * 0.2;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF at(c + r * std::cos(a), c + r * std::sin(a));
    if (i == 0) star.moveTo(at); else star.lineTo(at);
  }
  star.closeSubpath();
  QRadialGradient fill(c * 0.8, c * 0.7, outer);
  fill.setColorAt(0, colour.lighter(160));
  fill.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(170), std::max(1.0, size / 24.0)));
  p.setBrush(fill);
  p.drawPath(star);
  return image;
}

// The turn pointer: a small pointing hand to the right.
QImage PointingHand(int width, int height) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(width / 48.0, height / 40.0);
  QPainterPath hand;
  hand.addRoundedRect(QRectF(4, 12, 22, 20), 6, 6);       // palm and fingers folded
  hand.addRoundedRect(QRectF(18, 12, 27, 8), 4, 4);       // the pointing finger
  hand.addRoundedRect(QRectF(10, 6, 10, 9), 4, 4);        // thumb
  hand = hand.simplified();
  p.setPen(QPen(QColor(90, 50, 20), 2));
  p.setBrush(QColor(250, 214, 160));
  p.drawPath(hand);
  p.setPen(QPen(QColor(160, 110, 70), 1.2));
  p.drawLine(QPointF(8, 22), QPointF(24, 22));
  p.drawLine(QPointF(8, 27), QPointF(24, 27));
  return image;
}

QImage PileOfCards(int width, int height, double k) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Card edges seen from the side, under the turned back that the window lays on top.
  for (int i = 5; i >= 1; --i) {
    const QRectF edge(2 * k + i * 0.8 * k, 4 * k + i * 1.6 * k, width - 6 * k, height - 12 * k);
    p.setPen(QPen(QColor(120, 120, 110), 0.8 * k));
    p.setBrush(QColor(236, 232, 220));
    p.drawPath(RoundedRect(edge, 4 * k));
  }
  return image;
}

QImage EmptyPlace(int width, int height, double k) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(220, 230, 210, 150), 2 * k, Qt::DashLine);
  p.setPen(pen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawPath(RoundedRect(QRectF(4 * k, 4 * k, width - 8 * k, height - 8 * k), 8 * k));
  return image;
}

QImage SuitSymbol(int suit, int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, size / 16.0)));
  p.setBrush(SuitColour(suit));
  p.drawPath(SuitPath(suit, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88)));
  return image;
}

QImage ClockFace(int width, int height, double k, const QColor& colour) {
  QImage image = Panel(width, height, k, colour.lighter(115), colour.darker(130));
  return image;
}

// 30 frames of 100 x 100: a ring of sparks that grows and fades.
QImage TouchStrip() {
  QImage image = Blank(3000, 100);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame < 30; ++frame) {
    const double t = frame / 29.0;
    const QPointF c(frame * 100 + 50, 50);
    const double radius = 8 + 38 * t;
    const int alpha = static_cast<int>(230 * (1.0 - t));
    for (int i = 0; i < 12; ++i) {
      const double a = i * std::numbers::pi / 6 + t * 0.6;
      const QPointF spark(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
      const QColor colour = i % 2 == 0 ? QColor(255, 220, 120, alpha) : QColor(255, 255, 255, alpha);
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawEllipse(spark, 3.0 - 1.5 * t, 3.0 - 1.5 * t);
    }
  }
  return image;
}

struct BubbleColour {
  const char* name;
  QColor colour;
};
const BubbleColour kBubbles[] = {
    {"SPBlue", QColor(40, 92, 168)},   {"SPGreen", QColor(36, 128, 70)},
    {"SPRed", QColor(176, 40, 40)},    {"SPYellow", QColor(196, 150, 30)},
    {"SPFiolet", QColor(116, 60, 150)},
};
const char* const kSuitSymbols[] = {"", "CHER", "BUBI", "KRES", "PIKI"};

}  // namespace

bool MakeTablePictures() {
  bool ok = Save("FonG", Background(760, 500)) && Save("FonGB", Background(1520, 1000));
  // Small and large (twice the size) variants; "Sm"/"Bg" or no suffix and "B".
  for (int big = 0; big <= 1 && ok; ++big) {
    const double k = big ? 2.0 : 1.0;
    const auto n = [&](int v) { return static_cast<int>(v * k); };
    ok = Save(big ? "TabloBg" : "TabloSm",
              Panel(n(150), n(90), k, QColor(28, 52, 40), QColor(14, 30, 22))) &&
         Save(big ? "RamkaDBBg" : "RamkaDBSm",
              Panel(n(130), n(70), k, QColor(246, 240, 222), QColor(222, 212, 186))) &&
         Save(big ? "ZvezdaR" : "ZvezdaRSm", StarPicture(n(22), QColor(210, 40, 36))) &&
         Save(big ? "ZvezdaY" : "ZvezdaYSm", StarPicture(n(22), QColor(232, 186, 40))) &&
         Save(big ? "GKolodaSmallB" : "GKolodaSmall", PileOfCards(n(100), n(84), k)) &&
         Save(big ? "GKolodaLargeB" : "GKolodaLarge", EmptyPlace(n(100), n(170), k));
    for (const BubbleColour& b : kBubbles) {
      ok = ok && Save(QString(b.name) + (big ? "B" : ""), Bubble(n(156), n(64), k, b.colour));
    }
    for (int suit = 1; suit <= 4; ++suit) {
      ok = ok && Save(QString(kSuitSymbols[suit]) + (big ? "B" : ""), SuitSymbol(suit, n(20)));
    }
  }
  return ok && Save("Hand_Right", PointingHand(48, 40)) &&
         Save("GTimerR", ClockFace(128, 80, 2.0, QColor(170, 40, 36))) &&
         Save("GTimerY", ClockFace(128, 80, 2.0, QColor(214, 170, 40))) &&
         Save("GTouch", TouchStrip());
}

}  // namespace pictures
