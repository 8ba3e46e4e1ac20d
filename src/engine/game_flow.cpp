#include "game_flow.h"

#include <fstream>
#include <system_error>

#include "engine_words.h"

namespace klondar {

GameFlow::GameFlow(Engine& engine, TableView& view, Opponent& opponent,
                   std::filesystem::path programFolder)
    : engine_(engine), view_(view), opponent_(opponent), programFolder_(std::move(programFolder)) {}

void GameFlow::Tick() {
  GameState& s = engine_.State();
  if (!engine_.GameTimerEnabled() || s.tableActive == 0 || engine_.Modes().tournamentMode) {
    return;
  }
  engine_.PrimeOpponentKnowledge();
  switch (s.phase) {
    case phase::kBid1Opponent:
      engine_.OpponentBidStage1();
      break;
    case phase::kBid2Opponent:
      engine_.OpponentBidStage2(false, 0);
      break;
    case phase::kPlayOpponent: {
      const int slot = opponent_.ChooseCard(s, view_);
      // A slot that cannot be played would corrupt the deal; the opponent never gives one.
      if (MayPlay(s, 1, slot)) engine_.PlayCard(1, slot);
      break;
    }
    default:
      break;
  }
}

// The shared pacing steps are announced by the duel server and in a tournament game.
bool GameFlow::SendsPacing() const {
  return engine_.DuelServer() || engine_.Modes().tournamentMode;
}

void GameFlow::PressButton7() {
  GameState& s = engine_.State();
  if (!engine_.Button(ActionButton::kButton7).enabled || s.tableActive == 0) return;
  Touch();
  if (s.startPending == 1 && (s.phase == phase::kBid1Opponent || s.phase == phase::kBid1Local)) {
    engine_.BeginDeal();
    return;
  }
  switch (s.phase) {
    case phase::kBid1Local:
      engine_.TakeProposedTrump(2);
      engine_.SendToPeer("t100");
      break;
    case phase::kBuyPending:
      if (SendsPacing()) engine_.SendToPeer("t500");
      engine_.BuyCards();
      break;
    case phase::kExchangePending:
      engine_.SendToPeer("t700");
      engine_.ExchangeSeven(s.sevenHolder);
      break;
    case phase::kCombinationsPending:
      if (SendsPacing()) engine_.SendToPeer("t800");
      engine_.ShowCombinations();
      break;
    case phase::kCombinationsShown:
      if (SendsPacing()) engine_.SendToPeer("t900");
      engine_.StartPlay();
      break;
    case phase::kTrickComplete:
      if (engine_.DuelServer() ||
          (engine_.Modes().tournamentMode && engine_.Modes().tournamentSide == 1)) {
        engine_.SendToPeer("xslt");
      }
      engine_.CollectTrick();
      break;
    case phase::kDealOver:
      // In a tournament the relay deals the next round.
      if (engine_.Modes().tournamentMode) {
        engine_.SendToPeer("bnext");
      } else {
        engine_.StartDeal(true);
      }
      break;
    case phase::kGameOver:
      if (s.gameSummarised == 0) engine_.SumUpGame();
      break;
    default:
      break;
  }
}

void GameFlow::PressButton8() {
  GameState& s = engine_.State();
  if (!engine_.Button(ActionButton::kButton8).enabled || s.tableActive == 0) return;
  Touch();
  if (s.gameFinished != 0 && s.gameSummarised != 0) {
    engine_.LeaveFinishedGame();
    return;
  }
  switch (s.phase) {
    case phase::kBid1Local:
      engine_.PassStage1();
      engine_.SendToPeer("t200");
      break;
    case phase::kExchangePending:
      engine_.SkipExchange();  // sends its own message where one is due
      break;
    default:
      break;
  }
}

void GameFlow::ClickHand(int x) {
  GameState& s = engine_.State();
  if (s.tableActive == 0 || s.phase != phase::kPlayLocal) return;
  view_.ShowSpeech(1, engine_.PlayerName(1), kYellow);
  view_.ShowSpeech(2, engine_.PlayerName(2), kYellow);
  const int slot = view_.HandCardAt(2, x);
  if (slot < 1 || slot > 9 || s.hand[2][slot].IsEmpty()) return;
  if (s.leader == 1 && engine_.CheckLegalAnswer(slot) != 0) {
    view_.PlayWaveResource(sounds::kWrong, true);
    return;
  }
  const std::string slotText = std::to_string(slot);
  engine_.SendToPeer("h" + slotText + "00");
  Touch();
  engine_.PlayCard(2, slot);
  MovePointer(x);
}

void GameFlow::MovePointer(int x) {
  const GameState& s = engine_.State();
  PointerShape shape = PointerShape::kNormal;
  if (s.tableActive != 0 && s.phase == phase::kPlayLocal) {
    const int slot = view_.HandCardAt(2, x);
    if (slot >= 1 && slot <= 9 && MayPlay(s, 2, slot)) shape = PointerShape::kPointingHand;
  }
  if (shape == pointer_) return;
  pointer_ = shape;
  view_.SetPointer(shape);
}

void GameFlow::RightClick(TableSpot spot) {
  const GameState& s = engine_.State();
  if (s.tableActive == 0) return;
  CardCode card = kEmptyCard;
  switch (spot.kind) {
    case TableSpot::Kind::kHand:
      if (spot.player == 2 && spot.index >= 1 && spot.index <= 10) card = s.hand[2][spot.index];
      break;
    case TableSpot::Kind::kTurnedUp:
      card = s.deck[32];
      break;
    case TableSpot::Kind::kFreza:
      if (s.options.optFreza && s.phase > phase::kCombinationsPending) card = s.deck[31];
      break;
    case TableSpot::Kind::kCombination:
      if (s.phase == phase::kCombinationsShown && spot.index >= 1 && spot.index <= s.tableCount) {
        card = s.tableCards[spot.index];
      }
      break;
    case TableSpot::Kind::kTrick:
      if (s.phase > 20 && (spot.player == 1 || spot.player == 2)) {
        // Trick place 1 holds player 1's card.
        const int position = s.previousLeader == spot.player ? 1 : 2;
        card = s.trick[position];
      }
      break;
    default:
      break;
  }
  if (!card.IsEmpty()) view_.SayCardName(card, false);
}

std::string GameFlow::DumpText(const GameState& state) {
  return "Co: " + state.handSnapshot[1] + "\r\nMe: " + state.handSnapshot[2] + "\r\n";
}

void GameFlow::KeyReleased(int virtualKey) {
  if (virtualKey != kKeyF12) return;
  if (engine_.State().tableActive == 0 || engine_.Modes().duelMode) return;
  WriteDump();
}

void GameFlow::WriteDump() const {
  // Written beside and renamed over the old dump, so a failed write leaves no half file.
  const std::filesystem::path target = programFolder_ / kDumpFileName;
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out << DumpText(engine_.State());
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) std::filesystem::remove(temporary, error);
}

}  // namespace klondar
