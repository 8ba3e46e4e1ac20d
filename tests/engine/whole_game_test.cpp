// Whole games played through the engine's operations alone: player 1 bids as the computer
// does and plays any legal card, player 2 decides as the computer would from its seat.
#include <gtest/gtest.h>

#include <set>

#include "opponent/bidding_evaluation.h"
#include "opponent/computer_opponent.h"
#include "opponent/seat_mirror.h"
#include "support/engine_fixture.h"

namespace klondar {
namespace {

// Answers the trump dialog as the computer would in player 2's seat.
class SeatedView : public RecordingTableView {
 public:
  explicit SeatedView(const GameState& state) : RecordingTableView(state), state_(state) {}
  std::optional<char> AskTrumpSuit(char unavailableSuit) override {
    RecordingTableView::AskTrumpSuit(unavailableSuit);
    const char suit = ChooseTrumpSuit(MirrorSeats(state_));
    if (!IsSuit(suit)) return std::nullopt;
    return suit;
  }

 private:
  const GameState& state_;
};

struct GameSummary {
  int deals = 0;
  int thrownIn = 0;
  int finalDifference = 0;
  std::vector<std::string> problems;
};

int LegalSlot(const GameState& s, int player, RandomSource& random) {
  std::vector<int> legal;
  for (int slot = 1; slot <= 9; ++slot) {
    if (MayPlay(s, player, slot)) legal.push_back(slot);
  }
  if (legal.empty()) return 0;
  return legal[random.Below(static_cast<std::uint32_t>(legal.size()))];
}

// Points of the 18 cards in play, with trump values.
int CardPointsInPlay(const GameState& s) {
  int total = 0;
  for (int p = 1; p <= 2; ++p) {
    for (int slot = 1; slot <= 9; ++slot) total += TrickPoints(s.hand[p][slot], s.trumpSuit);
  }
  return total;
}

GameSummary PlayGame(std::uint64_t seed, const RuleOptions& options, GameState& state) {
  GameSummary summary;
  SeatedView view(state);
  RandomSource random(seed);
  ComputerOpponent computer(random);
  RandomSource choices(seed * 31 + 7);
  Engine engine(state, view, computer, random);
  state.options = options;
  engine.SetGameEndRecorder([&](std::int32_t d) { summary.finalDifference = d; });
  auto problem = [&](const std::string& what) {
    summary.problems.push_back("deal " + std::to_string(state.dealNumber) + ": " + what);
  };

  engine.StartDeal(false);
  std::vector<CardCode> collected;
  int expectedTotal = 0;
  for (int steps = 0; steps < 5000; ++steps) {
    const std::uint8_t ph = state.phase;
    if (state.startPending == 1 && (ph == 1 || ph == 2)) {
      if (!engine.Button(ActionButton::kButton7).enabled) problem("To Begin disabled");
      collected.clear();
      engine.BeginDeal();
      continue;
    }
    switch (ph) {
      case phase::kBid1Local:
        if (AcceptProposedTrump(MirrorSeats(state))) {
          engine.TakeProposedTrump(2);
        } else {
          engine.PassStage1();
        }
        break;
      case phase::kBid1Opponent:
        engine.OpponentBidStage1();
        break;
      case phase::kBid2Opponent:
        engine.OpponentBidStage2(false, 0);
        break;
      case phase::kBuyPending:
        engine.BuyCards();
        break;
      case phase::kExchangePending:
        if (state.sevenHolder == 1 || WantsSevenExchange(MirrorSeats(state))) {
          engine.ExchangeSeven(state.sevenHolder);
        } else {
          engine.SkipExchange();
        }
        break;
      case phase::kCombinationsPending:
        engine.ShowCombinations();
        break;
      case phase::kCombinationsShown: {
        engine.StartPlay();
        expectedTotal = CardPointsInPlay(state) + 10 +
                        (state.declarationWinner ? state.dealPoints[state.declarationWinner] : 0);
        break;
      }
      case phase::kPlayOpponent:
      case phase::kPlayLocal: {
        const int player = ph == phase::kPlayOpponent ? 1 : 2;
        if (state.trickPos == 1) {
          // Every card is in exactly one place.
          std::set<int> seen;
          int count = 0;
          auto see = [&](CardCode c) {
            if (c.IsEmpty()) return;
            seen.insert(CardNumber(c));
            ++count;
          };
          for (int p = 1; p <= 2; ++p) {
            for (int slot = 1; slot <= 10; ++slot) see(state.hand[p][slot]);
          }
          for (int i = 19; i <= 32; ++i) see(state.deck[i]);
          for (const CardCode c : collected) see(c);
          if (count != 32 || seen.size() != 32) problem("cards not each in one place");
        }
        if (player == 1) engine.PrimeOpponentKnowledge();
        const int slot = LegalSlot(state, player, choices);
        if (slot == 0) {
          problem("no legal card");
          return summary;
        }
        if (player == 2 && state.trickPos == 2 && engine.CheckLegalAnswer(slot) != 0) {
          problem("legal card refused");
        }
        collected.push_back(state.hand[player][slot]);
        engine.PlayCard(player, slot);
        break;
      }
      case phase::kTrickComplete: {
        const bool lastTrick = state.trickNumber == 10;
        engine.CollectTrick();
        if (lastTrick) {
          ++summary.deals;
          int bella = 0;
          for (const ViewCall& call : view.Calls()) {
            if (call.op == "ShowSpeech" && call.text == "Bella") bella += 20;
          }
          if (state.dealPoints[1] + state.dealPoints[2] != expectedTotal + bella) {
            problem("deal points do not add up");
          }
          const bool reached = state.gamePoints[1] >= options.targetScore ||
                               state.gamePoints[2] >= options.targetScore;
          if (reached != (state.phase == phase::kGameOver)) problem("wrong end of game");
        }
        break;
      }
      case phase::kDealOver:
        if (state.trickNumber == 1) ++summary.thrownIn;
        view.Clear();
        engine.StartDeal(true);
        break;
      case phase::kGameOver:
        engine.SumUpGame();
        engine.LeaveFinishedGame();
        return summary;
      default:
        problem("stuck in phase " + std::to_string(ph));
        return summary;
    }
  }
  problem("game did not end");
  return summary;
}

TEST(WholeGame, GamesRunToTheirEndWithTheInvariantsKept) {
  for (std::uint64_t seed = 1; seed <= 24; ++seed) {
    RuleOptions options;
    options.targetScore = seed % 2 ? 301 : 501;
    options.optMustOvertrump = seed % 3 != 0;
    options.optBellaFirstHandOnly = seed % 4 == 0;
    options.optAlternateFirstBidder = seed % 5 == 0;
    options.optFreza = seed % 2 == 0;
    options.optTrumpSevenExchange = seed % 7 != 0;
    GameState state;
    const GameSummary summary = PlayGame(seed, options, state);
    EXPECT_TRUE(summary.problems.empty()) << "seed " << seed << ": " << summary.problems.front();
    EXPECT_GT(summary.deals, 0);
    EXPECT_EQ(state.gameSummarised, 1) << seed;
    EXPECT_EQ(summary.finalDifference, state.gamePoints[2]);
    EXPECT_EQ(state.gamePoints[1], -state.gamePoints[2]);
  }
}

}  // namespace
}  // namespace klondar
