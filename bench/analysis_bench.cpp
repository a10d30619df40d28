// How long one analysis of a full bench takes: the timer re-runs it ten
// times a second while a generator turns, so it has to stay far below that.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "support/max_benches.h"

namespace voltaro {
namespace {

using testing::MaxBench;

// The bench settled first, as it stands between two ticks of the timer.
std::unique_ptr<Bench> SettledMaxBench(benchmark::State& state, MaxBench which) {
  auto bench = std::make_unique<Bench>();
  testing::BuildMaxBench(*bench, which);
  const int counted = testing::CountedVariables(*bench);
  if (counted != EquationSystem::MAX_VARIABLES) {
    state.SkipWithError(("bench has " + std::to_string(counted) + " variables").c_str());
    return nullptr;
  }
  Settle(*bench);
  if (bench->status == STATUS_TOO_LARGE) {
    state.SkipWithError("the analysis refused the bench");
    return nullptr;
  }
  return bench;
}

void BM_AnalysisMaxBench(benchmark::State& state) {
  const auto which = static_cast<MaxBench>(state.range(0));
  state.SetLabel(std::string(testing::MaxBenchName(which)));
  const std::unique_ptr<Bench> bench = SettledMaxBench(state, which);
  if (!bench) return;
  for (auto _ : state) {
    doing(*bench);
    benchmark::DoNotOptimize(bench->status);
  }
  state.counters["solved_variables"] = bench->scratch->system.size();
  state.counters["status"] = bench->status;
}
BENCHMARK(BM_AnalysisMaxBench)
    ->ArgName("bench")
    ->Arg(static_cast<int>(MaxBench::ManyComponents))
    ->Arg(static_cast<int>(MaxBench::ManyWires))
    ->Arg(static_cast<int>(MaxBench::SchoolMix))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace voltaro

BENCHMARK_MAIN();
