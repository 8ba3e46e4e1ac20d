#include "engine.h"
#include "engine_words.h"
#include "hand.h"

namespace klondar {

void Engine::OpponentBidStage1() {
  GameState& s = state_;
  if (opponent_.AcceptProposedTrump(s)) {
    TakeProposedTrump(1);
    return;
  }
  view_.ShowSpeech(1, words::kPass, kGreen);
  view_.PlayWaveResource(sounds::kPass, true);
  if (s.firstBidder == 1) {
    OfferLocalBidStage1();
  } else {
    s.phase = phase::kBid2Local;
    LocalBidStage2();
  }
}

void Engine::OfferLocalBidStage1() {
  state_.phase = phase::kBid1Local;
  SetButton(ActionButton::kButton7, words::kToPlay, true);
  SetButton(ActionButton::kButton8, words::kPass, true);
}

void Engine::TakeProposedTrump(int player) {
  GameState& s = state_;
  s.taker = static_cast<std::uint8_t>(player);
  view_.DrawScoreBoard(player, TurnMark::kKeep, false, kKeepValue, kKeepValue, Star::kRed);
  view_.DrawStockInfo();
  view_.ShowSpeech(player, words::kToPlay, kBlue);
  view_.PlayWaveResource(sounds::kDing, true);
  s.phase = phase::kBuyPending;
  SetButton(ActionButton::kButton7, words::kBuyCards, Paces());
  SetButton(ActionButton::kButton8, words::kPass, false);
}

void Engine::PassStage1() {
  GameState& s = state_;
  view_.ShowSpeech(2, words::kPass, kGreen);
  view_.PlayWaveResource(sounds::kPass, true);
  DisableButton(ActionButton::kButton7);
  DisableButton(ActionButton::kButton8);
  s.phase = s.firstBidder == 1 ? phase::kBid2Opponent : phase::kBid1Opponent;
}

void Engine::ThrowIn() {
  state_.phase = phase::kDealOver;
  SetButton(ActionButton::kButton7, words::kNextRound, Paces());
  SetButton(ActionButton::kButton8, words::kPass, false);
}

void Engine::OpponentBidStage2(bool fromPeer, int decision) {
  GameState& s = state_;
  if (!fromPeer) {
    const char suit = opponent_.ChooseTrumpSuit(s);
    // The turned-up suit cannot be named again in this stage.
    decision = IsSuit(suit) && suit != s.deck[32].suit ? 1 : 0;
    if (decision == 1) s.trumpSuit = suit;
  }
  if (decision == 1) {
    s.taker = 1;
    s.trumpNamedInStage2 = 1;
    view_.DrawScoreBoard(1, TurnMark::kKeep, false, kKeepValue, kKeepValue, Star::kRed);
    view_.DrawStockInfo();
    view_.ShowSpeech(1, words::kToPlay, kBlue);
    view_.PlayWaveResource(sounds::kDing, true);
    s.phase = phase::kBuyPending;
    SetButton(ActionButton::kButton7, words::kBuyCards, Paces());
    SetButton(ActionButton::kButton8, words::kPass, false);
    return;
  }
  view_.ShowSpeech(1, words::kPass, kViolet);
  view_.PlayWaveResource(sounds::kPass, true);
  if (s.firstBidder == 1) {
    s.phase = phase::kBid2Local;
    LocalBidStage2();
  } else {
    ThrowIn();
  }
}

void Engine::LocalBidStage2() {
  GameState& s = state_;
  s.phase = phase::kBid2Local;
  const std::optional<char> choice = view_.AskTrumpSuit(s.trumpSuit);
  // The dialog offers only the other three suits; anything else counts as a pass.
  if (choice && IsSuit(*choice) && *choice != s.trumpSuit) {
    s.trumpSuit = *choice;
    s.taker = 2;
    s.trumpNamedInStage2 = 1;
    view_.DrawScoreBoard(2, TurnMark::kKeep, false, kKeepValue, kKeepValue, Star::kRed);
    view_.DrawStockInfo();
    view_.ShowSpeech(2, words::kToPlay, kBlue);
    view_.PlayWaveResource(sounds::kDing, true);
    s.phase = phase::kBuyPending;
    SetButton(ActionButton::kButton7, words::kBuyCards, Paces());
    SetButton(ActionButton::kButton8, words::kPass, false);
    SendToPeer(std::string("t40") + *choice);
    return;
  }
  view_.ShowSpeech(2, words::kPass, kViolet);
  view_.PlayWaveResource(sounds::kPass, true);
  if (s.firstBidder == 1) {
    ThrowIn();
  } else {
    s.phase = phase::kBid2Opponent;
  }
  SendToPeer("t300");
}

void Engine::OfferExhibit(bool enabled) {
  state_.phase = phase::kCombinationsPending;
  SetButton(ActionButton::kButton7, words::kExhibitCombinations, enabled);
  SetButton(ActionButton::kButton8, words::kPass, false);
}

void Engine::BuyCards() {
  GameState& s = state_;
  DisableButton(ActionButton::kButton7);
  // Deck positions of each player's three bought cards.
  std::array<int, 3> firstCard{0, 13, 16};
  if (MirroredDeck()) firstCard = {0, 16, 13};
  const int order[2] = {s.firstBidder, GameState::Other(s.firstBidder)};
  for (const int p : order) {
    for (int i = 0; i < 3; ++i) {
      ++s.nextDeckCard;
      DrawStockNow();
      const int position = firstCard[p] + i;
      PutCard(s, p, 7 + i, s.deck[position], s.deckOrder[position], s.deckPoints[position]);
      ++s.handCount[p];
      RedrawHand(p);
      Fly(TableSpot::Stock(), TableSpot::Hand(p, HandCardSlot(s.hand[p], s.deck[position])),
          s.deck[position], true);
      CardSound();
    }
  }

  const CardCode trumpSeven = MakeCard(kSeven, s.trumpSuit);
  if (s.options.optTrumpSevenExchange && s.trumpNamedInStage2 == 0) {
    const bool opponentHolds = HandHasCard(s.hand[1], trumpSeven);
    if (opponentHolds && !NetworkGame() && opponent_.WantsSevenExchange(s)) {
      s.phase = phase::kExchangePending;
      s.sevenHolder = 1;
      SetButton(ActionButton::kButton7, words::kReplaceTheSeven, true);
      SetButton(ActionButton::kButton8, words::kPass, false);
      return;
    }
    if (HandHasCard(s.hand[2], trumpSeven)) {
      DuelPause(2500);
      s.phase = phase::kExchangePending;
      s.sevenHolder = 2;
      SetButton(ActionButton::kButton7, words::kReplaceTheSeven, true);
      SetButton(ActionButton::kButton8, words::kPass, true);
      return;
    }
    if (opponentHolds && NetworkGame()) {
      // The remote holder decides; its exchange or refusal releases the button.
      DuelPause(2500);
      OfferExhibit(false);
      return;
    }
  }
  DuelPause(2500);
  OfferExhibit(Paces());
}

void Engine::ExchangeSeven(int player) {
  GameState& s = state_;
  DisableButton(ActionButton::kButton7);
  DisableButton(ActionButton::kButton8);
  DrawStockNow(false);

  const CardCode turnedUp = s.deck[32];
  PutCard(s, player, 10, turnedUp, s.deckOrder[32], s.deckPoints[32]);
  ++s.handCount[player];
  int takenSlot = 10;
  if (player == 2) {
    SortHand(s, 2);
    for (int slot = 1; slot <= 10; ++slot) {
      if (s.hand[2][slot] == turnedUp) takenSlot = slot;
    }
  }
  Fly(TableSpot::TurnedUp(), TableSpot::Hand(player, takenSlot), turnedUp, false);
  view_.PlayWaveResource(sounds::kMove, true);
  view_.Pause(500);
  if (player == 2) s.exposedCards[10] = turnedUp;
  opponent_.NoteExchange(player, turnedUp);

  const CardCode trumpSeven = MakeCard(kSeven, s.trumpSuit);
  int sevenSlot = 0;
  for (int slot = 1; slot <= 10; ++slot) {
    if (s.hand[player][slot] == trumpSeven) sevenSlot = slot;
  }
  if (sevenSlot != 0) {
    EmptySlot(s, player, sevenSlot);
    Fly(TableSpot::Hand(player, sevenSlot), TableSpot::TurnedUp(), trumpSeven, true);
  }
  RedrawHand(player);

  s.deck[32] = trumpSeven;
  s.deckOrder[32] = 1;
  s.deckPoints[32] = 0;
  DrawStockNow();
  view_.PlayWaveResource(sounds::kMove, true);
  DuelPause(1500);

  OfferExhibit(Paces());
}

void Engine::SkipExchange() {
  view_.PlayWaveResource(sounds::kPass, true);
  OfferExhibit(Paces());
  if (DuelClient() || modes_.tournamentMode) SendToPeer("t600");
}

}  // namespace klondar
