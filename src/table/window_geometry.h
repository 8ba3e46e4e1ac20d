// Window sizes and scaling: the table is designed for a 760 x 500 client area and scaled
// to the chosen size; card sizes follow the uniform factor.
#pragma once

#include <QRect>
#include <QSize>

namespace klondar::table {

// The window-size option: 1 small, 2 full screen, 3 average 1, 4 average 2, 5 large.
enum class WindowSize { kSmall = 1, kFullScreen = 2, kAverage1 = 3, kAverage2 = 4, kLarge = 5 };

inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;

struct WindowGeometry {
  QSize client{kDesignWidth, kDesignHeight};
  double sx = 1.0;
  double sy = 1.0;
  double s = 1.0;
  int cardWidth = 71;
  int cardHeight = 96;
  bool largePictures = false;

  // Uniformly scaled length: widths, heights, font sizes, offsets.
  int Scaled(double v) const;
  int PlaceX(double x, double w) const;
  int PlaceY(double y, double h) const;
  // A design rectangle placed and sized for this window.
  QRect Place(const QRect& design) const;
};

// fullScreenClient is the maximised client area, used only for the full-screen option.
WindowGeometry GeometryFor(WindowSize size, QSize fullScreenClient);
// The option's client size (the design size for full screen when none is known).
QSize ClientSizeFor(WindowSize size, QSize fullScreenClient);

}  // namespace klondar::table
