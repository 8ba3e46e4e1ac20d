#include "table_painter.h"

#include <QFontMetrics>
#include <QPainterPath>

#include "fonts.h"
#include "speech_bubble.h"
#include "words.h"

namespace klondar::table {
namespace {

QString SuitSymbolName(char suit, bool large) {
  QString name;
  switch (suit) {
    case kHearts:
      name = "CHER";
      break;
    case kDiamonds:
      name = "BUBI";
      break;
    case kClubs:
      name = "KRES";
      break;
    case kSpades:
      name = "PIKI";
      break;
    default:
      return {};
  }
  return large ? name + "B" : name;
}

// Text with a thin dark outline, legible on any bubble colour.
void OutlinedText(QPainter& p, const QRect& rect, const QString& text, const QColor& colour) {
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(rect.translated(1, 1), Qt::AlignCenter, text);
  p.setPen(colour);
  p.drawText(rect, Qt::AlignCenter, text);
}

void PaintHands(QPainter& p, const TableScene& scene, const TableLook& look) {
  for (int player = 1; player <= 2; ++player) {
    const HandRow& row = scene.hand[player];
    for (int slot = 1; slot <= 10; ++slot) {
      if (row.cards[slot].IsEmpty()) continue;
      p.drawPixmap(row.x[slot], look.layout.hand[player].top(),
                   CardPicture(look, row.cards[slot], scene.faceUp[player]));
    }
  }
}

void PaintStock(QPainter& p, const TableScene& scene, const TableLook& look) {
  if (!scene.stockDrawn) return;
  const WindowGeometry& g = look.geometry;
  const QRect pile = PileRect(look.layout, g);
  if (scene.stockLeft > 0) {
    p.drawPixmap(
        pile, look.pictures.Get(g.largePictures ? "GKolodaSmallB" : "GKolodaSmall", pile.size()));
    const QPixmap& back = look.cards.TurnedBack();
    const QPoint backAt(pile.center().x() - back.width() / 2, pile.top() + g.Scaled(2));
    p.drawPixmap(backAt, back);
    const bool frezaShown = !scene.freza.IsEmpty();
    if (frezaShown) p.drawPixmap(FrezaAt(look.layout, g), look.cards.Face(scene.freza));
    if (!scene.turnedUp.IsEmpty()) {
      p.drawPixmap(TurnedUpAt(look.layout, g, frezaShown), look.cards.Face(scene.turnedUp));
    }
    // The count on a small plate below the turned-up card.
    p.setFont(TableFont(g.Scaled(18)));
    const QRect plate = CountPlateRect(look.layout, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(plate, g.Scaled(8), g.Scaled(8));
    p.setPen(QColor(255, 240, 200));
    p.drawText(plate, Qt::AlignCenter, QString::number(scene.stockLeft));
  } else {
    p.drawPixmap(look.layout.stock,
                 look.pictures.Get(g.largePictures ? "GKolodaLargeB" : "GKolodaLarge",
                                   look.layout.stock.size()));
    const int size = g.Scaled(40);
    const QRect symbol(look.layout.stock.center().x() - size / 2,
                       look.layout.stock.center().y() - size / 2, size, size);
    p.drawPixmap(symbol, look.pictures.Get(SuitSymbolName(scene.trumpSuit, true), symbol.size()));
  }
}

void PaintPanel(QPainter& p, const TableScene& scene, const TableLook& look) {
  const WindowGeometry& g = look.geometry;
  const QRect r = look.layout.panel;
  if (scene.dealNumber == 0) return;
  p.drawPixmap(r, look.pictures.Get(g.largePictures ? "RamkaDBBg" : "RamkaDBSm", r.size()));
  const bool trump = scene.trumpSuit != kNoSuit;
  const int shift = trump ? (g.cardWidth >= 146 ? g.Scaled(20) : g.Scaled(25)) : 0;
  const int top = r.top() + g.Scaled(15);
  const int lineHeight = g.Scaled(34);
  p.setFont(TableFont(g.Scaled(26)));
  p.setPen(QColor(190, 24, 24));
  const QRect numberRect(r.left() - shift, top - g.Scaled(4), r.width(), lineHeight);
  p.drawText(numberRect, Qt::AlignCenter, QString::number(scene.dealNumber));
  if (trump) {
    const int size = g.Scaled(28);
    const QRect symbol(r.center().x() + g.Scaled(10), numberRect.center().y() - size / 2, size,
                       size);
    p.drawPixmap(symbol, look.pictures.Get(SuitSymbolName(scene.trumpSuit, true), symbol.size()));
  }
  if (scene.thinkingPercent >= 0) {
    // The computer's search: a 90 x 12 bar at (20, 40), the part done in light red and the
    // percentage over it.
    const int percent = std::min(scene.thinkingPercent, 100);
    const QRect bar(r.left() + g.Scaled(20), r.top() + g.Scaled(40), g.Scaled(90), g.Scaled(12));
    p.setPen(QColor(140, 20, 20));
    p.setBrush(QColor(255, 250, 200));
    p.drawRect(bar);
    QRect done = bar.adjusted(1, 1, 0, 0);
    done.setWidth((bar.width() - 1) * percent / 100);
    p.fillRect(done, QColor(255, 150, 140));
    p.setFont(TableFont(g.Scaled(13)));
    p.setPen(QColor(190, 20, 20));
    p.drawText(bar.adjusted(0, -g.Scaled(3), 0, g.Scaled(3)), Qt::AlignCenter,
               QString::number(percent) + "%");
  }
}

void PaintBoards(QPainter& p, const TableScene& scene, const TableLook& look) {
  const WindowGeometry& g = look.geometry;
  for (int player = 1; player <= 2; ++player) {
    const QRect r = look.layout.board[player];
    const ScoreBoard& b = scene.boards[player];
    p.drawPixmap(r, look.pictures.Get(g.largePictures ? "TabloBg" : "TabloSm", r.size()));
    if (b.turnMark) {
      const QRect mark(r.left() + g.Scaled(8), r.top() + g.Scaled(16), g.Scaled(30), g.Scaled(25));
      p.drawPixmap(mark, look.pictures.Get("Hand_Right", mark.size()));
    }
    if (b.star != Star::kClear) {
      const bool red = b.star == Star::kRed;
      const QString name =
          g.largePictures ? (red ? "ZvezdaR" : "ZvezdaY") : (red ? "ZvezdaRSm" : "ZvezdaYSm");
      const QRect star(r.right() - g.Scaled(28), r.top() + g.Scaled(7), g.Scaled(22), g.Scaled(22));
      p.drawPixmap(star, look.pictures.Get(name, star.size()));
    }
    if (b.total) {
      p.setFont(TableFont(g.Scaled(30)));
      OutlinedText(p,
                   QRect(r.left() + g.Scaled(30), r.top() + g.Scaled(6), r.width() - g.Scaled(60),
                         g.Scaled(46)),
                   SignedValue(*b.total), QColor(255, 236, 170));
    }
    if (b.deal) {
      p.setFont(TableFont(g.Scaled(20)));
      OutlinedText(p, QRect(r.left(), r.top() + g.Scaled(50), r.width(), g.Scaled(30)),
                   QString::number(*b.deal), QColor(200, 230, 210));
    }
  }
}

void PaintBubbles(QPainter& p, const TableScene& scene, const TableLook& look) {
  const WindowGeometry& g = look.geometry;
  for (int player = 1; player <= 2; ++player) {
    const Bubble& bubble = scene.bubbles[player];
    if (bubble.text.isEmpty()) continue;
    const QRect r = look.layout.bubble[player];
    const QString name = BubblePictureName(bubble.colour, g.largePictures);
    if (!name.isEmpty()) p.drawPixmap(r, look.pictures.Get(name, r.size()));
    const int size = FittingFontSize(
        [&](int pixels) { return QFontMetrics(TableFont(pixels)).horizontalAdvance(bubble.text); },
        [&](double v) { return g.Scaled(v); });
    p.setFont(TableFont(size));
    OutlinedText(p, r.adjusted(0, 0, 0, -g.Scaled(6)), bubble.text, Qt::white);
  }
}

void PaintCentre(QPainter& p, const TableScene& scene, const TableLook& look) {
  const WindowGeometry& g = look.geometry;
  for (int place = 1; place <= 9; ++place) {
    if (scene.combination[place].IsEmpty()) continue;
    p.drawPixmap(CombinationCardAt(look.layout, g, place, scene.combinationCount),
                 look.cards.Face(scene.combination[place]));
  }
  for (int player = 1; player <= 2; ++player) {
    if (scene.trick[player].IsEmpty()) continue;
    p.drawPixmap(TrickCardAt(look.layout, g, player), look.cards.Face(scene.trick[player]));
  }
}

void PaintClocks(QPainter& p, const TableScene& scene, const TableLook& look) {
  if (!look.moveClocks) return;
  const WindowGeometry& g = look.geometry;
  for (int player = 1; player <= 2; ++player) {
    if (scene.clock[player] < 0) continue;
    const QRect r = look.layout.clock[player];
    const bool hurry = scene.clock[player] < 8;
    p.drawPixmap(r, look.pictures.Get(hurry ? "GTimerR" : "GTimerY", r.size()));
    p.setFont(TableFont(g.Scaled(18)));
    p.setPen(hurry ? QColor(255, 230, 60) : QColor(180, 20, 20));
    p.drawText(r, Qt::AlignCenter, QString::number(scene.clock[player]));
  }
}

}  // namespace

const QPixmap& CardPicture(const TableLook& look, CardCode card, bool faceUp) {
  return faceUp ? look.cards.Face(card) : look.cards.Back();
}

void PaintBackground(QPainter& p, const TableLook& look) {
  const QSize client = look.geometry.client;
  p.drawPixmap(QRect(QPoint(0, 0), client),
               look.pictures.Get(look.geometry.largePictures ? "FonGB" : "FonG", client));
}

void PaintTable(QPainter& p, const TableScene& scene, const TableLook& look) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  PaintBackground(p, look);
  PaintBoards(p, scene, look);
  PaintPanel(p, scene, look);
  PaintClocks(p, scene, look);
  PaintStock(p, scene, look);
  PaintCentre(p, scene, look);
  PaintHands(p, scene, look);
  PaintBubbles(p, scene, look);
  for (const LyingCard& lying : scene.lying) {
    p.drawPixmap(lying.at, CardPicture(look, lying.card, lying.faceUp));
  }
}

}  // namespace klondar::table
