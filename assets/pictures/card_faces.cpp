// Card faces from a free SVG deck, and the program's own seven card backs.
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>
#include <cmath>

#include "painting.h"

namespace pictures {
namespace {

// Small cards are 71 x 96, large ones 146 x 198; both are drawn at their own size so that
// neither is a scaled copy of the other.
struct CardSize {
  int width;
  int height;
  const char* suffix;
};
constexpr CardSize kSizes[] = {{71, 96, ""}, {146, 198, "B"}};

const char* const kSuitParts[] = {"", "Ch", "Bu", "Kr", "Pi"};
const char* const kSuitIds[] = {"", "heart", "diamond", "club", "spade"};
// Ranks seven to ace: picture rank part and the deck's element name.
const char* const kRankParts[] = {"07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
const char* const kRankIds[] = {"7", "8", "9", "10", "jack", "queen", "king", "1"};

}  // namespace

bool MakeCardFaces(const QString& deckSvg) {
  QSvgRenderer deck(deckSvg);
  if (!deck.isValid()) return false;
  for (const CardSize& size : kSizes) {
    for (int suit = 1; suit <= 4; ++suit) {
      for (int rank = 0; rank < 8; ++rank) {
        const QString id = QString("%1_%2").arg(kRankIds[rank], kSuitIds[suit]);
        if (!deck.elementExists(id)) return false;
        QImage image = Blank(size.width, size.height);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        deck.render(&painter, id, QRectF(0, 0, size.width, size.height));
        painter.end();
        if (!Save(QString(kSuitParts[suit]) + kRankParts[rank] + size.suffix, image)) return false;
      }
    }
  }
  return true;
}

namespace {

struct BackStyle {
  const char* name;
  QColor colour;
};
// One back per weekday, Monday first; calm dark colours with a light lattice.
const BackStyle kBacks[] = {
    {"Ob01Mo", QColor(31, 61, 122)},  {"Ob02Tu", QColor(122, 31, 43)},
    {"Ob03We", QColor(31, 95, 58)},   {"Ob04Th", QColor(90, 42, 110)},
    {"Ob05Fr", QColor(28, 92, 102)},  {"Ob06Su", QColor(107, 74, 36)},
    {"Ob07Su", QColor(51, 65, 79)},
};

QImage DrawBack(const QColor& colour, int width, int height) {
  QImage image = Blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double k = width / 71.0;
  const QRectF card(0.5, 0.5, width - 1.0, height - 1.0);
  p.setPen(QPen(QColor(40, 40, 40), 1.0));
  p.setBrush(QColor(250, 248, 240));
  p.drawPath(RoundedRect(card, 4.0 * k));

  const QRectF inner = card.adjusted(4 * k, 4 * k, -4 * k, -4 * k);
  const QPainterPath panel = RoundedRect(inner, 2.5 * k);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(panel);

  // Diagonal lattice, clipped to the panel.
  p.save();
  p.setClipPath(panel);
  p.setPen(QPen(colour.lighter(150), std::max(1.0, 0.8 * k)));
  const double step = 7.0 * k;
  for (double d = -inner.height(); d < inner.width() + inner.height(); d += step) {
    p.drawLine(QPointF(inner.left() + d, inner.top()),
               QPointF(inner.left() + d - inner.height(), inner.bottom()));
    p.drawLine(QPointF(inner.left() + d - inner.height(), inner.top()),
               QPointF(inner.left() + d, inner.bottom()));
  }
  p.restore();

  // A framed oval medallion with the four suits.
  const QPointF c = inner.center();
  const QRectF oval(c.x() - 17 * k, c.y() - 22 * k, 34 * k, 44 * k);
  p.setPen(QPen(QColor(235, 220, 170), 1.4 * k));
  p.setBrush(colour.darker(130));
  p.drawEllipse(oval);
  const double s = 10 * k;
  const QPointF spots[] = {{c.x(), c.y() - 11 * k}, {c.x() + 9 * k, c.y()},
                           {c.x(), c.y() + 11 * k}, {c.x() - 9 * k, c.y()}};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 220, 170));
  for (int suit = 1; suit <= 4; ++suit) {
    const QPointF at = spots[suit - 1];
    p.drawPath(SuitPath(suit, QRectF(at.x() - s / 2, at.y() - s / 2, s, s)));
  }
  p.setPen(QPen(QColor(235, 220, 170), 1.0 * k));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(inner.adjusted(2 * k, 2 * k, -2 * k, -2 * k), 1.5 * k, 1.5 * k);
  p.end();
  return image;
}

}  // namespace

QImage CardBack(int weekday, int width, int height) {
  return DrawBack(kBacks[weekday].colour, width, height);
}

bool MakeCardBacks() {
  for (const BackStyle& back : kBacks) {
    for (const CardSize& size : kSizes) {
      const QImage image = DrawBack(back.colour, size.width, size.height);
      // Turned backs lie sideways on the stock.
      const QImage turned = image.transformed(QTransform().rotate(90));
      if (!Save(QString(back.name) + size.suffix, image) ||
          !Save(QString(back.name) + "R" + size.suffix, turned)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace pictures
