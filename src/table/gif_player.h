// A player for the program's animated GIFs (":/animations/NAME.gif"), shown in a label at
// the label's size: looping, played once up to a frame, or standing on one frame.
#pragma once

#include <QLabel>
#include <QString>

class QMovie;

namespace klondar::table {

// The resource path of the named animation.
QString AnimationPath(const QString& name);

class GifPlayer : public QLabel {
  Q_OBJECT

 public:
  GifPlayer(const QString& objectName, QWidget* parent);

  // Takes the named animation and stands on its first frame; an unknown name, or an
  // empty one, shows nothing. False when the program has no such animation.
  bool SetAnimation(const QString& name);
  // Shows nothing.
  void Clear();
  const QString& Animation() const { return name_; }

  // Runs from the first frame, round and round.
  void Play();
  // Runs from the first frame and stops when the frame is reached.
  void PlayOnceStoppingAt(int frame);
  // Stands still on the frame (0-based; past the last, on the last).
  void StandOn(int frame);
  // Stops where it is.
  void Stop();

  // The frame shown, -1 with no animation; whether it is moving.
  int Frame() const;
  int FrameCount() const;
  bool Running() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A new movie of the animation, fitted to the label.
  void Load();
  void FitToSize();
  void Restart();

  QMovie* movie_ = nullptr;
  QString name_;
  int stopAt_ = -1;
};

}  // namespace klondar::table
