#include "card_knowledge.h"

namespace klondar {

void CardKnowledge::Clear() {
  for (auto& table : ruledOut) table.fill(kEmptyCard);
  for (auto& table : knownHeld) table.fill(kEmptyCard);
}

bool TableHasCard(const KnowledgeTable& table, CardCode card) {
  for (int slot = 1; slot <= 32; ++slot) {
    if (table[slot] == card) return true;
  }
  return false;
}

void AddCardToTable(CardCode card, KnowledgeTable& table) {
  if (TableHasCard(table, card)) return;
  for (int slot = 1; slot <= 32; ++slot) {
    if (table[slot].IsEmpty()) {
      table[slot] = card;
      return;
    }
  }
}

namespace {

void RuleOutSuit(KnowledgeTable& table, char suit) {
  for (int rank = 1; rank <= 8; ++rank) AddCardToTable(MakeCard(kRanks[rank], suit), table);
}

}  // namespace

void NoteCardPlayed(CardKnowledge& knowledge, int trickPos, const std::array<CardCode, 3>& trick,
                    const std::array<std::uint8_t, 3>& trickOrder, bool optMustOvertrump,
                    char trumpSuit, int leader) {
  AddCardToTable(trick[trickPos], knowledge.ruledOut[1]);
  AddCardToTable(trick[trickPos], knowledge.ruledOut[2]);
  if (trickPos != 2) return;

  const char led = trick[1].suit;
  const char answered = trick[2].suit;
  const int q = leader == 1 ? 2 : 1;
  KnowledgeTable& table = knowledge.ruledOut[q];
  if (answered != led) {
    RuleOutSuit(table, led);
    if (led != trumpSuit && answered != trumpSuit) RuleOutSuit(table, trumpSuit);
  }
  if (optMustOvertrump && led == trumpSuit && answered == trumpSuit &&
      trickOrder[2] < trickOrder[1]) {
    // The answerer would have had to overtrump: it holds no trump above the led one.
    static constexpr char kByStrength[] = {kJack, kNine, kAce, kTen, kKing, kQueen};
    for (const char rank : kByStrength) {
      if (TrumpTrickOrder(rank) > trickOrder[1]) AddCardToTable(MakeCard(rank, trumpSuit), table);
    }
  }
}

void NoteExchangedCard(CardKnowledge& knowledge, int player, CardCode turnedUp) {
  AddCardToTable(turnedUp, knowledge.knownHeld[player]);
}

void NoteShownCards(CardKnowledge& knowledge, const GameState& state, int winner) {
  for (int i = 1; i <= 9; ++i) AddCardToTable(state.tableCards[i], knowledge.knownHeld[winner]);
}

void NoteVisibleCards(CardKnowledge& knowledge, const GameState& state) {
  for (int p = 1; p <= 2; ++p) {
    AddCardToTable(state.deck[32], knowledge.ruledOut[p]);
    if (state.options.optFreza) AddCardToTable(state.deck[31], knowledge.ruledOut[p]);
  }
  for (int slot = 1; slot <= 9; ++slot) {
    AddCardToTable(state.hand[1][slot], knowledge.ruledOut[2]);
  }
}

void NotePlayedByPlayer(CardKnowledge& knowledge, const GameState& state, int player) {
  NoteCardPlayed(knowledge, state.trickPos, state.trick, state.trickOrder,
                 state.options.optMustOvertrump, state.trumpSuit, state.leader);
  const CardCode played = state.trick[state.trickPos];
  KnowledgeTable& held = knowledge.knownHeld[player];
  for (int slot = 1; slot <= 9; ++slot) {
    if (held[slot] == played) held[slot] = kEmptyCard;
  }
}

}  // namespace klondar
