// A card flying across the table: one pixel along the longer axis per step, drawn into a
// work picture over the saved table, with only the sprite's old and new rectangles sent to
// the screen each step. The pause after each step comes from the speed option.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <vector>

namespace klondar::table {

// The points after the start up to and including the end; none when they are equal.
std::vector<QPoint> FlightPoints(QPoint from, QPoint to);

// Milliseconds to pause after a step at a speed 1..6. Speeds 3 and 4 pause after every
// second or third step, counted across flights.
class FlightPacer {
 public:
  int PauseAfterStep(int speed);

 private:
  long long steps_ = 0;
};

// Where a flight shows its frames.
class FlightScreen {
 public:
  virtual ~FlightScreen() = default;
  // The work picture's rectangle is to be copied to the window now.
  virtual void Present(const QRect& rect) = 0;
  virtual void Sleep(int milliseconds) = 0;
};

// A pause of an animation: pending paints are done (no user input is taken), then the rest
// of the time is slept.
void PauseAnimation(int milliseconds);

class SpriteFlight {
 public:
  // background: the table as it was when the flight began; work starts as its copy and
  // holds what the window shows while the card flies.
  SpriteFlight(const QImage& background, QImage& work, const QPixmap& card, FlightScreen& screen);
  // Returns when the card has arrived; with eraseAtEnd the card is taken off again.
  void Run(QPoint from, QPoint to, int speed, bool eraseAtEnd, FlightPacer& pacer);

 private:
  void DrawAt(QPoint at);
  // The rectangle grown by 2 pixels on every side, as copied to the window.
  static QRect Grown(const QRect& rect) { return rect.adjusted(-2, -2, 2, 2); }

  const QImage& background_;
  QImage& work_;
  const QPixmap& card_;
  FlightScreen& screen_;
  QRect current_;
};

}  // namespace klondar::table
