#include "deal_solver.h"

#include <algorithm>

namespace klondar {

namespace {

using solver::Bit;
using solver::Bounds;
using solver::CardCount;
using solver::CardIndex;
using solver::CardSet;
using solver::CardTable;
using solver::LowestCard;
using solver::PositionKey;

constexpr int kInfinity = 10'000;
constexpr int kLastTrickBonus = 10;
constexpr int kBellaPoints = 20;
// Table sizes by the cards in player 1's hand: the trees grow fast with the cards, and
// a decision with few cards solves hundreds of small samples.
int ShareBucketBits(int cards) { return std::clamp(2 * cards, 6, 14); }

// The contract holder's result for the final points of both sides.
int FinalValue(int holder, int defenders) {
  if (holder == defenders) return -defenders;
  if (holder < defenders) return -(holder + defenders);
  return holder - defenders;
}

// Up to nine candidate cards, best first.
class MoveList {
 public:
  void Add(int card, int score) {
    int at = size_;
    while (at > 0 && scores_[at - 1] < score) {
      cards_[at] = cards_[at - 1];
      scores_[at] = scores_[at - 1];
      --at;
    }
    cards_[at] = card;
    scores_[at] = score;
    ++size_;
  }
  int Size() const { return size_; }
  int operator[](int i) const { return cards_[i]; }

 private:
  int cards_[9] = {};
  int scores_[9] = {};
  int size_ = 0;
};

PositionKey KeyOf(CardSet holder, CardSet defender, std::uint32_t extra) {
  return {holder | (std::uint64_t{defender} << 32), extra};
}

// Bounds on the value from a fail-soft result in the window (alpha, beta).
Bounds BoundsOf(int best, int alpha, int beta, int lowest, int highest, int bestCard) {
  Bounds bounds{static_cast<std::int16_t>(lowest), static_cast<std::int16_t>(highest),
                static_cast<std::int8_t>(bestCard)};
  if (best > alpha) bounds.lower = static_cast<std::int16_t>(best);
  if (best < beta) bounds.upper = static_cast<std::int16_t>(best);
  return bounds;
}

// Leads that no answer can beat first, the richest of them first; then low leads.
void OrderLeads(const CardTable& cards, CardSet own, CardSet opponent, int hint, MoveList& moves) {
  const CardSet candidates = cards.Representatives(own, own, opponent);
  for (CardSet rest = candidates; rest != 0; rest &= rest - 1) {
    const int card = LowestCard(rest);
    int score;
    if (card == hint) {
      score = 1000;
    } else {
      bool beaten = false;
      for (CardSet answers = cards.AnswerMoves(opponent, card); answers != 0;
           answers &= answers - 1) {
        if (cards.Beats(LowestCard(answers), card)) {
          beaten = true;
          break;
        }
      }
      score = beaten ? -cards.Points(card) : 100 + cards.Points(card);
    }
    moves.Add(card, score);
  }
}

// Answers that take the trick first, the richest first; then the cheapest.
void OrderAnswers(const CardTable& cards, CardSet own, CardSet leaderHand, int led,
                  MoveList& moves) {
  const CardSet candidates =
      cards.Representatives(cards.AnswerMoves(own, led), own, leaderHand | Bit(led));
  for (CardSet rest = candidates; rest != 0; rest &= rest - 1) {
    const int card = LowestCard(rest);
    const int points = cards.Points(card);
    moves.Add(card, cards.Beats(card, led) ? 100 + points : -points);
  }
}

}  // namespace

int DealSolver::LeadShare(CardSet holder, CardSet defender, int leader, int alpha, int beta) {
  const CardTable& cards = *cards_;
  const CardSet own = leader == 0 ? holder : defender;
  const CardSet opponent = leader == 0 ? defender : holder;
  if (CardCount(own) == 1) {
    const int led = LowestCard(own);
    const int answer = LowestCard(opponent);
    const int winner = cards.Beats(answer, led) ? 1 - leader : leader;
    return winner == 0 ? cards.Points(led) + cards.Points(answer) + kLastTrickBonus : 0;
  }
  const int remaining = cards.Points(holder | defender) + kLastTrickBonus;
  if (alpha >= remaining) return remaining;
  if (beta <= 0) return 0;

  const PositionKey key = KeyOf(holder, defender, static_cast<std::uint32_t>(leader));
  int hint = -1;
  if (const Bounds* known = shares_.Find(key)) {
    if (known->lower >= beta || known->lower == known->upper) return known->lower;
    if (known->upper <= alpha) return known->upper;
    alpha = std::max<int>(alpha, known->lower);
    beta = std::min<int>(beta, known->upper);
    hint = known->best;
  }

  MoveList moves;
  OrderLeads(cards, own, opponent, hint, moves);
  const bool maximise = leader == 0;
  int best = maximise ? -kInfinity : kInfinity;
  int bestCard = -1;
  int low = alpha;
  int high = beta;
  for (int i = 0; i < moves.Size() && low < high; ++i) {
    const int card = moves[i];
    const CardSet rest = own & ~Bit(card);
    const int value = leader == 0 ? AnswerShare(rest, defender, 1, card, low, high)
                                  : AnswerShare(holder, rest, 0, card, low, high);
    if (maximise ? value > best : value < best) {
      best = value;
      bestCard = card;
      if (maximise) {
        low = std::max(low, best);
      } else {
        high = std::min(high, best);
      }
    }
  }
  shares_.Store(key, CardCount(own), BoundsOf(best, alpha, beta, 0, remaining, bestCard));
  return best;
}

int DealSolver::AnswerShare(CardSet holder, CardSet defender, int answerer, int led, int alpha,
                            int beta) {
  const CardTable& cards = *cards_;
  const CardSet own = answerer == 0 ? holder : defender;
  const CardSet leaderHand = answerer == 0 ? defender : holder;
  const bool last = CardCount(own) == 1;
  if (!last) {
    const int remaining = cards.Points(holder | defender) + cards.Points(led) + kLastTrickBonus;
    if (alpha >= remaining) return remaining;
    if (beta <= 0) return 0;
  }

  MoveList moves;
  OrderAnswers(cards, own, leaderHand, led, moves);
  const bool maximise = answerer == 0;
  int best = maximise ? -kInfinity : kInfinity;
  int low = alpha;
  int high = beta;
  for (int i = 0; i < moves.Size() && low < high; ++i) {
    const int card = moves[i];
    const int winner = cards.Beats(card, led) ? answerer : 1 - answerer;
    const int trick = cards.Points(led) + cards.Points(card) + (last ? kLastTrickBonus : 0);
    const int gain = winner == 0 ? trick : 0;
    int value = gain;
    if (!last) {
      const CardSet rest = own & ~Bit(card);
      value += answerer == 0 ? LeadShare(rest, defender, winner, low - gain, high - gain)
                             : LeadShare(holder, rest, winner, low - gain, high - gain);
    }
    if (maximise ? value > best : value < best) {
      best = value;
      if (maximise) {
        low = std::max(low, best);
      } else {
        high = std::min(high, best);
      }
    }
  }
  return best;
}

int DealSolver::ValueByShare(CardSet holder, CardSet defender, int mover, int led, int holderPoints,
                             int defenderPoints, int alpha, int beta) {
  const CardTable& cards = *cards_;
  const int remaining =
      cards.Points(holder | defender) + (led >= 0 ? cards.Points(led) : 0) + kLastTrickBonus;
  const auto valueOf = [&](int share) {
    return FinalValue(holderPoints + share, defenderPoints + remaining - share);
  };
  const int lowest = valueOf(0);
  const int highest = valueOf(remaining);
  if (beta <= lowest) return lowest;
  if (alpha >= highest) return highest;
  // The value does not fall as the share grows: the largest share worth at most alpha
  // (or worth no more than the least possible value, which is then exact) and the
  // smallest share worth at least beta bound the window on the share.
  const auto largestAtMost = [&](int bound) {
    int lo = -1;
    int hi = remaining;
    while (lo < hi) {
      const int mid = (lo + hi + 1) / 2;
      if (valueOf(mid) <= bound) {
        lo = mid;
      } else {
        hi = mid - 1;
      }
    }
    return lo;
  };
  const auto smallestAtLeast = [&](int bound) {
    int lo = 0;
    int hi = remaining + 1;
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (valueOf(mid) >= bound) {
        hi = mid;
      } else {
        lo = mid + 1;
      }
    }
    return lo;
  };
  const int shareAlpha = largestAtMost(std::max(alpha, lowest));
  const int shareBeta = smallestAtLeast(beta);
  const int share = led >= 0 ? AnswerShare(holder, defender, mover, led, shareAlpha, shareBeta)
                             : LeadShare(holder, defender, mover, shareAlpha, shareBeta);
  return valueOf(share);
}

int DealSolver::LeadValue(CardSet holder, CardSet defender, int leader, int holderPoints,
                          int defenderPoints, int alpha, int beta) {
  const CardTable& cards = *cards_;
  if (!cards.BellaPossible(holder, defender)) {
    return ValueByShare(holder, defender, leader, -1, holderPoints, defenderPoints, alpha, beta);
  }
  const CardSet own = leader == 0 ? holder : defender;
  const CardSet opponent = leader == 0 ? defender : holder;
  const PositionKey key =
      KeyOf(holder, defender,
            static_cast<std::uint32_t>(leader) | static_cast<std::uint32_t>(holderPoints) << 1 |
                static_cast<std::uint32_t>(defenderPoints) << 16);
  int hint = -1;
  if (const Bounds* known = values_.Find(key)) {
    if (known->lower >= beta || known->lower == known->upper) return known->lower;
    if (known->upper <= alpha) return known->upper;
    alpha = std::max<int>(alpha, known->lower);
    beta = std::min<int>(beta, known->upper);
    hint = known->best;
  }

  MoveList moves;
  OrderLeads(cards, own, opponent, hint, moves);
  const bool maximise = leader == 0;
  int best = maximise ? -kInfinity : kInfinity;
  int bestCard = -1;
  int low = alpha;
  int high = beta;
  for (int i = 0; i < moves.Size() && low < high; ++i) {
    const int card = moves[i];
    const CardSet rest = own & ~Bit(card);
    const int bella = cards.IsBella(card, rest) ? kBellaPoints : 0;
    const int value =
        leader == 0
            ? AnswerValue(rest, defender, 1, card, holderPoints + bella, defenderPoints, low, high)
            : AnswerValue(holder, rest, 0, card, holderPoints, defenderPoints + bella, low, high);
    if (maximise ? value > best : value < best) {
      best = value;
      bestCard = card;
      if (maximise) {
        low = std::max(low, best);
      } else {
        high = std::min(high, best);
      }
    }
  }
  values_.Store(key, CardCount(own), BoundsOf(best, alpha, beta, -kInfinity, kInfinity, bestCard));
  return best;
}

int DealSolver::AnswerValue(CardSet holder, CardSet defender, int answerer, int led,
                            int holderPoints, int defenderPoints, int alpha, int beta) {
  const CardTable& cards = *cards_;
  if (!cards.BellaPossible(holder, defender)) {
    return ValueByShare(holder, defender, answerer, led, holderPoints, defenderPoints, alpha, beta);
  }
  const CardSet own = answerer == 0 ? holder : defender;
  const CardSet leaderHand = answerer == 0 ? defender : holder;
  const bool last = CardCount(own) == 1;

  MoveList moves;
  OrderAnswers(cards, own, leaderHand, led, moves);
  const bool maximise = answerer == 0;
  int best = maximise ? -kInfinity : kInfinity;
  int low = alpha;
  int high = beta;
  for (int i = 0; i < moves.Size() && low < high; ++i) {
    const int card = moves[i];
    const CardSet rest = own & ~Bit(card);
    const int bella =
        !cards.rules().bellaFirstHandOnly && cards.IsBella(card, rest) ? kBellaPoints : 0;
    int holderNow = holderPoints + (answerer == 0 ? bella : 0);
    int defenderNow = defenderPoints + (answerer == 1 ? bella : 0);
    const int winner = cards.Beats(card, led) ? answerer : 1 - answerer;
    const int trick = cards.Points(led) + cards.Points(card) + (last ? kLastTrickBonus : 0);
    (winner == 0 ? holderNow : defenderNow) += trick;
    int value;
    if (last) {
      value = FinalValue(holderNow, defenderNow);
    } else if (answerer == 0) {
      value = LeadValue(rest, defender, winner, holderNow, defenderNow, low, high);
    } else {
      value = LeadValue(holder, rest, winner, holderNow, defenderNow, low, high);
    }
    if (maximise ? value > best : value < best) {
      best = value;
      if (maximise) {
        low = std::max(low, best);
      } else {
        high = std::min(high, best);
      }
    }
  }
  return best;
}

SlotValues DealSolver::Solve(const SolverPosition& position) {
  const char trumpSuit = position.trumpSuit;
  const solver::Rules rules{SuitIndex(trumpSuit) - 1, position.pruning, position.optMustOvertrump,
                            position.optBellaFirstHandOnly};
  if (!cards_ || !(cards_->rules() == rules)) {
    cards_.emplace(rules);
    shares_.Clear();
    values_.Clear();
  }
  const CardTable& cards = *cards_;

  const int side1 = position.taker == 1 ? 0 : 1;  // player 1's side
  std::array<CardSet, 2> hands{};
  std::array<int, 10> slotCard{};
  for (int p = 1; p <= 2; ++p) {
    const int side = p == 1 ? side1 : 1 - side1;
    for (int slot = 1; slot <= 9; ++slot) {
      const int card = CardIndex(position.hands[p].cards[slot], trumpSuit);
      if (p == 1) slotCard[slot] = card;
      if (card >= 0) hands[side] |= Bit(card);
    }
  }
  const int led = position.trickPos == 2 ? CardIndex(position.trick[1], trumpSuit) : -1;
  const CardSet own = hands[side1];
  shares_.Reserve(ShareBucketBits(CardCount(own)));
  values_.Reserve(ShareBucketBits(CardCount(own)) - 1);
  const CardSet others = hands[1 - side1] | (led >= 0 ? Bit(led) : 0);
  const CardSet moves = led >= 0 ? cards.AnswerMoves(own, led) : own;
  const int holderPoints = position.points[position.taker];
  const int defenderPoints = position.points[3 - position.taker];

  // The value of playing the card, for the contract holder.
  const auto valueOfPlaying = [&](int card) {
    const CardSet rest = own & ~Bit(card);
    std::array<CardSet, 2> after = hands;
    after[side1] = rest;
    std::array<int, 2> points = {holderPoints, defenderPoints};
    const bool bellaCounts = led < 0 || !rules.bellaFirstHandOnly;
    if (bellaCounts && cards.IsBella(card, rest)) points[side1] += kBellaPoints;
    if (led < 0) {
      return AnswerValue(after[0], after[1], 1 - side1, card, points[0], points[1], -kInfinity,
                         kInfinity);
    }
    const int winner = cards.Beats(card, led) ? side1 : 1 - side1;
    points[winner] += cards.Points(led) + cards.Points(card);
    if (rest == 0) {
      points[winner] += kLastTrickBonus;
      return FinalValue(points[0], points[1]);
    }
    return LeadValue(after[0], after[1], winner, points[0], points[1], -kInfinity, kInfinity);
  };

  // Lower cards first, so that an equivalent higher card takes the value found.
  std::array<int, 32> byCard{};
  for (CardSet rest = moves; rest != 0; rest &= rest - 1) {
    const int card = LowestCard(rest);
    const int lower = cards.EquivalentBelow(card, own, others);
    const bool copied = lower >= 0 && (moves & Bit(lower)) != 0;
    byCard[static_cast<std::size_t>(card)] =
        copied ? byCard[static_cast<std::size_t>(lower)] : valueOfPlaying(card);
  }
  SlotValues result;
  result.fill(kNotEvaluated);
  for (int slot = 1; slot <= 9; ++slot) {
    const int card = slotCard[slot];
    if (card < 0 || (moves & Bit(card)) == 0) continue;
    const int value = byCard[static_cast<std::size_t>(card)];
    result[slot] = side1 == 0 ? value : -value;
  }
  return result;
}

SlotValues SolvePosition(const SolverPosition& position) {
  DealSolver solver;
  return solver.Solve(position);
}

}  // namespace klondar
