// How long one analysis of a full bench takes: the timer re-runs it ten
// times a second while a generator turns, so it has to stay far below that.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "support/crowded_bench.h"
#include "support/max_benches.h"

namespace voltaro {
namespace {

using testing::MaxBench;

// The bench settled first, as it stands between two ticks of the timer.
bool Settled(benchmark::State& state, Bench& bench) {
  const int counted = testing::CountedVariables(bench);
  if (counted != testing::MAX_BENCH_VARIABLES) {
    state.SkipWithError(("bench has " + std::to_string(counted) + " variables").c_str());
    return false;
  }
  Settle(bench);
  if (bench.status == STATUS_NOT_SOLVED) {
    state.SkipWithError("the analysis refused the bench");
    return false;
  }
  return true;
}

void Report(benchmark::State& state, const Bench& bench) {
  state.counters["solved_variables"] = bench.scratch->system.size();
  state.counters["status"] = bench.status;
  state.counters["replayed"] = bench.scratch->system.replayed();
  state.counters["looped_parts"] = bench.scratch->looped_count;
}

// A full analysis after a change to the network. A pupil turns a resistor
// between two values on every run; a run of an unchanged network would only
// carry the right-hand side through the last elimination.
void TimeResistorTurns(benchmark::State& state, Bench& bench) {
  int resistor = 0;
  while (bench.elements[resistor].kind != KIND_FIXED_RESISTOR) ++resistor;
  double& r = bench.elements[resistor].resistance;
  const double values[2] = {r, r * 1.25};
  int run = 0;
  for (auto _ : state) {
    r = values[++run % 2];
    doing(bench);
    benchmark::DoNotOptimize(bench.status);
  }
  Report(state, bench);
}

void BM_AnalysisMaxBench(benchmark::State& state) {
  const auto which = static_cast<MaxBench>(state.range(0));
  state.SetLabel(std::string(testing::MaxBenchName(which)));
  auto bench = std::make_unique<Bench>();
  testing::BuildMaxBench(*bench, which);
  if (!Settled(state, *bench)) return;
  TimeResistorTurns(state, *bench);
}
BENCHMARK(BM_AnalysisMaxBench)
    ->ArgName("bench")
    ->Arg(static_cast<int>(MaxBench::ManyComponents))
    ->Arg(static_cast<int>(MaxBench::ManyWires))
    ->Arg(static_cast<int>(MaxBench::SchoolMix))
    ->Arg(static_cast<int>(MaxBench::LoopRich))
    ->Unit(benchmark::kMicrosecond);

// The fullest bench the placement limits allow: 198 two-terminal parts, 500
// wires, pointer meters, rheostats, relays and double-throw switches; the
// equations far past the 499 variables they were once capped at.
void BM_AnalysisFullestBench(benchmark::State& state) {
  auto bench = std::make_unique<Bench>();
  testing::BuildFullestBench(*bench);
  Settle(*bench);
  TimeResistorTurns(state, *bench);
  state.counters["elements"] = CountElements(*bench);
  state.counters["wires"] = CountWires(*bench);
}
BENCHMARK(BM_AnalysisFullestBench)->Unit(benchmark::kMicrosecond);

// The crowded drawing bench, whose 300 wires join terminals at random: far
// harder to eliminate than any class's bench, and what a slider dragged on
// it analyses on every move.
void BM_AnalysisCrowdedBench(benchmark::State& state) {
  auto bench = std::make_unique<Bench>();
  if (!testing::BuildCrowdedBench(*bench)) {
    state.SkipWithError("the crowded bench did not fit its tables");
    return;
  }
  Settle(*bench);
  TimeResistorTurns(state, *bench);
}
BENCHMARK(BM_AnalysisCrowdedBench)->Unit(benchmark::kMicrosecond);

// The school bench with one station fed by an AC generator that turns a
// little between runs, as under the timer: only its emf changes.
void BM_AnalysisTurningGenerator(benchmark::State& state) {
  auto bench = std::make_unique<Bench>();
  const int generator = testing::BuildSchoolMix(*bench, true);
  if (!Settled(state, *bench)) return;
  double& angle = bench->elements[generator].param1;
  for (auto _ : state) {
    angle += 0.01;
    doing(*bench);
    benchmark::DoNotOptimize(bench->status);
  }
  Report(state, *bench);
}
BENCHMARK(BM_AnalysisTurningGenerator)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace voltaro

BENCHMARK_MAIN();
