// klondar-tool: the engine and the computer opponent without a window.
#include <chrono>
#include <iostream>
#include <set>
#include <string>

#include "self_play.h"
#include "tool_arguments.h"
#include "tool_file_commands.h"
#include "tool_search_commands.h"

namespace {

using namespace klondar;

int Usage() {
  std::cerr << "usage:\n"
               "  klondar-tool selfplay --games N [--seed S] [--target 301|501] [--trace]\n"
               "               [--seven-exchange on|off] [--bella-first on|off]\n"
               "               [--overtrump on|off] [--alternate on|off] [--freza on|off]\n"
               "  klondar-tool solve --trump h|d|c|s --mover CARDS --other CARDS [--table CARD]\n"
               "               [--points A,B] [--taker 1|2] [--trick N] [--overtrump]\n"
               "               [--bella-first]\n"
               "  klondar-tool decide --trump h|d|c|s --mover CARDS [--count N] [--table CARD]\n"
               "               [--ruled-out CARDS] [--known CARDS] [--seed S] [--points A,B]\n"
               "               [--taker 1|2] [--trick N] [--overtrump] [--bella-first]\n"
               "  klondar-tool check-club FILE\n"
               "  klondar-tool check-history FILE\n";
  return 2;
}

bool Complain(ToolArguments& args, const std::set<std::string>& allowed) {
  for (const std::string& name : args.Unknown(allowed)) {
    std::cerr << "klondar-tool: unknown option --" << name << "\n";
    return true;
  }
  if (!args.ok()) {
    std::cerr << "klondar-tool: " << args.error() << "\n";
    return true;
  }
  return false;
}

int SelfPlay(int argc, char** argv) {
  ToolArguments args(argc, argv, 2, {"trace"});
  SelfPlayConfig config;
  const std::int64_t games = args.Number("games", 1, 1, 10'000'000);
  const std::uint64_t seed = args.Seed("seed", 1);
  const std::int64_t target = args.Number("target", 501, 301, 501);
  config.rules.targetScore = static_cast<int>(target);
  config.rules.optTrumpSevenExchange = args.OnOff("seven-exchange", true);
  config.rules.optBellaFirstHandOnly = args.OnOff("bella-first", false);
  config.rules.optMustOvertrump = args.OnOff("overtrump", true);
  config.rules.optAlternateFirstBidder = args.OnOff("alternate", false);
  config.rules.optFreza = args.OnOff("freza", true);
  if (Complain(args, {"games", "seed", "target", "trace", "seven-exchange", "bella-first",
                      "overtrump", "alternate", "freza"})) {
    return Usage();
  }
  if (target != 301 && target != 501) {
    std::cerr << "klondar-tool: --target must be 301 or 501\n";
    return Usage();
  }
  const bool trace = args.Has("trace");

  const auto start = std::chrono::steady_clock::now();
  long long deals = 0;
  long long thrownIn = 0;
  long long points1 = 0;
  long long points2 = 0;
  long long failures = 0;
  for (std::int64_t game = 1; game <= games; ++game) {
    config.seed = seed + static_cast<std::uint64_t>(game - 1);
    if (trace) std::cout << "game " << game << " (seed " << config.seed << ")\n";
    const GameReport report = PlaySelfGame(config, trace ? &std::cout : nullptr);
    deals += report.deals;
    thrownIn += report.thrownIn;
    points1 += report.points1;
    points2 += report.points2;
    for (const std::string& failure : report.failures) {
      std::cout << "FAILURE " << failure << "\n";
      ++failures;
    }
    std::cout << "game " << game << " seed " << config.seed << " deals " << report.deals
              << " thrown-in " << report.thrownIn << " points " << report.points1 << ":"
              << report.points2 << "\n";
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "summary games " << games << " deals " << deals << " thrown-in " << thrownIn
            << " points " << points1 << ":" << points2 << " failures " << failures << " seconds "
            << seconds << "\n";
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "selfplay") return SelfPlay(argc, argv);
  if (command == "solve") return SolveCommand(argc, argv);
  if (command == "decide") return DecideCommand(argc, argv);
  if (command == "check-club") return CheckClubCommand(argc, argv);
  if (command == "check-history") return CheckHistoryCommand(argc, argv);
  std::cerr << "klondar-tool: unknown command " << command << "\n";
  return Usage();
}
