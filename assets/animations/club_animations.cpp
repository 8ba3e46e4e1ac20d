// The small club emblems of the score and end-of-game windows, each on its own framed felt.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "animation_painting.h"
#include "animations.h"
#include "painting.h"

namespace animations {
namespace {

using std::numbers::pi;

constexpr int kWidth = 60;
constexpr int kHeight = 75;

QImage Ground() { return FramedPanel(kWidth, kHeight, QColor(36, 104, 70), QColor(16, 56, 36)); }

// A band of light crossing the clip at 0..1 of its way, slanted.
void PaintGleam(QPainter& p, const QPainterPath& clip, double at) {
  p.save();
  p.setClipPath(clip);
  const QRectF r = clip.boundingRect();
  const double x = r.left() - 20 + (r.width() + 40) * at;
  QLinearGradient band(x - 9, r.top(), x + 9, r.top() + 10);
  band.setColorAt(0, QColor(255, 255, 255, 0));
  band.setColorAt(0.5, QColor(255, 255, 235, 150));
  band.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(r, band);
  p.restore();
}

QPainterPath Shield(const QRectF& r) {
  QPainterPath shield;
  shield.moveTo(r.topLeft());
  shield.lineTo(r.topRight());
  shield.lineTo(r.right(), r.top() + r.height() * 0.45);
  shield.cubicTo(r.right(), r.top() + r.height() * 0.78, r.center().x() + r.width() * 0.2,
                 r.bottom() - r.height() * 0.08, r.center().x(), r.bottom());
  shield.cubicTo(r.center().x() - r.width() * 0.2, r.bottom() - r.height() * 0.08, r.left(),
                 r.top() + r.height() * 0.78, r.left(), r.top() + r.height() * 0.45);
  shield.closeSubpath();
  return shield;
}

void PaintCrown(QPainter& p, QPointF base, double width) {
  const double h = width * 0.55, x = base.x() - width / 2, y = base.y();
  QPainterPath crown;
  crown.moveTo(x, y);
  crown.lineTo(x - width * 0.04, y - h * 0.85);
  crown.lineTo(x + width * 0.25, y - h * 0.4);
  crown.lineTo(x + width * 0.5, y - h);
  crown.lineTo(x + width * 0.75, y - h * 0.4);
  crown.lineTo(x + width * 1.04, y - h * 0.85);
  crown.lineTo(x + width, y);
  crown.closeSubpath();
  p.setPen(QPen(kGoldDark.darker(150), 0.9));
  p.setBrush(GoldBrush(crown.boundingRect()));
  p.drawPath(crown);
  p.setBrush(QColor(200, 30, 40));
  p.drawEllipse(QPointF(base.x(), y - h * 0.35), width * 0.08, width * 0.08);
  p.setBrush(kGoldLight);
  for (double fx : {-0.04, 0.5, 1.04}) {
    p.drawEllipse(QPointF(x + width * fx, y - (fx == 0.5 ? h : h * 0.85)), 1.6, 1.6);
  }
}

}  // namespace

std::vector<Frame> ClubCrest() {
  // A crowned shield with a club on its field; a gleam passes over it now and then.
  constexpr int kFrames = 20;
  std::vector<Frame> frames;
  const QRectF field(13, 26, 34, 40);
  const QPainterPath shield = Shield(field);
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintCrown(p, QPointF(30, 23), 24);
    p.setPen(QPen(GoldBrush(field), 2.4));
    QLinearGradient red(field.topLeft(), field.bottomLeft());
    red.setColorAt(0, QColor(168, 34, 44));
    red.setColorAt(1, QColor(96, 14, 22));
    p.setBrush(red);
    p.drawPath(shield);
    p.setPen(Qt::NoPen);
    p.setBrush(GoldBrush(field));
    p.drawPath(pictures::SuitPath(3, QRectF(20, 32, 20, 21)));
    if (f < 8) PaintGleam(p, shield, (f + 0.5) / 8);
    frames.push_back({image, 90});
  }
  return frames;
}

std::vector<Frame> ClubStar() {
  // A gold star on blue ribbons, turning slowly, a twinkle at its upper point.
  constexpr int kFrames = 24;
  std::vector<Frame> frames;
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int side : {-1, 1}) {
      QPainterPath ribbon;
      ribbon.moveTo(30 + side * 3, 40);
      ribbon.lineTo(30 + side * 15, 66);
      ribbon.lineTo(30 + side * 10, 63);
      ribbon.lineTo(30 + side * 7, 69);
      ribbon.lineTo(30 - side * 5, 42);
      ribbon.closeSubpath();
      p.setPen(QPen(QColor(14, 30, 70), 0.9));
      p.setBrush(side < 0 ? QColor(40, 76, 168) : QColor(30, 60, 140));
      p.drawPath(ribbon);
    }
    const QPointF centre(30, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 16));
    p.drawEllipse(centre, 19, 19);
    p.setBrush(GoldBrush(QRectF(11, 13, 38, 38)));
    p.drawEllipse(centre, 17.5, 17.5);
    // A fifth of a turn per loop brings the star back to where it began.
    const double turn = 72.0 * f / kFrames;
    const QPainterPath star = StarPath(centre, 14, 6, turn);
    QRadialGradient fill(centre + QPointF(-3, -4), 16);
    fill.setColorAt(0, QColor(255, 250, 214));
    fill.setColorAt(1, QColor(226, 170, 40));
    p.setPen(QPen(kGoldDark.darker(140), 1));
    p.setBrush(fill);
    p.drawPath(star);
    const double a = (turn - 90) * pi / 180;
    const double twinkle = std::sin(pi * f / kFrames);
    PaintSparkle(p, centre + QPointF(14 * std::cos(a), 14 * std::sin(a)), 8 * twinkle, twinkle);
    frames.push_back({image, 90});
  }
  return frames;
}

std::vector<Frame> ClubBadge() {
  // A round ivory badge with a club, its gold rim set with beads lit one after another.
  constexpr int kFrames = 24;
  constexpr int kBeads = 12;
  std::vector<Frame> frames;
  const QPointF centre(30, 37);
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 54, 14));
    p.drawEllipse(centre, 25, 25);
    p.setBrush(GoldBrush(QRectF(5, 12, 50, 50)));
    p.drawEllipse(centre, 24, 24);
    QRadialGradient ivory(centre + QPointF(-4, -5), 22);
    ivory.setColorAt(0, QColor(255, 252, 240));
    ivory.setColorAt(1, QColor(222, 212, 186));
    p.setPen(QPen(QColor(110, 80, 24), 1));
    p.setBrush(ivory);
    p.drawEllipse(centre, 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(26, 26, 32));
    p.drawPath(pictures::SuitPath(3, QRectF(centre.x() - 11, centre.y() - 11, 22, 22)));
    const double light = static_cast<double>(f) / kFrames * kBeads;
    for (int i = 0; i < kBeads; ++i) {
      const double a = 2 * pi * i / kBeads - pi / 2;
      const QPointF at(centre.x() + 21 * std::cos(a), centre.y() + 21 * std::sin(a));
      double d = std::fmod(i - light + 1.5 * kBeads, kBeads) - kBeads / 2.0;
      const double glow = std::exp(-d * d / 1.2);
      p.setBrush(
          QColor(255, 214 + static_cast<int>(41 * glow), 120 + static_cast<int>(130 * glow)));
      p.drawEllipse(at, 1.5 + 0.6 * glow, 1.5 + 0.6 * glow);
    }
    frames.push_back({image, 90});
  }
  return frames;
}

std::vector<Frame> ClubCards() {
  // A fan of three cards; the ace of clubs in front rises out of it and settles back.
  constexpr int kFrames = 20;
  std::vector<Frame> frames;
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF pivot(30, 64);
    const int suits[] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
      const double angle = (i - 1) * 20.0;
      const double a = angle * pi / 180;
      PaintMiniCard(p, QPointF(pivot.x() + 22 * std::sin(a), pivot.y() - 22 * std::cos(a)),
                    QSizeF(22, 31), suits[i], angle);
    }
    const double lift = 9 * std::sin(pi * f / kFrames);
    PaintMiniCard(p, QPointF(30, 42 - lift), QSizeF(24, 34), 3, 0);
    PaintSparkle(p, QPointF(41, 27 - lift), 6 * lift / 9, lift / 9);
    frames.push_back({image, 90});
  }
  return frames;
}

std::vector<Frame> ClubTournament() {
  // A small cup in a laurel wreath with stars twinkling in turn above it.
  constexpr int kFrames = 20;
  std::vector<Frame> frames;
  const QPointF stars[] = {{16, 14}, {30, 10}, {44, 14}};
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintLaurel(p, QPointF(29, 68), 42, -1, 1.0);
    PaintLaurel(p, QPointF(31, 68), 42, 1, 1.0);
    PaintCup(p, QPointF(30, 60), 30);
    for (int s = 0; s < 3; ++s) {
      const double t = std::fmod(static_cast<double>(f) / kFrames - s / 3.0 + 1.0, 1.0);
      const double strength = std::max(0.0, std::sin(pi * t * 1.5));
      p.setPen(Qt::NoPen);
      p.setBrush(kGold);
      p.drawPath(StarPath(stars[s], 3.2, 1.4, 0));
      PaintSparkle(p, stars[s], 6 * strength, strength);
    }
    frames.push_back({image, 90});
  }
  return frames;
}

std::vector<Frame> ClubDuel() {
  // Two cards crossed like blades, leaning in until they touch and strike a spark.
  constexpr int kFrames = 20;
  std::vector<Frame> frames;
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double lean = Smooth(0.5 - 0.5 * std::cos(2 * pi * f / kFrames));
    // Tops lean in across each other; feet stay apart.
    const double angle = 28 + 10 * lean;
    PaintMiniCard(p, QPointF(20 + 2 * lean, 46), QSizeF(21, 30), 4, angle);
    PaintMiniCard(p, QPointF(40 - 2 * lean, 46), QSizeF(21, 30), 1, -angle);
    const double spark = std::max(0.0, (lean - 0.6) / 0.4);
    PaintSparkle(p, QPointF(30, 30), 11 * spark, spark);
    frames.push_back({image, 80});
  }
  return frames;
}

}  // namespace animations
