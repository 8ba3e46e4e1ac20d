#include "gif_player.h"

#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <algorithm>

namespace klondar::table {

QString AnimationPath(const QString& name) {
  return QStringLiteral(":/animations/") + name + QStringLiteral(".gif");
}

GifPlayer::GifPlayer(const QString& objectName, QWidget* parent) : QLabel(parent) {
  setObjectName(objectName);
  setAlignment(Qt::AlignCenter);
  // A picture only: clicks reach the window beneath, as on the rest of the background.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool GifPlayer::SetAnimation(const QString& name) {
  Clear();
  if (name.isEmpty() || !QFile::exists(AnimationPath(name))) return false;
  name_ = name;
  Load();
  StandOn(0);
  return true;
}

void GifPlayer::Load() {
  delete movie_;
  // GIF frames are read in order only: no cache, and a jump back starts again at frame 0.
  movie_ = new QMovie(AnimationPath(name_), QByteArray(), this);
  movie_->setCacheMode(QMovie::CacheNone);
  FitToSize();
  connect(movie_, &QMovie::frameChanged, this, [this](int frame) {
    if (stopAt_ >= 0 && frame == stopAt_) {
      stopAt_ = -1;
      movie_->stop();
    }
  });
  setMovie(movie_);
}

void GifPlayer::FitToSize() {
  const QSize native = QImageReader(AnimationPath(name_)).size();
  movie_->setScaledSize(size() == native || size().isEmpty() ? QSize() : size());
}

void GifPlayer::Clear() {
  stopAt_ = -1;
  name_.clear();
  QLabel::clear();
  delete movie_;
  movie_ = nullptr;
}

void GifPlayer::Play() {
  if (movie_ == nullptr) return;
  stopAt_ = -1;
  Restart();
}

void GifPlayer::PlayOnceStoppingAt(int frame) {
  if (movie_ == nullptr) return;
  stopAt_ = std::clamp(frame, 0, std::max(0, FrameCount() - 1));
  Restart();
}

void GifPlayer::StandOn(int frame) {
  if (movie_ == nullptr) return;
  stopAt_ = -1;
  movie_->stop();
  const int target = std::clamp(frame, 0, std::max(0, FrameCount() - 1));
  movie_->jumpToFrame(0);
  while (movie_->currentFrameNumber() < target && movie_->jumpToNextFrame()) {
  }
}

void GifPlayer::Stop() {
  if (movie_ == nullptr) return;
  stopAt_ = -1;
  movie_->stop();
}

int GifPlayer::Frame() const { return movie_ != nullptr ? movie_->currentFrameNumber() : -1; }

int GifPlayer::FrameCount() const { return movie_ != nullptr ? movie_->frameCount() : 0; }

bool GifPlayer::Running() const { return movie_ != nullptr && movie_->state() == QMovie::Running; }

void GifPlayer::Restart() {
  movie_->stop();
  movie_->start();
}

void GifPlayer::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (movie_ == nullptr) return;
  if (Running()) {
    // The next frames come at the new size.
    FitToSize();
    return;
  }
  // A still frame is read again at the new size.
  const int frame = Frame();
  Load();
  StandOn(frame);
}

}  // namespace klondar::table
