#include "engine.h"
#include "engine_words.h"
#include "hand.h"

namespace klondar {

int AnswerRefusal(const GameState& s, int player, int slot) {
  const CardCode c = s.hand[player][slot];
  const CardCode led = s.trick[1];
  const HandCards& hand = s.hand[player];
  int result = 0;
  if (c.suit != led.suit && HandHasSuit(hand, led.suit)) result = 1;
  if (c.suit != led.suit && c.suit != s.trumpSuit && HandHasSuit(hand, s.trumpSuit)) result = 2;
  if (s.options.optMustOvertrump && led.suit == s.trumpSuit &&
      HighestOrderInSuit(hand, s.handOrder[player], s.trumpSuit) > s.trickOrder[1] &&
      s.handOrder[player][slot] < s.trickOrder[1]) {
    result = 3;
  }
  return result;
}

bool MayPlay(const GameState& s, int player, int slot) {
  if (slot < 1 || slot > 9 || s.hand[player][slot].IsEmpty()) return false;
  return s.trickPos == 1 || AnswerRefusal(s, player, slot) == 0;
}

int Engine::CheckLegalAnswer(int slot) const { return AnswerRefusal(state_, 2, slot); }

void Engine::PrimeOpponentKnowledge() {
  if (state_.knowledgePrimed == 0 || state_.phase != phase::kPlayOpponent) return;
  state_.knowledgePrimed = 0;
  opponent_.NoteVisibleCards(state_);
}

void Engine::StartPlay() {
  GameState& s = state_;
  SetButton(ActionButton::kButton7, words::kOk, false);
  SetButton(ActionButton::kButton8, words::kPass, false);
  ReturnShownCards();

  s.phase = static_cast<std::uint8_t>(20 + s.firstBidder);
  s.leader = s.firstBidder;
  s.previousLeader = s.firstBidder;
  ShowNames();

  for (int p = 1; p <= 2; ++p) {
    for (int slot = 1; slot <= 9; ++slot) {
      const CardCode card = s.hand[p][slot];
      if (card.IsEmpty()) continue;
      s.handOrder[p][slot] = TrickOrder(card, s.trumpSuit);
      s.handPoints[p][slot] = TrickPoints(card, s.trumpSuit);
    }
  }

  view_.PlayWaveResource(sounds::kPlayStarts, true);
  if (!settings_.soundsOn) view_.Pause(500);
  RedrawHand(1);
  RedrawHand(2);
  view_.Pause(500);

  if (s.options.optFreza) {
    DrawStockNow();
    view_.PlayWaveResource(sounds::kDing, true);
  }
  DuelPause(2000);
}

void Engine::PlayCard(int player, int slot) {
  GameState& s = state_;
  const int q = s.trickPos;
  const CardCode card = s.hand[player][slot];
  s.trick[q] = card;
  s.trickOrder[q] = s.handOrder[player][slot];
  s.trickPoints[q] = s.handPoints[player][slot];
  if (q == 1) s.ledSuit = card.suit;

  EmptySlot(s, player, slot);
  RedrawHand(player);
  Fly(TableSpot::Hand(player, slot), TableSpot::Trick(player), card, false);
  view_.DrawTableCard(TableSpot::Trick(player), card);

  const CardCode trumpKing = MakeCard(kKing, s.trumpSuit);
  const CardCode trumpQueen = MakeCard(kQueen, s.trumpSuit);
  const bool bella = (card == trumpKing && HandHasCard(s.hand[player], trumpQueen)) ||
                     (card == trumpQueen && HandHasCard(s.hand[player], trumpKing));
  if (bella && (q == 1 || !s.options.optBellaFirstHandOnly)) {
    view_.ShowSpeech(player, words::kBella, kBlue);
    s.dealPoints[player] += 20;
    DrawScores(player, TurnMark::kKeep, Star::kKeep);
    view_.PlayWaveResource(sounds::kScore, true);
  } else {
    view_.PlayWaveResource(sounds::kMove, true);
  }

  opponent_.NoteCardPlayed(s, player);

  s.trickPos = static_cast<std::uint8_t>(q + 1);
  s.phase = static_cast<std::uint8_t>(s.phase + 1);
  if (s.phase == phase::kTrickComplete) s.phase = phase::kPlayOpponent;
  if (s.trickPos == 3) {
    s.phase = phase::kTrickComplete;
    DecideTrick();
  }
}

void Engine::DecideTrick() {
  GameState& s = state_;
  const int answerer = GameState::Other(s.leader);
  const CardCode led = s.trick[1];
  const CardCode answer = s.trick[2];
  int winner = s.leader;
  if (led.suit == answer.suit) {
    if (s.trickOrder[2] > s.trickOrder[1]) winner = answerer;
  } else if (answer.suit == s.trumpSuit) {
    winner = answerer;
  }
  s.leader = static_cast<std::uint8_t>(winner);

  s.dealPoints[winner] += s.trickPoints[1] + s.trickPoints[2];
  if (s.trickNumber == 9) s.dealPoints[winner] += 10;

  DrawScores(winner, TurnMark::kSet, Star::kKeep);
  DrawScores(GameState::Other(winner), TurnMark::kClear, Star::kKeep);
  ++s.trickNumber;
  s.trickPos = 1;

  if (DuelServer()) view_.Pause(800);
  SetButton(ActionButton::kButton7, words::kOk, Paces());
}

void Engine::CollectTrick() {
  GameState& s = state_;
  ShowNames();
  if (!settings_.cardFlights) {
    view_.RepaintTableSlot(TableSpot::WholeTable());
  } else {
    for (int place = 1; place <= 2; ++place) {
      // Trick place 1 holds player 1's card, which led when previousLeader is 1.
      const int position = (s.previousLeader == place) ? 1 : 2;
      view_.RepaintTableSlot(TableSpot::Trick(place));
      view_.AnimateCardMove(TableSpot::Trick(place), TableSpot::OffTable(s.leader),
                            s.trick[position], true);
    }
    view_.Pause(400);
  }
  s.trick = {kEmptyCard, kEmptyCard, kEmptyCard};
  s.trickOrder = {0, 0, 0};
  s.trickPoints = {0, 0, 0};

  s.phase = static_cast<std::uint8_t>(20 + s.leader);
  s.previousLeader = s.leader;
  DisableButton(ActionButton::kButton7);

  if (s.trickNumber >= 10) ScoreDeal();
}

}  // namespace klondar
