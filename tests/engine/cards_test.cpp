#include <gtest/gtest.h>

#include <set>

#include "engine/deck.h"
#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::Card;

TEST(CardCodes, BytesAreTheWindows1251Codes) {
  struct Case {
    const char* ascii;
    unsigned char rank;
    unsigned char suit;
  };
  const Case cases[] = {{"7h", 0x37, 0xF7}, {"8d", 0x38, 0xE1}, {"9c", 0x39, 0xEA},
                        {"Ts", 0x31, 0xEF}, {"Jh", 0xC2, 0xF7}, {"Qd", 0xC4, 0xE1},
                        {"Kc", 0xCA, 0xEA}, {"As", 0xD2, 0xEF}};
  for (const Case& c : cases) {
    const std::string bytes = Card(c.ascii).Bytes();
    ASSERT_EQ(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), c.rank) << c.ascii;
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), c.suit) << c.ascii;
    EXPECT_EQ(ToAscii(Card(c.ascii)), c.ascii);
  }
  EXPECT_EQ(kEmptyCard.Bytes(), "##");
  EXPECT_FALSE(CardFromAscii("Xh").has_value());
  EXPECT_FALSE(CardFromAscii("A").has_value());
}

TEST(CardCodes, NumberingRunsRankThenSuit) {
  EXPECT_EQ(CardFromNumber(1), Card("7h"));
  EXPECT_EQ(CardFromNumber(2), Card("7d"));
  EXPECT_EQ(CardFromNumber(5), Card("8h"));
  EXPECT_EQ(CardFromNumber(32), Card("As"));
  for (int k = 1; k <= 32; ++k) EXPECT_EQ(CardNumber(CardFromNumber(k)), k);
}

TEST(CardValues, TrickOrderAndPointsPlainAndTrump) {
  // rank, sequence, plain points, plain trick order, trump trick order, trump points
  struct Case {
    char rank;
    int sequence, plainPoints, plainOrder, trumpOrder, trumpPoints;
  };
  const Case cases[] = {{kSeven, 1, 0, 1, 1, 0}, {kEight, 2, 0, 2, 2, 0}, {kNine, 3, 0, 3, 7, 14},
                        {kTen, 4, 10, 7, 5, 10}, {kJack, 5, 2, 4, 8, 20}, {kQueen, 6, 3, 5, 3, 3},
                        {kKing, 7, 4, 6, 4, 4},  {kAce, 8, 11, 8, 6, 11}};
  int plainSuit = 0;
  int trumpSuit = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(SequenceOrder(c.rank), c.sequence);
    EXPECT_EQ(PlainPoints(c.rank), c.plainPoints);
    EXPECT_EQ(TrickOrder(MakeCard(c.rank, kClubs), kHearts), c.plainOrder);
    EXPECT_EQ(TrickOrder(MakeCard(c.rank, kHearts), kHearts), c.trumpOrder);
    EXPECT_EQ(TrickPoints(MakeCard(c.rank, kHearts), kHearts), c.trumpPoints);
    plainSuit += c.plainPoints;
    trumpSuit += c.trumpPoints;
  }
  EXPECT_EQ(plainSuit, 30);
  EXPECT_EQ(trumpSuit, 62);
}

TEST(Shuffle, EveryCardOnceAndSeedsRepeat) {
  RandomSource a(7);
  RandomSource b(7);
  GameState first;
  GameState second;
  ShuffleDeck(first, a);
  ShuffleDeck(second, b);
  EXPECT_EQ(first.deck, second.deck);
  std::set<int> seen;
  for (int i = 1; i <= 32; ++i) {
    seen.insert(CardNumber(first.deck[i]));
    EXPECT_EQ(first.deckOrder[i], SequenceOrder(first.deck[i].rank));
    EXPECT_EQ(first.deckPoints[i], PlainPoints(first.deck[i].rank));
  }
  EXPECT_EQ(seen.size(), 32u);
  EXPECT_EQ(seen.count(0), 0u);
  // The same generator goes on to a different order.
  ShuffleDeck(second, b);
  EXPECT_NE(first.deck, second.deck);
}

TEST(Shuffle, PositionsAreUniform) {
  // Each card should land at position 32 about 1/32 of the time.
  RandomSource random(2024);
  GameState state;
  std::array<int, 33> atTop{};
  const int rounds = 32000;
  for (int i = 0; i < rounds; ++i) {
    ShuffleDeck(state, random);
    ++atTop[CardNumber(state.deck[32])];
  }
  for (int k = 1; k <= 32; ++k) {
    EXPECT_GT(atTop[k], 800) << k;
    EXPECT_LT(atTop[k], 1200) << k;
  }
}

}  // namespace
}  // namespace klondar
