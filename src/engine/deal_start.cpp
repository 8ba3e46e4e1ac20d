#include "deck.h"
#include "engine.h"
#include "engine_words.h"
#include "hand.h"

namespace klondar {

int Engine::FirstBidderFor() const {
  const int d = state_.dealNumber;
  if (DuelServer() || (modes_.tournamentMode && modes_.tournamentSide == 1)) {
    return d % 2 == 1 ? 1 : 2;
  }
  if (modes_.duelMode || modes_.tournamentMode) return d % 2 == 1 ? 2 : 1;
  const int g = state_.gameNumber;
  if (state_.options.optAlternateFirstBidder || d == 1 || state_.lastDealWinner == 0) {
    return (g + d - 1) % 2 == 1 ? 1 : 2;
  }
  // The loser of the last scored deal speaks first.
  return state_.lastDealWinner == 1 ? 2 : 1;
}

void Engine::StartDeal(bool continueGame) {
  GameState& s = state_;
  if (!continueGame) {
    s.gamePoints = {0, 0, 0};
    s.newRunningTotal = 0;
    s.dealNumber = 0;
    s.lastDealWinner = 0;
    s.gameNumber = record_.gamesPlayed + 1;
    s.runningTotal = record_.cycleScore;
  }
  ++s.dealNumber;

  if (!DuelClient() && !modes_.tournamentMode) {
    ShuffleDeck(s, random_);
    for (int p = 1; p <= 2; ++p) {
      for (int slot = 1; slot <= 10; ++slot) EmptySlot(s, p, slot);
    }
    for (int i = 1; i <= 6; ++i) {
      PutCard(s, 1, i, s.deck[i], s.deckOrder[i], s.deckPoints[i]);
      PutCard(s, 2, i, s.deck[i + 6], s.deckOrder[i + 6], s.deckPoints[i + 6]);
    }
    s.handCount = {0, 6, 6};
    if (DuelServer() && peer_ != nullptr) peer_->SendDeal(s);
  }

  s.firstBidder = static_cast<std::uint8_t>(FirstBidderFor());
  s.phase = s.firstBidder;

  s.trick = {kEmptyCard, kEmptyCard, kEmptyCard};
  s.trickOrder = {0, kEmptyByte, kEmptyByte};
  s.trickPoints = {0, kEmptyByte, kEmptyByte};
  s.tableCards.fill(kEmptyCard);
  s.tableCount = 0;
  s.declarationWinner = 0;
  s.trumpNamedInStage2 = 0;
  s.sevenHolder = 0;
  s.gameSummarised = 0;
  s.gameFinished = 0;
  s.taker = 0;
  s.trickPos = 1;
  s.trickNumber = 1;
  s.nextDeckCard = 13;
  s.exposedCards.fill(kEmptyCard);
  s.knowledgePrimed = 1;
  opponent_.ResetKnowledge();
  s.lastDealWinner = 0;
  s.startPending = 1;
  s.dealPoints = {0, 0, 0};
  s.scoreDifference = 0;

  s.trumpSuit = s.deck[32].suit;
  RedrawHand(1);
  RedrawHand(2);
  DrawStockNow();
  view_.DrawStockInfo();
  for (int p = 1; p <= 2; ++p) {
    view_.DrawScoreBoard(p, TurnMark::kClear, true, s.dealPoints[p], s.gamePoints[p], Star::kClear);
  }
  ShowNames();
  s.tableActive = 1;
  view_.PlayWaveResource(sounds::kTableOpens, true);
  SetTimer(false);
  // A duel is started by the server, a tournament deal by the seat that speaks first.
  bool mayStart = true;
  if (modes_.duelMode) mayStart = modes_.duelSide == 1;
  if (modes_.tournamentMode) mayStart = s.firstBidder == 2;
  SetButton(ActionButton::kButton7, words::kToBegin, mayStart);
  SetButton(ActionButton::kButton8, words::kPass, false);
  view_.SetStockHint(std::string(words::kGame) + ": " + std::to_string(s.gameNumber) + " / " +
                     (modes_.tournamentMode ? "1" : "25"));
}

void Engine::TakeDealtDeck(const std::array<CardCode, 33>& deck,
                           const std::array<std::uint8_t, 33>& orders,
                           const std::array<std::uint8_t, 33>& points) {
  GameState& s = state_;
  s.deck = deck;
  s.deckOrder = orders;
  s.deckPoints = points;
  for (int p = 1; p <= 2; ++p) {
    for (int slot = 1; slot <= 10; ++slot) EmptySlot(s, p, slot);
  }
  // Deck offset of the local user's first six cards: the duel server and tournament seat 2
  // hold deck 7..12, the duel client and seat 1 deck 1..6.
  const bool ownFirstHalf = DuelClient() || (modes_.tournamentMode && modes_.tournamentSide == 1);
  const int own = ownFirstHalf ? 0 : 6;
  for (int i = 1; i <= 6; ++i) {
    PutCard(s, 2, i, s.deck[own + i], s.deckOrder[own + i], s.deckPoints[own + i]);
    PutCard(s, 1, i, s.deck[6 - own + i], s.deckOrder[6 - own + i], s.deckPoints[6 - own + i]);
  }
  s.handCount = {0, 6, 6};
}

void Engine::BeginDeal() {
  GameState& s = state_;
  s.startPending = 2;
  if (!NetworkGame()) SetTimer(true);
  if (s.phase == phase::kBid1Opponent) {
    if (NetworkGame()) {
      // The remote player speaks first: tell it and wait for its bid.
      DisableButton(ActionButton::kButton7);
      SendToPeer("t000");
      return;
    }
    OpponentBidStage1();
  } else if (s.phase == phase::kBid1Local) {
    OfferLocalBidStage1();
  }
}

}  // namespace klondar
