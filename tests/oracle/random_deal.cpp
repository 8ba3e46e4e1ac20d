#include "random_deal.h"

#include <vector>

#include "engine/engine.h"
#include "engine/hand.h"
#include "engine/random_source.h"

namespace klondar::oracle {

namespace {

void Deal(GameState& s, RandomSource& random) {
  std::vector<int> numbers;
  for (int n = 1; n <= 32; ++n) numbers.push_back(n);
  for (int i = 31; i > 0; --i) {
    const int j = static_cast<int>(random.Below(static_cast<std::uint32_t>(i + 1)));
    std::swap(numbers[static_cast<std::size_t>(i)], numbers[static_cast<std::size_t>(j)]);
  }
  for (int i = 1; i <= 32; ++i)
    s.deck[i] = CardFromNumber(numbers[static_cast<std::size_t>(i - 1)]);
  s.trumpSuit = kSuits[1 + random.Below(4)];
  for (int p = 1; p <= 2; ++p) {
    for (int slot = 1; slot <= 10; ++slot) EmptySlot(s, p, slot);
    for (int slot = 1; slot <= 9; ++slot) {
      const CardCode card = s.deck[(p - 1) * 9 + slot];
      PutCard(s, p, slot, card, TrickOrder(card, s.trumpSuit), TrickPoints(card, s.trumpSuit));
    }
    SortHand(s, p);
  }
}

// Some of player 2's cards seen on the table, as after shown combinations.
void ShowSomeCards(const GameState& s, CardKnowledge& knowledge, RandomSource& random) {
  const int shown = static_cast<int>(random.Below(5));  // 0..4
  for (int i = 1; i <= shown; ++i) {
    AddCardToTable(s.hand[2][1 + random.Below(9)], knowledge.knownHeld[2]);
  }
}

int RandomPlayableSlot(const GameState& s, int player, RandomSource& random) {
  std::vector<int> slots;
  for (int slot = 1; slot <= 9; ++slot) {
    if (MayPlay(s, player, slot)) slots.push_back(slot);
  }
  return slots[random.Below(static_cast<std::uint32_t>(slots.size()))];
}

// The engine's play of a card, without the table effects.
void Play(GameState& s, CardKnowledge& knowledge, int player, int slot) {
  const int q = s.trickPos;
  const CardCode card = s.hand[player][slot];
  s.trick[q] = card;
  s.trickOrder[q] = s.handOrder[player][slot];
  s.trickPoints[q] = s.handPoints[player][slot];
  if (q == 1) s.ledSuit = card.suit;
  EmptySlot(s, player, slot);
  SortHand(s, player);
  const CardCode king = MakeCard(kKing, s.trumpSuit);
  const CardCode queen = MakeCard(kQueen, s.trumpSuit);
  const bool bella = (card == king && HandHasCard(s.hand[player], queen)) ||
                     (card == queen && HandHasCard(s.hand[player], king));
  if (bella && (q == 1 || !s.options.optBellaFirstHandOnly)) s.dealPoints[player] += 20;
  NotePlayedByPlayer(knowledge, s, player);
  s.trickPos = static_cast<std::uint8_t>(q + 1);
}

void FinishTrick(GameState& s) {
  int winner = s.leader;
  if (s.trick[1].suit == s.trick[2].suit) {
    if (s.trickOrder[2] > s.trickOrder[1]) winner = GameState::Other(s.leader);
  } else if (s.trick[2].suit == s.trumpSuit) {
    winner = GameState::Other(s.leader);
  }
  s.dealPoints[winner] += s.trickPoints[1] + s.trickPoints[2];
  if (s.trickNumber == 9) s.dealPoints[winner] += 10;
  s.leader = static_cast<std::uint8_t>(winner);
  s.previousLeader = s.leader;
  ++s.trickNumber;
  s.trickPos = 1;
  s.trick = {kEmptyCard, kEmptyCard, kEmptyCard};
  s.trickOrder = {0, 0, 0};
  s.trickPoints = {0, 0, 0};
}

}  // namespace

MidDeal RandomMidDeal(std::uint64_t seed, const DealShape& shape) {
  RandomSource random(seed);
  MidDeal deal;
  GameState& s = deal.state;
  s.options.optMustOvertrump = shape.mustOvertrump;
  s.options.optBellaFirstHandOnly = shape.bellaFirstHandOnly;
  s.options.optFreza = random.Below(2) == 1;
  s.taker = static_cast<std::uint8_t>(shape.taker);
  Deal(s, random);
  deal.knowledge.Clear();
  ShowSomeCards(s, deal.knowledge, random);
  // Combination points of one side, or none.
  static constexpr int kCombinationPoints[] = {0, 0, 20, 50, 70};
  s.dealPoints = {0, 0, 0};
  s.dealPoints[1 + random.Below(2)] = kCombinationPoints[random.Below(5)];
  NoteVisibleCards(deal.knowledge, s);

  const int targetTrick = 10 - shape.computerCards;
  s.trickNumber = 1;
  s.leader = static_cast<std::uint8_t>(1 + random.Below(2));
  s.trickPos = 1;
  s.trick = {kEmptyCard, kEmptyCard, kEmptyCard};
  for (;;) {
    if (s.trickNumber == targetTrick && s.trickPos == 1) {
      s.leader = static_cast<std::uint8_t>(shape.computerLeads ? 1 : 2);
      s.previousLeader = s.leader;
    }
    const int toPlay = s.trickPos == 1 ? s.leader : GameState::Other(s.leader);
    if (s.trickNumber == targetTrick && toPlay == 1) break;
    Play(s, deal.knowledge, toPlay, RandomPlayableSlot(s, toPlay, random));
    if (s.trickPos == 3) FinishTrick(s);
  }
  s.phase = phase::kPlayOpponent;
  return deal;
}

}  // namespace klondar::oracle
