#include "animation_painting.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "painting.h"

namespace animations {

using std::numbers::pi;

double Smooth(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

double EaseOut(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return 1 - (1 - t) * (1 - t) * (1 - t);
}

double Progress(int i, int n) { return n <= 1 ? 1.0 : static_cast<double>(i) / (n - 1); }

QImage FramedPanel(int width, int height, const QColor& top, const QColor& bottom) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, height);
  ground.setColorAt(0, top);
  ground.setColorAt(1, bottom);
  p.fillRect(image.rect(), ground);
  QRadialGradient light(width / 2.0, height * 0.3, std::max(width, height) * 0.6);
  light.setColorAt(0, QColor(255, 255, 255, 34));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(image.rect(), light);
  // Dark outer line, gold band, dark inner line: a picture frame.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(60, 40, 12), 1));
  p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
  p.setPen(QPen(GoldBrush(QRectF(0, 0, width, height)), 2));
  p.drawRect(QRectF(2, 2, width - 4, height - 4));
  p.setPen(QPen(QColor(0, 0, 0, 110), 1));
  p.drawRect(QRectF(3.5, 3.5, width - 7, height - 7));
  return image;
}

QImage Clear(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QBrush GoldBrush(const QRectF& r) {
  QLinearGradient gold(r.topLeft(), r.bottomLeft());
  gold.setColorAt(0.0, kGoldLight);
  gold.setColorAt(0.45, kGold);
  gold.setColorAt(1.0, kGoldDark);
  return gold;
}

QPainterPath StarPath(QPointF centre, double outer, double inner, double rotationDegrees) {
  QPainterPath star;
  const double start = -pi / 2 + rotationDegrees * pi / 180;
  for (int i = 0; i < 10; ++i) {
    const double a = start + i * pi / 5;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF at(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) {
      star.moveTo(at);
    } else {
      star.lineTo(at);
    }
  }
  star.closeSubpath();
  return star;
}

void PaintSparkle(QPainter& p, QPointF c, double radius, double strength) {
  strength = std::clamp(strength, 0.0, 1.0);
  if (strength <= 0 || radius <= 0) return;
  p.save();
  p.setPen(Qt::NoPen);
  QRadialGradient glow(c, radius);
  glow.setColorAt(0, QColor(255, 250, 220, static_cast<int>(170 * strength)));
  glow.setColorAt(1, QColor(255, 240, 180, 0));
  p.setBrush(glow);
  p.drawEllipse(c, radius, radius);
  // Four thin points, long across and short along the diagonals.
  QPainterPath rays;
  const double w = radius * 0.16;
  for (int i = 0; i < 4; ++i) {
    const double a = i * pi / 2;
    const QPointF tip(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
    const QPointF l(c.x() + w * std::cos(a + pi / 2), c.y() + w * std::sin(a + pi / 2));
    const QPointF r(c.x() + w * std::cos(a - pi / 2), c.y() + w * std::sin(a - pi / 2));
    rays.moveTo(l);
    rays.lineTo(tip);
    rays.lineTo(r);
    rays.closeSubpath();
  }
  p.setBrush(QColor(255, 252, 235, static_cast<int>(255 * strength)));
  p.drawPath(rays.simplified());
  p.drawEllipse(c, w * 1.3, w * 1.3);
  p.restore();
}

void PaintCup(QPainter& p, QPointF foot, double h) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double x = foot.x(), y = foot.y() - h;  // top centre
  const QRectF whole(x - h * 0.45, y, h * 0.9, h);
  const QBrush gold = GoldBrush(whole);
  const QPen edge(kGoldDark.darker(150), std::max(0.8, h / 60));
  p.setPen(edge);
  p.setBrush(gold);
  // Handles: two rings beside the bowl.
  QPen handle(gold, h * 0.07);
  for (int side : {-1, 1}) {
    p.setPen(QPen(kGoldDark.darker(150), h * 0.1));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(x + side * h * 0.26 - h * 0.13, y + h * 0.08, h * 0.26, h * 0.3);
    p.drawArc(ring, side < 0 ? 90 * 16 : -90 * 16, 180 * 16);
    p.setPen(handle);
    p.drawArc(ring, side < 0 ? 90 * 16 : -90 * 16, 180 * 16);
  }
  // The bowl: wide at the rim, round below.
  QPainterPath bowl;
  bowl.moveTo(x - h * 0.3, y + h * 0.04);
  bowl.lineTo(x + h * 0.3, y + h * 0.04);
  bowl.cubicTo(x + h * 0.3, y + h * 0.42, x + h * 0.16, y + h * 0.56, x + h * 0.05, y + h * 0.6);
  bowl.lineTo(x - h * 0.05, y + h * 0.6);
  bowl.cubicTo(x - h * 0.16, y + h * 0.56, x - h * 0.3, y + h * 0.42, x - h * 0.3, y + h * 0.04);
  p.setPen(edge);
  p.setBrush(gold);
  p.drawPath(bowl);
  // Stem, knot and foot.
  p.drawRect(QRectF(x - h * 0.045, y + h * 0.6, h * 0.09, h * 0.2));
  p.drawEllipse(QPointF(x, y + h * 0.7), h * 0.08, h * 0.045);
  QPainterPath base;
  base.moveTo(x - h * 0.1, y + h * 0.8);
  base.lineTo(x + h * 0.1, y + h * 0.8);
  base.lineTo(x + h * 0.22, y + h * 0.92);
  base.lineTo(x - h * 0.22, y + h * 0.92);
  base.closeSubpath();
  p.drawPath(base);
  p.drawRect(QRectF(x - h * 0.25, y + h * 0.92, h * 0.5, h * 0.08));
  // The opening's far edge and a shine down the bowl.
  p.setBrush(kGoldDark);
  p.drawEllipse(QPointF(x, y + h * 0.05), h * 0.3, h * 0.04);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 240, 150));
  QPainterPath shine;
  shine.moveTo(x - h * 0.2, y + h * 0.12);
  shine.cubicTo(x - h * 0.2, y + h * 0.32, x - h * 0.13, y + h * 0.44, x - h * 0.06, y + h * 0.5);
  shine.cubicTo(x - h * 0.1, y + h * 0.4, x - h * 0.13, y + h * 0.3, x - h * 0.13, y + h * 0.12);
  shine.closeSubpath();
  p.drawPath(shine);
  p.restore();
}

void PaintLaurel(QPainter& p, QPointF stem, double height, int side, double grown) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // One half of a wreath: an arc from the bottom of a circle round its side to near the top.
  const double radius = height / 2;
  const QPointF centre(stem.x(), stem.y() - radius);
  const auto along = [&](double t) {
    const double a = (90 - side * 160 * t) * pi / 180;
    return QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
  };
  const int leaves = 7;
  const double shown = std::clamp(grown, 0.0, 1.0) * leaves;
  QPainterPath branch;
  branch.moveTo(along(0));
  for (int i = 1; i <= 20; ++i) {
    const double t = std::min(1.0, shown / leaves) * i / 20.0;
    branch.lineTo(along(t));
  }
  p.setPen(QPen(kGoldDark, std::max(1.0, height / 45), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (shown > 0) p.drawPath(branch);
  for (int i = 0; i < leaves; ++i) {
    const double size = std::clamp(shown - i, 0.0, 1.0);
    if (size <= 0) break;
    const double t = (i + 0.7) / leaves;
    const QPointF at = along(t);
    const QPointF ahead = along(std::min(1.0, t + 0.02));
    const double angle = std::atan2(ahead.y() - at.y(), ahead.x() - at.x()) * 180 / pi;
    for (int pair : {-1, 1}) {
      p.save();
      p.translate(at);
      p.rotate(angle + pair * 38);
      const double len = height * 0.17 * size, wide = height * 0.065 * size;
      QPainterPath leaf;
      leaf.moveTo(0, 0);
      leaf.quadTo(len * 0.5, -wide, len, 0);
      leaf.quadTo(len * 0.5, wide, 0, 0);
      p.setPen(QPen(kGoldDark.darker(130), std::max(0.6, height / 120)));
      p.setBrush(GoldBrush(QRectF(0, -wide, len, 2 * wide)));
      p.drawPath(leaf);
      p.restore();
    }
  }
  p.restore();
}

void PaintMiniCard(QPainter& p, QPointF centre, QSizeF size, int suit, double rotationDegrees,
                   bool middlePip) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(centre);
  p.rotate(rotationDegrees);
  const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
  p.setPen(QPen(QColor(70, 60, 40), std::max(0.8, size.width() / 30)));
  p.setBrush(kIvory);
  p.drawPath(pictures::RoundedRect(card, size.width() * 0.12));
  p.setPen(Qt::NoPen);
  p.setBrush(pictures::SuitColour(suit));
  if (middlePip) {
    const double pip = size.width() * 0.56;
    p.drawPath(pictures::SuitPath(suit, QRectF(-pip / 2, -pip / 2, pip, pip)));
  }
  const double corner = size.width() * (middlePip ? 0.22 : 0.3);
  p.drawPath(pictures::SuitPath(suit, QRectF(card.left() + size.width() * 0.08,
                                             card.top() + size.width() * 0.1, corner, corner)));
  p.restore();
}

void PaintSuit(QPainter& p, QPointF centre, double size, int suit, double scaleX) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(centre);
  p.scale(scaleX, 1.0);
  const QRectF box(-size / 2, -size / 2, size, size);
  const QPainterPath path = pictures::SuitPath(suit, box);
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  const QColor colour = suit <= 2 ? QColor(214, 36, 40) : QColor(26, 26, 32);
  fill.setColorAt(0, colour.lighter(suit <= 2 ? 130 : 260));
  fill.setColorAt(1, colour);
  p.setPen(QPen(GoldBrush(box), std::max(1.2, size / 18)));
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

}  // namespace animations
