#include "window_geometry.h"

#include <algorithm>
#include <cmath>

namespace klondar::table {
namespace {
int Round(double v) { return static_cast<int>(std::lround(v)); }
}  // namespace

int WindowGeometry::Scaled(double v) const { return Round(v * s); }

int WindowGeometry::PlaceX(double x, double w) const { return Round(x * sx) + Round((sx - s) * w / 2); }

int WindowGeometry::PlaceY(double y, double h) const { return Round(y * sy) + Round((sy - s) * h / 2); }

QRect WindowGeometry::Place(const QRect& design) const {
  return {PlaceX(design.x(), design.width()), PlaceY(design.y(), design.height()),
          Scaled(design.width()), Scaled(design.height())};
}

QSize ClientSizeFor(WindowSize size, QSize fullScreenClient) {
  switch (size) {
    case WindowSize::kFullScreen:
      return fullScreenClient.isEmpty() ? QSize(kDesignWidth, kDesignHeight) : fullScreenClient;
    case WindowSize::kAverage1: return {990, 650};
    case WindowSize::kAverage2: return {1290, 850};
    case WindowSize::kLarge: return {1520, 1000};
    case WindowSize::kSmall: break;
  }
  return {kDesignWidth, kDesignHeight};
}

WindowGeometry GeometryFor(WindowSize size, QSize fullScreenClient) {
  WindowGeometry g;
  g.client = ClientSizeFor(size, fullScreenClient);
  // The fixed sizes use their round factors; 990 / 760 is not exactly 1.3.
  switch (size) {
    case WindowSize::kSmall: g.sx = g.sy = 1.0; break;
    case WindowSize::kAverage1: g.sx = g.sy = 1.3; break;
    case WindowSize::kAverage2: g.sx = g.sy = 1.7; break;
    case WindowSize::kLarge: g.sx = g.sy = 2.0; break;
    case WindowSize::kFullScreen:
      g.sx = g.client.width() / static_cast<double>(kDesignWidth);
      g.sy = g.client.height() / static_cast<double>(kDesignHeight);
      break;
  }
  g.s = std::min(g.sx, g.sy);
  if (g.s >= 2.0) {
    g.cardWidth = 146;
    g.cardHeight = 198;
    g.largePictures = true;
  } else if (g.s >= 1.3) {
    g.cardWidth = Round(71 * g.s);
    g.cardHeight = Round(96 * g.s);
    g.largePictures = true;
  }
  return g;
}

}  // namespace klondar::table
