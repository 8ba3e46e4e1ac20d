// The computer's card choice, the plain oracle search against the shipped solver, on the
// same seeded decisions and therefore the same samples. Each benchmark runs a fixed set
// of decisions (half leading, half answering, either side holding the contract, every
// combination of the two rule options) and reports the median and the slowest of them;
// with several iterations each decision counts with its fastest run, so that a cold
// cache or a busy machine does not pass for a hard position.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <map>
#include <vector>

#include "engine/recording_table_view.h"
#include "opponent/card_sampling.h"
#include "opponent/deal_solver.h"
#include "oracle/random_deal.h"
#include "oracle/search_oracle.h"

namespace {

using namespace klondar;

constexpr int kDecisions = 200;

struct Decision {
  oracle::MidDeal deal;
  std::uint64_t seed = 0;
};

const std::vector<Decision>& Decisions(int cards) {
  static std::map<int, std::vector<Decision>> byCards;
  std::vector<Decision>& decisions = byCards[cards];
  if (decisions.empty()) {
    for (int i = 0; i < kDecisions; ++i) {
      oracle::DealShape shape;
      shape.computerCards = cards;
      shape.computerLeads = i % 2 == 0;
      shape.taker = 1 + (i / 2) % 2;
      shape.mustOvertrump = (i / 4) % 2 == 0;
      shape.bellaFirstHandOnly = (i / 8) % 2 == 1;
      const std::uint64_t seed =
          static_cast<std::uint64_t>(cards) * 100'000 + static_cast<std::uint64_t>(i);
      decisions.push_back({oracle::RandomMidDeal(seed, shape), seed});
    }
  }
  return decisions;
}

// The first sample of each decision at this card count.
const std::vector<SolverPosition>& FirstSamples(int cards) {
  static std::map<int, std::vector<SolverPosition>> byCards;
  std::vector<SolverPosition>& positions = byCards[cards];
  if (positions.empty()) {
    for (const Decision& d : Decisions(cards)) {
      RandomSource random(d.seed);
      const SolverHand hand =
          SampleUserHand(d.deal.state, d.deal.knowledge, UnseenPool(d.deal.knowledge), random);
      positions.push_back(PositionWith(d.deal.state, hand));
    }
  }
  return positions;
}

void Report(benchmark::State& state, std::vector<double> fastest) {
  std::sort(fastest.begin(), fastest.end());
  state.counters["median_ms"] = fastest[fastest.size() / 2];
  state.counters["slowest_ms"] = fastest.back();
  state.counters["cases"] = static_cast<double>(fastest.size());
}

template <typename Run>
void TimeEach(benchmark::State& state, std::size_t count, Run run) {
  std::vector<double> fastest(count, std::numeric_limits<double>::infinity());
  for (auto _ : state) {
    for (std::size_t i = 0; i < count; ++i) {
      const auto start = std::chrono::steady_clock::now();
      run(i);
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      fastest[i] = std::min(fastest[i], took.count());
    }
  }
  Report(state, fastest);
}

void Decide(benchmark::State& state, const PositionSolver* solve) {
  const std::vector<Decision>& decisions = Decisions(static_cast<int>(state.range(0)));
  TimeEach(state, decisions.size(), [&](std::size_t i) {
    const Decision& d = decisions[i];
    RecordingTableView view(d.deal.state);
    RandomSource random(d.seed);
    const int slot =
        solve != nullptr
            ? ChooseCardBySampling(d.deal.state, d.deal.knowledge, random, view, *solve)
            : ChooseCardBySampling(d.deal.state, d.deal.knowledge, random, view);
    benchmark::DoNotOptimize(slot);
  });
}

void BM_DecisionOracle(benchmark::State& state) {
  const PositionSolver oracleSolve = oracle::SolvePosition;
  Decide(state, &oracleSolve);
}

void BM_DecisionSolver(benchmark::State& state) { Decide(state, nullptr); }

template <SlotValues (*Solve)(const SolverPosition&)>
void BM_OneSample(benchmark::State& state) {
  const std::vector<SolverPosition>& positions = FirstSamples(static_cast<int>(state.range(0)));
  TimeEach(state, positions.size(), [&](std::size_t i) {
    const SlotValues values = Solve(positions[i]);
    benchmark::DoNotOptimize(values);
  });
}

}  // namespace

// Whole decisions: 8 cards (7 samples, trick 2) down to 2 cards (300 samples).
BENCHMARK(BM_DecisionOracle)->DenseRange(2, 8)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecisionSolver)->DenseRange(2, 8)->Iterations(5)->Unit(benchmark::kMillisecond);
// One exact solve of a single sample at 8 cards, with a fresh solver each time.
BENCHMARK(BM_OneSample<klondar::oracle::SolvePosition>)
    ->Name("BM_OneSampleOracle")
    ->Arg(8)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneSample<klondar::SolvePosition>)
    ->Name("BM_OneSampleSolver")
    ->Arg(8)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
