// The auxiliary window designs of the options (1 purple, 2 gray concise, 3 gray with red
// ribbons; the "Customizable" look falls back to 2 until the graphics library comes): the
// header band with the window's word, and the scroll the window's texts stand on.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

namespace klondar::table {

inline constexpr int kCustomizableDesign = 4;

// 1..3; the "Customizable" look and anything unknown give 2.
int ShownDesign(int design);
// The header's height in the design: 50, 64, 100.
int HeaderHeight(int design);
// The font made smaller, if need be, until the text fits the width.
void FitToWidth(QFont& font, const QString& text, int width);
void PaintHeader(QPainter& p, int design, int width, const QString& word, int textSize);
void PaintScroll(QPainter& p, const QRect& area);
// The window's "button face" ground.
QColor ButtonFace();
// Text drawn centred in the rectangle with a shadow one pixel right and down in half the
// colour.
void DrawShadowedText(QPainter& p, const QRect& rect, const QString& text, const QColor& colour);

}  // namespace klondar::table
