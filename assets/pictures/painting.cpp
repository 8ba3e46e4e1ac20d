#include "painting.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <algorithm>

namespace pictures {
namespace {
QString outputDir;
}

void SetOutputDir(const QString& dir) { outputDir = dir; }

bool Save(const QString& name, const QImage& image) {
  const QString target = QDir(outputDir).filePath(name + ".png");
  const QString temporary = target + ".tmp";
  if (!image.save(temporary, "PNG")) return false;
  QFile::remove(target);
  return QFile::rename(temporary, target);
}

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath SuitPath(int suit, const QRectF& r) {
  QPainterPath path;
  const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
  auto at = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };
  switch (suit) {
    case 1:  // heart
      path.moveTo(at(0.5, 0.98));
      path.cubicTo(at(0.38, 0.78), at(0.02, 0.6), at(0.02, 0.32));
      path.cubicTo(at(0.02, 0.1), at(0.2, 0.02), at(0.3, 0.02));
      path.cubicTo(at(0.42, 0.02), at(0.5, 0.12), at(0.5, 0.22));
      path.cubicTo(at(0.5, 0.12), at(0.58, 0.02), at(0.7, 0.02));
      path.cubicTo(at(0.8, 0.02), at(0.98, 0.1), at(0.98, 0.32));
      path.cubicTo(at(0.98, 0.6), at(0.62, 0.78), at(0.5, 0.98));
      break;
    case 2:  // diamond
      path.moveTo(at(0.5, 0.0));
      path.quadTo(at(0.68, 0.28), at(0.9, 0.5));
      path.quadTo(at(0.68, 0.72), at(0.5, 1.0));
      path.quadTo(at(0.32, 0.72), at(0.1, 0.5));
      path.quadTo(at(0.32, 0.28), at(0.5, 0.0));
      break;
    case 3: {  // club
      const double rr = 0.235;
      path.addEllipse(QRectF(at(0.5 - rr, 0.02), QSizeF(2 * rr * w, 2 * rr * h)));
      path.addEllipse(QRectF(at(0.04, 0.36), QSizeF(2 * rr * w, 2 * rr * h)));
      path.addEllipse(QRectF(at(0.96 - 2 * rr, 0.36), QSizeF(2 * rr * w, 2 * rr * h)));
      path.addRect(QRectF(at(0.4, 0.35), at(0.6, 0.62)));
      // The leaves and the centre overlap: under the odd-even rule the union has holes.
      path.setFillRule(Qt::WindingFill);
      QPainterPath stem;
      stem.moveTo(at(0.46, 0.55));
      stem.quadTo(at(0.44, 0.88), at(0.26, 0.98));
      stem.lineTo(at(0.74, 0.98));
      stem.quadTo(at(0.56, 0.88), at(0.54, 0.55));
      stem.closeSubpath();
      path = path.united(stem);
      break;
    }
    case 4: {  // spade
      path.moveTo(at(0.5, 0.0));
      path.cubicTo(at(0.62, 0.2), at(0.98, 0.36), at(0.98, 0.6));
      path.cubicTo(at(0.98, 0.78), at(0.82, 0.84), at(0.72, 0.84));
      path.cubicTo(at(0.6, 0.84), at(0.53, 0.76), at(0.52, 0.7));
      path.quadTo(at(0.54, 0.9), at(0.72, 0.99));
      path.lineTo(at(0.28, 0.99));
      path.quadTo(at(0.46, 0.9), at(0.48, 0.7));
      path.cubicTo(at(0.47, 0.76), at(0.4, 0.84), at(0.28, 0.84));
      path.cubicTo(at(0.18, 0.84), at(0.02, 0.78), at(0.02, 0.6));
      path.cubicTo(at(0.02, 0.36), at(0.38, 0.2), at(0.5, 0.0));
      break;
    }
    default: break;
  }
  path.setFillRule(Qt::WindingFill);
  return path.simplified();
}

QColor SuitColour(int suit) { return suit <= 2 ? QColor(200, 24, 32) : QColor(20, 20, 24); }

QPainterPath RoundedRect(const QRectF& rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void Felt(QImage& image, const QColor& base, int grain, unsigned seed) {
  unsigned state = seed;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      state = state * 1103515245u + 12345u;
      const int d = static_cast<int>((state >> 16) % static_cast<unsigned>(2 * grain + 1)) - grain;
      line[x] = qRgb(std::clamp(base.red() + d, 0, 255), std::clamp(base.green() + d, 0, 255),
                     std::clamp(base.blue() + d, 0, 255));
    }
  }
}

}  // namespace pictures
