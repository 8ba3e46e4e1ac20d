// A position of trick play written on the command line, for klondar-tool solve and decide.
#pragma once

#include <string>

#include "engine/game_state.h"
#include "opponent/card_knowledge.h"
#include "tool_arguments.h"

namespace klondar {

struct ToolPosition {
  GameState state;
  CardKnowledge knowledge;  // player 2's tables, for decide
  std::string error;        // empty when the position is sound
};

// Reads --trump, --mover, --table, --points, --taker, --trick, --overtrump, --bella-first,
// and either --other (player 2's cards, a fully known position) or, with withOther false,
// --count, --ruled-out and --known (what player 1 knows of player 2's hand).
ToolPosition ReadToolPosition(ToolArguments& args, bool withOther);

}  // namespace klondar
