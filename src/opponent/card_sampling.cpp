#include "card_sampling.h"

#include <algorithm>
#include <array>

#include "deal_solver.h"
#include "engine/hand.h"

namespace klondar {

namespace {

constexpr std::int32_t kNoTotalYet = -2'000'000'000;

int Percent(int done, int all) { return (done * 200 + all) / (2 * all); }

}  // namespace

SamplingDecision DecideBySampling(const GameState& state, const CardKnowledge& knowledge,
                                  RandomSource& random, TableView& view,
                                  const PositionSolver& solve) {
  SamplingDecision decision;
  // Hands are sorted with the empty slots last.
  if (state.handCount[1] <= 1) return decision;
  const int samples = SampleCount(state.handCount[1]);
  const std::vector<CardCode> pool = UnseenPool(knowledge);
  SolverPosition position = PositionWith(state, SolverHand{});

  std::array<std::int32_t, 10>& total = decision.totals;
  std::array<bool, 10>& valid = decision.valid;
  valid.fill(true);
  for (int s = 1; s <= samples; ++s) {
    view.ShowThinkingProgress(Percent(s, samples));
    position.hands[2] = SampleUserHand(state, knowledge, pool, random);
    const SlotValues values = solve(position);
    for (int slot = 1; slot <= 9; ++slot) {
      total[slot] += values[slot];
      valid[slot] = values[slot] != kNotEvaluated;
    }
  }

  decision.slot = 0;
  std::int32_t best = kNoTotalYet;
  for (int slot = 1; slot <= 9; ++slot) {
    if (valid[slot] && total[slot] > best) {
      best = total[slot];
      decision.slot = slot;
    }
  }
  return decision;
}

int SampleCount(int cardsHeld) {
  static constexpr int kSamples[] = {300, 250, 200, 150, 100, 20, 7};  // 2..8 cards
  return kSamples[std::clamp(cardsHeld, 2, 8) - 2];
}

std::vector<CardCode> UnseenPool(const CardKnowledge& knowledge) {
  std::vector<CardCode> pool;
  for (int number = 1; number <= 32; ++number) {
    const CardCode card = CardFromNumber(number);
    if (!TableHasCard(knowledge.ruledOut[2], card) && !TableHasCard(knowledge.knownHeld[2], card)) {
      pool.push_back(card);
    }
  }
  return pool;
}

SolverHand SampleUserHand(const GameState& state, const CardKnowledge& knowledge,
                          const std::vector<CardCode>& pool, RandomSource& random) {
  SolverHand hand;
  hand.cards.fill(kEmptyCard);
  int next = 1;
  const auto put = [&](CardCode card) {
    hand.cards[next] = card;
    hand.orders[next] = TrickOrder(card, state.trumpSuit);
    hand.points[next] = TrickPoints(card, state.trumpSuit);
    ++next;
  };
  for (int slot = 1; slot <= 9; ++slot) {
    const CardCode card = knowledge.knownHeld[2][slot];
    if (!card.IsEmpty()) put(card);
  }
  // More cards than the pool holds cannot be drawn; knowledge gathered by the rules never
  // asks for that, and the draw below would not end.
  const int wanted = std::min(state.handCount[2] - (next - 1), static_cast<int>(pool.size()));
  std::vector<bool> drawn(pool.size(), false);
  for (int count = 0; count < wanted;) {
    const std::size_t r = random.Below(static_cast<std::uint32_t>(pool.size()));
    if (drawn[r]) continue;
    drawn[r] = true;
    ++count;
  }
  for (std::size_t i = 0; i < pool.size(); ++i) {
    if (drawn[i]) put(pool[i]);
  }
  std::uint8_t count = 0;
  SortCards(hand.cards, hand.orders, hand.points, count, kNoSuit);
  return hand;
}

int ChooseCardBySampling(const GameState& state, const CardKnowledge& knowledge,
                         RandomSource& random, TableView& view, const PositionSolver& solve) {
  view.ShowThinkingProgress(0);
  view.SetPointer(PointerShape::kHourglass);
  const int chosen = DecideBySampling(state, knowledge, random, view, solve).slot;
  view.ShowThinkingProgress(-1);
  view.SetPointer(PointerShape::kNormal);
  return chosen;
}

int ChooseCardBySampling(const GameState& state, const CardKnowledge& knowledge,
                         RandomSource& random, TableView& view) {
  DealSolver solver;
  return ChooseCardBySampling(
      state, knowledge, random, view,
      [&solver](const SolverPosition& position) { return solver.Solve(position); });
}

}  // namespace klondar
