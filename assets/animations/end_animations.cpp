// The end-of-game window's result pictures: the best result, a good one, a bad one.
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "animation_painting.h"
#include "animations.h"

namespace animations {
namespace {

using std::numbers::pi;

constexpr int kWidth = 100;
constexpr int kHeight = 200;

QImage NightFelt() { return FramedPanel(kWidth, kHeight, QColor(30, 86, 60), QColor(10, 40, 26)); }

// Gold rays fanning out from the centre, turned by the degrees.
void PaintRays(QPainter& p, QPointF centre, double length, double strength, double turn) {
  if (strength <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(QRectF(4, 4, kWidth - 8, kHeight - 8));
  QRadialGradient fade(centre, length);
  fade.setColorAt(0, QColor(255, 226, 140, static_cast<int>(150 * strength)));
  fade.setColorAt(1, QColor(255, 226, 140, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(fade);
  constexpr int kRays = 12;
  for (int i = 0; i < kRays; ++i) {
    const double a = (turn + i * 360.0 / kRays) * pi / 180, w = pi / kRays * 0.45;
    QPainterPath ray;
    ray.moveTo(centre);
    ray.lineTo(centre + QPointF(length * std::cos(a - w), length * std::sin(a - w)));
    ray.lineTo(centre + QPointF(length * std::cos(a + w), length * std::sin(a + w)));
    ray.closeSubpath();
    p.drawPath(ray);
  }
  p.restore();
}

// The pedestal of the winner's cup: a dark block with a gold band and the figure 1.
void PaintPedestal(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient stone(0, 146, 0, 184);
  stone.setColorAt(0, QColor(40, 52, 46));
  stone.setColorAt(1, QColor(14, 20, 16));
  p.setPen(QPen(QColor(0, 0, 0, 160), 1));
  p.setBrush(stone);
  p.drawRect(QRectF(24, 152, 52, 32));
  p.setPen(QPen(kGoldDark.darker(150), 1));
  p.setBrush(GoldBrush(QRectF(18, 146, 64, 7)));
  p.drawRect(QRectF(18, 146, 64, 6));
  p.drawRect(QRectF(20, 182, 60, 5));
  QFont figure("DejaVu Serif");
  figure.setPixelSize(22);
  figure.setBold(true);
  p.setFont(figure);
  p.setPen(kGold);
  p.drawText(QRectF(24, 153, 52, 29), Qt::AlignCenter, "1");
  p.restore();
}

}  // namespace

std::vector<Frame> EndBest() {
  // Frames 0..13 the cup rises out of its pedestal; then rays open behind it and sparkles
  // come out one by one. Frame 25, the last, is the finished picture the window rests on.
  constexpr int kFrames = 26;
  const QPointF sparkles[] = {{22, 58}, {80, 72}, {28, 116}, {76, 124}, {54, 40}};
  std::vector<Frame> frames;
  for (int f = 0; f < kFrames; ++f) {
    QImage image = NightFelt();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double rays = Smooth((f - 11) / 9.0);
    PaintRays(p, QPointF(50, 100), 78, rays, 2.0 * f);
    const double rise = EaseOut(f / 13.0);
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, 146));
    PaintCup(p, QPointF(50, 146 + 84 * (1 - rise)), 80);
    p.restore();
    PaintPedestal(p);
    for (int s = 0; s < 5; ++s) {
      const double t = (f - 16 - 2.0 * s) / 3.0;
      if (t <= 0) continue;
      // Each flares up and settles to a steady glow.
      const double strength = t < 1 ? t : 1.0 - 0.2 * Smooth(t - 1);
      PaintSparkle(p, sparkles[s], 10 * strength, strength);
    }
    frames.push_back({image, 80});
  }
  return frames;
}

std::vector<Frame> EndGood() {
  // A laurel wreath grows up from its ribbon while a star rises into it; frame 24, the
  // last, is the star resting in the finished wreath.
  constexpr int kFrames = 25;
  const QPointF at(50, 98);
  std::vector<Frame> frames;
  for (int f = 0; f < kFrames; ++f) {
    QImage image = NightFelt();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double glow = Smooth((f - 14) / 8.0);
    if (glow > 0) {
      QRadialGradient halo(at, 44);
      halo.setColorAt(0, QColor(255, 236, 160, static_cast<int>(120 * glow)));
      halo.setColorAt(1, QColor(255, 236, 160, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(halo);
      p.drawEllipse(at, 44, 44);
    }
    const double grown = EaseOut(f / 15.0);
    PaintLaurel(p, QPointF(48, 134), 68, -1, grown);
    PaintLaurel(p, QPointF(52, 134), 68, 1, grown);
    // The ribbon tying the branches.
    p.setPen(QPen(QColor(90, 10, 20), 0.8));
    p.setBrush(QColor(190, 30, 44));
    for (int side : {-1, 1}) {
      QPainterPath tail;
      tail.moveTo(50, 134);
      tail.lineTo(50 + side * 12, 154);
      tail.lineTo(50 + side * 7, 152);
      tail.lineTo(50 + side * 5, 158);
      tail.closeSubpath();
      p.drawPath(tail);
    }
    p.drawEllipse(QPointF(50, 134), 5, 4);
    const double rise = EaseOut((f - 3) / 15.0);
    if (f >= 3) {
      const QPointF centre(at.x(), at.y() + 120 * (1 - rise));
      const double size = 0.55 + 0.45 * rise;
      const QPainterPath star = StarPath(centre, 24 * size, 10 * size, 0);
      QRadialGradient fill(centre + QPointF(-5, -6), 27 * size);
      fill.setColorAt(0, QColor(255, 252, 220));
      fill.setColorAt(1, QColor(222, 164, 36));
      p.setPen(QPen(kGoldDark.darker(150), 1.4));
      p.setBrush(fill);
      p.drawPath(star);
    }
    // Twinkles at two points of the star once it rests.
    const double twinkle = Smooth((f - 18) / 4.0);
    PaintSparkle(p, QPointF(50, 74), 10 * twinkle, twinkle);
    PaintSparkle(p, QPointF(73, 91), 7 * twinkle, twinkle * 0.8);
    frames.push_back({image, 80});
  }
  return frames;
}

std::vector<Frame> EndBad() {
  // Rain from a grey cloud into a puddle, round and round; every frame stands as a picture.
  constexpr int kFrames = 12;
  std::vector<Frame> frames;
  for (int f = 0; f < kFrames; ++f) {
    const double t = static_cast<double>(f) / kFrames;
    QImage image = FramedPanel(kWidth, kHeight, QColor(62, 74, 90), QColor(26, 32, 42));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The puddle and its rings.
    const QPointF pond(50, 176);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 54, 72));
    p.drawEllipse(pond, 36, 8);
    for (int r = 0; r < 2; ++r) {
      const double ring = std::fmod(t + r * 0.5, 1.0);
      p.setPen(QPen(QColor(170, 190, 214, static_cast<int>(200 * (1 - ring))), 1));
      p.setBrush(Qt::NoBrush);
      const QPointF c = pond + QPointF(r == 0 ? -10 : 12, 0);
      p.drawEllipse(c, 4 + 14 * ring, 1.5 + 3.5 * ring);
    }
    // Drops: each falls the whole way once per loop, at its own place and phase.
    struct Drop {
      double x, phase;
    };
    static const Drop kDrops[] = {{24, 0.05}, {31, 0.55}, {38, 0.30}, {45, 0.80}, {52, 0.15},
                                  {59, 0.65}, {66, 0.40}, {73, 0.90}, {28, 0.72}, {42, 0.22},
                                  {56, 0.97}, {70, 0.47}, {35, 0.87}, {63, 0.12}};
    p.setPen(QPen(QColor(176, 200, 230, 210), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (const Drop& drop : kDrops) {
      const double phase = std::fmod(drop.phase + t, 1.0);
      const double y = 82 + phase * 90;
      const double x = drop.x - 3 * phase;
      p.drawLine(QPointF(x, y), QPointF(x - 2, y + 8));
    }
    // The cloud, rising and sinking a little.
    const double bob = 1.5 * std::sin(2 * pi * t);
    QPainterPath cloud;
    cloud.addEllipse(QPointF(32, 64 + bob), 18, 14);
    cloud.addEllipse(QPointF(52, 54 + bob), 22, 19);
    cloud.addEllipse(QPointF(71, 65 + bob), 17, 13);
    cloud.addRoundedRect(QRectF(16, 62 + bob, 70, 18), 9, 9);
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    QLinearGradient grey(0, 34 + bob, 0, 82 + bob);
    grey.setColorAt(0, QColor(196, 202, 212));
    grey.setColorAt(1, QColor(104, 112, 126));
    p.setPen(QPen(QColor(60, 66, 78), 1.2));
    p.setBrush(grey);
    p.drawPath(cloud);
    frames.push_back({image, 90});
  }
  return frames;
}

}  // namespace animations
