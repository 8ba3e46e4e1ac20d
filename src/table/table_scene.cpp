#include "table_scene.h"

namespace klondar::table {
namespace {

void TakeOutOfHand(TableScene& scene, TableSpot spot, CardCode card) {
  if (spot.kind != TableSpot::Kind::kHand || (spot.player != 1 && spot.player != 2)) return;
  HandRow& row = scene.hand[spot.player];
  // Emptied in place: the other cards keep the places the hand shows them at.
  if (const int slot = SlotOfCard(row, card)) row.cards[slot] = kEmptyCard;
}

}  // namespace

TableScene SceneUnderFlight(TableScene scene, TableSpot from, TableSpot to, CardCode card) {
  TakeOutOfHand(scene, from, card);
  TakeOutOfHand(scene, to, card);
  return scene;
}

}  // namespace klondar::table
