// The presentation options the table reads; the defaults are those of the settings.
#pragma once

#include "window_geometry.h"

namespace klondar::table {

struct TableOptions {
  WindowSize windowSize = WindowSize::kSmall;
  int flightSpeed = 4;  // 1 slowest .. 6 fastest
  bool flyCards = true;
  bool sounds = true;
  bool ownCursors = true;     // "Red mouse cursor"
  bool saluteButtons = true;  // "Salute" on buttons
  bool saluteCards = true;    // "Salute" on cards
  bool openCards = false;     // the opponent's hand shown face up
  bool newButtons = false;    // "New buttons": the other look of the owner-drawn buttons
  int titleDesign = 1;        // the menu title's look, 1..7, cycled by clicking it
};

}  // namespace klondar::table
