// The two panels of the menu screen: ImClock1, the time of day in digit pictures with a
// blinking colon, and ImClock2, one of seven information panels chosen by the minute.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

#include "pictures.h"
#include "word_table.h"

namespace klondar::table {

inline constexpr QSize kClockPanelSize{115, 64};

// ImClock1 as it looks at a moment: it changes when these do.
struct TimeOfDayLook {
  int hours = 0;
  int minutes = 0;
  bool colon = false;  // shown in the second half of every second
  bool operator==(const TimeOfDayLook&) const = default;
};
TimeOfDayLook TimeOfDayAt(QTime time);
void PaintTimeOfDay(QPainter& p, QPoint at, const TimeOfDayLook& look, ScaledPictures& pictures);

struct PanelLabel {
  QString text;
  QColor colour;
  int size = 8;
  QPoint at;
};

// One of the seven information panels of ImClock2.
struct InfoPanel {
  int number = 1;    // 1..7
  QString digitSet;  // "GRClock" .. "GNClock"; digits are the set's name + "0".."9", "M"
  QString icon;      // 16 x 16 at (10, 10)
  Word hint;
  std::optional<PanelLabel> label;
};
// The panel of a minute (minute mod 7 + 1); the club-currency panel 6 needs an account that
// is signed in, else the club-members panel 7 is shown.
InfoPanel InfoPanelFor(int minute, bool signedIn);

// The digits of a figure on a panel, "00" while the figure is not known. Panel 2 shows large
// counts in thousands, millions or billions (truncated) with the letter "K", "M" or "G".
struct PanelNumber {
  QString digits;  // "0".."9" and "-" for a minus
  QString magnitude;
};
PanelNumber PanelNumberFor(const InfoPanel& panel, std::optional<long long> figure);
// The places of `count` digits on a panel, at y 15, 40 high: 20 wide up to three digits,
// narrowed to 15 for four and to 60 / count from five on.
std::vector<QRect> DigitPlaces(int count);

void PaintInfoPanel(QPainter& p, QPoint at, const InfoPanel& panel, const PanelNumber& number,
                    ScaledPictures& pictures);

}  // namespace klondar::table
