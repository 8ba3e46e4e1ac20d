// The two medallions beside the menu title.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "animation_painting.h"
#include "animations.h"

namespace animations {
namespace {

using std::numbers::pi;

constexpr int kSize = 96;
constexpr QPointF kCentre{48, 48};
constexpr int kBeads = 12;

// The medallion: a dark edge, a gold rim set with beads, and a felt centre. A light runs
// round the beads; light is where it stands, 0..1 of a turn.
void PaintMedallion(QPainter& p, double light) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 48, 14));
  p.drawEllipse(kCentre, 46, 46);
  const QRectF rim(2, 2, 92, 92);
  p.setBrush(GoldBrush(rim));
  p.drawEllipse(kCentre, 45, 45);
  p.setBrush(QColor(96, 66, 20));
  p.drawEllipse(kCentre, 36.5, 36.5);
  QRadialGradient felt(kCentre.x() - 6, kCentre.y() - 10, 44);
  felt.setColorAt(0, QColor(52, 132, 88));
  felt.setColorAt(1, QColor(14, 54, 34));
  p.setBrush(felt);
  p.drawEllipse(kCentre, 35, 35);
  for (int i = 0; i < kBeads; ++i) {
    const double a = 2 * pi * i / kBeads - pi / 2;
    const QPointF at(kCentre.x() + 40.7 * std::cos(a), kCentre.y() + 40.7 * std::sin(a));
    // Distance from the light along the ring, in beads, wrapped to the shorter way.
    double d = std::fmod(i - light * kBeads + 1.5 * kBeads, kBeads) - kBeads / 2.0;
    const double glow = std::exp(-d * d / 1.4);
    p.setBrush(QColor(110, 76, 22));
    p.drawEllipse(at, 2.9, 2.9);
    p.setBrush(QColor(255, 226 + static_cast<int>(28 * glow), 150 + static_cast<int>(100 * glow)));
    p.drawEllipse(at, 2.0 + 0.5 * glow, 2.0 + 0.5 * glow);
    if (glow > 0.05) PaintSparkle(p, at, 7 * glow, glow);
  }
}

}  // namespace

std::vector<Frame> MenuSuits() {
  // Spade, heart, club, diamond: each rests, then turns edge-on into the next.
  const int order[] = {4, 1, 3, 2};
  constexpr int kRest = 10, kTurn = 6, kPerSuit = kRest + kTurn;
  std::vector<Frame> frames;
  for (int s = 0; s < 4; ++s) {
    for (int f = 0; f < kPerSuit; ++f) {
      QImage image = Clear(kSize, kSize);
      QPainter p(&image);
      PaintMedallion(p, static_cast<double>(s * kPerSuit + f) / (4 * kPerSuit));
      int suit = order[s];
      double scale = 1.0;
      if (f >= kRest) {
        const double t = (f - kRest + 0.5) / kTurn;
        scale = std::abs(std::cos(pi * t));
        if (t > 0.5) suit = order[(s + 1) % 4];
      }
      // A turning symbol dims a little as it goes edge-on.
      PaintSuit(p, kCentre + QPointF(0, 1), 40, suit, std::max(scale, 0.06));
      frames.push_back({image, 80});
    }
  }
  return frames;
}

std::vector<Frame> MenuFan() {
  constexpr int kFrames = 48;
  std::vector<Frame> frames;
  const int suits[] = {4, 1, 3, 2};
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Clear(kSize, kSize);
    QPainter p(&image);
    // The light runs the other way round than in the suits' medallion.
    PaintMedallion(p, 1.0 - static_cast<double>(f) / kFrames);
    p.save();
    QPainterPath inside;
    inside.addEllipse(kCentre, 35, 35);
    p.setClipPath(inside);
    // The fan opens and closes about a pivot low in the medallion.
    const double open = 0.5 - 0.5 * std::cos(2 * pi * f / kFrames);
    const double step = 5 + 15 * open;
    const QPointF pivot(48, 82);
    for (int i = 0; i < 4; ++i) {
      const double angle = (i - 1.5) * step;
      const double a = angle * pi / 180;
      const double reach = 32;
      const QPointF centre(pivot.x() + reach * std::sin(a), pivot.y() - reach * std::cos(a));
      PaintMiniCard(p, centre, QSizeF(26, 36), suits[i], angle, i == 3);
    }
    p.restore();
    frames.push_back({image, 90});
  }
  return frames;
}

}  // namespace animations
