// The computer's bidding: one evaluation of its hand for a trump suit, asked in three ways.
#pragma once

#include "engine/game_state.h"

namespace klondar {

struct HandEvaluation {
  char result = kNoSuit;        // the suit to play, or kNoSuit to pass
  bool exchangeBetter = false;  // the trump-seven exchange improves the hand
};

// hand and orders: slots 1..9 with sequence orders, sorted by suit groups. proposedTrump
// is a suit, or kNoSuit when a suit is to be named.
HandEvaluation EvaluateHandForTrump(const HandCards& hand, const HandBytes& orders,
                                    char proposedTrump, CardCode turnedCard, bool exchangeAllowed,
                                    int firstBidder);

bool AcceptProposedTrump(const GameState& state);
// A suit other than the turned-up one, or kNoSuit.
char ChooseTrumpSuit(const GameState& state);
bool WantsSevenExchange(const GameState& state);

}  // namespace klondar
