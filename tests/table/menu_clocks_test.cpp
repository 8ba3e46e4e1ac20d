// The menu screen's two clock panels: the time of day and the information panel of the
// minute, with its figure's digits.
#include "table/menu_clocks.h"

#include <gtest/gtest.h>

#include <QImage>

namespace klondar::table {
namespace {

TEST(TimeOfDay, TheColonShowsInTheSecondHalfOfEachSecond) {
  EXPECT_EQ(TimeOfDayAt(QTime(9, 5, 0, 500)), (TimeOfDayLook{9, 5, false}));
  EXPECT_EQ(TimeOfDayAt(QTime(23, 59, 7, 501)), (TimeOfDayLook{23, 59, true}));

  // Drawn: no tens digit before 10 o'clock, four digits from then on.
  ScaledPictures pictures;
  const auto lit = [&](const TimeOfDayLook& look, QRect area) {
    QImage image(kClockPanelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    PaintTimeOfDay(p, {0, 0}, look, pictures);
    p.end();
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (image.pixelColor(x, y).red() > 200) return true;
      }
    }
    return false;
  };
  const QRect tensOfHours(16, 17, 16, 36);
  const QRect colon(55, 24, 6, 22);
  EXPECT_FALSE(lit({9, 5, false}, tensOfHours));
  EXPECT_TRUE(lit({10, 5, false}, tensOfHours));
  EXPECT_FALSE(lit({10, 5, false}, colon));
  EXPECT_TRUE(lit({10, 5, true}, colon));
}

TEST(InfoPanel, TheMinuteChoosesOneOfSevenPanels) {
  const struct {
    int minute;
    bool signedIn;
    int number;
    const char* digits;
    const char* icon;
    Word hint;
  } cases[] = {
      {0, false, 1, "GRClock", "Windows", Word::kDynamicIq},
      {7, false, 1, "GRClock", "Windows", Word::kDynamicIq},
      {1, false, 2, "GAClock", "Windows", Word::kGamesPlayedWithPc},
      {2, false, 3, "GGClock", "Windows", Word::kBestWindowsPlayer},
      {3, false, 4, "GYClock", "Android", Word::kBestAndroidPlayer},
      {4, false, 5, "GVClock", "Account48", Word::kBestAccountPlayer},
      {5, true, 6, "GLClock", "GVels128", Word::kVels},
      {5, false, 7, "GNClock", "Account48", Word::kClubMembers},  // no account: no currency
      {6, false, 7, "GNClock", "Account48", Word::kClubMembers},
      {59, false, 4, "GYClock", "Android", Word::kBestAndroidPlayer},
  };
  for (const auto& c : cases) {
    const InfoPanel panel = InfoPanelFor(c.minute, c.signedIn);
    EXPECT_EQ(panel.number, c.number) << "minute " << c.minute;
    EXPECT_EQ(panel.digitSet, c.digits) << "minute " << c.minute;
    EXPECT_EQ(panel.icon, c.icon) << "minute " << c.minute;
    EXPECT_EQ(panel.hint, c.hint) << "minute " << c.minute;
  }
  EXPECT_EQ(InfoPanelFor(0, false).label->text, "IQ");
  EXPECT_EQ(InfoPanelFor(1, false).label->text, "D");
  EXPECT_FALSE(InfoPanelFor(2, false).label.has_value());
}

TEST(InfoPanel, FiguresAndTheirDigitPlaces) {
  const InfoPanel games = InfoPanelFor(1, false);
  const InfoPanel best = InfoPanelFor(2, false);
  const struct {
    const InfoPanel& panel;
    std::optional<long long> figure;
    const char* digits;
    const char* magnitude;
  } cases[] = {
      {best, std::nullopt, "00", ""},   {games, std::nullopt, "00", ""},
      {games, 999, "999", ""},          {games, 1000, "1", "K"},
      {games, 999'999, "999", "K"},     {games, 1'000'000, "1", "M"},
      {games, 2'500'000'000, "2", "G"}, {best, 123456, "123456", ""},
      {best, -35, "-35", ""},
  };
  for (const auto& c : cases) {
    const PanelNumber number = PanelNumberFor(c.panel, c.figure);
    EXPECT_EQ(number.digits, c.digits);
    EXPECT_EQ(number.magnitude, c.magnitude);
  }

  const auto lefts = [](int count) {
    std::vector<int> xs;
    for (const QRect& r : DigitPlaces(count)) xs.push_back(r.left());
    return xs;
  };
  EXPECT_EQ(lefts(1), (std::vector<int>{50}));
  EXPECT_EQ(lefts(2), (std::vector<int>{38, 58}));
  EXPECT_EQ(lefts(3), (std::vector<int>{29, 49, 69}));
  EXPECT_EQ(lefts(4), (std::vector<int>{27, 42, 57, 72}));
  EXPECT_EQ(lefts(5), (std::vector<int>{28, 40, 52, 64, 76}));
  EXPECT_EQ(DigitPlaces(2)[0].size(), QSize(20, 40));
  EXPECT_EQ(DigitPlaces(4)[0].size(), QSize(15, 40));
  EXPECT_EQ(DigitPlaces(5)[0].size(), QSize(12, 40));
  // Longer numbers narrower still, all on the panel.
  const std::vector<QRect> six = DigitPlaces(6);
  ASSERT_EQ(six.size(), 6u);
  EXPECT_EQ(six[0].width(), 10);
  EXPECT_LE(six.back().right(), 115 - 10);
}

}  // namespace
}  // namespace klondar::table
