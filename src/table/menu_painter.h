// The splash and the menu screen behind the menu buttons.
#pragma once

#include <QPainter>

#include "pictures.h"
#include "window_geometry.h"

namespace klondar::table {

inline constexpr const char* kVersionText = "V 5.7f";

void PaintSplash(QPainter& p, QSize client, ScaledPictures& pictures);
void PaintMenu(QPainter& p, const WindowGeometry& g, ScaledPictures& pictures);

}  // namespace klondar::table
