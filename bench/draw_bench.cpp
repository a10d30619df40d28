// How long one whole-bench repaint takes. The bench is repainted after
// every analysis, every mouse move that changes it and every repaint of the
// window, and ten times a second while a generator turns, so a crowded bench
// has to repaint in a few milliseconds.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <optional>
#include <string>

#include "render/bench_renderer.h"
#include "render/pictures.h"
#include "support/crowded_bench.h"

namespace voltaro {
namespace {

// Painting needs a GUI application; without a screen it paints offscreen.
// Made once and kept for the whole run.
void EnsureGuiApplication() {
  static const QGuiApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "voltaro_bench";
    static char* argv[] = {name, nullptr};
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}

// The pictures beside the program, as the bench window reads them.
const PictureSet* Pictures(benchmark::State& state) {
  static PictureSet pictures;
  static const std::optional<std::string> missing =
      pictures.load(QCoreApplication::applicationDirPath().toStdString() + "/obj");
  if (missing) {
    state.SkipWithError(("cannot read the picture " + *missing).c_str());
    return nullptr;
  }
  return &pictures;
}

// Every timer tick finds the moving apparatus due for its next step.
class TickingClock : public Clock {
 public:
  int64_t now_ms() override { return now_ += 100; }

 private:
  int64_t now_ = 0;
};

// One repaint of the crowded bench in the object view (0) or the circuit
// view (1), with current arrows on every wire.
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
  renderer.Draw_obj();
  for (auto _ : state) {
    renderer.Draw_obj();
    benchmark::DoNotOptimize(renderer.image().constBits());
  }
  state.SetLabel(state.range(0) ? "circuit view" : "object view");
}
BENCHMARK(BM_DrawFullBench)->ArgName("circuit")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaro
