#include "aux_window_look.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

#include "font_roles.h"

namespace klondar::table {

int ShownDesign(int design) { return design == 1 || design == 3 ? design : 2; }

void FitToWidth(QFont& font, const QString& text, int width) {
  while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
}

int HeaderHeight(int design) {
  switch (ShownDesign(design)) {
    case 1: return 50;
    case 3: return 100;
    default: return 64;
  }
}

QColor ButtonFace() { return {236, 233, 216}; }

void DrawShadowedText(QPainter& p, const QRect& rect, const QString& text, const QColor& colour) {
  p.setPen(QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2));
  p.drawText(rect.translated(1, 1), Qt::AlignCenter, text);
  p.setPen(colour);
  p.drawText(rect, Qt::AlignCenter, text);
}

void PaintHeader(QPainter& p, int design, int width, const QString& word, int textSize) {
  const int d = ShownDesign(design);
  const int h = HeaderHeight(d);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("serif");
  font.setBold(true);
  if (d == 1) {
    // A purple plate with the word in gold.
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(120, 60, 150));
    g.setColorAt(1, QColor(60, 20, 90));
    p.fillRect(QRect(0, 0, width, h), g);
    font.setPixelSize(FontHeightFor(textSize * 3 / 4, FontRole::kSerif));
    FitToWidth(font, word, width - 24);
    p.setFont(font);
    DrawShadowedText(p, QRect(0, 0, width, h), word, QColor(255, 215, 90));
  } else if (d == 2) {
    // A grey cap with the word in yellow.
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(150, 150, 156));
    g.setColorAt(0.5, QColor(96, 96, 104));
    g.setColorAt(1, QColor(60, 60, 66));
    p.fillRect(QRect(0, 0, width, h), g);
    font.setPixelSize(FontHeightFor(textSize, FontRole::kSerif));
    FitToWidth(font, word, width - 24);
    p.setFont(font);
    DrawShadowedText(p, QRect(0, 6, width, h - 6), word, QColor(255, 230, 0));
  } else {
    // A red ribbon with swallow-tailed ends across a grey ground.
    p.fillRect(QRect(0, 0, width, h), QColor(120, 120, 126));
    const int left = width / 2 - 140;
    const int right = width / 2 + 140;
    QPainterPath ribbon;
    ribbon.moveTo(left - 30, 25);
    ribbon.lineTo(right + 30, 25);
    ribbon.lineTo(right + 10, 50);
    ribbon.lineTo(right + 30, 75);
    ribbon.lineTo(left - 30, 75);
    ribbon.lineTo(left - 10, 50);
    ribbon.closeSubpath();
    QLinearGradient g(0, 25, 0, 75);
    g.setColorAt(0, QColor(220, 40, 40));
    g.setColorAt(1, QColor(130, 10, 20));
    p.fillPath(ribbon, g);
    p.setPen(QPen(QColor(80, 0, 0), 2));
    p.drawPath(ribbon);
    font.setPixelSize(FontHeightFor(textSize * 3 / 4, FontRole::kSerif));
    FitToWidth(font, word, width - 24);
    p.setFont(font);
    DrawShadowedText(p, QRect(0, 25, width, 50), word, QColor(255, 240, 200));
  }
  p.restore();
}

void PaintScroll(QPainter& p, const QRect& area) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRect sheet = area.adjusted(6, 14, -6, -14);
  QLinearGradient g(sheet.topLeft(), sheet.topRight());
  g.setColorAt(0, QColor(226, 204, 156));
  g.setColorAt(0.5, QColor(250, 238, 206));
  g.setColorAt(1, QColor(226, 204, 156));
  p.fillRect(sheet, g);
  // The rolled ends at the top and the bottom.
  for (const int y : {area.top(), area.bottom() - 28}) {
    QLinearGradient roll(0, y, 0, y + 28);
    roll.setColorAt(0, QColor(170, 130, 70));
    roll.setColorAt(0.5, QColor(240, 220, 170));
    roll.setColorAt(1, QColor(150, 110, 60));
    p.setBrush(roll);
    p.setPen(QPen(QColor(120, 85, 40), 1));
    p.drawRoundedRect(QRect(area.left(), y, area.width(), 28), 12, 12);
  }
  p.restore();
}

}  // namespace klondar::table
