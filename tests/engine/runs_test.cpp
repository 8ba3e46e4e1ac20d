#include "engine/runs.h"

#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::SetHand;

// The runs found, each as its cards lowest first, joined by " | ".
std::string Runs(const std::string& hand, char trump = kHearts) {
  GameState state;
  state.trumpSuit = trump;
  SetHand(state, 1, hand);
  std::string text;
  for (const RunWindow& run : FindRuns(state.hand[1], state.handOrder[1])) {
    if (!text.empty()) text += " | ";
    for (int slot = run.topSlot - run.length + 1; slot <= run.topSlot; ++slot) {
      text += ToAscii(state.hand[1][slot]);
      if (slot != run.topSlot) text += " ";
    }
  }
  return text;
}

TEST(FindRuns, CutsLongRunsFromTheTop) {
  const struct {
    const char* hand;
    const char* runs;
  } cases[] = {
      {"7c 8c 9c", "7c 8c 9c"},
      {"7c 8c Tc", ""},
      {"7c 8c 9c Tc", "7c 8c 9c Tc"},
      {"7c 8c 9c Tc Jc", "8c 9c Tc Jc"},
      {"7c 8c 9c Tc Jc Qc", "9c Tc Jc Qc"},
      {"7c 8c 9c Tc Jc Qc Kc", "Tc Jc Qc Kc | 7c 8c 9c"},
      {"7c 8c 9c Tc Jc Qc Kc Ac Ad", "Jc Qc Kc Ac | 7c 8c 9c Tc"},
      // Runs in different suits; four-card runs are listed before three-card runs.
      {"Qc Kc Ac 7s 8s 9s Ts", "7s 8s 9s Ts | Qc Kc Ac"},
      {"Jc Qc Kc Js Qs Ks Jh Qh Kh", "Jh Qh Kh | Js Qs Ks | Jc Qc Kc"},
      // Cards of different suits never link, even in sequence order.
      {"9c Tc Jd Qd", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Runs(c.hand), c.runs) << c.hand;
}

TEST(RunStrength, FourCardRunsAboveThreeThenTopThenTrump) {
  const struct {
    int length;
    char top;
    bool trump;
    int strength;
  } cases[] = {{4, kAce, true, 22},    {4, kAce, false, 21}, {4, kKing, true, 20},
               {4, kQueen, false, 17}, {4, kJack, true, 16}, {4, kTen, false, 13},
               {4, kTen, true, 14},    {3, kAce, true, 12},  {3, kAce, false, 11},
               {3, kKing, true, 10},   {3, kKing, false, 9}, {3, kTen, true, 4},
               {3, kNine, true, 2},    {3, kNine, false, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(RunStrength(c.length, c.top, c.trump), c.strength)
        << c.length << " " << SequenceOrder(c.top) << " " << c.trump;
  }
}

}  // namespace
}  // namespace klondar
