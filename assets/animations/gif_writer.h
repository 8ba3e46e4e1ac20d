// Writes frames drawn with QPainter as one looping animated GIF through giflib.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace animations {

struct Frame {
  QImage image;
  int delayMs = 80;
};

// Writes the frames (all of one size) to path, looping forever, through a temporary file
// renamed into place. Pixels less than half opaque become transparent; the others are laid
// over matte first, so that soft edges blend into the ground the animation is shown on.
// Returns an empty string on success, else what went wrong.
QString WriteLoopingGif(const QString& path, const std::vector<Frame>& frames, const QColor& matte);

}  // namespace animations
