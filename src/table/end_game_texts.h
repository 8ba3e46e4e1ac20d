// What the end-of-game window says after a cycle of 25 games: the result's class, its
// sound, and the four lines with their sizes and colours.
#pragma once

#include <QColor>
#include <QString>
#include <array>

namespace klondar::table {

enum class CycleClass { kBest, kGood, kBad };

// Who finished the cycle: a local club member, a rated account, or a duel's player.
enum class CyclePlayer { kMember, kRatedAccount, kDuel };

struct EndGameLine {
  QString text;
  int size = 20;
  QColor colour;
};

struct EndGameTexts {
  CycleClass cls = CycleClass::kBad;
  QString sound;  // "WFiBest", "WFiGood", "WFiBads"
  std::array<EndGameLine, 4> lines;
  bool medal = false;  // the medal with the place picture
};

// place: 0 not in the top ten, 1..10 the place reached, above 10 a rated account's place
// outside the best ten.
CycleClass ClassOf(int place);
EndGameTexts TextsFor(int place, int total, CyclePlayer player);

}  // namespace klondar::table
