// What the table shows right now: the state every table-view call changes and the painter
// draws from.
#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <vector>

#include "engine/card.h"
#include "engine/table_view.h"
#include "hand_layout.h"
#include "score_board.h"

namespace klondar::table {

struct Bubble {
  QString text;  // empty: no bubble
  char colour = 'y';
};

// A card left lying where a flight put it, until that place is drawn again.
struct LyingCard {
  TableSpot spot;
  QPoint at;
  CardCode card;
  bool faceUp = true;
};

struct TableScene {
  std::array<HandRow, 3> hand{};         // as drawn now
  std::array<HandRow, 3> shownBefore{};  // as drawn before the last DrawHand
  std::array<bool, 3> faceUp{};
  CardCode turnedUp = kEmptyCard;
  CardCode freza = kEmptyCard;
  int stockLeft = 0;  // backs in the stock
  bool stockDrawn = false;
  int dealNumber = 0;
  char trumpSuit = kNoSuit;  // shown in the panel once fixed
  QString panelHint;
  std::array<ScoreBoard, 3> boards{};
  std::array<Bubble, 3> bubbles{};
  std::array<CardCode, 3> trick{kEmptyCard, kEmptyCard, kEmptyCard};
  std::array<CardCode, 10> combination{};
  int combinationCount = 0;
  std::vector<LyingCard> lying;
  std::array<int, 3> clock{-1, -1, -1};
  int thinkingPercent = -1;
};

// The scene a card flies over. The engine sometimes draws a hand before the flight that
// changes it: a bought card already lies in the hand it flies to, an exchanged seven still
// lies in the hand it leaves. Such a card is taken out of the hand (its place stays empty)
// until it has landed, or it would be seen twice.
TableScene SceneUnderFlight(TableScene scene, TableSpot from, TableSpot to, CardCode card);

}  // namespace klondar::table
