// The auxiliary window designs of the options (1 gray concise, 2 gray aristocratic, 3 gray
// with red ribbons; the "Customizable" look falls back to 2 until the graphics library
// comes): the header with the window's word, and the scroll the window's texts stand on.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace klondar::table {

inline constexpr int kCustomizableDesign = 4;

// 1..3; the "Customizable" look and anything unknown give 2.
int ShownDesign(int design);
// The header's height in the design: 50, 64, 100.
int HeaderHeight(int design);
// Where the header stands at the top of a window of that width: design 1's plate across
// it, design 2's cap 5 pixels in from each side, design 3's ribbon 340 wide in the middle.
QRect HeaderArea(int design, int width);
// The font made smaller, if need be, until the text fits the width.
void FitToWidth(QFont& font, const QString& text, int width);
// The font made smaller, if need be, until the text wrapped at the width takes no more than
// the lines.
void FitToLines(QFont& font, const QString& text, int width, int lines);
// The design's header filling area, with the word centred across it: design 1 a plain grey
// plate, design 2 the grey cap ("GCap300" or "GCap550", whichever is nearer the width, its
// middle stretched to fit) with the word's top (64 - size) / 2 - 2 below the cap's top,
// design 3 a red ribbon. Sizes of designs 1 and 3 are taken at three quarters.
void PaintHeader(QPainter& p, int design, const QRect& area, const QString& word, int textSize);
// The header at HeaderArea(design, width).
void PaintHeader(QPainter& p, int design, int width, const QString& word, int textSize);
// The scroll "GSvitok" stretched onto area.
void PaintScroll(QPainter& p, const QRect& area);
// The window's "button face" ground.
QColor ButtonFace();
// Text drawn centred in the rectangle with a shadow one pixel right and down in half the
// colour.
void DrawShadowedText(QPainter& p, const QRect& rect, const QString& text, const QColor& colour);
// The lamp of an account state or a field check: 1 "LampR24", 2 "LampY24", 3 "LampG24".
QString LampPictureName(int state);

}  // namespace klondar::table
