#include "tool_position.h"

#include <set>
#include <sstream>
#include <vector>

#include "engine/hand.h"

namespace klondar {

namespace {

bool ReadCards(const std::string& text, std::vector<CardCode>& cards, std::string& error) {
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    const auto card = CardFromAscii(word);
    if (!card) {
      error = "not a card: " + word + " (write cards as Ah, Tc, 7d ...)";
      return false;
    }
    cards.push_back(*card);
  }
  return true;
}

void PutTrickCard(GameState& s, int player, int slot, CardCode card) {
  PutCard(s, player, slot, card, TrickOrder(card, s.trumpSuit), TrickPoints(card, s.trumpSuit));
}

}  // namespace

ToolPosition ReadToolPosition(ToolArguments& args, bool withOther) {
  ToolPosition result;
  GameState& s = result.state;
  std::string& error = result.error;
  const std::string trump = args.Text("trump");
  s.trumpSuit = trump.size() == 1 ? SuitFromAscii(trump[0]) : kNoSuit;
  if (!IsSuit(s.trumpSuit)) {
    error = "--trump must be one of h d c s";
    return result;
  }
  std::vector<CardCode> mover;
  std::vector<CardCode> other;
  std::vector<CardCode> table;
  if (!ReadCards(args.Text("mover"), mover, error) ||
      !ReadCards(args.Text("table"), table, error)) {
    return result;
  }
  if (withOther && !ReadCards(args.Text("other"), other, error)) return result;
  if (mover.empty() || mover.size() > 9 || table.size() > 1) {
    error = "--mover needs 1 to 9 cards and --table at most one";
    return result;
  }

  s.taker = static_cast<std::uint8_t>(args.Number("taker", 1, 1, 2));
  s.trickNumber = static_cast<std::uint8_t>(args.Number("trick", 10 - mover.size(), 1, 9));
  s.options.optMustOvertrump = args.Has("overtrump");
  s.options.optBellaFirstHandOnly = args.Has("bella-first");
  const std::string points = args.Text("points", "0,0");
  const auto comma = points.find(',');
  try {
    if (comma == std::string::npos) throw std::invalid_argument(points);
    s.dealPoints[1] = std::stoi(points.substr(0, comma));
    s.dealPoints[2] = std::stoi(points.substr(comma + 1));
  } catch (const std::exception&) {
    error = "--points must be two numbers, player 1's and player 2's, as A,B";
    return result;
  }

  for (int p = 1; p <= 2; ++p) {
    for (int slot = 1; slot <= 10; ++slot) EmptySlot(s, p, slot);
  }
  // The mover's cards stand in the slots in the order given.
  for (std::size_t i = 0; i < mover.size(); ++i) {
    PutTrickCard(s, 1, static_cast<int>(i) + 1, mover[i]);
  }
  s.handCount[1] = static_cast<std::uint8_t>(mover.size());
  const int otherCount = static_cast<int>(mover.size()) - static_cast<int>(table.size());
  if (withOther) {
    for (std::size_t i = 0; i < other.size() && i < 9; ++i) {
      PutTrickCard(s, 2, static_cast<int>(i) + 1, other[i]);
    }
    // Sorted as a sampled hand is: suit groups, no trump group.
    SortCards(s.hand[2], s.handOrder[2], s.handPoints[2], s.handCount[2], kNoSuit);
    if (static_cast<int>(other.size()) != otherCount) {
      error = "--other must hold as many cards as --mover, one fewer with --table";
      return result;
    }
  } else {
    s.handCount[2] = static_cast<std::uint8_t>(args.Number("count", otherCount, 1, 9));
    std::vector<CardCode> ruledOut;
    std::vector<CardCode> known;
    if (!ReadCards(args.Text("ruled-out"), ruledOut, error) ||
        !ReadCards(args.Text("known"), known, error)) {
      return result;
    }
    result.knowledge.Clear();
    // Player 1's own cards and the led card are never in player 2's hand.
    for (const CardCode card : mover) AddCardToTable(card, result.knowledge.ruledOut[2]);
    for (const CardCode card : table) AddCardToTable(card, result.knowledge.ruledOut[2]);
    for (const CardCode card : ruledOut) AddCardToTable(card, result.knowledge.ruledOut[2]);
    for (const CardCode card : known) AddCardToTable(card, result.knowledge.knownHeld[2]);
  }

  s.trickPos = table.empty() ? 1 : 2;
  s.leader = table.empty() ? 1 : 2;
  s.trick = {kEmptyCard, kEmptyCard, kEmptyCard};
  s.trickOrder = {0, 0, 0};
  s.trickPoints = {0, 0, 0};
  if (!table.empty()) {
    s.trick[1] = table[0];
    s.trickOrder[1] = TrickOrder(table[0], s.trumpSuit);
    s.trickPoints[1] = TrickPoints(table[0], s.trumpSuit);
    s.ledSuit = table[0].suit;
  }
  s.phase = phase::kPlayOpponent;

  std::set<int> seen;
  std::size_t count = 0;
  for (int p = 1; p <= 2; ++p) {
    for (int slot = 1; slot <= 9; ++slot) {
      if (s.hand[p][slot].IsEmpty()) continue;
      seen.insert(CardNumber(s.hand[p][slot]));
      ++count;
    }
  }
  for (const CardCode card : table) {
    seen.insert(CardNumber(card));
    ++count;
  }
  if (seen.size() != count) error = "a card is given twice";
  return result;
}

}  // namespace klondar
