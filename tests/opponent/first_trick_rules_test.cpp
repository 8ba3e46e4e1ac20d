#include "opponent/first_trick_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/deck.h"
#include "engine/engine.h"
#include "opponent/hand_text.h"

namespace klondar {
namespace {

using hand_text::Card;
using hand_text::Cards;
using hand_text::DealHand;
using hand_text::UseTrickValues;

std::string HandText(const GameState& state, int player) {
  std::string text;
  for (int slot = 1; slot <= 9; ++slot) text += ToAscii(state.hand[player][slot]) + " ";
  return text;
}

void Lead(GameState& state, int leader, CardCode card, std::uint8_t order) {
  state.leader = static_cast<std::uint8_t>(leader);
  state.trick = {kEmptyCard, card, kEmptyCard};
  state.trickOrder = {0, order, kEmptyByte};
  state.ledSuit = card.suit;
  state.trickPos = 2;
}

// Spades are trump in every case; player 2's cards shown on the table fill exposedCards.
TEST(ChooseFirstTrickCard, RulesInTheirOrder) {
  struct Case {
    const char* why;
    const char* hand;
    const char* led;  // "" when player 1 leads
    const char* shown;
    bool bellaFirstHandOnly;
    const char* plays;
  };
  const Case cases[] = {
      // Leading.
      {"jack of trumps first, a singleton 7 notwithstanding", "Js 7s 7c Ah Th 9h Kd Qd 8d", "", "",
       false, "Js"},
      {"player 2 showed A K Q of trumps: the nine", "9s 8s 7h Ah Th Kd Qd 8c Tc", "", "Qs Ks As",
       false, "9s"},
      {"J A K Q of trumps shown is not A K Q", "9s 8s 7h Ah Th Kd Qd 8c Tc", "", "Js Qs Ks As",
       false, "Kd"},
      {"Bella kept for a lead: the queen", "Ks Qs 8s Ah Th 9h Kd 8d 7c", "", "", true, "Qs"},
      {"Bella may be an answer: holding rules", "Ks Qs 8s Ah Th 9h Kd 8d 7c", "", "", false, "7c"},
      {"a singleton 7 before A 10 of an earlier suit", "Ah Th 7c 8s 9s Qs Kd Jd 8d", "", "", false,
       "7c"},
      {"a singleton 7 before a singleton king of an earlier suit", "Kh 7c Ad Td Kd 8d 8s 9s Qs", "",
       "", false, "7c"},
      {"Q J 9 8 7 leads the seven", "Qh Jh 9h 8h 7h Ad Kd 8s 9s", "", "", false, "7h"},
      {"K Q 7 in a suit player 2 showed nothing of", "Kh Qh 7h Ad Td Kd 9s 8s 7s", "", "", false,
       "Qh"},
      {"K Q 7 where player 2 showed hearts: A 10 K", "Kh Qh 7h Ad Td Kd 9s 8s 7s", "", "8h 9h Th",
       false, "Ad"},
      {"A 10 K J is no ace holding: the first suit's top card", "Kh Qh 7h Ad Td Kd Jd 9s 8s", "",
       "8h 9h Th", false, "Kh"},
      {"seven diamonds with the ace before the ace of hearts", "Ah 9h Ad Kd Qd Jd 9d 8d 7d", "", "",
       false, "Ad"},
      {"a suit topped by the 10 is passed over", "Th 9h Ad Jd 9d 8s 7s Ks Qs", "", "", false, "Ad"},
      {"every plain suit topped by the 10: a 10", "Th 9h Td 8d Tc 7c 9s 8s 7s", "", "", false,
       "Th"},
      // Answering: cannot beat in the led suit.
      {"lowest of the led suit, trumps held", "Kh 8h Js 9s 7c 8c Qd Td 7d", "Ah", "", false, "8h"},
      // Answering a trump that player 1 can beat.
      {"the nine over the ten, no jack", "9s As 7s Kh 8h Qc 8c Jd 7d", "Ts", "", false, "9s"},
      {"the ace when the nine is missing", "Js As 8s Th 8h Qc 8c 7d 9d", "Ks", "", false, "As"},
      {"J 9 A 10 held: the highest", "Js 9s As Ts 8h 7h Qc 8c 7d", "Ks", "", false, "Js"},
      {"Bella kept: the eight takes the seven", "Js 9s As Ts Ks Qs 8s 7h 8h", "7s", "", true, "8s"},
      {"Bella may be an answer: the highest", "Js 9s As Ts Ks Qs 8s 7h 8h", "7s", "", false, "Js"},
      // Answering a plain card that player 1 can beat.
      {"J 9 A of trumps and the ace: the king wins", "Js 9s As Ad Kd 7d 8h 9h 7c", "8d", "", false,
       "Kd"},
      {"A K 7 without the top trumps: the ace", "Js 9s 8s Ad Kd 7d 8h 9h 7c", "8d", "", false,
       "Ad"},
      {"J 9 A of trumps without the suit's ace: the highest", "Js 9s As Kd Td 7d 8h 9h 7c", "8d",
       "", false, "Td"},
      {"J 9 A of trumps, nothing between the queen led and the ace", "Js 9s As Ad Jd 8h 9h 7c 8c",
       "Qd", "", false, "Ad"},
      {"A 7 under a shown run: duck with the seven", "Ad 7d Js 9s 8s Kh Qh 8c 7c", "8d", "9d Td Jd",
       false, "7d"},
      {"A 7, nothing shown: the ace", "Ad 7d Js 9s 8s Kh Qh 8c 7c", "8d", "", false, "Ad"},
      {"A K Q, the 10 shown, the jack led: the king", "Ad Kd Qd 7h 8h 9c 8c 7s 8s", "Jd",
       "8d 9d Td Jd", false, "Kd"},
      {"A K Q, a run without the 10 shown: the ace", "Ad Kd Qd 7h 8h 9c 8c 7s 8s", "Jd", "7d 8d 9d",
       false, "Ad"},
      {"A Q 7, the 10 shown, the king led: duck", "Ad Qd 7d 7h 8h 9c 8c 7s 8s", "Kd", "8d 9d Td",
       false, "7d"},
      {"A Q 7, the 10 shown, the jack led: the queen", "Ad Qd 7d 7h 8h 9c 8c 7s 8s", "Jd",
       "8d 9d Td", false, "Qd"},
      {"A J 7, the 10 shown, the 9 led: no duck", "Ad Jd 7d 7h 8h 9c 8c 7s 8s", "9d", "8d 9d Td",
       false, "Ad"},
      // Answering a plain card without the suit, holding trumps.
      {"the nine without the jack", "9s As 7s Kd Qd 8d 7c 8c 9c", "Ah", "", false, "9s"},
      {"J 9 A 8: the lowest trump", "Js 9s As 8s Kd Qd 8d 7c 8c", "Ah", "", false, "8s"},
      {"Bella kept: the seven", "Ks Qs 7s Kd Qd 8d 7c 8c 9c", "Ah", "", true, "7s"},
      {"Bella may be an answer: the king", "Ks Qs 7s Kd Qd 8d 7c 8c 9c", "Ah", "", false, "Ks"},
      {"Bella kept, no other trump: the king", "Ks Qs Kd Qd 8d 7c 8c 9c Jd", "Ah", "", true, "Ks"},
      // Discarding.
      {"a five-card suit: its lowest", "Kd Qd Jd 9d 8d Ac Tc Kc Qc", "Ah", "", false, "8d"},
      {"four cards with a small one: its lowest", "Ad Kd 9d 8d Ac Tc Kc Qc Jc", "Ah", "", false,
       "8d"},
      {"A 10 K Q J and 10 K Q J: the lowest card", "Ac Tc Kc Qc Jc Td Kd Qd Jd", "Ah", "", false,
       "Jc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    GameState state;
    state.trumpSuit = kSpades;
    state.options.optBellaFirstHandOnly = c.bellaFirstHandOnly;
    DealHand(state, 1, c.hand);
    ASSERT_EQ(state.handCount[1], 9);
    UseTrickValues(state, 1);
    const auto shown = Cards(c.shown);
    for (std::size_t i = 0; i < shown.size(); ++i) state.exposedCards[i + 1] = shown[i];
    if (*c.led != '\0') {
      const CardCode led = Card(c.led);
      Lead(state, 2, led, TrickOrder(led, kSpades));
    }
    const int slot = ChooseFirstTrickCard(state);
    ASSERT_TRUE(MayPlay(state, 1, slot)) << "slot " << slot;
    EXPECT_EQ(ToAscii(state.hand[1][slot]), c.plays);
  }
}

// Dealt as the engine deals, valued as play starts; player 2's shown cards are any of its
// cards. Player 1 leads, then answers each card player 2 could lead.
TEST(ChooseFirstTrickCard, AlwaysPlaysALegalCard) {
  for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
    RandomSource random(seed);
    GameState state;
    ShuffleDeck(state, random);
    state.trumpSuit = state.deck[32].suit;
    state.options.optBellaFirstHandOnly = random.Below(2) == 1;
    state.options.optMustOvertrump = random.Below(2) == 1;
    for (int p = 1; p <= 2; ++p) {
      for (int slot = 1; slot <= 10; ++slot) EmptySlot(state, p, slot);
      for (int i = 1; i <= 9; ++i) {
        const int position = i <= 6 ? (p - 1) * 6 + i : 12 + (p - 1) * 3 + (i - 6);
        PutCard(state, p, i, state.deck[position], state.deckOrder[position],
                state.deckPoints[position]);
      }
      UseTrickValues(state, p);
    }
    int shown = 0;
    for (int slot = 1; slot <= 9; ++slot) {
      if (random.Below(3) == 0) state.exposedCards[++shown] = state.hand[2][slot];
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + ", trump " + SuitToAscii(state.trumpSuit) +
                 ", player 1: " + HandText(state, 1));

    state.leader = 1;
    state.trickPos = 1;
    const int lead = ChooseFirstTrickCard(state);
    ASSERT_TRUE(MayPlay(state, 1, lead)) << "lead slot " << lead;

    for (int slot = 1; slot <= 9; ++slot) {
      Lead(state, 2, state.hand[2][slot], state.handOrder[2][slot]);
      const int answer = ChooseFirstTrickCard(state);
      ASSERT_TRUE(MayPlay(state, 1, answer))
          << "answer slot " << answer << " to " << ToAscii(state.hand[2][slot]);
    }
  }
}

}  // namespace
}  // namespace klondar
