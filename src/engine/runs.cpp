#include "runs.h"

#include <array>

namespace klondar {

std::vector<RunWindow> FindRuns(const HandCards& hand, const HandBytes& orders) {
  // linked[i]: slots i and i+1 hold cards of one suit in consecutive sequence order.
  std::array<bool, 10> linked{};
  for (int i = 1; i <= 8; ++i) {
    linked[i] = !hand[i].IsEmpty() && !hand[i + 1].IsEmpty() && hand[i].suit == hand[i + 1].suit &&
                orders[i + 1] == orders[i] + 1;
  }
  auto isWindow = [&](int top, int length) {
    for (int i = top - length + 1; i < top; ++i) {
      if (!linked[i]) return false;
    }
    return true;
  };
  std::array<bool, 10> four{};
  std::array<bool, 10> three{};
  for (int top = 4; top <= 9; ++top) four[top] = isWindow(top, 4);
  for (int top = 3; top <= 9; ++top) three[top] = isWindow(top, 3);

  auto overlaps = [](int topA, int lengthA, int topB, int lengthB) {
    return topA - lengthA + 1 <= topB && topB - lengthB + 1 <= topA;
  };
  for (int top = 9; top >= 4; --top) {
    if (!four[top]) continue;
    for (int lower = top - 1; lower >= 4; --lower) {
      if (overlaps(top, 4, lower, 4)) four[lower] = false;
    }
    for (int t = 3; t <= 9; ++t) {
      if (overlaps(top, 4, t, 3)) three[t] = false;
    }
  }
  for (int top = 9; top >= 3; --top) {
    if (!three[top]) continue;
    for (int lower = top - 1; lower >= 3; --lower) {
      if (overlaps(top, 3, lower, 3)) three[lower] = false;
    }
  }

  std::vector<RunWindow> runs;
  for (int top = 9; top >= 4; --top) {
    if (four[top]) runs.push_back({top, 4});
  }
  for (int top = 9; top >= 3; --top) {
    if (three[top]) runs.push_back({top, 3});
  }
  return runs;
}

int RunStrength(int length, char topRank, bool isTrump) {
  // Ten is the lowest top of a four-card run, nine of a three-card run.
  const int rank = SequenceOrder(topRank);
  const int base = length == 4 ? 13 + 2 * (rank - 4) : 1 + 2 * (rank - 3);
  return base + (isTrump ? 1 : 0);
}

}  // namespace klondar
