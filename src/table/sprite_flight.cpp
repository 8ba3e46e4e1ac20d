#include "sprite_flight.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace klondar::table {

void PauseAnimation(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  const auto left =
      std::chrono::milliseconds(milliseconds) - std::chrono::milliseconds(clock.elapsed());
  if (left.count() > 0) std::this_thread::sleep_for(left);
}

std::vector<QPoint> FlightPoints(QPoint from, QPoint to) {
  std::vector<QPoint> points;
  const int dx = to.x() - from.x();
  const int dy = to.y() - from.y();
  if (std::abs(dx) >= std::abs(dy)) {
    const int step = dx > 0 ? 1 : -1;
    for (int x = from.x(); x != to.x();) {
      x += step;
      const double y = static_cast<double>(dy) * (x - from.x()) / dx + from.y();
      points.emplace_back(x, static_cast<int>(std::lround(y)));
    }
  } else {
    const int step = dy > 0 ? 1 : -1;
    for (int y = from.y(); y != to.y();) {
      y += step;
      const double x = static_cast<double>(dx) * (y - from.y()) / dy + from.x();
      points.emplace_back(static_cast<int>(std::lround(x)), y);
    }
  }
  return points;
}

int FlightPacer::PauseAfterStep(int speed) {
  switch (speed) {
    case 1: return 2;
    case 2: return 1;
    case 3: return ++steps_ % 2 == 0 ? 1 : 0;
    case 4: return ++steps_ % 3 == 0 ? 1 : 0;
    default: return 0;
  }
}

SpriteFlight::SpriteFlight(const QImage& background, QImage& work, const QPixmap& card,
                           FlightScreen& screen)
    : background_(background), work_(work), card_(card), screen_(screen) {}

void SpriteFlight::DrawAt(QPoint at) {
  const QRect old = current_;
  current_ = QRect(at, card_.size());
  QPainter p(&work_);
  if (!old.isNull()) p.drawImage(old.topLeft(), background_, old);
  p.drawPixmap(at, card_);
  p.end();
  if (!old.isNull()) screen_.Present(Grown(old));
  screen_.Present(Grown(current_));
}

void SpriteFlight::Run(QPoint from, QPoint to, int speed, bool eraseAtEnd, FlightPacer& pacer) {
  current_ = QRect();
  DrawAt(from);
  bool first = true;
  for (const QPoint& point : FlightPoints(from, to)) {
    // The fastest speed skips drawing the first step.
    if (!(speed == 6 && first)) DrawAt(point);
    first = false;
    const int pause = pacer.PauseAfterStep(speed);
    if (pause > 0) screen_.Sleep(pause);
  }
  if (current_.topLeft() != to) DrawAt(to);
  if (eraseAtEnd) {
    QPainter p(&work_);
    p.drawImage(current_.topLeft(), background_, current_);
    p.end();
    screen_.Present(Grown(current_));
  }
}

}  // namespace klondar::table
