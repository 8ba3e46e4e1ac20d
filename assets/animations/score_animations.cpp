// The score window's picture: a slate on which the deals are chalked up.
#include <QLinearGradient>
#include <cmath>

#include "animation_painting.h"
#include "animations.h"

namespace animations {
namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 90;
constexpr int kMarks = 10;

// Mark m (0-based) of a column: four upright strokes, then one across them.
QLineF TallyMark(int column, int m) {
  const double left = column == 0 ? 15 : 61;
  const double top = 42, bottom = 74;
  if (m < 4) {
    const double x = left + 4 + m * 6.5;
    // A hand-drawn lean, different for every stroke.
    return {QPointF(x + (m % 2 == 0 ? 1.0 : -0.5), top), QPointF(x, bottom)};
  }
  return {QPointF(left - 1, bottom - 5), QPointF(left + 26, top + 5)};
}

// shown marks are chalked, the newest still gold by fresh (0..1); shine crosses the slate at
// 0..1 of its way, or not at all when negative.
QImage Slate(int shown, double fresh, double shine) {
  QImage image = FramedPanel(kWidth, kHeight, QColor(30, 62, 48), QColor(16, 38, 28));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Headings: the two players' suits, a gold rule under them and one between the columns.
  PaintSuit(p, QPointF(29, 19), 17, 4, 1.0);
  PaintSuit(p, QPointF(75, 19), 17, 1, 1.0);
  p.setPen(QPen(GoldBrush(QRectF(0, 30, kWidth, 2)), 1.4));
  p.drawLine(QPointF(10, 32), QPointF(90, 32));
  p.drawLine(QPointF(50, 10), QPointF(50, 80));
  for (int i = 0; i < shown && i < kMarks; ++i) {
    const QLineF mark = TallyMark(i % 2, i / 2);
    // The newest mark is gold and pales to chalk.
    const double gold = i == shown - 1 ? fresh : 0.0;
    const auto mix = [gold](int chalk, int lit) {
      return static_cast<int>(chalk + (lit - chalk) * gold);
    };
    p.setPen(QPen(QColor(mix(236, 255), mix(236, 214), mix(220, 110)), 2.4, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(mark);
  }
  if (shine >= 0) {
    // A slanting band of light sweeping from the left over the slate.
    const double x = -40 + 180 * shine;
    QLinearGradient band(x - 14, 0, x + 14, 10);
    band.setColorAt(0, QColor(255, 255, 255, 0));
    band.setColorAt(0.5, QColor(255, 250, 220, 70));
    band.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(4, 4, kWidth - 8, kHeight - 8), band);
  }
  return image;
}

}  // namespace

std::vector<Frame> GeneralCount() {
  std::vector<Frame> frames;
  frames.push_back({Slate(0, 0, -1), 100});
  // Frames 1..10: a mark at a time, left and right in turn.
  for (int m = 1; m <= kMarks; ++m) frames.push_back({Slate(m, 1.0, -1), 100});
  // Frames 11..14: the last mark pales; frame 14 is the finished slate at rest.
  for (int f = 0; f < 4; ++f) frames.push_back({Slate(kMarks, 0.6 - 0.2 * f, -1), 90});
  // Frames 15..21: a shine crosses it, then a pause before the slate is wiped.
  for (int f = 0; f < 7; ++f) frames.push_back({Slate(kMarks, 0, (f + 0.5) / 7), 70});
  for (int f = 0; f < 3; ++f) frames.push_back({Slate(kMarks, 0, -1), 100});
  return frames;
}

}  // namespace animations
