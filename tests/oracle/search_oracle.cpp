#include "search_oracle.h"

#include <vector>

namespace klondar::oracle {

namespace {

struct NodeCard {
  CardCode card = kEmptyCard;
  std::uint8_t order = kEmptyByte;
  std::uint8_t points = kEmptyByte;

  bool IsEmpty() const { return card.IsEmpty(); }
};

using NodeHand = std::array<NodeCard, 10>;  // slots 1..9
using Values = std::array<std::int32_t, 10>;

struct Node {
  NodeHand mover;
  NodeHand other;
  std::array<NodeCard, 3> table;  // positions 1 and 2
  std::int32_t moverPoints = 0;
  std::int32_t otherPoints = 0;
  int pos = 1;
  int label = 1;  // 1 when the mover holds the contract
  int depth = 1;
};

// The outcome seen from label 1 and from label 2.
struct Outcome {
  std::int32_t value1 = 0;
  std::int32_t value2 = 0;
};

struct MemoEntry {
  std::int32_t moverKey;
  std::int32_t otherKey;
  std::int32_t moverPoints;
  std::int32_t otherPoints;
  int label;
  Outcome outcome;
};

constexpr std::size_t kMemoCap = 48'000;

int CardCount(const NodeHand& hand) {
  int count = 0;
  for (int slot = 1; slot <= 9; ++slot) count += hand[slot].IsEmpty() ? 0 : 1;
  return count;
}

// The digits are (slot - 1) of the occupied slots, the first one in the units place.
std::int32_t HandKey(const NodeHand& hand) {
  std::int32_t key = 0;
  std::int32_t place = 1;
  for (int slot = 1; slot <= 9; ++slot) {
    if (hand[slot].IsEmpty()) continue;
    key += (slot - 1) * place;
    place *= 10;
  }
  return key;
}

bool Holds(const NodeHand& hand, CardCode card) {
  for (int slot = 1; slot <= 9; ++slot) {
    if (hand[slot].card == card) return true;
  }
  return false;
}

bool HoldsSuit(const NodeHand& hand, char suit) {
  for (int slot = 1; slot <= 9; ++slot) {
    if (!hand[slot].IsEmpty() && hand[slot].card.suit == suit) return true;
  }
  return false;
}

// 0 when the hand holds no card of the suit.
int HighestOrder(const NodeHand& hand, char suit) {
  int highest = 0;
  for (int slot = 1; slot <= 9; ++slot) {
    if (!hand[slot].IsEmpty() && hand[slot].card.suit == suit && hand[slot].order > highest) {
      highest = hand[slot].order;
    }
  }
  return highest;
}

class Search {
 public:
  explicit Search(const SolverPosition& position)
      : trump_(position.trumpSuit),
        pruning_(position.pruning),
        mustOvertrump_(position.optMustOvertrump),
        bellaFirstHandOnly_(position.optBellaFirstHandOnly) {
    slotValues_.fill(kNotEvaluated);
  }

  SlotValues Run(const SolverPosition& position) {
    Node root;
    for (int slot = 1; slot <= 9; ++slot) {
      root.mover[slot] = HandCard(position.hands[1], slot);
      root.other[slot] = HandCard(position.hands[2], slot);
    }
    if (position.trickPos == 2) {
      root.table[1] = {position.trick[1], position.trickOrder[1], position.trickPoints[1]};
    }
    root.moverPoints = position.points[1];
    root.otherPoints = position.points[2];
    root.pos = position.trickPos;
    root.label = position.taker;
    root.depth = 1;
    SearchBestCard(root);
    return slotValues_;
  }

 private:
  static NodeCard HandCard(const SolverHand& hand, int slot) {
    if (hand.cards[slot].IsEmpty()) return NodeCard{};
    return {hand.cards[slot], hand.orders[slot], hand.points[slot]};
  }

  void ApplyFilters(const Node& node, std::array<bool, 10>& allowed) const {
    const NodeCard& led = node.table[1];
    const char ledSuit = led.card.suit;
    const NodeHand& hand = node.mover;

    // A: the led suit cannot be beaten: only its lowest card.
    int tableHighest = 0;
    for (int p = 1; p <= 2; ++p) {
      const NodeCard& card = node.table[p];
      if (!card.IsEmpty() && card.card.suit == ledSuit && card.order > tableHighest) {
        tableHighest = card.order;
      }
    }
    if (HoldsSuit(hand, ledSuit) && HighestOrder(hand, ledSuit) < tableHighest) {
      bool first = true;
      for (int slot = 1; slot <= 9; ++slot) {
        if (hand[slot].IsEmpty() || hand[slot].card.suit != ledSuit) continue;
        allowed[slot] = first;
        first = false;
      }
    }

    // B: neither the led suit nor a trump: the first card of each run of one suit.
    if (!HoldsSuit(hand, ledSuit) && !HoldsSuit(hand, trump_)) {
      char previousSuit = kNoSuit;
      for (int slot = 1; slot <= 9; ++slot) {
        if (hand[slot].IsEmpty()) continue;
        if (hand[slot].card.suit == previousSuit) allowed[slot] = false;
        previousSuit = hand[slot].card.suit;
      }
    }

    // C: a plain ten led and the ace held: only the ace.
    const CardCode ace = MakeCard(kAce, ledSuit);
    if (led.card.rank == kTen && ledSuit != trump_ && Holds(hand, ace)) {
      for (int slot = 1; slot <= 9; ++slot) allowed[slot] = hand[slot].card == ace;
    }
  }

  bool MayPlay(const Node& node, int slot, const std::array<bool, 10>& allowed) const {
    if (node.pos == 1) return true;
    if (!allowed[slot]) return false;
    const NodeHand& hand = node.mover;
    const NodeCard& card = hand[slot];
    const NodeCard& led = node.table[1];
    const char ledSuit = led.card.suit;
    const bool holdsLed = HoldsSuit(hand, ledSuit);
    const bool holdsTrump = HoldsSuit(hand, trump_);
    const bool isTrump = card.card.suit == trump_;
    const bool bySuit =
        card.card.suit == ledSuit || (isTrump && !holdsLed) || (!holdsLed && !holdsTrump);
    if (!bySuit) return false;
    if (isTrump && mustOvertrump_ && ledSuit == trump_ && HighestOrder(hand, trump_) > led.order &&
        card.order < led.order) {
      return false;
    }
    return true;
  }

  // The leaf outcome once the last trick is counted.
  static Outcome LeafOutcome(const Node& node) {
    std::int32_t holder = node.label == 1 ? node.moverPoints : node.otherPoints;
    std::int32_t defenders = node.label == 1 ? node.otherPoints : node.moverPoints;
    if (holder == defenders) {
      holder = 0;
    } else if (holder < defenders) {
      defenders += holder;
      holder = 0;
    }
    return {holder - defenders, defenders - holder};
  }

  // The outcome of the complete trick on the table, the mover having answered.
  Outcome CompleteTrick(Node node) {
    // The highest trump by order, or without a trump the highest card of the led suit.
    const char ledSuit = node.table[1].card.suit;
    const char winningSuit =
        (node.table[1].card.suit == trump_ || node.table[2].card.suit == trump_) ? trump_ : ledSuit;
    int winner = 0;
    int best = 0;
    for (int p = 1; p <= 2; ++p) {
      if (node.table[p].card.suit == winningSuit && node.table[p].order > best) {
        best = node.table[p].order;
        winner = p;
      }
    }
    const std::int32_t trickPoints = node.table[1].points + node.table[2].points;
    const bool moverWon = winner == 2;
    std::int32_t& winnerPoints = moverWon ? node.moverPoints : node.otherPoints;
    winnerPoints += trickPoints;
    if (CardCount(node.mover) == 0) {
      winnerPoints += 10;
      return LeafOutcome(node);
    }
    Node child;
    child.table = {NodeCard{}, NodeCard{}, NodeCard{}};
    child.pos = 1;
    child.depth = node.depth + 1;
    if (moverWon) {
      child.mover = node.mover;
      child.other = node.other;
      child.moverPoints = node.moverPoints;
      child.otherPoints = node.otherPoints;
      child.label = node.label;
    } else {
      child.mover = node.other;
      child.other = node.mover;
      child.moverPoints = node.otherPoints;
      child.otherPoints = node.moverPoints;
      child.label = 3 - node.label;
    }
    return SearchBestCard(child);
  }

  Outcome SearchBestCard(const Node& node) {
    Values value1;
    Values value2;
    value1.fill(kNotEvaluated);
    value2.fill(kNotEvaluated);
    std::array<bool, 10> allowed;
    allowed.fill(true);
    if (pruning_ && node.pos == 2) ApplyFilters(node, allowed);

    const int count = CardCount(node.mover);
    const bool memoNode = pruning_ && node.pos == 1 && node.depth > 1 && count >= 3 && count <= 8;
    const std::int32_t moverKey = memoNode ? HandKey(node.mover) : 0;
    const std::int32_t otherKey = memoNode ? HandKey(node.other) : 0;
    if (memoNode) {
      for (const MemoEntry& entry : memo_[count]) {
        if (entry.moverKey == moverKey && entry.otherKey == otherKey && entry.label == node.label &&
            entry.moverPoints == node.moverPoints && entry.otherPoints == node.otherPoints) {
          return entry.outcome;
        }
      }
    }

    const CardCode trumpKing = MakeCard(kKing, trump_);
    const CardCode trumpQueen = MakeCard(kQueen, trump_);
    for (int slot = 1; slot <= 9; ++slot) {
      if (node.mover[slot].IsEmpty() || !MayPlay(node, slot, allowed)) continue;
      Node next = node;
      const NodeCard card = node.mover[slot];
      next.table[node.pos] = card;
      next.mover[slot] = NodeCard{};
      const bool bella = (card.card == trumpQueen && Holds(next.mover, trumpKing)) ||
                         (card.card == trumpKing && Holds(next.mover, trumpQueen));
      if (bella && (node.pos == 1 || !bellaFirstHandOnly_)) next.moverPoints += 20;

      Outcome outcome;
      if (node.pos == 1) {
        Node child;
        child.mover = next.other;
        child.other = next.mover;
        child.table = next.table;
        child.moverPoints = next.otherPoints;
        child.otherPoints = next.moverPoints;
        child.pos = 2;
        child.label = 3 - node.label;
        child.depth = node.depth + 1;
        outcome = SearchBestCard(child);
      } else {
        outcome = CompleteTrick(next);
      }
      value1[slot] = outcome.value1;
      value2[slot] = outcome.value2;
    }

    const Values& own = node.label == 1 ? value1 : value2;
    for (int slot = 1; slot <= 9; ++slot) slotValues_[slot] = own[slot];
    int chosen = 0;
    std::int32_t best = -1000;
    for (int slot = 1; slot <= 9; ++slot) {
      if (own[slot] != kNotEvaluated && own[slot] > best) {
        best = own[slot];
        chosen = slot;
      }
    }
    const Outcome outcome = chosen == 0 ? Outcome{} : Outcome{value1[chosen], value2[chosen]};

    if (memoNode && memo_[count].size() <= kMemoCap) {
      memo_[count].push_back(
          {moverKey, otherKey, node.moverPoints, node.otherPoints, node.label, outcome});
    }
    return outcome;
  }

  char trump_;
  bool pruning_;
  bool mustOvertrump_;
  bool bellaFirstHandOnly_;
  SlotValues slotValues_;
  std::array<std::vector<MemoEntry>, 9> memo_;  // by the mover's card count, 3..8
};

}  // namespace

SlotValues SolvePosition(const SolverPosition& position) {
  Search search(position);
  return search.Run(position);
}

}  // namespace klondar::oracle
