#include "menu_clocks.h"

#include <QFont>
#include <QStringList>
#include <cmath>

namespace klondar::table {
namespace {

constexpr int kDigitTop = 15;
constexpr int kDigitHeight = 40;

// Texts on the panels: a plain bold sans serif; sizes are in points at 96 dots per inch.
QFont PanelFont(int points) {
  QFont font;
  font.setFamilies(QStringList{"MS Sans Serif", "DejaVu Sans", "sans-serif"});
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(true);
  return font;
}

void PaintPanelBackground(QPainter& p, QPoint at, ScaledPictures& pictures) {
  p.drawPixmap(QRect(at, kClockPanelSize), pictures.Get("GClockBG", kClockPanelSize));
}

const QColor kAqua(0, 255, 255);

}  // namespace

TimeOfDayLook TimeOfDayAt(QTime time) { return {time.hour(), time.minute(), time.msec() > 500}; }

void PaintTimeOfDay(QPainter& p, QPoint at, const TimeOfDayLook& look, ScaledPictures& pictures) {
  PaintPanelBackground(p, at, pictures);
  const int digits[] = {look.hours / 10, look.hours % 10, look.minutes / 10, look.minutes % 10};
  const int xs[] = {14, 34, 61, 81};
  for (int i = 0; i < 4; ++i) {
    if (i == 0 && digits[0] == 0) continue;  // no leading zero on the hours
    const QString name = "GBClock" + QString::number(digits[i]);
    p.drawPixmap(at + QPoint(xs[i], kDigitTop), pictures.Get(name, QSize(20, kDigitHeight)));
  }
  if (look.colon) p.drawPixmap(at + QPoint(55, 24), pictures.Get("GBClockP", QSize(6, 22)));
}

InfoPanel InfoPanelFor(int minute, bool signedIn) {
  int number = ((minute % 7) + 7) % 7 + 1;
  if (number == 6 && !signedIn) number = 7;
  switch (number) {
    case 1:
      return {1, "GRClock", "Windows", Word::kDynamicIq,
              PanelLabel{"IQ", QColor(255, 40, 40), 8, {90, 10}}};
    case 2:
      return {2, "GAClock", "Windows", Word::kGamesPlayedWithPc,
              PanelLabel{"D", kAqua, 8, {90, 10}}};
    case 3:
      return {3, "GGClock", "Windows", Word::kBestWindowsPlayer, std::nullopt};
    case 4:
      return {4, "GYClock", "Android", Word::kBestAndroidPlayer, std::nullopt};
    case 5:
      return {5, "GVClock", "Account48", Word::kBestAccountPlayer, std::nullopt};
    case 6:
      return {6, "GLClock", "GVels128", Word::kVels, std::nullopt};
    default:
      return {7, "GNClock", "Account48", Word::kClubMembers, std::nullopt};
  }
}

PanelNumber PanelNumberFor(const InfoPanel& panel, std::optional<long long> figure) {
  if (!figure) return {"00", {}};
  long long value = *figure;
  QString magnitude;
  if (panel.number == 2) {
    const struct {
      long long above;
      const char* letter;
    } steps[] = {{999'999'999, "G"}, {999'999, "M"}, {999, "K"}};
    for (const auto& step : steps) {
      if (value > step.above) {
        value /= step.above + 1;
        magnitude = step.letter;
        break;
      }
    }
  }
  return {QString::number(value), magnitude};
}

std::vector<QRect> DigitPlaces(int count) {
  std::vector<QRect> places;
  switch (count) {
    case 1:
      return {QRect(50, kDigitTop, 20, kDigitHeight)};
    case 2:
      for (const int x : {38, 58}) places.emplace_back(x, kDigitTop, 20, kDigitHeight);
      return places;
    case 3:
      for (const int x : {29, 49, 69}) places.emplace_back(x, kDigitTop, 20, kDigitHeight);
      return places;
    case 4:
      for (int i = 0; i < 4; ++i) places.emplace_back(27 + 15 * i, kDigitTop, 15, kDigitHeight);
      return places;
    default:
      break;
  }
  if (count < 1) return places;
  const int width = 60 / count;
  for (int i = 0; i < count; ++i)
    places.emplace_back(28 + width * i, kDigitTop, width, kDigitHeight);
  return places;
}

void PaintInfoPanel(QPainter& p, QPoint at, const InfoPanel& panel, const PanelNumber& number,
                    ScaledPictures& pictures) {
  PaintPanelBackground(p, at, pictures);
  p.drawPixmap(QRect(at + QPoint(10, 10), QSize(16, 16)), pictures.Get(panel.icon, QSize(16, 16)));
  const std::vector<QRect> places = DigitPlaces(static_cast<int>(number.digits.size()));
  for (std::size_t i = 0; i < places.size(); ++i) {
    const QChar c = number.digits[static_cast<qsizetype>(i)];
    const QString name = panel.digitSet + (c == QLatin1Char('-') ? QString("M") : QString(c));
    const QRect place = places[i].translated(at);
    p.drawPixmap(place, pictures.Get(name, place.size()));
  }
  const auto text = [&](const QString& s, const QColor& colour, int size, QPoint where) {
    p.setFont(PanelFont(size));
    p.setPen(colour);
    p.drawText(QRect(at + where, QSize(24, 2 * size)), Qt::AlignLeft | Qt::AlignTop, s);
  };
  if (panel.label) text(panel.label->text, panel.label->colour, panel.label->size, panel.label->at);
  if (!number.magnitude.isEmpty()) text(number.magnitude, kAqua, 12, {90, 25});
}

}  // namespace klondar::table
