#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace klondar {
namespace {

using testing::Card;
using testing::EngineTest;
using testing::HandAscii;
using testing::SetHand;
using testing::UseTrickValues;

class TrickPlay : public EngineTest {
 protected:
  // Both hands with trick values, player `leader` to lead trick `trickNumber`.
  void Prepare(const std::string& hand1, const std::string& hand2, char trump, int leader,
               int trickNumber = 1) {
    state.trumpSuit = trump;
    SetHand(state, 1, hand1);
    SetHand(state, 2, hand2);
    UseTrickValues(state, 1);
    UseTrickValues(state, 2);
    state.leader = state.previousLeader = static_cast<std::uint8_t>(leader);
    state.phase = static_cast<std::uint8_t>(20 + leader);
    state.trickPos = 1;
    state.trickNumber = static_cast<std::uint8_t>(trickNumber);
    state.dealPoints = {0, 0, 0};
    state.taker = 1;
    view.Clear();
  }
  void Play(int player, const std::string& card) {
    const int slot = HandCardSlot(state.hand[player], Card(card));
    ASSERT_NE(slot, 0) << card;
    engine.PlayCard(player, slot);
  }
};

TEST_F(TrickPlay, LegalityOfAnswers) {
  const struct {
    const char* lead;
    const char* hand2;
    const char* answer;
    bool overtrump;
    int reason;
  } cases[] = {
      {"Ac", "7c Kd Jh", "7c", true, 0},
      // The later test overwrites: a plain card of a third suit while holding trumps.
      {"Ac", "7c Kd Jh", "Kd", true, 2},
      {"Ac", "7c Kd Jh", "Jh", true, 1},
      // Void in the led suit: any trump, but not a third suit.
      {"Ac", "Kd 8h Jh", "8h", true, 0},
      {"Ac", "Kd 8h Jh", "Kd", true, 2},
      // Void in both: anything goes.
      {"Ac", "Kd 8s", "Kd", true, 0},
      // Trump led: the higher trump is demanded only with the option.
      {"9h", "Jh 8h Ac", "8h", true, 3},
      {"9h", "Jh 8h Ac", "Jh", true, 0},
      {"9h", "Jh 8h Ac", "8h", false, 0},
      {"9h", "Jh 8h Ac", "Ac", false, 2},
      // No higher trump held: a lower one is fine.
      {"Jh", "9h 8h", "8h", true, 0},
      // Trump led and void in trumps: follow with anything.
      {"9h", "Ac Kd", "Kd", true, 0},
  };
  for (const auto& c : cases) {
    Prepare("Ac 9h Jh 7s", c.hand2, kHearts, 1);
    state.options.optMustOvertrump = c.overtrump;
    // Put the lead on the table without the engine's help.
    const CardCode lead = Card(c.lead);
    state.trick[1] = lead;
    state.trickOrder[1] = TrickOrder(lead, kHearts);
    state.trickPoints[1] = TrickPoints(lead, kHearts);
    state.trickPos = 2;
    const int slot = HandCardSlot(state.hand[2], Card(c.answer));
    ASSERT_NE(slot, 0);
    EXPECT_EQ(engine.CheckLegalAnswer(slot), c.reason)
        << c.lead << " answered " << c.answer << " from " << c.hand2 << " overtrump "
        << c.overtrump;
    EXPECT_EQ(MayPlay(state, 2, slot), c.reason == 0);
  }
}

TEST_F(TrickPlay, TrickWinners) {
  const struct {
    const char* lead;
    const char* answer;
    int leader;
    int winner;
    int points;
  } cases[] = {
      {"9h", "Jh", 1, 2, 34},  // jack over nine in trumps
      {"Ah", "9h", 2, 1, 25},  // nine over ace in trumps
      {"Th", "Ah", 1, 2, 21},  // ace over ten in trumps
      {"Tc", "Kc", 1, 1, 14},  // plain ten over king
      {"Ac", "7h", 2, 1, 11},  // a seven of trump takes a plain ace
      {"Ac", "Kd", 1, 1, 15},  // another plain suit: the leader wins
      {"7h", "Ac", 2, 2, 11},  // trump led, plain answer: the trump wins
  };
  for (const auto& c : cases) {
    const int other = 3 - c.leader;
    const std::string leadHand = std::string(c.lead) + " 8s";
    const std::string answerHand = std::string(c.answer) + " 9s";
    Prepare(c.leader == 1 ? leadHand : answerHand, c.leader == 1 ? answerHand : leadHand, kHearts,
            c.leader);
    state.options.optBellaFirstHandOnly = false;
    Play(c.leader, c.lead);
    EXPECT_EQ(state.phase, 20 + other);
    Play(other, c.answer);
    EXPECT_EQ(state.phase, phase::kTrickComplete);
    EXPECT_EQ(state.leader, c.winner) << c.lead << " " << c.answer;
    EXPECT_EQ(state.dealPoints[c.winner], c.points) << c.lead << " " << c.answer;
    EXPECT_EQ(state.trickNumber, 2);
    EXPECT_TRUE(CallsInOrder({"DrawScoreBoard " + std::to_string(c.winner) +
                                  " mark deal=" + std::to_string(c.points) + " total=0 keepstar",
                              "SetActionButton 7 'Ok' enabled"}));
    engine.CollectTrick();
    EXPECT_EQ(state.phase, 20 + c.winner);
    EXPECT_EQ(state.previousLeader, c.winner);
    EXPECT_TRUE(state.trick[1].IsEmpty());
  }
}

TEST_F(TrickPlay, LastTrickIsWorthTenMore) {
  Prepare("7c", "8d", kHearts, 1, 9);
  Play(1, "7c");
  Play(2, "8d");
  EXPECT_EQ(state.dealPoints[1], 10);
  EXPECT_EQ(state.trickNumber, 10);
}

TEST_F(TrickPlay, Bella) {
  const struct {
    bool firstHandOnly;
    bool kingAsAnswer;
    int bellaPoints;
  } cases[] = {{false, false, 20}, {true, false, 20}, {false, true, 20}, {true, true, 0}};
  for (const auto& c : cases) {
    // Player 1 holds king and queen of trump.
    if (c.kingAsAnswer) {
      Prepare("Kh Qh 7c", "Ah 8c 9c", kHearts, 2);
      state.options.optBellaFirstHandOnly = c.firstHandOnly;
      Play(2, "Ah");
      Play(1, "Kh");
    } else {
      Prepare("Kh Qh 7c", "Ah 8c 9c", kHearts, 1);
      state.options.optBellaFirstHandOnly = c.firstHandOnly;
      Play(1, "Kh");
      EXPECT_EQ(state.dealPoints[1], c.bellaPoints);
      Play(2, "Ah");
    }
    const int afterKing = state.dealPoints[1];
    const int trickValue = state.leader == 1 ? 15 : 0;
    EXPECT_EQ(afterKing, c.bellaPoints + trickValue)
        << c.firstHandOnly << " answer " << c.kingAsAnswer;
    EXPECT_EQ(CountCalls("ShowSpeech 1 b Bella"), c.bellaPoints > 0 ? 1 : 0);
    engine.CollectTrick();
    // The queen played later never scores Bella again.
    state.leader = 1;
    state.phase = phase::kPlayOpponent;
    view.Clear();
    const int before = state.dealPoints[1];
    Play(1, "Qh");
    EXPECT_EQ(state.dealPoints[1], before);
    EXPECT_EQ(CountCalls("ShowSpeech 1 b Bella"), 0);
  }
}

TEST_F(TrickPlay, PlayedCardsLeaveTheHandAndReachTheKnowledge) {
  Prepare("Ac Kc", "7c 8c", kHearts, 1);
  Play(1, "Kc");
  EXPECT_EQ(HandAscii(state, 1), "Ac");
  EXPECT_EQ(state.handCount[1], 1);
  EXPECT_EQ(state.trick[1], Card("Kc"));
  EXPECT_EQ(state.ledSuit, kClubs);
  EXPECT_EQ(state.trickPos, 2);
  Play(2, "8c");
  EXPECT_EQ(opponent.notes, (std::vector<std::string>{"played 1 Kc", "played 2 8c"}));
  EXPECT_TRUE(CallsInOrder({"DrawHand 1 down", "AnimateCardMove hand1.1>trick1 Kc",
                            "DrawTableCard trick1 Kc", "PlayWaveResource WHodsDo wait",
                            "AnimateCardMove hand2.2>trick2 8c"}));
  view.Clear();
  engine.CollectTrick();
  EXPECT_TRUE(CallsInOrder({"ShowSpeech 1 y PC", "ShowSpeech 2 y Ann", "RepaintTableSlot trick1",
                            "AnimateCardMove trick1>off1 Kc", "RepaintTableSlot trick2",
                            "AnimateCardMove trick2>off1 8c", "Pause 400",
                            "SetActionButton 7 'Ok' disabled"}));
}

TEST_F(TrickPlay, CollectingWithoutFlightsRepaintsTheTable) {
  engine.Settings().cardFlights = false;
  Prepare("Ac Kc", "7c 8c", kHearts, 2);
  Play(2, "7c");
  Play(1, "Ac");
  view.Clear();
  engine.CollectTrick();
  EXPECT_TRUE(CallsInOrder({"RepaintTableSlot table"}));
  EXPECT_EQ(CountCalls("Pause 400"), 0);
  EXPECT_EQ(state.phase, phase::kPlayOpponent);
}

TEST_F(TrickPlay, StartPlaySetsTrickValuesAndFreza) {
  state.trumpSuit = kSpades;
  SetHand(state, 1, "Js 9s As Ts Ks Qs 8s 7s Ac");
  SetHand(state, 2, "Ah Th Kh Qh Jh 9h 8h 7h Tc");
  state.firstBidder = 2;
  state.declarationWinner = 0;
  state.options.optFreza = true;
  state.deck[31] = Card("9d");
  state.deck[32] = Card("Kd");
  state.nextDeckCard = 19;
  state.phase = phase::kCombinationsShown;
  engine.Settings().soundsOn = false;
  view.Clear();
  engine.StartPlay();
  EXPECT_EQ(state.phase, phase::kPlayLocal);
  EXPECT_EQ(state.leader, 2);
  EXPECT_EQ(HandAscii(state, 1), "Ac 7s 8s Qs Ks Ts As 9s Js");
  const int jack = HandCardSlot(state.hand[1], Card("Js"));
  EXPECT_EQ(state.handOrder[1][jack], 8);
  EXPECT_EQ(state.handPoints[1][jack], 20);
  const int ten = HandCardSlot(state.hand[2], Card("Th"));
  EXPECT_EQ(state.handOrder[2][ten], 7);
  EXPECT_EQ(state.handPoints[2][ten], 10);
  EXPECT_TRUE(CallsInOrder({"SetActionButton 7 'Ok' disabled", "ShowSpeech 1 y PC",
                            "PlayWaveResource WToMenK wait", "Pause 500", "DrawHand 1 down",
                            "DrawHand 2 up", "Pause 500", "DrawStock Kd 9d 19",
                            "PlayWaveResource WDing_1 wait"}));
}

}  // namespace
}  // namespace klondar
