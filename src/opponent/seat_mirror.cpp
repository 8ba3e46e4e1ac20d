#include "seat_mirror.h"

#include <utility>

namespace klondar {

namespace {

template <typename T>
void SwapPlayers(T& perPlayer) {
  std::swap(perPlayer[1], perPlayer[2]);
}

std::uint8_t OtherSeat(std::uint8_t player) {
  return player == 1 || player == 2 ? static_cast<std::uint8_t>(3 - player) : player;
}

}  // namespace

GameState MirrorSeats(const GameState& state) {
  GameState m = state;
  SwapPlayers(m.hand);
  SwapPlayers(m.handOrder);
  SwapPlayers(m.handPoints);
  SwapPlayers(m.handCount);
  SwapPlayers(m.declarations);
  SwapPlayers(m.dealPoints);
  SwapPlayers(m.gamePoints);
  SwapPlayers(m.handSnapshot);
  m.firstBidder = OtherSeat(m.firstBidder);
  m.taker = OtherSeat(m.taker);
  m.sevenHolder = OtherSeat(m.sevenHolder);
  m.declarationWinner = OtherSeat(m.declarationWinner);
  m.leader = OtherSeat(m.leader);
  m.previousLeader = OtherSeat(m.previousLeader);
  m.lastDealWinner = OtherSeat(m.lastDealWinner);
  return m;
}

}  // namespace klondar
