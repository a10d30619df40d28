// What recording the readings adds to a tick of the bench's timer: a chart
// takes every quantity of the bench at every tick, so its share of the tick
// has to stay small next to the analysis the tick runs.

#include <benchmark/benchmark.h>

#include <memory>

#include "model/analysis.h"
#include "model/headless_timer.h"
#include "model/recording.h"
#include "support/max_benches.h"

namespace voltaro {
namespace {

// Five minutes of ticks, the longest a chart shows: then the oldest go.
constexpr size_t CHART_ROWS = 3000;

void Record(Recording& recording, const Bench& bench, double seconds) {
  recording.record(bench, seconds);
  if (recording.rows() >= CHART_ROWS) recording.clear_rows();
}

Recording EveryQuantity() {
  Recording r;
  r.follow([](const QuantityKey&) { return true; });
  return r;
}

// One tick on the fullest bench the placement limits allow, with an analysis
// at every tick as while a generator turns; with and without every quantity
// recorded after it.
void BM_TimerTickFullestBench(benchmark::State& state) {
  const bool recording_on = state.range(0) != 0;
  auto bench = std::make_unique<Bench>();
  testing::BuildFullestBench(*bench);
  HeadlessTimer timer(*bench);
  timer.open();
  Settle(*bench);
  Recording recording = EveryQuantity();
  for (auto _ : state) {
    bench->analysis_pending = 1;
    timer.tick();
    if (recording_on) Record(recording, *bench, timer.seconds());
    benchmark::DoNotOptimize(bench->status);
  }
  state.counters["quantities"] = static_cast<double>(QuantityReader().list(*bench).size());
}
BENCHMARK(BM_TimerTickFullestBench)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// The school bench with a station fed by an AC generator: every tick turns
// it and analyses the bench, as the window's timer does.
void BM_TimerTickTurningGenerator(benchmark::State& state) {
  const bool recording_on = state.range(0) != 0;
  auto bench = std::make_unique<Bench>();
  testing::BuildSchoolMix(*bench, true);
  HeadlessTimer timer(*bench);
  timer.open();
  Recording recording = EveryQuantity();
  for (auto _ : state) {
    timer.tick();
    if (recording_on) Record(recording, *bench, timer.seconds());
    benchmark::DoNotOptimize(bench->status);
  }
  state.counters["quantities"] = static_cast<double>(QuantityReader().list(*bench).size());
}
BENCHMARK(BM_TimerTickTurningGenerator)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// The recording alone: reading every quantity of the fullest bench into a row.
void BM_RecordFullestBench(benchmark::State& state) {
  auto bench = std::make_unique<Bench>();
  testing::BuildFullestBench(*bench);
  Settle(*bench);
  Recording recording = EveryQuantity();
  double seconds = 0;
  for (auto _ : state) {
    seconds += 0.1;
    Record(recording, *bench, seconds);
  }
  state.counters["quantities"] = static_cast<double>(recording.columns().size());
}
BENCHMARK(BM_RecordFullestBench)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace voltaro
