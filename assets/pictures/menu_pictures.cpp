// The pictures of the menu screen's two clock panels: the panel, the digit sets (seven
// segments, each set in its own colour), the blinking colon and the figures' icons.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include "painting.h"

namespace pictures {
namespace {

constexpr int kDigitWidth = 20;
constexpr int kDigitHeight = 40;

// The panel behind both clocks: dark glass in a thin gold frame.
QImage ClockPanel() {
  QImage image = Blank(115, 64);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1.5, 1.5, 112, 61);
  QLinearGradient glass(r.topLeft(), r.bottomLeft());
  glass.setColorAt(0, QColor(34, 44, 40));
  glass.setColorAt(1, QColor(10, 16, 14));
  p.setPen(QPen(QColor(214, 186, 112), 1.6));
  p.setBrush(glass);
  p.drawPath(RoundedRect(r, 8));
  p.setPen(QPen(QColor(255, 255, 255, 30), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(r.adjusted(3, 3, -3, -3), 6));
  return image;
}

// Segments a..g of a seven-segment digit, as lit for each of 0..9.
constexpr const char* kLit[] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

QPainterPath Segment(char segment) {
  // The segments in a 20 x 40 cell.
  const double t = 3.2, l = 3, r = 15.5, top = 3, mid = 20, bottom = 37;
  const auto bar = [](QPointF a, QPointF b, double w, bool horizontal) {
    QPainterPath path;
    const double h = w / 2;
    if (horizontal) {
      path.moveTo(a.x(), a.y());
      path.lineTo(a.x() + h, a.y() - h);
      path.lineTo(b.x() - h, b.y() - h);
      path.lineTo(b.x(), b.y());
      path.lineTo(b.x() - h, b.y() + h);
      path.lineTo(a.x() + h, a.y() + h);
    } else {
      path.moveTo(a.x(), a.y());
      path.lineTo(a.x() + h, a.y() + h);
      path.lineTo(b.x() + h, b.y() - h);
      path.lineTo(b.x(), b.y());
      path.lineTo(b.x() - h, b.y() - h);
      path.lineTo(a.x() - h, a.y() + h);
    }
    path.closeSubpath();
    return path;
  };
  switch (segment) {
    case 'a':
      return bar({l + 1, top}, {r - 1, top}, t, true);
    case 'b':
      return bar({r, top + 1}, {r, mid - 1}, t, false);
    case 'c':
      return bar({r, mid + 1}, {r, bottom - 1}, t, false);
    case 'd':
      return bar({l + 1, bottom}, {r - 1, bottom}, t, true);
    case 'e':
      return bar({l, mid + 1}, {l, bottom - 1}, t, false);
    case 'f':
      return bar({l, top + 1}, {l, mid - 1}, t, false);
    default:
      return bar({l + 1, mid}, {r - 1, mid}, t, true);
  }
}

QImage Segments(const QString& lit, const QColor& colour) {
  QImage image = Blank(kDigitWidth, kDigitHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Slanted a little to the right, kept inside the cell.
  p.setTransform(QTransform().shear(-0.08, 0).translate(2.5, 0));
  for (const char s : QByteArray("abcdefg")) {
    const bool on = lit.contains(QLatin1Char(s));
    p.setPen(Qt::NoPen);
    p.setBrush(on ? colour : QColor(colour.red(), colour.green(), colour.blue(), 28));
    p.drawPath(Segment(s));
  }
  return image;
}

QImage Colon(const QColor& colour) {
  QImage image = Blank(6, 22);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QRectF(0.5, 2, 5, 5));
  p.drawEllipse(QRectF(0.5, 15, 5, 5));
  return image;
}

// Icons of the figures, drawn at 32 x 32 and shown at 16 x 16.
QImage DesktopIcon() {
  QImage image = Blank(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(210, 220, 230), 2));
  p.setBrush(QColor(40, 110, 180));
  p.drawRoundedRect(QRectF(3, 4, 26, 18), 2, 2);
  p.setBrush(QColor(210, 220, 230));
  p.drawRect(QRectF(13, 22, 6, 4));
  p.drawRoundedRect(QRectF(8, 26, 16, 3), 1, 1);
  return image;
}

QImage PhoneIcon() {
  QImage image = Blank(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(210, 230, 200), 2));
  p.setBrush(QColor(70, 150, 80));
  p.drawRoundedRect(QRectF(9, 2, 14, 28), 3, 3);
  p.setBrush(QColor(20, 40, 30));
  p.drawRect(QRectF(11.5, 6, 9, 18));
  return image;
}

QImage MemberIcon(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  p.setPen(QPen(QColor(250, 240, 210), 1.5));
  p.setBrush(QColor(200, 150, 60));
  p.drawEllipse(QRectF(10, 3, 12, 12));
  p.drawPath(RoundedRect(QRectF(5, 16, 22, 14), 6));
  return image;
}

// The club currency: a gold coin with a "V".
QImage CoinIcon(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  QRadialGradient gold(12, 11, 18);
  gold.setColorAt(0, QColor(255, 236, 150));
  gold.setColorAt(1, QColor(196, 140, 30));
  p.setPen(QPen(QColor(120, 80, 10), 1.5));
  p.setBrush(gold);
  p.drawEllipse(QRectF(2, 2, 28, 28));
  p.setPen(QPen(QColor(120, 80, 10), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(10, 10), QPointF(16, 23), QPointF(22, 10)}));
  return image;
}

struct DigitSet {
  const char* name;
  QColor colour;
};
// "GBClock" is the time of day; the others belong to the seven information panels.
const DigitSet kDigitSets[] = {
    {"GBClock", QColor(255, 196, 80)},  {"GRClock", QColor(255, 84, 72)},
    {"GAClock", QColor(90, 230, 230)},  {"GGClock", QColor(110, 230, 110)},
    {"GYClock", QColor(255, 230, 90)},  {"GVClock", QColor(200, 140, 255)},
    {"GLClock", QColor(150, 200, 255)}, {"GNClock", QColor(255, 160, 90)},
};

}  // namespace

bool MakeMenuPictures() {
  bool ok = Save("GClockBG", ClockPanel()) && Save("GBClockP", Colon(kDigitSets[0].colour));
  for (const DigitSet& set : kDigitSets) {
    for (int digit = 0; digit <= 9 && ok; ++digit) {
      ok = Save(QString(set.name) + QString::number(digit), Segments(kLit[digit], set.colour));
    }
    // The panels' figures may be negative; the time of day never is.
    if (&set != &kDigitSets[0]) ok = ok && Save(QString(set.name) + "M", Segments("g", set.colour));
  }
  return ok && Save("Windows", DesktopIcon()) && Save("Android", PhoneIcon()) &&
         Save("Account48", MemberIcon(48)) && Save("GVels128", CoinIcon(128));
}

}  // namespace pictures
