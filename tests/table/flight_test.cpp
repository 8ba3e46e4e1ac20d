// Card flights: the path, the pauses of each speed, and what reaches the screen per step.
#include <gtest/gtest.h>

#include <QPainter>

#include "table/sprite_flight.h"

namespace klondar::table {
namespace {

TEST(FlightPoints, OnePixelAlongTheLongerAxisWithTheOtherRounded) {
  EXPECT_TRUE(FlightPoints({5, 5}, {5, 5}).empty());
  const auto right = FlightPoints({0, 0}, {300, -100});
  ASSERT_EQ(right.size(), 300u);
  EXPECT_EQ(right[0], QPoint(1, 0));    // -0.33 rounds to 0
  EXPECT_EQ(right[1], QPoint(2, -1));   // -0.67 rounds to -1
  EXPECT_EQ(right.back(), QPoint(300, -100));
  const auto down = FlightPoints({10, 0}, {0, 40});
  ASSERT_EQ(down.size(), 40u);
  EXPECT_EQ(down[1], QPoint(10, 2));  // x = 10 - 10 * 2 / 40 = 9.5, rounded half up
  EXPECT_EQ(down[2], QPoint(9, 3));   // 9.25
  EXPECT_EQ(down.back(), QPoint(0, 40));
}

TEST(FlightPacer, PausesOfAThreeHundredStepFlightBySpeed) {
  const struct {
    int speed;
    int total;
  } cases[] = {{1, 600}, {2, 300}, {3, 150}, {4, 100}, {5, 0}, {6, 0}};
  for (const auto& c : cases) {
    FlightPacer pacer;
    int total = 0;
    for (int step = 0; step < 300; ++step) total += pacer.PauseAfterStep(c.speed);
    EXPECT_EQ(total, c.total) << "speed " << c.speed;
  }
  // The count of speed 4 runs on from one flight into the next.
  FlightPacer pacer;
  EXPECT_EQ(pacer.PauseAfterStep(4) + pacer.PauseAfterStep(4), 0);
  EXPECT_EQ(pacer.PauseAfterStep(4), 1);
}

struct RecordingScreen : FlightScreen {
  std::vector<QRect> presented;
  int slept = 0;
  void Present(const QRect& rect) override { presented.push_back(rect); }
  void Sleep(int milliseconds) override { slept += milliseconds; }
};

class SpriteFlightTest : public ::testing::Test {
 protected:
  SpriteFlightTest() : background_(400, 300, QImage::Format_ARGB32_Premultiplied), card_(71, 96) {
    background_.fill(Qt::darkGreen);
    card_.fill(Qt::white);
    work_ = background_;
  }
  QImage background_;
  QImage work_;
  QPixmap card_;
  RecordingScreen screen_;
  FlightPacer pacer_;
};

TEST_F(SpriteFlightTest, EachStepSendsOnlyTheOldAndTheNewRectangle) {
  SpriteFlight flight(background_, work_, card_, screen_);
  flight.Run({0, 100}, {300, 0}, 1, false, pacer_);
  // The first drawing, then two rectangles for each of the 300 steps.
  ASSERT_EQ(screen_.presented.size(), 1u + 2u * 300u);
  for (const QRect& r : screen_.presented) EXPECT_EQ(r.size(), QSize(75, 100));
  EXPECT_EQ(screen_.presented.back(), QRect(298, -2, 75, 100));
  EXPECT_EQ(screen_.slept, 600);
  // Left at the target, gone from the start.
  EXPECT_EQ(work_.pixelColor(310, 50), QColor(Qt::white));
  EXPECT_EQ(work_.pixelColor(10, 150), QColor(Qt::darkGreen));
}

TEST_F(SpriteFlightTest, StandingStillDrawsOnceAndEraseAtEndRestoresTheTable) {
  SpriteFlight flight(background_, work_, card_, screen_);
  flight.Run({50, 50}, {50, 50}, 5, true, pacer_);
  EXPECT_EQ(screen_.presented.size(), 2u);  // drawn once, then taken off
  EXPECT_EQ(screen_.slept, 0);
  EXPECT_EQ(work_, background_);
}

}  // namespace
}  // namespace klondar::table
