#include "menu_painter.h"

#include <QLinearGradient>
#include <cmath>

#include "fonts.h"
#include "words.h"

namespace klondar::table {
namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

constexpr QSize kScrollSize{160, 200};

// The title's looks, cycled by clicking it: the two ends of its gradient and its shadow.
struct TitleStyle {
  QColor top;
  QColor bottom;
  QColor shadow;
};
const TitleStyle kTitleStyles[kTitleDesigns] = {
    {{255, 236, 170}, {196, 146, 52}, {0, 0, 0, 110}},       // gold
    {{250, 250, 250}, {150, 160, 170}, {0, 0, 0, 120}},      // silver
    {{255, 200, 160}, {170, 90, 50}, {0, 0, 0, 110}},        // copper
    {{255, 176, 168}, {196, 36, 44}, {0, 0, 0, 150}},        // ruby
    {{210, 255, 210}, {60, 170, 90}, {0, 0, 0, 130}},        // jade
    {{200, 226, 255}, {70, 120, 210}, {0, 0, 0, 150}},       // sapphire
    {{255, 250, 235}, {235, 220, 190}, {120, 20, 20, 150}},  // ivory on red
};

}  // namespace

MenuLayout LayoutMenu(const WindowGeometry& g) {
  MenuLayout m;
  // The pictures keep their size; their centres follow the window's stretch.
  const int y = Round(290 * g.sy) + Round((g.sy - 1) * 100);
  m.scrolls[0] = QRect(QPoint(Round(7 * g.sx) + Round((g.sx - 1) * 80), y), kScrollSize);
  m.scrolls[1] = QRect(QPoint(Round(592 * g.sx) + Round((g.sx - 1) * 80), y), kScrollSize);
  if (g.client.width() >= 1290 && g.client.height() >= 850) {
    std::array<QRect, 2> clocks;
    for (int i = 0; i < 2; ++i) {
      clocks[i] = QRect(m.scrolls[i].bottomLeft() + QPoint(-7, 5), kClockPanelSize);
    }
    m.clocks = clocks;
  }
  m.caption =
      QRect(g.client.width() / 2 - g.Scaled(230), g.PlaceY(30, 70), g.Scaled(460), g.Scaled(70));
  // Level with the title and clear of the club list and the buttons below it.
  m.animations[0] = g.Place({92, 14, 96, 96});
  m.animations[1] = g.Place({572, 14, 96, 96});
  m.newPlayer = g.Place({290, 200, 180, 40});
  m.exit = m.newPlayer.translated(0, g.Scaled(56));
  return m;
}

void PaintSplash(QPainter& p, QSize client, ScaledPictures& pictures) {
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawPixmap(QRect(QPoint(0, 0), client), pictures.Get("Logo", client));
  p.setFont(TableFont(client.height() * 22 / 500));
  p.setPen(QColor(255, 236, 170));
  p.drawText(QRect(0, client.height() * 118 / 500, client.width(), client.height() * 40 / 500),
             Qt::AlignCenter, kVersionText);
}

void PaintMenu(QPainter& p, const WindowGeometry& g, const MenuLayout& layout, const MenuLook& look,
               ScaledPictures& pictures) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(QRect(QPoint(0, 0), g.client),
               pictures.Get(g.largePictures ? "FonGB" : "FonG", g.client));
  p.drawPixmap(layout.scrolls[0], pictures.Get("PngMenu1", kScrollSize));
  p.drawPixmap(layout.scrolls[1], pictures.Get("PngMenu2", kScrollSize));
  if (layout.clocks) {
    PaintTimeOfDay(p, (*layout.clocks)[0].topLeft(), look.time, pictures);
    PaintInfoPanel(p, (*layout.clocks)[1].topLeft(), look.panel, look.number, pictures);
  }

  const TitleStyle& style = kTitleStyles[std::clamp(look.titleDesign, 1, kTitleDesigns) - 1];
  QFont title = TableFont(g.Scaled(46));
  title.setFamilies(QStringList{"DejaVu Serif", "serif"});
  title.setLetterSpacing(QFont::AbsoluteSpacing, g.Scaled(3));
  p.setFont(title);
  const QRect line = layout.caption;
  p.setPen(style.shadow);
  p.drawText(line.translated(2, 3), Qt::AlignCenter, Text(Word::kTitleLine));
  QLinearGradient fill(0, line.top(), 0, line.bottom());
  fill.setColorAt(0, style.top);
  fill.setColorAt(1, style.bottom);
  p.setPen(QPen(QBrush(fill), 1));
  p.drawText(line, Qt::AlignCenter, Text(Word::kTitleLine));
}

}  // namespace klondar::table
