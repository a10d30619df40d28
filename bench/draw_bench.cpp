// How long one whole-bench repaint takes. The bench is repainted after
// every analysis, every mouse move that changes it and every repaint of the
// window, and ten times a second while a generator turns, so a crowded bench
// has to repaint in a few milliseconds.

#include <benchmark/benchmark.h>

#include <memory>

#include "crowded_bench.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

using crowded::BuildCrowdedBench;
using crowded::EnsureGuiApplication;
using crowded::Pictures;
using crowded::TickingClock;

// One repaint of the crowded bench in the object view (0) or the circuit
// view (1), with current arrows on every wire, as the window shows it at a
// zoom (in percent): at 100 % the bench picture itself, larger painted at
// that scale, pictures drawn larger included.
void BM_DrawFullBench(benchmark::State& state) {
  EnsureGuiApplication();
  const PictureSet* pictures = Pictures(state);
  if (!pictures) return;
  auto bench = std::make_unique<Bench>();
  if (!testing::BuildCrowdedBench(*bench)) {
    state.SkipWithError("the crowded bench did not fit its tables");
    return;
  }
  bench->circuit_view = static_cast<int32_t>(state.range(0));
  TickingClock clock;
  BenchRenderer renderer(*bench, *pictures, &clock);
  renderer.rebuild_all_pictures();
  renderer.set_view_scale(state.range(1) / 100.0);
  renderer.Draw_obj();
  for (auto _ : state) {
    renderer.Draw_obj();
    benchmark::DoNotOptimize(renderer.view_image().constBits());
  }
  state.SetLabel(state.range(0) ? "circuit view" : "object view");
}
BENCHMARK(BM_DrawFullBench)
    ->ArgNames({"circuit", "zoom"})
    ->ArgsProduct({{0, 1}, {100, 200}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaro
