// Window scaling, where the table's and the menu's pieces lie at every window size, hand
// rows and the card under the pointer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "table/club_menu.h"
#include "table/hand_layout.h"
#include "table/menu_painter.h"
#include "table/table_layout.h"
#include "table/window_geometry.h"

namespace klondar::table {
namespace {

using Pieces = std::vector<std::pair<std::string, QRect>>;

// Every window the game can have: the four fixed sizes and full screen on screens of
// several shapes.
std::vector<WindowGeometry> EveryWindow() {
  std::vector<WindowGeometry> windows;
  for (const WindowSize size :
       {WindowSize::kSmall, WindowSize::kAverage1, WindowSize::kAverage2, WindowSize::kLarge}) {
    windows.push_back(GeometryFor(size, {}));
  }
  for (const QSize screen : {QSize(1920, 1080), QSize(1280, 1024), QSize(1366, 768),
                             QSize(2560, 1080), QSize(1024, 768)}) {
    windows.push_back(GeometryFor(WindowSize::kFullScreen, screen));
  }
  return windows;
}

// Each piece lies wholly inside the window and covers no other.
void ExpectApartInside(const Pieces& pieces, const WindowGeometry& g) {
  const QRect window(QPoint(0, 0), g.client);
  const std::string where =
      std::to_string(g.client.width()) + " x " + std::to_string(g.client.height()) + ": ";
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    EXPECT_TRUE(window.contains(pieces[i].second)) << where << pieces[i].first << " is cut off";
    for (std::size_t j = i + 1; j < pieces.size(); ++j) {
      EXPECT_FALSE(pieces[i].second.intersects(pieces[j].second))
          << where << pieces[i].first << " overlaps " << pieces[j].first;
    }
  }
}

TEST(TableLayout, AtEverySizeTheAreasAndTheStockCardsLieApartInsideTheWindow) {
  for (const WindowGeometry& g : EveryWindow()) {
    const TableLayout t = LayoutTable(g);
    const QSize card(g.cardWidth, g.cardHeight);
    // The stock area is left out: the face-up cards lie on it, wider than it when both show.
    Pieces pieces = {{"hand 1", t.hand[1]},
                     {"hand 2", t.hand[2]},
                     {"board 1", t.board[1]},
                     {"board 2", t.board[2]},
                     {"bubble 1", t.bubble[1]},
                     {"bubble 2", t.bubble[2]},
                     {"clock 1", t.clock[1]},
                     {"clock 2", t.clock[2]},
                     {"centre", t.centre},
                     {"panel", t.panel},
                     {"Button7", t.button7},
                     {"Button8", t.button8},
                     {"freza", QRect(FrezaAt(t, g), card)},
                     {"turned-up card", QRect(TurnedUpAt(t, g, true), card)}};
    ExpectApartInside(pieces, g);
    // The count of the stock stays readable under the face-up cards.
    const QRect plate = CountPlateRect(t, g);
    ExpectApartInside({{"count", plate}, pieces[pieces.size() - 2]}, g);
    ExpectApartInside({{"count", plate}, pieces.back()}, g);
    ExpectApartInside(
        {{"count", plate}, {"turned-up card alone", QRect(TurnedUpAt(t, g, false), card)}}, g);
    EXPECT_TRUE(t.stock.contains(PileRect(t, g)));
    // Tricks and combinations stay on the table centre.
    for (int player = 1; player <= 2; ++player) {
      EXPECT_TRUE(t.centre.contains(QRect(TrickCardAt(t, g, player), card)));
    }
    for (int count = 1; count <= 9; ++count) {
      for (int place = 1; place <= count; ++place) {
        EXPECT_TRUE(t.centre.contains(QRect(CombinationCardAt(t, g, place, count), card)))
            << "place " << place << " of " << count;
      }
    }
  }
}

TEST(MenuLayout, AtEverySizeThePiecesLieApartAndTheClocksShowFrom1290x850) {
  for (const WindowGeometry& g : EveryWindow()) {
    const MenuLayout m = LayoutMenu(g);
    Pieces pieces = {{"picture 1", m.scrolls[0]},
                     {"picture 2", m.scrolls[1]},
                     {"caption", m.caption},
                     {"New Player", m.newPlayer},
                     {"Exit", m.exit}};
    const bool big = g.client.width() >= 1290 && g.client.height() >= 850;
    EXPECT_EQ(m.clocks.has_value(), big) << g.client.width() << " x " << g.client.height();
    if (m.clocks) {
      pieces.push_back({"time of day", (*m.clocks)[0]});
      pieces.push_back({"information", (*m.clocks)[1]});
      EXPECT_EQ((*m.clocks)[0].size(), QSize(115, 64));
      EXPECT_GT((*m.clocks)[0].top(), m.scrolls[0].bottom());
      EXPECT_EQ((*m.clocks)[1].left(), m.scrolls[1].left() - 7);
    }
    ExpectApartInside(pieces, g);
    EXPECT_EQ(m.scrolls[0].size(), QSize(160, 200));
  }
  // The pictures' centres follow the stretch: at 2.0 the left one stands at (94, 680).
  EXPECT_EQ(LayoutMenu(GeometryFor(WindowSize::kLarge, {})).scrolls[0].topLeft(), QPoint(94, 680));
}

TEST(MenuLayout, TheAnimationsFlankTheTitleClearOfEveryButton) {
  for (const WindowGeometry& g : EveryWindow()) {
    const MenuLayout m = LayoutMenu(g);
    const ClubMenuLayout club = LayoutClubMenu(g);
    Pieces pieces = {{"animation 1", m.animations[0]}, {"animation 2", m.animations[1]},
                     {"picture 1", m.scrolls[0]},      {"picture 2", m.scrolls[1]},
                     {"New Player", m.newPlayer},      {"Exit", m.exit},
                     {"Top Ten", club.topTen},         {"Mode", club.mode},
                     {"History", club.history}};
    for (std::size_t i = 0; i < club.members.size(); ++i) {
      pieces.push_back({"member " + std::to_string(i + 1), club.members[i]});
    }
    ExpectApartInside(pieces, g);
    const std::string where =
        std::to_string(g.client.width()) + " x " + std::to_string(g.client.height());
    for (const QRect& a : m.animations) {
      EXPECT_EQ(a.size(), QSize(g.Scaled(96), g.Scaled(96))) << where;
      EXPECT_LE(std::abs(a.center().y() - m.caption.center().y()), g.Scaled(6)) << where;
    }
    // The title's letters take about 345 of its 460 design pixels: both stay off them.
    EXPECT_GE(m.caption.center().x() - m.animations[0].right(), g.Scaled(180)) << where;
    EXPECT_GE(m.animations[1].left() - m.caption.center().x(), g.Scaled(180)) << where;
    EXPECT_NEAR(m.animations[0].left() + m.animations[1].right(), g.client.width() - 1, 2)
        << where << ": mirrored";
  }
}

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
