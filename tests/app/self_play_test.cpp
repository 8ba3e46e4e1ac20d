#include "app/self_play.h"

#include <gtest/gtest.h>

#include <sstream>

namespace klondar {
namespace {

// Every rule variant, both targets: whole games keep the deal invariants (each card in one
// place, points adding up, only legal cards, the game ending at the first deal that
// reaches the target).
TEST(SelfPlay, WholeGamesKeepTheInvariants) {
  for (int variant = 0; variant < 64; ++variant) {
    SelfPlayConfig config;
    config.seed = 1000 + static_cast<std::uint64_t>(variant);
    config.rules.targetScore = variant & 1 ? 301 : 501;
    config.rules.optTrumpSevenExchange = variant & 2;
    config.rules.optBellaFirstHandOnly = variant & 4;
    config.rules.optMustOvertrump = variant & 8;
    config.rules.optAlternateFirstBidder = variant & 16;
    config.rules.optFreza = variant & 32;
    const GameReport report = PlaySelfGame(config, nullptr);
    EXPECT_TRUE(report.failures.empty()) << report.failures.front();
    EXPECT_GT(report.deals, 0);
    EXPECT_TRUE(report.points1 >= config.rules.targetScore ||
                report.points2 >= config.rules.targetScore);
  }
}

TEST(SelfPlay, TheSameSeedPlaysTheSameGame) {
  SelfPlayConfig config;
  config.seed = 77;
  std::ostringstream first;
  std::ostringstream second;
  PlaySelfGame(config, &first);
  PlaySelfGame(config, &second);
  EXPECT_EQ(first.str(), second.str());
  EXPECT_NE(first.str().find("trick 9:"), std::string::npos);
}

}  // namespace
}  // namespace klondar
