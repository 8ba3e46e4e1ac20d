#include "self_play.h"

#include <functional>
#include <ostream>
#include <set>

#include "engine/engine.h"
#include "engine/game_flow.h"
#include "engine/recording_table_view.h"
#include "self_play_seats.h"

namespace klondar {

namespace {

constexpr int kStrip = 20;

std::string SuitName(char suit) {
  switch (suit) {
    case kHearts:
      return "hearts";
    case kDiamonds:
      return "diamonds";
    case kClubs:
      return "clubs";
    case kSpades:
      return "spades";
    default:
      return "none";
  }
}

std::string HandText(const GameState& s, int player) {
  std::string text;
  for (int slot = 1; slot <= 10; ++slot) {
    if (s.hand[player][slot].IsEmpty()) continue;
    if (!text.empty()) text += " ";
    text += ToAscii(s.hand[player][slot]);
  }
  return text;
}

// Records like any recording view, prints what is said at the table when tracing, and
// answers the trump dialog for player 2.
class SelfPlayView : public RecordingTableView {
 public:
  SelfPlayView(const GameState& state, std::ostream* trace, const SelfPlayConfig& config)
      : RecordingTableView(state, kStrip), trace_(trace), config_(config) {}

  std::function<std::optional<char>()> answerTrump;
  int bellaPoints = 0;

  void ShowSpeech(int player, const std::string& text, char colour) override {
    RecordingTableView::ShowSpeech(player, text, colour);
    if (text == "Bella") bellaPoints += 20;
    if (trace_ == nullptr || colour == kYellow || text.empty()) return;
    *trace_ << "  " << (player == 1 ? config_.name1 : config_.name2) << ": " << text << "\n";
  }
  std::optional<char> AskTrumpSuit(char unavailableSuit) override {
    RecordingTableView::AskTrumpSuit(unavailableSuit);
    return answerTrump ? answerTrump() : std::nullopt;
  }

 private:
  std::ostream* trace_;
  const SelfPlayConfig& config_;
};

class GameRunner {
 public:
  GameRunner(const SelfPlayConfig& config, std::ostream* trace)
      : config_(config),
        trace_(trace),
        view_(state_, trace, config),
        random_(config.seed),
        seats_(random_),
        engine_(state_, view_, seats_, random_),
        flow_(engine_, view_, seats_, ".") {
    state_.options = config.rules;
    engine_.SetPlayerNames(config.name1, config.name2);
    engine_.Settings().cardFlights = false;
    view_.answerTrump = [this]() -> std::optional<char> {
      const char suit = seats_.Seat2NamesTrump(state_);
      if (!IsSuit(suit)) return std::nullopt;
      return suit;
    };
  }

  GameReport Run() {
    engine_.StartDeal(false);
    BeginDealTrace();
    for (int steps = 0; steps < 20000; ++steps) {
      if (state_.tableActive == 0 || !report_.failures.empty()) return report_;
      if (config_.dealLimit > 0 && report_.deals + report_.thrownIn >= config_.dealLimit &&
          state_.phase == phase::kDealOver) {
        return Finish();
      }
      Step();
    }
    Fail("the game did not end");
    return report_;
  }

 private:
  GameReport Finish() {
    report_.points1 = state_.gamePoints[1];
    report_.points2 = state_.gamePoints[2];
    return report_;
  }

  void Fail(const std::string& what) {
    report_.failures.push_back("seed " + std::to_string(config_.seed) + " deal " +
                               std::to_string(state_.dealNumber) + ": " + what);
  }

  void Step() {
    const std::uint8_t ph = state_.phase;
    if (state_.startPending == 1 && (ph == phase::kBid1Opponent || ph == phase::kBid1Local)) {
      flow_.PressButton7();
      return;
    }
    switch (ph) {
      case phase::kBid1Opponent:
      case phase::kBid2Opponent:
        flow_.Tick();
        break;
      case phase::kBid1Local:
        if (seats_.Seat2AcceptsProposedTrump(state_)) {
          flow_.PressButton7();
        } else {
          flow_.PressButton8();
        }
        break;
      case phase::kBuyPending:
        flow_.PressButton7();
        BiddingOverTrace();
        break;
      case phase::kExchangePending:
        if (state_.sevenHolder == 1 || seats_.Seat2WantsSevenExchange(state_)) {
          if (trace_) *trace_ << "  trump seven exchanged by " << Name(state_.sevenHolder) << "\n";
          flow_.PressButton7();
        } else {
          flow_.PressButton8();
        }
        break;
      case phase::kCombinationsPending:
        flow_.PressButton7();
        CombinationsTrace();
        break;
      case phase::kCombinationsShown:
        flow_.PressButton7();
        expectedDealTotal_ =
            CardPointsInPlay() + 10 +
            (state_.declarationWinner ? state_.dealPoints[state_.declarationWinner] : 0);
        break;
      case phase::kPlayOpponent:
        PlayTurn(1);
        break;
      case phase::kPlayLocal:
        PlayTurn(2);
        break;
      case phase::kTrickComplete:
        CollectTrick();
        break;
      case phase::kDealOver:
        if (state_.trickNumber == 1) {
          ++report_.thrownIn;
          if (trace_) *trace_ << "  thrown in\n";
        }
        flow_.PressButton7();
        BeginDealTrace();
        break;
      case phase::kGameOver:
        if (state_.gameSummarised == 0) {
          report_.points1 = state_.gamePoints[1];
          report_.points2 = state_.gamePoints[2];
          flow_.PressButton7();
        } else {
          flow_.PressButton8();
        }
        break;
      default:
        Fail("stuck in phase " + std::to_string(ph));
        break;
    }
  }

  const std::string& Name(int player) const { return player == 1 ? config_.name1 : config_.name2; }

  int CardPointsInPlay() const {
    int total = 0;
    for (int p = 1; p <= 2; ++p) {
      for (int slot = 1; slot <= 9; ++slot) {
        total += TrickPoints(state_.hand[p][slot], state_.trumpSuit);
      }
    }
    return total;
  }

  void CheckCardsInOnePlace() {
    std::set<int> seen;
    int count = 0;
    auto see = [&](CardCode c) {
      if (c.IsEmpty()) return;
      seen.insert(CardNumber(c));
      ++count;
    };
    for (int p = 1; p <= 2; ++p) {
      for (int slot = 1; slot <= 10; ++slot) see(state_.hand[p][slot]);
    }
    for (int i = 19; i <= 32; ++i) see(state_.deck[i]);
    for (const CardCode c : played_) see(c);
    if (count != 32 || seen.size() != 32) Fail("a card is missing or in two places");
  }

  void PlayTurn(int player) {
    if (state_.trickPos == 1) CheckCardsInOnePlace();
    const int before = state_.handCount[player];
    if (player == 1) {
      flow_.Tick();
    } else {
      const int slot = seats_.Seat2ChoosesCard(state_, view_);
      if (!MayPlay(state_, 2, slot)) {
        Fail("player 2 chose an illegal card");
        return;
      }
      played_.push_back(state_.hand[2][slot]);
      flow_.ClickHand((slot - 1) * kStrip + 1);
    }
    if (state_.handCount[player] != before - 1) {
      Fail("player " + std::to_string(player) + "'s card was not played");
      return;
    }
    const int position = state_.trickPos == 1 ? 2 : 1;  // where the card just went
    const CardCode card =
        state_.phase == phase::kTrickComplete ? state_.trick[2] : state_.trick[position];
    if (player == 1) played_.push_back(card);
    if (trace_) {
      const bool answered = state_.phase == phase::kTrickComplete;
      *trace_ << "  trick " << state_.trickNumber - (answered ? 1 : 0) << ": " << Name(player)
              << " " << ToAscii(card) << "\n";
    }
  }

  void CollectTrick() {
    if (trace_) *trace_ << "    won by " << Name(state_.leader) << "\n";
    const bool lastTrick = state_.trickNumber == 10;
    flow_.PressButton7();
    if (!lastTrick) return;
    ++report_.deals;
    if (state_.dealPoints[1] + state_.dealPoints[2] != expectedDealTotal_ + view_.bellaPoints) {
      Fail("the deal's points do not add up");
    }
    const bool reached = state_.gamePoints[1] >= config_.rules.targetScore ||
                         state_.gamePoints[2] >= config_.rules.targetScore;
    if (reached != (state_.phase == phase::kGameOver)) Fail("the game ended at the wrong deal");
    if (trace_) {
      *trace_ << "  deal points " << Name(1) << " " << state_.dealPoints[1] << ", " << Name(2)
              << " " << state_.dealPoints[2] << " (contract " << Name(state_.taker) << ")\n"
              << "  game points " << Name(1) << " " << state_.gamePoints[1] << ", " << Name(2)
              << " " << state_.gamePoints[2] << "\n";
    }
  }

  void BeginDealTrace() {
    played_.clear();
    view_.Clear();
    view_.bellaPoints = 0;
    if (!trace_) return;
    *trace_ << "deal " << state_.dealNumber << ": " << Name(state_.firstBidder)
            << " speaks first, turned-up card " << ToAscii(state_.deck[32]) << "\n"
            << "  hand of " << Name(1) << ": " << HandText(state_, 1) << "\n"
            << "  hand of " << Name(2) << ": " << HandText(state_, 2) << "\n";
  }

  void BiddingOverTrace() {
    if (!trace_) return;
    *trace_ << "  contract: " << Name(state_.taker) << ", trump " << SuitName(state_.trumpSuit)
            << "\n"
            << "  after buying, hand of " << Name(1) << ": " << HandText(state_, 1) << "\n"
            << "  after buying, hand of " << Name(2) << ": " << HandText(state_, 2) << "\n";
  }

  void CombinationsTrace() {
    if (!trace_ || state_.declarationWinner == 0) return;
    *trace_ << "  combinations of " << Name(state_.declarationWinner) << ":";
    for (int i = 1; i <= state_.tableCount; ++i) *trace_ << " " << ToAscii(state_.tableCards[i]);
    *trace_ << " (" << state_.dealPoints[state_.declarationWinner] << ")\n";
  }

  const SelfPlayConfig& config_;
  std::ostream* trace_;
  GameState state_;
  SelfPlayView view_;
  RandomSource random_;
  SelfPlaySeats seats_;
  Engine engine_;
  GameFlow flow_;
  GameReport report_;
  std::vector<CardCode> played_;
  int expectedDealTotal_ = 0;
};

}  // namespace

GameReport PlaySelfGame(const SelfPlayConfig& config, std::ostream* trace) {
  GameRunner runner(config, trace);
  return runner.Run();
}

}  // namespace klondar
