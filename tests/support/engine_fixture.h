// Shared set-up for engine tests: hands from ASCII text, a scripted opponent, and an
// engine wired to a recording view.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/hand.h"
#include "engine/recording_table_view.h"

namespace klondar::testing {

inline CardCode Card(const std::string& ascii) {
  const auto card = CardFromAscii(ascii);
  EXPECT_TRUE(card.has_value()) << ascii;
  return card.value_or(kEmptyCard);
}

inline std::vector<CardCode> Cards(const std::string& text) {
  std::istringstream in(text);
  std::vector<CardCode> cards;
  std::string word;
  while (in >> word) cards.push_back(Card(word));
  return cards;
}

// Fills the player's slots with the cards (sequence orders, plain points), empties the
// rest and sorts by the state's trump suit.
inline void SetHand(GameState& state, int player, const std::string& text) {
  for (int slot = 1; slot <= 10; ++slot) EmptySlot(state, player, slot);
  int slot = 1;
  for (const CardCode card : Cards(text)) PutCardPlain(state, player, slot++, card);
  SortHand(state, player);
}

// Rewrites a hand's order and point bytes to trick values, as play starts.
inline void UseTrickValues(GameState& state, int player) {
  for (int slot = 1; slot <= 10; ++slot) {
    const CardCode card = state.hand[player][slot];
    if (card.IsEmpty()) continue;
    state.handOrder[player][slot] = TrickOrder(card, state.trumpSuit);
    state.handPoints[player][slot] = TrickPoints(card, state.trumpSuit);
  }
  SortHand(state, player);
}

inline std::string HandAscii(const GameState& state, int player) {
  std::string text;
  for (int slot = 1; slot <= 10; ++slot) {
    if (state.hand[player][slot].IsEmpty()) continue;
    if (!text.empty()) text += " ";
    text += ToAscii(state.hand[player][slot]);
  }
  return text;
}

// An opponent whose bids are set by the test and which records what it was told.
class ScriptedOpponent : public Opponent {
 public:
  bool accept = false;
  char namedSuit = kNoSuit;
  bool exchange = false;
  int resets = 0;
  int cardChoices = 0;
  std::vector<std::string> notes;

  bool AcceptProposedTrump(const GameState&) override { return accept; }
  char ChooseTrumpSuit(const GameState&) override { return namedSuit; }
  bool WantsSevenExchange(const GameState&) override { return exchange; }
  // The lowest slot that may be played.
  int ChooseCard(const GameState& state, TableView&) override {
    ++cardChoices;
    for (int slot = 1; slot <= 9; ++slot) {
      if (MayPlay(state, 1, slot)) return slot;
    }
    return 0;
  }
  void ResetKnowledge() override { ++resets; }
  void NoteExchange(int player, CardCode card) override {
    notes.push_back("exchange " + std::to_string(player) + " " + ToAscii(card));
  }
  void NoteShownCards(const GameState& state, int winner) override {
    std::string note = "shown " + std::to_string(winner);
    for (int i = 1; i <= state.tableCount; ++i) {
      note += ' ';
      note += ToAscii(state.tableCards[i]);
    }
    notes.push_back(note);
  }
  void NoteVisibleCards(const GameState&) override { notes.push_back("visible"); }
  void NoteCardPlayed(const GameState& state, int player) override {
    notes.push_back("played " + std::to_string(player) + " " +
                    ToAscii(state.trick[state.trickPos]));
  }
};

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : view(state), random(42), engine(state, view, opponent, random) {
    engine.SetPlayerNames("PC", "Ann");
  }

  // True when the recorded lines contain `expected` in this order (others may lie between).
  ::testing::AssertionResult CallsInOrder(const std::vector<std::string>& expected) const {
    const std::vector<std::string> lines = view.Lines();
    std::size_t at = 0;
    for (const std::string& want : expected) {
      const auto found =
          std::find(lines.begin() + static_cast<std::ptrdiff_t>(at), lines.end(), want);
      if (found == lines.end()) {
        std::string all;
        for (const std::string& line : lines) all += "\n  " + line;
        return ::testing::AssertionFailure() << "missing (in order): " << want << all;
      }
      at = static_cast<std::size_t>(found - lines.begin()) + 1;
    }
    return ::testing::AssertionSuccess();
  }

  int CountCalls(const std::string& line) const {
    const std::vector<std::string> lines = view.Lines();
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
  }

  GameState state;
  RecordingTableView view;
  ScriptedOpponent opponent;
  RandomSource random;
  Engine engine;
};

}  // namespace klondar::testing
