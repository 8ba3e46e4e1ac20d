// The pictures of the auxiliary windows: the scroll the texts stand on, the grey caps of the
// concise design, the medal with its place numbers, and the account lamps.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "painting.h"

namespace pictures {
namespace {

constexpr int kScrollWidth = 450;
constexpr int kScrollHeight = 570;
constexpr int kRollHeight = 34;
// The medal: the disc hangs from two ribbon tails; the place pictures share its size so
// that both are drawn at the same point.
constexpr int kMedalWidth = 104;
constexpr int kMedalHeight = 116;
constexpr QPointF kDiscCentre(52, 72);
constexpr double kDiscRadius = 42;
constexpr double kFaceRadius = 30;

QColor Shade(const QColor& colour, double factor) {
  return QColor(std::clamp(static_cast<int>(colour.red() * factor), 0, 255),
                std::clamp(static_cast<int>(colour.green() * factor), 0, 255),
                std::clamp(static_cast<int>(colour.blue() * factor), 0, 255), colour.alpha());
}

// The sheet's outline: straight top and bottom under the rolls, gently uneven sides.
QPainterPath SheetPath(const QRectF& r) {
  QPainterPath path;
  const auto side = [](double y) { return 1.6 * std::sin(y / 23.0) + 0.8 * std::sin(y / 7.0); };
  path.moveTo(r.left() + side(r.top()), r.top());
  path.lineTo(r.right() - side(r.top() + 11), r.top());
  for (double y = r.top(); y <= r.bottom(); y += 4) path.lineTo(r.right() - side(y + 11), y);
  path.lineTo(r.left() + side(r.bottom()), r.bottom());
  for (double y = r.bottom(); y >= r.top(); y -= 4) path.lineTo(r.left() + side(y), y);
  path.closeSubpath();
  return path;
}

// Aged paper: a warm ground, darker towards the sides, with grain and a few soft stains.
void Parchment(QPainter& p, const QPainterPath& sheet) {
  const QRectF r = sheet.boundingRect();
  p.save();
  p.setClipPath(sheet);
  QLinearGradient across(r.topLeft(), r.topRight());
  across.setColorAt(0.0, QColor(214, 184, 128));
  across.setColorAt(0.18, QColor(238, 218, 172));
  across.setColorAt(0.5, QColor(248, 234, 198));
  across.setColorAt(0.82, QColor(238, 218, 172));
  across.setColorAt(1.0, QColor(210, 178, 122));
  p.fillRect(r, across);

  QImage grain(r.size().toSize(), QImage::Format_ARGB32_Premultiplied);
  unsigned state = 523u;
  for (int y = 0; y < grain.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
    for (int x = 0; x < grain.width(); ++x) {
      state = state * 1103515245u + 12345u;
      const int a = static_cast<int>((state >> 16) % 18u);
      line[x] = (state >> 28) % 2 == 0 ? qPremultiply(qRgba(90, 60, 20, a))
                                       : qPremultiply(qRgba(255, 250, 230, a));
    }
  }
  p.drawImage(r.topLeft(), grain);

  for (int i = 0; i < 9; ++i) {
    state = state * 1103515245u + 12345u;
    const double x = r.left() + (state >> 8) % static_cast<unsigned>(r.width());
    state = state * 1103515245u + 12345u;
    const double y = r.top() + (state >> 8) % static_cast<unsigned>(r.height());
    const double radius = 30 + (state >> 4) % 60;
    QRadialGradient stain(x, y, radius);
    stain.setColorAt(0.0, QColor(170, 120, 50, 34));
    stain.setColorAt(0.7, QColor(170, 120, 50, 14));
    stain.setColorAt(1.0, QColor(170, 120, 50, 0));
    p.fillRect(r, stain);
  }
  p.restore();
  p.setPen(QPen(QColor(150, 110, 60, 160), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(sheet);
}

// A rolled end across the picture at y: the paper roll, its curl at both ends and the
// wooden knobs of the rod.
void Roll(QPainter& p, double y, double width) {
  const double h = kRollHeight;
  const QRectF roll(13, y, width - 26, h);
  QLinearGradient cylinder(0, y, 0, y + h);
  cylinder.setColorAt(0.0, QColor(150, 112, 60));
  cylinder.setColorAt(0.25, QColor(236, 214, 164));
  cylinder.setColorAt(0.45, QColor(252, 240, 210));
  cylinder.setColorAt(0.75, QColor(206, 172, 112));
  cylinder.setColorAt(1.0, QColor(128, 92, 46));
  p.setPen(QPen(QColor(112, 78, 36), 1.2));
  p.setBrush(cylinder);
  p.drawRoundedRect(roll, 6, h / 2);
  // A faint line where the outer turn of the paper lies on the roll.
  p.setPen(QPen(QColor(140, 100, 50, 120), 1));
  p.drawLine(QPointF(roll.left() + 10, y + h * 0.72), QPointF(roll.right() - 10, y + h * 0.72));
  for (const double cx : {roll.left() + 7, roll.right() - 7}) {
    // The curl: the paper's edge seen end on, as a small spiral.
    const QRectF end(cx - 7, y + 1, 14, h - 2);
    QRadialGradient hollow(end.center(), h / 2);
    hollow.setColorAt(0.0, QColor(120, 84, 40));
    hollow.setColorAt(1.0, QColor(230, 204, 150));
    p.setPen(QPen(QColor(112, 78, 36), 1));
    p.setBrush(hollow);
    p.drawEllipse(end);
    p.setPen(QPen(QColor(250, 236, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(end.adjusted(3, 5, -3, -5), 90 * 16, 270 * 16);
    p.drawArc(end.adjusted(5, 10, -5, -10), 270 * 16, 270 * 16);
  }
  for (const double cx : {7.0, width - 7.0}) {
    const QRectF knob(cx - 7, y + h / 2 - 10, 14, 20);
    QRadialGradient wood(knob.center() - QPointF(3, 4), 12);
    wood.setColorAt(0.0, QColor(190, 120, 60));
    wood.setColorAt(0.6, QColor(120, 64, 24));
    wood.setColorAt(1.0, QColor(64, 30, 10));
    p.setPen(QPen(QColor(50, 24, 8), 1));
    p.setBrush(wood);
    p.drawEllipse(knob);
  }
}

QImage Scroll() {
  QImage image = Blank(kScrollWidth, kScrollHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double half = kRollHeight / 2.0;
  const QPainterPath sheet =
      SheetPath(QRectF(20, half, kScrollWidth - 40, kScrollHeight - 2 * half));
  Parchment(p, sheet);
  // The rolls cast a short shadow on the sheet.
  p.save();
  p.setClipPath(sheet);
  QLinearGradient under(0, kRollHeight - 2, 0, kRollHeight + 12);
  under.setColorAt(0, QColor(80, 50, 20, 90));
  under.setColorAt(1, QColor(80, 50, 20, 0));
  p.fillRect(QRectF(0, kRollHeight - 2, kScrollWidth, 14), under);
  QLinearGradient over(0, kScrollHeight - kRollHeight + 2, 0, kScrollHeight - kRollHeight - 12);
  over.setColorAt(0, QColor(80, 50, 20, 90));
  over.setColorAt(1, QColor(80, 50, 20, 0));
  p.fillRect(QRectF(0, kScrollHeight - kRollHeight - 12, kScrollWidth, 14), over);
  p.restore();
  Roll(p, 0, kScrollWidth);
  Roll(p, kScrollHeight - kRollHeight, kScrollWidth);
  return image;
}

// The concise design's header: a grey brushed-metal plate with a bevel and a rivet at each
// end. The ends are decorated only within 40 pixels, so the middle may be stretched.
QImage Cap(int width) {
  constexpr int kHeight = 64;
  QImage image = Blank(width, kHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate(1, 3, width - 2, kHeight - 6);
  QPainterPath shape;
  shape.addRoundedRect(plate, 12, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(shape.translated(0, 2));
  QLinearGradient metal(0, plate.top(), 0, plate.bottom());
  metal.setColorAt(0.0, QColor(178, 180, 188));
  metal.setColorAt(0.46, QColor(120, 122, 132));
  metal.setColorAt(0.54, QColor(92, 94, 104));
  metal.setColorAt(1.0, QColor(54, 56, 64));
  p.setBrush(metal);
  p.drawPath(shape);
  // Brushed lines: each row a little lighter or darker, the same all along it.
  p.save();
  p.setClipPath(shape);
  unsigned state = 77u;
  for (int y = 3; y < kHeight - 3; ++y) {
    state = state * 1103515245u + 12345u;
    const int a = static_cast<int>((state >> 16) % 22u);
    p.setPen(QPen((state >> 27) % 2 == 0 ? QColor(255, 255, 255, a) : QColor(0, 0, 0, a), 1));
    p.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
  }
  QLinearGradient gloss(0, plate.top(), 0, plate.center().y());
  gloss.setColorAt(0, QColor(255, 255, 255, 90));
  gloss.setColorAt(1, QColor(255, 255, 255, 10));
  p.fillRect(QRectF(plate.left(), plate.top(), plate.width(), plate.height() / 2), gloss);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
  p.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 10, 10);
  p.setPen(QPen(QColor(34, 34, 40), 1.4));
  p.drawPath(shape);
  for (const double x : {14.0, width - 14.0}) {
    QRadialGradient rivet(x - 1.5, plate.center().y() - 1.5, 5);
    rivet.setColorAt(0, QColor(250, 250, 252));
    rivet.setColorAt(1, QColor(90, 92, 100));
    p.setPen(QPen(QColor(40, 40, 46), 0.8));
    p.setBrush(rivet);
    p.drawEllipse(QPointF(x, plate.center().y()), 4, 4);
  }
  return image;
}

// One ribbon tail from the top edge down behind the disc: red with a white and a blue
// stripe, darker on its inner half.
void RibbonTail(QPainter& p, bool left) {
  const double s = left ? 1 : -1;
  const double cx = kDiscCentre.x();
  const QPolygonF tail({QPointF(cx - s * 44, 0), QPointF(cx - s * 16, 0),
                        QPointF(cx + s * 12, kDiscCentre.y() - 24),
                        QPointF(cx - s * 14, kDiscCentre.y() - 24)});
  QLinearGradient red(cx - s * 44, 0, cx + s * 12, 0);
  red.setColorAt(0, QColor(210, 30, 40));
  red.setColorAt(1, QColor(130, 12, 22));
  p.setPen(QPen(QColor(90, 6, 12), 1));
  p.setBrush(red);
  p.drawPolygon(tail);
  const auto along = [&](double f) {
    return std::pair(tail[0] + (tail[1] - tail[0]) * f, tail[3] + (tail[2] - tail[3]) * f);
  };
  for (const auto& [f, colour] :
       {std::pair(0.42, QColor(250, 246, 236)), std::pair(0.58, QColor(40, 60, 150))}) {
    const auto [top, bottom] = along(f);
    p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(top, bottom);
  }
}

QImage Medal() {
  QImage image = Blank(kMedalWidth, kMedalHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  RibbonTail(p, true);
  RibbonTail(p, false);
  // The ring the disc hangs from.
  p.setPen(QPen(QColor(150, 104, 20), 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(kDiscCentre.x(), kDiscCentre.y() - kDiscRadius - 1), 5, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawEllipse(kDiscCentre + QPointF(1.5, 2.5), kDiscRadius, kDiscRadius);
  QRadialGradient gold(kDiscCentre - QPointF(14, 16), kDiscRadius * 1.5);
  gold.setColorAt(0.0, QColor(255, 246, 180));
  gold.setColorAt(0.45, QColor(236, 186, 52));
  gold.setColorAt(1.0, QColor(140, 92, 10));
  p.setPen(QPen(QColor(110, 72, 0), 1.6));
  p.setBrush(gold);
  p.drawEllipse(kDiscCentre, kDiscRadius, kDiscRadius);
  // A milled edge.
  p.setPen(QPen(QColor(150, 100, 14, 170), 1));
  for (int i = 0; i < 72; ++i) {
    const double a = i * 2 * std::numbers::pi / 72;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(kDiscCentre + d * (kDiscRadius - 4), kDiscCentre + d * (kDiscRadius - 1));
  }
  // A laurel wreath round the face, open at the top.
  for (const double side : {-1.0, 1.0}) {
    for (int i = 0; i < 8; ++i) {
      const double a = std::numbers::pi / 2 + side * (0.35 + i * 0.31);
      const QPointF at = kDiscCentre + QPointF(std::cos(a), -std::sin(a)) * (kFaceRadius + 4.5);
      p.save();
      p.translate(at);
      p.rotate(-a * 180 / std::numbers::pi + (side > 0 ? 60 : 120));
      p.setPen(QPen(QColor(120, 80, 6), 0.8));
      p.setBrush(QColor(206, 150, 30));
      p.drawEllipse(QPointF(0, 0), 4.2, 1.9);
      p.restore();
    }
  }
  QRadialGradient face(kDiscCentre + QPointF(10, 12), kFaceRadius * 1.6);
  face.setColorAt(0.0, QColor(255, 238, 150));
  face.setColorAt(0.6, QColor(232, 178, 48));
  face.setColorAt(1.0, QColor(176, 122, 18));
  p.setPen(QPen(QColor(255, 244, 196), 1.4));
  p.setBrush(face);
  p.drawEllipse(kDiscCentre, kFaceRadius, kFaceRadius);
  p.setPen(QPen(QColor(130, 86, 6), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kDiscCentre, kFaceRadius + 1.2, kFaceRadius + 1.2);
  return image;
}

// The place number on a transparent ground, where the medal's face is: dark red, pressed
// into the gold (a light edge below and to the right).
QImage Place(int place) {
  QImage image = Blank(kMedalWidth, kMedalHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font;
  font.setFamilies({"DejaVu Serif", "serif"});
  font.setBold(true);
  font.setPixelSize(place < 10 ? 40 : 32);
  if (place >= 10) font.setLetterSpacing(QFont::AbsoluteSpacing, -2);
  p.setFont(font);
  const QRectF face(kDiscCentre.x() - kFaceRadius, kDiscCentre.y() - kFaceRadius + 1,
                    2 * kFaceRadius, 2 * kFaceRadius);
  const QString text = QString::number(place);
  p.setPen(QColor(255, 246, 200, 220));
  p.drawText(face.translated(1.2, 1.2), Qt::AlignCenter, text);
  p.setPen(QColor(128, 18, 18));
  p.drawText(face, Qt::AlignCenter, text);
  return image;
}

// A round glossy lamp of 24 x 24, a little in from the edges so that it may stand on the
// corner of another picture.
QImage Lamp(const QColor& colour) {
  QImage image = Blank(24, 24);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(12.5, 11.5);
  QRadialGradient rim(c, 9);
  rim.setColorAt(0.75, QColor(70, 70, 76));
  rim.setColorAt(1.0, QColor(24, 24, 28));
  p.setPen(QPen(QColor(255, 255, 255, 200), 1));
  p.setBrush(rim);
  p.drawEllipse(c, 9, 9);
  QRadialGradient glow(c + QPointF(-1.5, -2), 7.5);
  glow.setColorAt(0.0, Shade(colour, 1.4));
  glow.setColorAt(0.55, colour);
  glow.setColorAt(1.0, Shade(colour, 0.45));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, 6.8, 6.8);
  QLinearGradient shine(0, c.y() - 6, 0, c.y());
  shine.setColorAt(0, QColor(255, 255, 255, 220));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawEllipse(QRectF(c.x() - 4, c.y() - 6, 8, 5.2));
  return image;
}

}  // namespace

bool MakeAuxWindowPictures() {
  bool ok = Save("GSvitok", Scroll()) && Save("GCap300", Cap(300)) && Save("GCap550", Cap(550)) &&
            Save("GMedal", Medal()) && Save("LampR24", Lamp(QColor(220, 34, 30))) &&
            Save("LampY24", Lamp(QColor(240, 196, 20))) &&
            Save("LampG24", Lamp(QColor(40, 184, 60)));
  for (int place = 1; place <= 10 && ok; ++place) {
    ok = Save(QString("GPlace%1").arg(place, 2, 10, QChar('0')), Place(place));
  }
  return ok;
}

}  // namespace pictures
