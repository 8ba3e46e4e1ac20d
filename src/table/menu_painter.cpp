#include "menu_painter.h"

#include <QLinearGradient>
#include <cmath>

#include "fonts.h"
#include "words.h"

namespace klondar::table {
namespace {
int Round(double v) { return static_cast<int>(std::lround(v)); }
}  // namespace

void PaintSplash(QPainter& p, QSize client, ScaledPictures& pictures) {
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawPixmap(QRect(QPoint(0, 0), client), pictures.Get("Logo", client));
  p.setFont(TableFont(client.height() * 22 / 500));
  p.setPen(QColor(255, 236, 170));
  p.drawText(QRect(0, client.height() * 118 / 500, client.width(), client.height() * 40 / 500),
             Qt::AlignCenter, kVersionText);
}

void PaintMenu(QPainter& p, const WindowGeometry& g, ScaledPictures& pictures) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawPixmap(QRect(QPoint(0, 0), g.client),
               pictures.Get(g.largePictures ? "FonGB" : "FonG", g.client));
  // The two side pictures, kept at the foot of the window at every size.
  const QSize side(g.Scaled(160), g.Scaled(200));
  const int y = Round(290 * g.sy) + Round((g.sy - 1) * 100);
  p.drawPixmap(QRect(QPoint(Round(7 * g.sx) + Round((g.sx - 1) * 80), y), side),
               pictures.Get("PngMenu1", side));
  p.drawPixmap(QRect(QPoint(Round(592 * g.sx) + Round((g.sx - 1) * 80), y), side),
               pictures.Get("PngMenu2", side));

  QFont title = TableFont(g.Scaled(46));
  title.setFamilies(QStringList{"DejaVu Serif", "serif"});
  title.setLetterSpacing(QFont::AbsoluteSpacing, g.Scaled(3));
  p.setFont(title);
  const QRect line(0, g.PlaceY(30, 70), g.client.width(), g.Scaled(70));
  p.setPen(QColor(0, 0, 0, 110));
  p.drawText(line.translated(2, 3), Qt::AlignCenter, Text(Word::kTitleLine));
  QLinearGradient gold(0, line.top(), 0, line.bottom());
  gold.setColorAt(0, QColor(255, 236, 170));
  gold.setColorAt(1, QColor(196, 146, 52));
  p.setPen(QPen(QBrush(gold), 1));
  p.drawText(line, Qt::AlignCenter, Text(Word::kTitleLine));
}

}  // namespace klondar::table
