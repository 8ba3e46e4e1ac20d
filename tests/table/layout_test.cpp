// Window scaling, hand rows and the card under the pointer.
#include <gtest/gtest.h>

#include "table/hand_layout.h"
#include "table/window_geometry.h"

namespace klondar::table {
namespace {

HandCards Hand(int count) {
  HandCards cards;
  cards.fill(kEmptyCard);
  for (int slot = 1; slot <= count; ++slot) cards[slot] = CardFromNumber(slot);
  return cards;
}

TEST(WindowGeometry, SizesFactorsAndCards) {
  struct Case {
    WindowSize size;
    QSize client;
    double s;
    int cardWidth, cardHeight;
    bool large;
  };
  const Case cases[] = {
      {WindowSize::kSmall, {760, 500}, 1.0, 71, 96, false},
      {WindowSize::kAverage1, {990, 650}, 1.3, 92, 125, true},
      {WindowSize::kAverage2, {1290, 850}, 1.7, 121, 163, true},
      {WindowSize::kLarge, {1520, 1000}, 2.0, 146, 198, true},
  };
  for (const Case& c : cases) {
    const WindowGeometry g = GeometryFor(c.size, {});
    EXPECT_EQ(g.client, c.client);
    EXPECT_DOUBLE_EQ(g.s, c.s);
    EXPECT_EQ(g.cardWidth, c.cardWidth);
    EXPECT_EQ(g.cardHeight, c.cardHeight);
    EXPECT_EQ(g.largePictures, c.large);
  }
}

TEST(WindowGeometry, FullScreenKeepsCentresWhereTheStretchPutsThem) {
  const WindowGeometry g = GeometryFor(WindowSize::kFullScreen, {1920, 1080});
  EXPECT_NEAR(g.sx, 2.526, 0.001);
  EXPECT_DOUBLE_EQ(g.sy, 2.16);
  EXPECT_DOUBLE_EQ(g.s, 2.16);
  EXPECT_EQ(g.cardWidth, 146);
  EXPECT_EQ(g.cardHeight, 198);
  // The stock (610, 128, 100 x 170): uniform size, centre at the stretched centre.
  const QRect stock = g.Place({610, 128, 100, 170});
  EXPECT_EQ(stock.size(), QSize(216, 367));
  EXPECT_NEAR(stock.center().x(), 660 * g.sx, 1.5);
  EXPECT_NEAR(stock.center().y(), 213 * g.sy, 1.5);
}

TEST(HandLayout, SideBySideWhenTheyFitElseOverlapping) {
  const HandRow six = LayoutHand(Hand(6), 170, 590, 71);
  // 6 x 74 = 444 > 420: overlapping with step (420 - 74) / 5 = 69.
  EXPECT_EQ(six.x[1], 170);
  EXPECT_EQ(six.x[6], 170 + 5 * 69);
  const HandRow eight = LayoutHand(Hand(8), 170, 590, 71);
  EXPECT_EQ(eight.x[2] - eight.x[1], 49);
  const HandRow five = LayoutHand(Hand(5), 170, 590, 71);
  // 5 x 74 = 370 fits: centred, first x = 170 + 210 - 185.
  EXPECT_EQ(five.x[1], 195);
  EXPECT_EQ(five.x[5], 195 + 4 * 74);
}

TEST(HandLayout, CardUnderXCoversStripsSkipsEmptiesAndEndsAtTheLastEdge) {
  HandCards cards = Hand(8);
  const HandRow row = LayoutHand(cards, 170, 590, 71);
  EXPECT_EQ(CardUnderX(row, 169), 0);
  EXPECT_EQ(CardUnderX(row, 170), 1);
  EXPECT_EQ(CardUnderX(row, 170 + 48), 1);
  EXPECT_EQ(CardUnderX(row, 170 + 49), 2);
  EXPECT_EQ(CardUnderX(row, row.x[8] + 70), 8);
  EXPECT_EQ(CardUnderX(row, row.x[8] + 71), 0);

  HandRow gap = row;
  gap.cards[3] = kEmptyCard;  // slot 2 now reaches to slot 4
  EXPECT_EQ(CardUnderX(gap, row.x[3] + 5), 2);
}

}  // namespace
}  // namespace klondar::table
