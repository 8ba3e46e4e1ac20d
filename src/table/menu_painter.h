// The splash and the menu screen: where its pieces lie at each window size, and how they
// are drawn behind the menu buttons.
#pragma once

#include <QPainter>
#include <array>
#include <optional>

#include "menu_clocks.h"
#include "pictures.h"
#include "window_geometry.h"

namespace klondar::table {

inline constexpr const char* kVersionText = "V 5.7f";
inline constexpr int kTitleDesigns = 7;

struct MenuLayout {
  std::array<QRect, 2> scrolls;  // PngMenu1, PngMenu2: 160 x 200 at every size
  // ImClock1 below the left picture, ImClock2 below the right one; only in windows of at
  // least 1290 x 850.
  std::optional<std::array<QRect, 2>> clocks;
  QRect caption;  // ImCaption: a click cycles its design
  // RxGIFAn1, RxGIFAn2: the menu animations either side of the title.
  std::array<QRect, 2> animations;
  QRect newPlayer;
  QRect exit;
};

MenuLayout LayoutMenu(const WindowGeometry& g);

// What the menu screen shows besides its buttons.
struct MenuLook {
  int titleDesign = 1;  // 1..kTitleDesigns
  TimeOfDayLook time;
  InfoPanel panel;
  PanelNumber number;
};

void PaintSplash(QPainter& p, QSize client, ScaledPictures& pictures);
void PaintMenu(QPainter& p, const WindowGeometry& g, const MenuLayout& layout, const MenuLook& look,
               ScaledPictures& pictures);

}  // namespace klondar::table
