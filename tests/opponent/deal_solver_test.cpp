#include "opponent/deal_solver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/engine.h"
#include "engine/hand.h"
#include "engine/recording_table_view.h"
#include "opponent/card_sampling.h"
#include "oracle/random_deal.h"
#include "oracle/search_oracle.h"

namespace klondar {
namespace {

std::string Describe(const SlotValues& values) {
  std::ostringstream out;
  for (int slot = 1; slot <= 9; ++slot) out << ' ' << values[slot];
  return out.str();
}

// The mid-deal situations of the comparisons: every combination of who leads, who holds
// the contract and the two rule options, `perCombination` deals of each.
template <typename Check>
void ForEachShape(int cards, int perCombination, Check check) {
  for (int combination = 0; combination < 16; ++combination) {
    oracle::DealShape shape;
    shape.computerCards = cards;
    shape.computerLeads = (combination & 1) != 0;
    shape.taker = (combination & 2) != 0 ? 2 : 1;
    shape.mustOvertrump = (combination & 4) != 0;
    shape.bellaFirstHandOnly = (combination & 8) != 0;
    for (int i = 0; i < perCombination; ++i) {
      const std::uint64_t seed = static_cast<std::uint64_t>(cards * 1000 + combination * 50 + i);
      check(oracle::RandomMidDeal(seed, shape), seed);
    }
  }
}

// 2,016 positions from play, trick 2 (eight cards, filters on) to trick 8 (two cards). One
// solver serves all of them, as it serves the samples of a decision, and right after each
// position it meets the same cards again with other points (up to seven cards) and with
// the filters the other way (up to five cards), where stale entries would show.
TEST(DealSolver, GivesTheOraclesValuesOnRandomPositions) {
  DealSolver solver;
  int compared = 0;
  for (int cards = 2; cards <= 8; ++cards) {
    ForEachShape(cards, 18, [&](const oracle::MidDeal& deal, std::uint64_t seed) {
      std::vector<SolverPosition> positions = {KnownPosition(deal.state)};
      if (cards <= 7) {
        positions.push_back(positions.front());
        positions.back().points[2] += 7;
      }
      if (cards <= 5) {
        positions.push_back(positions.front());
        positions.back().pruning = !positions.front().pruning;
      }
      for (const SolverPosition& position : positions) {
        const SlotValues expected = oracle::SolvePosition(position);
        ASSERT_EQ(Describe(solver.Solve(position)), Describe(expected))
            << "seed " << seed << ", " << cards << " cards, points " << position.points[1] << ":"
            << position.points[2] << ", filters " << position.pruning;
        ++compared;
      }
    });
  }
  EXPECT_GE(compared, 2000);
}

TEST(CardSampling, ChoosesTheSameSlotWithTheOracleAndTheSolver) {
  for (int cards = 2; cards <= 8; ++cards) {
    ForEachShape(cards, 1, [&](const oracle::MidDeal& deal, std::uint64_t seed) {
      RecordingTableView view(deal.state);
      RandomSource forOracle(seed);
      RandomSource forSolver(seed);
      const int expected =
          ChooseCardBySampling(deal.state, deal.knowledge, forOracle, view, oracle::SolvePosition);
      const int slot = ChooseCardBySampling(deal.state, deal.knowledge, forSolver, view);
      EXPECT_EQ(slot, expected) << "seed " << seed << ", " << cards << " cards";
      EXPECT_TRUE(MayPlay(deal.state, 1, slot)) << "seed " << seed << ", slot " << slot;
    });
  }
}

CardCode Card(const std::string& ascii) {
  const auto card = CardFromAscii(ascii);
  EXPECT_TRUE(card.has_value()) << ascii;
  return card.value_or(kEmptyCard);
}

SolverHand Hand(const std::string& text, char trump) {
  SolverHand hand;
  hand.cards.fill(kEmptyCard);
  std::istringstream in(text);
  std::string word;
  for (int slot = 1; in >> word; ++slot) {
    const CardCode card = Card(word);
    hand.cards[slot] = card;
    hand.orders[slot] = TrickOrder(card, trump);
    hand.points[slot] = TrickPoints(card, trump);
  }
  std::uint8_t count = 0;
  SortCards(hand.cards, hand.orders, hand.points, count, trump);
  return hand;
}

// Hearts are trumps throughout. `led` is player 2's card on the table, "" when player 1
// leads.
struct Layout {
  const char* computer;
  const char* user;
  const char* led;
  int taker;
  int computerPoints;
  int userPoints;
  bool pruning;
  bool bellaFirstHandOnly;
};

SolverPosition PositionOf(const Layout& layout) {
  SolverPosition position;
  position.trumpSuit = kHearts;
  position.hands[1] = Hand(layout.computer, kHearts);
  position.hands[2] = Hand(layout.user, kHearts);
  if (*layout.led != '\0') {
    const CardCode led = Card(layout.led);
    position.trickPos = 2;
    position.trick[1] = led;
    position.trickOrder[1] = TrickOrder(led, kHearts);
    position.trickPoints[1] = TrickPoints(led, kHearts);
  }
  position.taker = layout.taker;
  position.points = {0, layout.computerPoints, layout.userPoints};
  position.pruning = layout.pruning;
  position.optBellaFirstHandOnly = layout.bellaFirstHandOnly;
  return position;
}

// Player 1's values by card, in the order of its hand as written; "-" for no value.
std::string ValuesByCard(const Layout& layout, const SlotValues& values) {
  const SolverPosition position = PositionOf(layout);
  std::istringstream in(layout.computer);
  std::string word;
  std::string text;
  while (in >> word) {
    int slot = 1;
    while (position.hands[1].cards[slot] != Card(word)) ++slot;
    if (!text.empty()) text += ' ';
    text += values[slot] == kNotEvaluated ? "-" : std::to_string(values[slot]);
  }
  return text;
}

TEST(DealSolver, ValuesFollowTheContractRuleFiltersAndBella) {
  const struct {
    Layout layout;
    const char* values;
  } cases[] = {
      // Last trick, player 1 holds the contract and takes 11 + 10: ahead, level (nothing
      // for the holder), behind (the defenders take both totals).
      {{"As", "7s", "", 1, 80, 91, false, false}, "10"},
      {{"As", "7s", "", 1, 70, 91, false, false}, "-91"},
      {{"As", "7s", "", 1, 60, 91, false, false}, "-172"},
      // The same points with player 2 holding the contract: player 1 ends ahead, 112 to 70,
      // and takes all.
      {{"As", "7s", "", 2, 91, 70, false, false}, "182"},
      // A plain ten led, the ace held: in the early tricks only the ace is searched.
      {{"As 7s Kc", "8c 9c", "Ts", 1, 0, 0, true, false}, "35 - -"},
      {{"As 7s Kc", "8c 9c", "Ts", 1, 0, 0, false, false}, "35 15 -"},
      // The led suit cannot be beaten: only its lowest card.
      {{"7s Ks 8c", "Qs 9c", "As", 2, 0, 0, true, false}, "-14 - -"},
      {{"7s Ks 8c", "Qs 9c", "As", 2, 0, 0, false, false}, "-14 -28 -"},
      // Neither the led suit nor a trump: the lowest card of each suit.
      {{"7c Kc 8d", "7d Qc", "As", 1, 0, 0, true, false}, "6 - 6"},
      {{"7c Kc 8d", "7d Qc", "As", 1, 0, 0, false, false}, "6 -28 6"},
      // Bella: the first of king and queen scores 20 as an answer unless the option limits
      // it to a lead; the second never scores.
      {{"Kh Qh", "As", "7h", 1, 0, 0, false, false}, "48 48"},
      {{"Kh Qh", "As", "7h", 1, 0, 0, false, true}, "28 28"},
      {{"Kh Qh", "As 7h", "", 1, 0, 0, false, true}, "48 48"},
  };
  for (const auto& c : cases) {
    const SolverPosition position = PositionOf(c.layout);
    EXPECT_EQ(ValuesByCard(c.layout, oracle::SolvePosition(position)), c.values)
        << "oracle: " << c.layout.computer << " / " << c.layout.user << " / " << c.layout.led;
    EXPECT_EQ(ValuesByCard(c.layout, SolvePosition(position)), c.values)
        << "solver: " << c.layout.computer << " / " << c.layout.user << " / " << c.layout.led;
  }
}

}  // namespace
}  // namespace klondar
