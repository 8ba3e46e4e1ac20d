#include "opponent/card_sampling.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/hand.h"
#include "engine/recording_table_view.h"
#include "opponent/deal_solver.h"

namespace klondar {
namespace {

CardCode Card(const std::string& ascii) {
  const auto card = CardFromAscii(ascii);
  EXPECT_TRUE(card.has_value()) << ascii;
  return card.value_or(kEmptyCard);
}

std::vector<CardCode> Cards(const std::string& text) {
  std::istringstream in(text);
  std::vector<CardCode> cards;
  std::string word;
  while (in >> word) cards.push_back(Card(word));
  return cards;
}

std::string Ascii(const std::vector<CardCode>& cards) {
  std::string text;
  for (const CardCode card : cards) {
    if (!text.empty()) text += ' ';
    text += ToAscii(card);
  }
  return text;
}

std::string Ascii(const HandCards& cards) {
  std::vector<CardCode> held;
  for (int slot = 1; slot <= 10; ++slot) {
    if (!cards[slot].IsEmpty()) held.push_back(cards[slot]);
  }
  return Ascii(held);
}

// Hearts are trumps and player 1 holds the contract. Player 2 has led `led` unless it is
// empty. Player 1 knows its own cards, the led card and `seen` are not player 2's.
struct Situation {
  GameState state;
  CardKnowledge knowledge;

  Situation(const std::string& computer, const std::string& user, const std::string& led,
            int trickNumber, const std::string& seen = "") {
    state.trumpSuit = kHearts;
    state.taker = 1;
    state.trickNumber = static_cast<std::uint8_t>(trickNumber);
    SetHand(1, computer);
    SetHand(2, user);
    knowledge.Clear();
    for (const CardCode card : Cards(computer + " " + led + " " + seen)) {
      AddCardToTable(card, knowledge.ruledOut[2]);
    }
    if (!led.empty()) {
      const CardCode card = Card(led);
      state.trickPos = 2;
      state.trick[1] = card;
      state.trickOrder[1] = TrickOrder(card, kHearts);
      state.trickPoints[1] = TrickPoints(card, kHearts);
    }
  }

  void SetHand(int player, const std::string& text) {
    for (int slot = 1; slot <= 10; ++slot) EmptySlot(state, player, slot);
    int slot = 1;
    for (const CardCode card : Cards(text)) {
      PutCard(state, player, slot++, card, TrickOrder(card, kHearts), TrickPoints(card, kHearts));
    }
    SortHand(state, player);
  }

  int SlotOf(const std::string& card) const { return HandCardSlot(state.hand[1], Card(card)); }
};

TEST(CardSampling, ShowsProgressPerSampleUnderTheHourglass) {
  const char* const computer[] = {"",
                                  "",
                                  "Ac Kc",
                                  "Ac Kc Qc",
                                  "Ac Kc Qc Jc",
                                  "Ac Kc Qc Jc 9c",
                                  "Ac Kc Qc Jc 9c 8c",
                                  "Ac Kc Qc Jc 9c 8c 7c",
                                  "Ac Kc Qc Jc 9c 8c 7c Tc"};
  const char* const user[] = {"",
                              "",
                              "Ad Kd",
                              "Ad Kd Qd",
                              "Ad Kd Qd Jd",
                              "Ad Kd Qd Jd 9d",
                              "Ad Kd Qd Jd 9d 8d",
                              "Ad Kd Qd Jd 9d 8d 7d",
                              "Ad Kd Qd Jd 9d 8d 7d Td"};
  const std::map<int, int> samples = {{2, 300}, {3, 250}, {4, 200}, {5, 150},
                                      {6, 100}, {7, 20},  {8, 7}};
  for (const auto& [cards, expected] : samples) {
    Situation s(computer[cards], user[cards], "", 10 - cards);
    RecordingTableView view(s.state);
    RandomSource random(1);
    int solves = 0;
    ChooseCardBySampling(s.state, s.knowledge, random, view, [&](const SolverPosition&) {
      ++solves;
      return SlotValues{};
    });
    EXPECT_EQ(solves, expected) << cards << " cards";
    const std::vector<std::string> lines = view.Lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(expected + 4));
    EXPECT_EQ(lines[0], "ShowThinkingProgress 0");
    EXPECT_EQ(lines[1], "SetPointer 2");
    EXPECT_EQ(lines[static_cast<std::size_t>(expected) + 1], "ShowThinkingProgress 100");
    EXPECT_EQ(lines[static_cast<std::size_t>(expected) + 2], "ShowThinkingProgress -1");
    EXPECT_EQ(lines[static_cast<std::size_t>(expected) + 3], "SetPointer 0");
  }
}

TEST(CardSampling, PlaysTheLastCardWithoutSampling) {
  Situation s("Kc", "Ad", "", 9);
  RecordingTableView view(s.state);
  RandomSource random(1);
  int solves = 0;
  const int slot =
      ChooseCardBySampling(s.state, s.knowledge, random, view, [&](const SolverPosition&) {
        ++solves;
        return SlotValues{};
      });
  EXPECT_EQ(slot, 1);
  EXPECT_EQ(solves, 0);
  EXPECT_EQ(view.Lines(), (std::vector<std::string>{"ShowThinkingProgress 0", "SetPointer 2",
                                                    "ShowThinkingProgress -1", "SetPointer 0"}));
}

// Seven samples (eight cards); the scripted values are per sample and per slot 1..3, the
// other slots holding cards not evaluated.
TEST(CardSampling, PlaysTheLargestTotalOfTheEvaluatedSlots) {
  const struct {
    const char* name;
    std::array<std::int32_t, 3> everySample;
    std::array<std::int32_t, 3> lastSample;
    int slot;
  } cases[] = {
      {"total, not the samples won", {10, 0, -5}, {10, 100, -5}, 2},
      {"tie goes to the lower slot", {-20, 4, 4}, {-20, 4, 4}, 2},
      {"negative totals", {-30, -10, -20}, {-30, -10, -20}, 2},
      {"unevaluated slot never played", {kNotEvaluated, -50, -60}, {kNotEvaluated, -50, -60}, 2},
  };
  for (const auto& c : cases) {
    Situation s("Ac Kc Qc Jc 9c 8c 7c Tc", "Ad Kd Qd Jd 9d 8d 7d Td", "", 2);
    RecordingTableView view(s.state);
    RandomSource random(1);
    int sample = 0;
    const int slot =
        ChooseCardBySampling(s.state, s.knowledge, random, view, [&](const SolverPosition&) {
          ++sample;
          const auto& v = sample == 7 ? c.lastSample : c.everySample;
          SlotValues values;
          values.fill(kNotEvaluated);
          for (int k = 0; k < 3; ++k) values[k + 1] = v[k];
          return values;
        });
    EXPECT_EQ(slot, c.slot) << c.name;
  }
}

TEST(CardSampling, EarlyAnswersTakeATenWithTheAceAndDuckWithTheLowest) {
  const struct {
    const char* computer;
    const char* led;
    int trick;
    const char* played;
  } cases[] = {
      {"7s Ks As 8c Jh 9d", "Ts", 4, "As"},
      {"7s Ks Ts 8c Jh 9d", "As", 4, "7s"},
  };
  for (const auto& c : cases) {
    Situation s(c.computer, "Qs 8s Qc Qd 7h", c.led, c.trick);
    RecordingTableView view(s.state);
    RandomSource random(3);
    EXPECT_EQ(ChooseCardBySampling(s.state, s.knowledge, random, view), s.SlotOf(c.played))
        << c.computer << " answering " << c.led;
  }
}

TEST(CardSampling, NeverLooksAtPlayerTwosRealHand) {
  Situation real("7s Ks As 8c Jh 9d 7d", "Qs 8s Qc Qd 7h 9h Ad", "", 3, "Th");
  Situation other = real;
  other.SetHand(2, "Tc Js Kd Jd Td 8d Kh");
  const auto solveAndKeep = [](std::vector<SolverPosition>& seen) {
    return [&seen](const SolverPosition& position) {
      seen.push_back(position);
      return SolvePosition(position);
    };
  };
  std::vector<SolverPosition> seenReal;
  std::vector<SolverPosition> seenOther;
  RecordingTableView view(real.state);
  RandomSource random1(5);
  RandomSource random2(5);
  const int slot =
      ChooseCardBySampling(real.state, real.knowledge, random1, view, solveAndKeep(seenReal));
  EXPECT_EQ(
      ChooseCardBySampling(other.state, other.knowledge, random2, view, solveAndKeep(seenOther)),
      slot);
  ASSERT_EQ(seenReal.size(), seenOther.size());
  for (std::size_t i = 0; i < seenReal.size(); ++i) {
    EXPECT_EQ(Ascii(seenReal[i].hands[2].cards), Ascii(seenOther[i].hands[2].cards));
  }
}

TEST(CardSampling, PoolHoldsTheUnseenCardsInRankThenSuitOrder) {
  CardKnowledge knowledge;
  knowledge.Clear();
  for (const CardCode card : Cards("7h 7d 7c 7s 8h 8d 8c Ah")) {
    AddCardToTable(card, knowledge.ruledOut[2]);
  }
  AddCardToTable(Card("9d"), knowledge.knownHeld[2]);
  const std::vector<CardCode> pool = UnseenPool(knowledge);
  EXPECT_EQ(Ascii(pool), "8s 9h 9c 9s Th Td Tc Ts Jh Jd Jc Js Qh Qd Qc Qs Kh Kd Kc Ks Ad Ac As");
}

// Player 2 holds seven cards, two of them known; the other five come from a pool of ten.
TEST(CardSampling, SampledHandsHoldTheKnownCardsAndUniformDrawsFromThePool) {
  Situation s("7c 8c 9c Jc Qc Kc Tc", "Ah 9s 7h 8h Jh Qh Kh", "", 3,
              "Ac Ad Kd Qd Jd Td 9d 8d 7d Th 9h Ts As");
  AddCardToTable(Card("Ah"), s.knowledge.knownHeld[2]);
  AddCardToTable(Card("9s"), s.knowledge.knownHeld[2]);
  s.state.handCount[2] = 7;
  const std::vector<CardCode> pool = UnseenPool(s.knowledge);
  ASSERT_EQ(Ascii(pool), "7h 7s 8h 8s Jh Js Qh Qs Kh Ks");

  RandomSource random(11);
  std::map<std::string, int> drawn;
  constexpr int kSamples = 4000;
  for (int i = 0; i < kSamples; ++i) {
    const SolverHand hand = SampleUserHand(s.state, s.knowledge, pool, random);
    int held = 0;
    char previousSuit = kNoSuit;
    int previousOrder = 0;
    const std::string suitOrder = {kHearts, kClubs, kDiamonds, kSpades};
    for (int slot = 1; slot <= 10; ++slot) {
      const CardCode card = hand.cards[slot];
      if (card.IsEmpty()) continue;
      ++held;
      ++drawn[ToAscii(card)];
      ASSERT_EQ(hand.orders[slot], TrickOrder(card, kHearts));
      ASSERT_EQ(hand.points[slot], TrickPoints(card, kHearts));
      const bool sameSuit = card.suit == previousSuit;
      ASSERT_TRUE(sameSuit ? hand.orders[slot] > previousOrder
                           : previousSuit == kNoSuit ||
                                 suitOrder.find(card.suit) > suitOrder.find(previousSuit))
          << Ascii(hand.cards);
      previousSuit = card.suit;
      previousOrder = hand.orders[slot];
    }
    ASSERT_EQ(held, 7);
  }
  EXPECT_EQ(drawn["Ah"], kSamples);
  EXPECT_EQ(drawn["9s"], kSamples);
  for (const CardCode card : pool) {
    // Each pool card is drawn with probability one half: 2000 expected, sd about 32.
    EXPECT_NEAR(drawn[ToAscii(card)], kSamples / 2, 200) << ToAscii(card);
  }
}

TEST(CardSampling, FullyKnownHandDrawsNothing) {
  Situation s("7c 8c 9c", "Ah 9s 7h", "", 7);
  for (const CardCode card : Cards("Ah 9s 7h")) AddCardToTable(card, s.knowledge.knownHeld[2]);
  RandomSource random(21);
  RandomSource untouched(21);
  const SolverHand hand = SampleUserHand(s.state, s.knowledge, UnseenPool(s.knowledge), random);
  EXPECT_EQ(Ascii(hand.cards), "7h Ah 9s");
  EXPECT_EQ(random.Below(1000), untouched.Below(1000));
}

}  // namespace
}  // namespace klondar
