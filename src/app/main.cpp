// Plays one deal between the computer (player 1) and a stand-in for the user (player 2,
// deciding as the computer would from its seat) and prints it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/engine.h"
#include "engine/hand.h"
#include "opponent/bidding_evaluation.h"
#include "opponent/computer_opponent.h"
#include "opponent/seat_mirror.h"
#include "printing_table_view.h"

namespace {

using namespace klondar;

std::string SuitName(char suit) {
  switch (suit) {
    case kHearts: return "hearts";
    case kDiamonds: return "diamonds";
    case kClubs: return "clubs";
    case kSpades: return "spades";
    default: return "none";
  }
}

std::string HandText(const GameState& s, int player) {
  std::string text;
  for (int slot = 1; slot <= 10; ++slot) {
    if (s.hand[player][slot].IsEmpty()) continue;
    text += ToAscii(s.hand[player][slot]) + " ";
  }
  return text;
}

int FirstPlayableSlot(const GameState& s, int player) {
  for (int slot = 1; slot <= 9; ++slot) {
    if (MayPlay(s, player, slot)) return slot;
  }
  return 0;
}

const char* Name(int player) { return player == 1 ? "PC " : "You"; }

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t seed = 0;
  bool seeded = false;
  if (argc == 3 && std::string(argv[1]) == "--seed") {
    seed = std::strtoull(argv[2], nullptr, 10);
    seeded = true;
  } else if (argc != 1) {
    std::cerr << "usage: klondar [--seed N]\n";
    return 2;
  }
  RandomSource random = seeded ? RandomSource(seed) : RandomSource::FromDevice();

  GameState state;
  PrintingTableView view(state, std::cout);
  ComputerOpponent computer;
  Engine engine(state, view, computer, random);
  engine.SetPlayerNames("PC", "You");
  engine.Settings().cardFlights = false;

  std::cout << "Klondar: one deal against the computer\n\n";
  engine.StartDeal(false);
  std::cout << "Deal " << state.dealNumber << " of game " << state.gameNumber
            << ". Turned-up card " << ToAscii(state.deck[32]) << ": proposed trump "
            << SuitName(state.trumpSuit) << ".\n";
  std::cout << "  PC  holds: " << HandText(state, 1) << "\n";
  std::cout << "  You hold:  " << HandText(state, 2) << "\n";
  std::cout << Name(state.firstBidder) << " speak" << (state.firstBidder == 1 ? "s" : "")
            << " first.\n\nBidding\n";

  // Player 2 bids as the computer would in its seat. Its stage-2 answer depends only on
  // its hand and the turned-up card, so the dialog's answer can be set once.
  const char named = ChooseTrumpSuit(MirrorSeats(state));
  view.SetTrumpAnswer(IsSuit(named) ? std::optional<char>(named) : std::nullopt);
  engine.BeginDeal();
  while (state.phase != phase::kBuyPending && state.phase != phase::kDealOver) {
    if (state.phase == phase::kBid1Local) {
      if (AcceptProposedTrump(MirrorSeats(state))) {
        engine.TakeProposedTrump(2);
      } else {
        engine.PassStage1();
      }
    } else if (state.phase == phase::kBid1Opponent) {
      engine.OpponentBidStage1();
    } else if (state.phase == phase::kBid2Opponent) {
      engine.OpponentBidStage2(false, 0);
    } else {
      break;
    }
  }
  if (state.phase == phase::kDealOver) {
    std::cout << "\nBoth players passed twice: the deal is thrown in.\n";
    return 0;
  }
  std::cout << Name(state.taker) << " took the contract in " << SuitName(state.trumpSuit)
            << ".\n\nBuying\n";
  engine.BuyCards();
  std::cout << "  PC  holds: " << HandText(state, 1) << "\n";
  std::cout << "  You hold:  " << HandText(state, 2) << "\n";
  if (state.phase == phase::kExchangePending) {
    const int holder = state.sevenHolder;
    const CardCode turnedUp = state.deck[32];
    const bool exchange =
        holder == 1 || WantsSevenExchange(MirrorSeats(state));
    if (exchange) {
      engine.ExchangeSeven(holder);
      std::cout << "  " << Name(holder) << " exchanged the trump seven for the turned-up card "
                << ToAscii(turnedUp) << ".\n";
    } else {
      engine.SkipExchange();
    }
  }

  std::cout << "\nCombinations\n";
  engine.ShowCombinations();
  if (state.declarationWinner != 0) {
    std::cout << "  On the table: ";
    for (int i = 1; i <= state.tableCount; ++i) std::cout << ToAscii(state.tableCards[i]) << " ";
    std::cout << "\n";
  }
  engine.StartPlay();

  std::cout << "\nTricks\n";
  while (state.phase == phase::kPlayOpponent || state.phase == phase::kPlayLocal) {
    const int player = state.phase == phase::kPlayOpponent ? 1 : 2;
    if (player == 1) engine.PrimeOpponentKnowledge();
    const int trick = state.trickNumber;
    const int before1 = state.dealPoints[1];
    const int before2 = state.dealPoints[2];
    const int slot = FirstPlayableSlot(state, player);
    const CardCode card = state.hand[player][slot];
    engine.PlayCard(player, slot);
    std::cout << "  " << trick << ". " << Name(player) << " plays " << ToAscii(card) << "\n";
    if (state.phase == phase::kTrickComplete) {
      const int winner = state.leader;
      const int gained = winner == 1 ? state.dealPoints[1] - before1
                                     : state.dealPoints[2] - before2;
      std::cout << "     " << Name(winner) << " wins the trick (" << gained << ")\n";
      engine.CollectTrick();
    }
  }

  std::cout << "\nScore\n  Deal points: PC " << state.dealPoints[1] << ", You "
            << state.dealPoints[2] << " (contract: " << Name(state.taker) << ")\n"
            << "  Game points: PC " << state.gamePoints[1] << ", You " << state.gamePoints[2]
            << "\n";
  return 0;
}
