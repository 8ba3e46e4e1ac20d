#include "touch_effect.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QWidget>

#include "pictures.h"

namespace klondar::table {
namespace {

// Covers the widget with a still picture of it, in which the frames are drawn.
class TouchOverlay : public QWidget, public FlightScreen {
 public:
  TouchOverlay(QWidget& widget, const QImage& look) : QWidget(&widget), work_(look) {
    setObjectName("TouchOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(widget.rect());
    raise();
    show();
  }
  QImage& Work() { return work_; }

  void Present(const QRect& rect) override { repaint(rect.intersected(this->rect())); }
  void Sleep(int milliseconds) override { PauseAnimation(milliseconds); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, work_);
  }

 private:
  QImage work_;
};

}  // namespace

QRect TouchSquare(QPoint centre) { return {centre - QPoint(50, 50), QSize(100, 100)}; }

bool RunTouchFrames(QImage& work, const QImage& saved, const QRect& square, FlightScreen& screen) {
  const QPixmap strip = Picture("GTouch");
  if (strip.isNull()) return false;
  for (int frame = 0; frame < kTouchFrames; ++frame) {
    QPainter p(&work);
    p.drawImage(square.topLeft(), saved, square);
    p.drawPixmap(square.topLeft(), strip, QRect(frame * 100, 0, 100, 100));
    p.end();
    screen.Present(square);
    screen.Sleep(kTouchFrameMs);
  }
  return true;
}

void PlayTouchEffect(QWidget& widget) {
  if (!widget.isVisible()) return;
  QImage saved(widget.size(), QImage::Format_ARGB32_Premultiplied);
  saved.fill(Qt::transparent);
  widget.render(&saved);
  const QRect square = TouchSquare(widget.mapFromGlobal(QCursor::pos()));
  {
    TouchOverlay overlay(widget, saved);
    RunTouchFrames(overlay.Work(), saved, square, overlay);
  }
  widget.repaint(square.intersected(widget.rect()));
}

}  // namespace klondar::table
