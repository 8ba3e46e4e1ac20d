#include "aux_window_look.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <cstdlib>

#include "font_roles.h"
#include "pictures.h"

namespace klondar::table {
namespace {

constexpr int kCapHeight = 64;
// The cap pictures are decorated only this far in from each end.
constexpr int kCapEnd = 40;

// The cap picture drawn onto area: its ends as they are, its middle stretched.
void DrawCap(QPainter& p, const QRect& area) {
  const bool wide = std::abs(area.width() - 550) < std::abs(area.width() - 300);
  const QPixmap cap = Picture(wide ? "GCap550" : "GCap300");
  if (cap.isNull()) return;
  if (area.size() == cap.size()) {
    p.drawPixmap(area.topLeft(), cap);
    return;
  }
  const int end = std::min(kCapEnd, area.width() / 2);
  const int h = cap.height();
  p.drawPixmap(QRect(area.left(), area.top(), end, area.height()), cap, QRect(0, 0, end, h));
  p.drawPixmap(QRect(area.left() + end, area.top(), area.width() - 2 * end, area.height()), cap,
               QRect(end, 0, cap.width() - 2 * end, h));
  p.drawPixmap(QRect(area.right() + 1 - end, area.top(), end, area.height()), cap,
               QRect(cap.width() - end, 0, end, h));
}

// A red ribbon with swallow-tailed ends, its band across the middle half of the area.
void DrawRibbon(QPainter& p, const QRect& area) {
  const double top = area.top() + area.height() / 4.0;
  const double bottom = area.top() + area.height() * 3 / 4.0;
  const double left = area.left() + 1;
  const double right = area.right();
  const double notch = std::min(20.0, area.width() / 8.0);
  QPainterPath ribbon;
  ribbon.moveTo(left, top);
  ribbon.lineTo(right, top);
  ribbon.lineTo(right - notch, (top + bottom) / 2);
  ribbon.lineTo(right, bottom);
  ribbon.lineTo(left, bottom);
  ribbon.lineTo(left + notch, (top + bottom) / 2);
  ribbon.closeSubpath();
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, QColor(220, 40, 40));
  g.setColorAt(1, QColor(130, 10, 20));
  p.fillPath(ribbon, g);
  p.setPen(QPen(QColor(80, 0, 0), 2));
  p.drawPath(ribbon);
}

}  // namespace

int ShownDesign(int design) { return design == 1 || design == 3 ? design : 2; }

void FitToWidth(QFont& font, const QString& text, int width) {
  while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
}

void FitToLines(QFont& font, const QString& text, int width, int lines) {
  const auto height = [&] {
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 1 << 16), Qt::TextWordWrap, text)
        .height();
  };
  while (font.pixelSize() > 8 && height() > lines * QFontMetrics(font).lineSpacing()) {
    font.setPixelSize(font.pixelSize() - 1);
  }
}

int HeaderHeight(int design) {
  switch (ShownDesign(design)) {
    case 1:
      return 50;
    case 3:
      return 100;
    default:
      return kCapHeight;
  }
}

QRect HeaderArea(int design, int width) {
  switch (ShownDesign(design)) {
    case 1:
      return {0, 0, width, HeaderHeight(1)};
    case 3:
      return {width / 2 - 170, 0, 340, HeaderHeight(3)};
    default:
      return {5, 0, width - 10, kCapHeight};
  }
}

QColor ButtonFace() { return {236, 233, 216}; }

void DrawShadowedText(QPainter& p, const QRect& rect, const QString& text, const QColor& colour) {
  p.setPen(QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2));
  p.drawText(rect.translated(1, 1), Qt::AlignCenter, text);
  p.setPen(colour);
  p.drawText(rect, Qt::AlignCenter, text);
}

void PaintHeader(QPainter& p, int design, const QRect& area, const QString& word, int textSize) {
  const int d = ShownDesign(design);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font("serif");
  font.setBold(true);
  if (d == 1) {
    // A plain grey plate with a thin rule under it and the word in dark red.
    QLinearGradient g(0, area.top(), 0, area.bottom());
    g.setColorAt(0, QColor(214, 214, 218));
    g.setColorAt(1, QColor(176, 176, 182));
    p.fillRect(area, g);
    p.fillRect(QRect(area.left(), area.bottom() - 1, area.width(), 2), QColor(120, 120, 128));
    font.setPixelSize(FontHeightFor(textSize * 3 / 4, FontRole::kSerif));
    FitToWidth(font, word, area.width() - 24);
    p.setFont(font);
    p.setPen(QColor(139, 0, 0));
    p.drawText(area, Qt::AlignCenter, word);
  } else if (d == 2) {
    DrawCap(p, area);
    font.setPixelSize(FontHeightFor(textSize, FontRole::kSerif));
    FitToWidth(font, word, area.width() - 2 * kCapEnd);
    p.setFont(font);
    const int top = (kCapHeight - font.pixelSize()) / 2 - 2;
    const QRect line(area.left(), area.top() + top, area.width(), QFontMetrics(font).height());
    DrawShadowedText(p, line, word, QColor(255, 230, 0));
  } else {
    DrawRibbon(p, area);
    font.setPixelSize(FontHeightFor(textSize * 3 / 4, FontRole::kSerif));
    FitToWidth(font, word, area.width() - 60);
    p.setFont(font);
    DrawShadowedText(p, area, word, QColor(255, 240, 200));
  }
  p.restore();
}

void PaintHeader(QPainter& p, int design, int width, const QString& word, int textSize) {
  PaintHeader(p, design, HeaderArea(design, width), word, textSize);
}

void PaintScroll(QPainter& p, const QRect& area) {
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(area, Picture("GSvitok"));
  p.restore();
}

QString LampPictureName(int state) {
  switch (state) {
    case 3:
      return "LampG24";
    case 2:
      return "LampY24";
    default:
      return "LampR24";
  }
}

}  // namespace klondar::table
