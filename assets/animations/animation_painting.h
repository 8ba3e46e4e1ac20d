// Shared pieces of the animations: the table's gold and felt, framed panels, stars,
// sparkles, cups and laurel, and the easing of movements.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace animations {

inline const QColor kGoldLight{255, 236, 170};
inline const QColor kGold{214, 186, 112};
inline const QColor kGoldDark{150, 108, 40};
inline const QColor kIvory{246, 240, 222};
// The felt of the menu around the title, for soft edges of transparent animations.
inline const QColor kMenuFelt{27, 84, 57};

// 0..1 to 0..1, slow at both ends.
double Smooth(double t);
// 0..1 to 0..1, fast start and a soft landing.
double EaseOut(double t);
// Where frame i of n lies in 0..1, the last frame included.
double Progress(int i, int n);

// An opaque picture: a felt ground between two colours with a soft light at the top and a
// thin gold frame.
QImage FramedPanel(int width, int height, const QColor& top, const QColor& bottom);
// A transparent picture of the size.
QImage Clear(int width, int height);

// A vertical gold gradient across the rectangle.
QBrush GoldBrush(const QRectF& r);
// A five-pointed star, a point upwards when rotation is 0.
QPainterPath StarPath(QPointF centre, double outer, double inner, double rotationDegrees);
// A four-pointed twinkle; strength 0..1 fades it in.
void PaintSparkle(QPainter& p, QPointF centre, double radius, double strength);
// A trophy cup standing on foot, height tall.
void PaintCup(QPainter& p, QPointF foot, double height);
// A laurel branch, one half of a wreath height across: from stem round to one side (side -1
// left, +1 right) and up, of which the first leaves (0..1) have grown.
void PaintLaurel(QPainter& p, QPointF stem, double height, int side, double grown);
// A playing card of the suit (1 hearts .. 4 spades), rotated about its centre: the suit in
// its top corner and, unless it lies under others in a fan, once large in the middle.
void PaintMiniCard(QPainter& p, QPointF centre, QSizeF size, int suit, double rotationDegrees,
                   bool middlePip = true);
// The suit symbol filled with its colour and outlined in gold; scaleX folds it for a turn.
void PaintSuit(QPainter& p, QPointF centre, double size, int suit, double scaleX);

}  // namespace animations
