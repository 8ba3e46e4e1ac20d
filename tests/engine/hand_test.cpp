#include <gtest/gtest.h>

#include "engine/recording_table_view.h"
#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::Card;
using testing::HandAscii;
using testing::SetHand;

class HandQueries : public ::testing::Test {
 protected:
  void Deal(const std::string& text, char trump) {
    state.trumpSuit = trump;
    SetHand(state, 1, text);
  }
  const HandCards& hand() const { return state.hand[1]; }
  const HandBytes& orders() const { return state.handOrder[1]; }
  GameState state;
};

TEST_F(HandQueries, EmptySlotsNeverMatch) {
  Deal("Ah Kh", kSpades);
  EXPECT_FALSE(HandHasSuit(hand(), '#'));
  EXPECT_FALSE(HandHasCard(hand(), kEmptyCard));
  EXPECT_EQ(HandCardSlot(hand(), kEmptyCard), 0);
  EXPECT_EQ(LowestSlotInSuit(hand(), orders(), kClubs), 0);
  EXPECT_EQ(HighestOrderInSuit(hand(), orders(), kClubs), 0);
  EXPECT_EQ(HighestOrderInSuit(hand(), orders(), kHearts), 8);
  GameState empty;
  SetHand(empty, 1, "");
  EXPECT_EQ(LowestSlot(empty.hand[1], empty.handOrder[1]), 0);
  EXPECT_EQ(HighestSlotOutsideSuit(empty.hand[1], empty.handOrder[1], kHearts), 0);
}

TEST_F(HandQueries, SearchesAndTies) {
  // Sorted with spades trump: hearts, clubs, diamonds, spades.
  Deal("7h Ah Ac 9d 8s Js", kSpades);
  ASSERT_EQ(HandAscii(state, 1), "7h Ah Ac 9d 8s Js");
  EXPECT_EQ(HighestSlotInSuit(hand(), orders(), kSpades), 6);
  EXPECT_EQ(LowestSlotInSuit(hand(), orders(), kSpades), 5);
  EXPECT_EQ(LowestSlot(hand(), orders()), 1);
  // Two aces of plain suits: the lower slot wins.
  EXPECT_EQ(HighestSlotOutsideSuit(hand(), orders(), kSpades), 2);
  EXPECT_EQ(HandCardSlot(hand(), Card("9d")), 4);
}

TEST_F(HandQueries, OutsideSuitFallsBackToTheStrongestOfAll) {
  Deal("7s Js As", kSpades);
  EXPECT_EQ(hand()[HighestSlotOutsideSuit(hand(), orders(), kSpades)], Card("As"));
}

TEST(SortCards, SuitGroupsByTrump) {
  struct Case {
    char trump;
    const char* sorted;
  };
  const Case cases[] = {
      {kSpades, "7h Ah 8c Kc 9d Qd Ts Js"}, {kNoSuit, "7h Ah 8c Kc 9d Qd Ts Js"},
      {kClubs, "7h Ah Ts Js 9d Qd 8c Kc"},  {kDiamonds, "8c Kc 7h Ah Ts Js 9d Qd"},
      {kHearts, "8c Kc 9d Qd Ts Js 7h Ah"},
  };
  for (const Case& c : cases) {
    GameState state;
    state.trumpSuit = c.trump;
    SetHand(state, 2, "Js Ah Qd 8c Ts 7h Kc 9d");
    EXPECT_EQ(HandAscii(state, 2), c.sorted) << SuitToAscii(c.trump);
    EXPECT_EQ(state.handCount[2], 8);
    EXPECT_TRUE(state.hand[2][9].IsEmpty());
    EXPECT_EQ(state.handOrder[2][9], kEmptyByte);
    EXPECT_EQ(state.handPoints[2][10], kEmptyByte);
  }
}

TEST(SortCards, KeepsTheParallelValuesTogether) {
  GameState state;
  state.trumpSuit = kHearts;
  PutCard(state, 1, 3, Card("Jh"), 8, 20);
  PutCard(state, 1, 7, Card("Ac"), 8, 11);
  PutCard(state, 1, 10, Card("7h"), 1, 0);
  for (int slot : {1, 2, 4, 5, 6, 8, 9}) EmptySlot(state, 1, slot);
  SortHand(state, 1);
  EXPECT_EQ(HandAscii(state, 1), "Ac 7h Jh");
  EXPECT_EQ(state.handPoints[1][3], 20);
  EXPECT_EQ(state.handOrder[1][2], 1);
  EXPECT_EQ(state.handCount[1], 3);
}

TEST(HandLayout, SlotUnderPointer) {
  GameState state;
  state.trumpSuit = kHearts;
  SetHand(state, 2, "7c 8c 9c");
  // Strips of 20 at 0, 20, 40; the last card 71 wide.
  const struct {
    int x;
    int slot;
  } cases[] = {{-1, 0}, {0, 1}, {19, 1}, {20, 2}, {39, 2}, {40, 3}, {110, 3}, {111, 0}};
  for (const auto& c : cases) EXPECT_EQ(SlotUnderX(state.hand[2], 20, 71, c.x), c.slot) << c.x;
  // An empty place takes no room.
  EmptySlot(state, 2, 2);
  EXPECT_EQ(SlotUnderX(state.hand[2], 20, 71, 25), 3);
  EXPECT_EQ(SlotUnderX(state.hand[2], 20, 71, 90), 3);
  EXPECT_EQ(SlotUnderX(state.hand[2], 20, 71, 91), 0);
}

}  // namespace
}  // namespace klondar
