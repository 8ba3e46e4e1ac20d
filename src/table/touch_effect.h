// The "Salute" touch: the 30 frames of the strip "GTouch" (100-pixel slices) shown over a
// 100 x 100 square centred on the pointer, 12 ms apart, after which the square is restored.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "sprite_flight.h"

class QWidget;

namespace klondar::table {

inline constexpr int kTouchFrames = 30;
inline constexpr int kTouchFrameMs = 12;

QRect TouchSquare(QPoint centre);
// Draws each frame over saved's square into work (both the window's size) and shows the
// square through the screen. Returns false, drawing nothing, when the strip is missing.
// Restoring the square is the caller's.
bool RunTouchFrames(QImage& work, const QImage& saved, const QRect& square, FlightScreen& screen);
// Plays the touch over the widget, its children included, centred on the pointer, and
// returns when the widget shows itself again; nothing happens while it is hidden.
void PlayTouchEffect(QWidget& widget);

}  // namespace klondar::table
