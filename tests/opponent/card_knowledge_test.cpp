#include "opponent/card_knowledge.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "opponent/hand_text.h"

namespace klondar {
namespace {

using hand_text::Card;
using hand_text::Cards;
using hand_text::DealHand;
using hand_text::SortedAscii;
using hand_text::SortedText;

int Listed(const KnowledgeTable& table) {
  int count = 0;
  for (int slot = 1; slot <= 32; ++slot) count += table[slot].IsEmpty() ? 0 : 1;
  return count;
}

bool EachListedOnce(const KnowledgeTable& table) {
  std::set<int> seen;
  for (int slot = 1; slot <= 32; ++slot) {
    if (!table[slot].IsEmpty() && !seen.insert(CardNumber(table[slot])).second) return false;
  }
  return true;
}

std::string AllOf(char suitLetter) {
  std::string text;
  for (const char rank : std::string("789TJQKA")) text += std::string{' ', rank, suitLetter};
  return text;
}

TEST(KnowledgeTable, ListsACardOnceInTheFirstEmptySlot) {
  KnowledgeTable table;
  table.fill(kEmptyCard);
  for (const CardCode card : Cards("Ah Kh Ah Kh")) AddCardToTable(card, table);
  EXPECT_EQ(table[1], Card("Ah"));
  EXPECT_EQ(table[2], Card("Kh"));
  EXPECT_EQ(Listed(table), 2);

  table[1] = kEmptyCard;
  AddCardToTable(Card("Qs"), table);
  AddCardToTable(Card("Kh"), table);
  EXPECT_EQ(table[1], Card("Qs"));
  EXPECT_EQ(Listed(table), 2);
  EXPECT_TRUE(TableHasCard(table, Card("Kh")));
  EXPECT_FALSE(TableHasCard(table, Card("Ah")));
}

// Hearts is trump. After the lead both sides rule out the led card; after the answer the
// leader's table holds the two cards and the answerer's also what its answer revealed.
TEST(NoteCardPlayed, AnswersRuleOutWhatTheAnswererCannotHold) {
  struct Case {
    const char* why;
    const char* led;
    const char* answer;
    int leader;
    bool mustOvertrump;
    std::string revealed;  // ruled out for the answerer besides the two cards
  };
  const Case cases[] = {
      {"followed suit", "Ac", "7c", 1, true, ""},
      {"trumped a plain lead: the led suit, no trump", "Ac", "7h", 1, true, AllOf('c')},
      {"neither followed nor trumped", "Ac", "7d", 1, true, AllOf('c') + AllOf('h')},
      {"plain answer to a trump lead", "9h", "Ad", 1, true, AllOf('h')},
      {"player 1 answering", "Ac", "7d", 2, true, AllOf('c') + AllOf('h')},
      {"under the 9 of trumps", "9h", "8h", 1, true, "Jh"},
      {"under the ace of trumps", "Ah", "Kh", 1, true, "Jh 9h"},
      {"under the 10 of trumps", "Th", "Qh", 1, true, "Jh 9h Ah"},
      {"under the king of trumps", "Kh", "8h", 1, true, "Jh 9h Ah Th"},
      {"under the queen of trumps", "Qh", "7h", 1, true, "Jh 9h Ah Th Kh"},
      {"under the 8 of trumps", "8h", "7h", 1, true, "Jh 9h Ah Th Kh Qh"},
      {"under a trump with the option off", "Ah", "Kh", 1, false, ""},
      {"over the led trump", "Th", "9h", 1, true, ""},
  };
  const char trump = kHearts;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    CardKnowledge knowledge;
    knowledge.Clear();
    std::array<CardCode, 3> trick{kEmptyCard, Card(c.led), kEmptyCard};
    std::array<std::uint8_t, 3> orders{0, TrickOrder(trick[1], trump), 0};
    NoteCardPlayed(knowledge, 1, trick, orders, c.mustOvertrump, trump, c.leader);
    EXPECT_EQ(SortedAscii(knowledge.ruledOut[1]), SortedText(c.led));
    EXPECT_EQ(SortedAscii(knowledge.ruledOut[2]), SortedText(c.led));

    trick[2] = Card(c.answer);
    orders[2] = TrickOrder(trick[2], trump);
    NoteCardPlayed(knowledge, 2, trick, orders, c.mustOvertrump, trump, c.leader);
    const std::string played = std::string(c.led) + " " + c.answer;
    const KnowledgeTable& answerer = knowledge.ruledOut[c.leader == 1 ? 2 : 1];
    EXPECT_EQ(SortedAscii(knowledge.ruledOut[c.leader]), SortedText(played));
    EXPECT_EQ(SortedAscii(answerer), SortedText(played + " " + c.revealed));
    EXPECT_TRUE(EachListedOnce(answerer));
  }
}

TEST(NoteVisibleCards, TurnedUpAndOwnCardsAlwaysFrezaOnlyWhenShown) {
  const char* ownCards = "Ah Kh Qh Jh Th 9h 8h 7h Ac";
  for (const bool freza : {false, true}) {
    SCOPED_TRACE(freza ? "freza on" : "freza off");
    GameState state;
    state.trumpSuit = kHearts;
    state.options.optFreza = freza;
    state.deck[31] = Card("Ks");
    state.deck[32] = Card("7d");
    DealHand(state, 1, ownCards);
    CardKnowledge knowledge;
    knowledge.Clear();
    NoteVisibleCards(knowledge, state);
    const std::string seen = freza ? "7d Ks" : "7d";
    EXPECT_EQ(SortedAscii(knowledge.ruledOut[1]), SortedText(seen));
    EXPECT_EQ(SortedAscii(knowledge.ruledOut[2]), SortedText(seen + " " + ownCards));
  }
}

TEST(KnownHeld, ExchangedAndShownCardsStayKnownUntilPlayed) {
  GameState state;
  state.trumpSuit = kHearts;
  CardKnowledge knowledge;
  knowledge.Clear();
  NoteExchangedCard(knowledge, 2, Card("Jh"));
  const auto shown = Cards("9h Th Jh");
  for (std::size_t i = 0; i < shown.size(); ++i) state.tableCards[i + 1] = shown[i];
  state.tableCount = 3;
  NoteShownCards(knowledge, state, 2);
  EXPECT_EQ(SortedAscii(knowledge.knownHeld[2]), SortedText("Jh 9h Th"));
  EXPECT_EQ(Listed(knowledge.knownHeld[2]), 3);
  EXPECT_EQ(Listed(knowledge.knownHeld[1]), 0);

  // Player 2 leads the ten, player 1 answers: only the ten leaves player 2's known cards.
  state.leader = 2;
  state.trickPos = 1;
  state.trick[1] = Card("Th");
  state.trickOrder[1] = TrickOrder(state.trick[1], kHearts);
  NotePlayedByPlayer(knowledge, state, 2);
  EXPECT_EQ(SortedAscii(knowledge.knownHeld[2]), SortedText("Jh 9h"));
  state.trickPos = 2;
  state.trick[2] = Card("Ah");
  state.trickOrder[2] = TrickOrder(state.trick[2], kHearts);
  NotePlayedByPlayer(knowledge, state, 1);
  EXPECT_EQ(SortedAscii(knowledge.knownHeld[2]), SortedText("Jh 9h"));
  EXPECT_TRUE(TableHasCard(knowledge.ruledOut[2], Card("Th")));
  EXPECT_TRUE(TableHasCard(knowledge.ruledOut[1], Card("Ah")));
}

}  // namespace
}  // namespace klondar
