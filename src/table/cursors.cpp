#include "cursors.h"

#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "pictures.h"

namespace klondar::table {
namespace {

bool ownCursors = true;

constexpr int kCursorSize = 32;
constexpr int kEditFrameMs = 90;

std::vector<QCursor> EditFrames() {
  const QPixmap strip = Picture("CUREDIT");
  std::vector<QCursor> frames;
  for (int x = 0; x + kCursorSize <= strip.width(); x += kCursorSize) {
    frames.emplace_back(strip.copy(x, 0, kCursorSize, kCursorSize), kCursorSize / 2,
                        kCursorSize / 2);
  }
  return frames;
}

// Steps the field's cursor through the frames while the pointer is over it.
class EditCursorAnimation : public QObject {
 public:
  explicit EditCursorAnimation(QWidget* field)
      : QObject(field), field_(field), frames_(EditFrames()) {
    timer_.setInterval(kEditFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Show(frame_ + 1); });
    field->installEventFilter(this);
    if (!frames_.empty()) field->setCursor(frames_.front());
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (frames_.empty()) return false;
    if (event->type() == QEvent::Enter) {
      Show(0);
      timer_.start();
    } else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) {
      timer_.stop();
    }
    return false;
  }

 private:
  void Show(std::size_t frame) {
    frame_ = frame % frames_.size();
    field_->setCursor(frames_[frame_]);
  }

  QWidget* field_;
  std::vector<QCursor> frames_;
  QTimer timer_;
  std::size_t frame_ = 0;
};

}  // namespace

void SetOwnCursors(bool on) { ownCursors = on; }

bool OwnCursors() { return ownCursors; }

QCursor ProgramCursor(CursorKind kind) {
  if (!ownCursors) {
    switch (kind) {
      case CursorKind::kArrow:
        return Qt::ArrowCursor;
      case CursorKind::kHand:
        return Qt::PointingHandCursor;
      case CursorKind::kWait:
        return Qt::WaitCursor;
      case CursorKind::kEdit:
        return Qt::IBeamCursor;
    }
  }
  switch (kind) {
    case CursorKind::kArrow:
      return QCursor(Picture("CURARROW"), 1, 1);
    case CursorKind::kHand:
      return QCursor(Picture("CURHAND"), 11, 1);
    case CursorKind::kWait:
      return QCursor(Picture("CURWAIT"), 16, 16);
    case CursorKind::kEdit:
      break;
  }
  const std::vector<QCursor> frames = EditFrames();
  return frames.empty() ? QCursor(Qt::IBeamCursor) : frames.front();
}

void UseEditCursor(QWidget* field) {
  if (ownCursors) {
    new EditCursorAnimation(field);
  } else {
    field->setCursor(Qt::IBeamCursor);
  }
}

}  // namespace klondar::table
