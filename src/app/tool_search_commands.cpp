#include "tool_search_commands.h"

#include <iostream>
#include <set>
#include <string>

#include "engine/recording_table_view.h"
#include "opponent/card_sampling.h"
#include "opponent/deal_solver.h"
#include "tool_position.h"

namespace klondar {

namespace {

const std::set<std::string> kPositionOptions = {"trump", "mover", "table",     "points",
                                                "taker", "trick", "overtrump", "bella-first"};
const std::set<std::string> kSwitches = {"overtrump", "bella-first"};

bool Refuse(ToolArguments& args, const ToolPosition& position,
            const std::set<std::string>& allowed) {
  for (const std::string& name : args.Unknown(allowed)) {
    std::cerr << "klondar-tool: unknown option --" << name << "\n";
    return true;
  }
  if (!args.ok()) {
    std::cerr << "klondar-tool: " << args.error() << "\n";
    return true;
  }
  if (!position.error.empty()) {
    std::cerr << "klondar-tool: " << position.error << "\n";
    return true;
  }
  return false;
}

}  // namespace

int SolveCommand(int argc, char** argv) {
  ToolArguments args(argc, argv, 2, kSwitches);
  const ToolPosition position = ReadToolPosition(args, true);
  std::set<std::string> allowed = kPositionOptions;
  allowed.insert("other");
  if (Refuse(args, position, allowed)) return 2;
  const GameState& s = position.state;
  const SlotValues values = SolvePosition(KnownPosition(s));
  for (int slot = 1; slot <= 9; ++slot) {
    std::cout << "slot " << slot << " " << ToAscii(s.hand[1][slot]) << " " << values[slot] << "\n";
  }
  return 0;
}

int DecideCommand(int argc, char** argv) {
  ToolArguments args(argc, argv, 2, kSwitches);
  const std::uint64_t seed = args.Seed("seed", 1);
  const ToolPosition position = ReadToolPosition(args, false);
  std::set<std::string> allowed = kPositionOptions;
  allowed.insert({"count", "ruled-out", "known", "seed"});
  if (Refuse(args, position, allowed)) return 2;
  const GameState& s = position.state;
  RandomSource random(seed);
  RecordingTableView view(s);
  DealSolver solver;
  const SamplingDecision decision =
      DecideBySampling(s, position.knowledge, random, view,
                       [&solver](const SolverPosition& p) { return solver.Solve(p); });
  std::cout << "chosen " << decision.slot << " " << ToAscii(s.hand[1][decision.slot]) << "\n";
  for (int slot = 1; slot <= 9; ++slot) {
    std::cout << "slot " << slot << " " << ToAscii(s.hand[1][slot]) << " "
              << (decision.valid[slot] ? std::to_string(decision.totals[slot]) : "-") << "\n";
  }
  return 0;
}

}  // namespace klondar
