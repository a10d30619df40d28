// What the undo history spends on a crowded bench without a window: taking
// a snapshot, which happens at the start and the end of every action of the
// pupil, and reading one back.

#include <benchmark/benchmark.h>

#include <memory>

#include "document/bench_snapshot.h"
#include "document/experiment_file.h"
#include "support/crowded_bench.h"

namespace voltaro {
namespace {

std::unique_ptr<Bench> CrowdedBench(benchmark::State& state) {
  auto bench = std::make_unique<Bench>();
  if (!testing::BuildCrowdedBench(*bench)) {
    state.SkipWithError("the crowded bench did not fit its tables");
    return nullptr;
  }
  return bench;
}

void BM_CaptureCrowdedBench(benchmark::State& state) {
  auto bench = CrowdedBench(state);
  if (!bench) return;
  SnapshotStore store;
  const Snapshot first = store.capture(*bench);
  for (auto _ : state) benchmark::DoNotOptimize(store.capture(*bench));
  state.counters["text_bytes"] = static_cast<double>(first.text().size());
  state.counters["store_bytes"] = static_cast<double>(store.bytes());
}
BENCHMARK(BM_CaptureCrowdedBench)->Unit(benchmark::kMillisecond);

void BM_DecodeCrowdedBench(benchmark::State& state) {
  auto bench = CrowdedBench(state);
  if (!bench) return;
  const std::string text = ExperimentText(*bench);
  for (auto _ : state) DecodeExperiment(*bench, text, Repairs::None);
}
BENCHMARK(BM_DecodeCrowdedBench)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaro
