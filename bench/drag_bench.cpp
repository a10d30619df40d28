// A slider dragged on a crowded bench as the window shows it zoomed: each
// move of the pointer sets the slider, runs the analysis and repaints what
// the window shows of the bench at the zoom, so the knob must follow the
// hand within a frame.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "crowded_bench.h"
#include "interaction/bench_interaction.h"
#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "quiet_dialogs.h"
#include "render/bench_renderer.h"
#include "support/max_benches.h"

namespace voltaro {
namespace {

// Nothing modal happens while a slider is dragged; the ports only have to
// exist.
class QuietPorts : public UiPort, public QuietDialogs<DialogPort>, public ClipboardPort {
 public:
  void show_context_menu(Point) override {}
  void show_black_box_menu(Point) override {}
  void show_magnifier(Point) override {}
  void refresh_magnifier() override {}
  bool magnifier_visible() override { return false; }
  void restore_cursor() override {}
  void reset_components_box() override {}
  void status_message(const std::string&) override {}
  void picture_changed() override {}
  std::string text() override { return {}; }
  void set_text(std::string) override {}
};

// The fullest bench the analysis is timed on (198 parts and 500 wires in
// school stations, each with a rheostat), its records spread over the bench
// as the crowded drawing bench's are, so that all of it is painted.
bool BuildFullestBenchLaidOut(Bench& bench) {
  testing::BuildFullestBench(bench);
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    bench.elements[i].x = 30 + (i % 18) * 56;
    bench.elements[i].y = 40 + (i / 18) * 68;
  }
  const auto spread = [](auto& table, int dx, int dy) {
    for (int i = 0; i < static_cast<int>(std::size(table)) && table[i].in_use; ++i) {
      table[i].x = 90 + (i % 6) * 160 + dx;
      table[i].y = 80 + (i / 6) % 7 * 100 + dy;
    }
  };
  spread(bench.rheostats, 0, 0);
  spread(bench.voltmeters, 40, 30);
  spread(bench.ammeters, 20, 60);
  spread(bench.spdts, -20, 45);
  spread(bench.relays, 60, 15);
  bench.show_current_direction = 1;
  return CountRheostats(bench) > 0;
}

// Counts the analyses (each ends in a redraw) and the paints of a move.
class Counter : public PaintListener, public BenchObserver {
 public:
  explicit Counter(BenchRenderer& renderer) : renderer_(renderer) {}
  void painted() override { ++paints; }
  void analysed(Bench& bench) override {
    ++analyses;
    renderer_.analysed(bench);
  }
  void element_moved(int from, int to) override { renderer_.element_moved(from, to); }
  void replaced(Bench& bench) override { renderer_.replaced(bench); }
  int64_t paints = 0, analyses = 0;

 private:
  BenchRenderer& renderer_;
};

// What a window full screen on a 1920 x 1080 projector shows of the zoomed
// bench, in picture pixels, below its menu bar, tool bar and status bar and
// beside the scroll bar: the corner where the dragged slider stands.
constexpr QRect FULL_SCREEN_WINDOW(0, 0, 1904, 990);

// One pointer move of a slider drag at a zoom (in percent), to and fro
// between a tenth and nine tenths of the way, on the fullest bench laid out
// (0) or on the crowded drawing bench (1), whose wires join terminals at
// random, so that its analysis is far harder than any class's; the whole
// zoomed picture painted (0), or what a full-screen window shows of it (1).
void BM_DragSlider(benchmark::State& state) {
  crowded::EnsureGuiApplication();
  const PictureSet* pictures = crowded::Pictures(state);
  if (!pictures) return;
  auto bench = std::make_unique<Bench>();
  const bool random_wires = state.range(1) != 0;
  if (!(random_wires ? crowded::BuildCrowdedBench(*bench) : BuildFullestBenchLaidOut(*bench))) {
    state.SkipWithError("the bench did not fit its tables");
    return;
  }
  crowded::TickingClock clock;
  BenchRenderer renderer(*bench, *pictures, &clock);
  renderer.attach();
  renderer.rebuild_all_pictures();
  renderer.set_view_scale(state.range(0) / 100.0);
  const bool window = state.range(2) != 0;
  if (window) renderer.set_shown(FULL_SCREEN_WINDOW);
  QuietPorts ports;
  BenchInteraction mouse(*bench, renderer, ports, ports, ports);
  Settle(*bench);
  Counter counter(renderer);
  renderer.set_listener(&counter);
  bench->observer = &counter;

  const RheostatRecord& r = bench->rheostats[0];
  const int knob = r.x - 29 + static_cast<int>(std::trunc(60 * r.slider));
  mouse.Image1MouseDown(LEFT_BUTTON, 0, knob, r.y - 10);
  if (!mouse.view().slider_drag) {
    state.SkipWithError("the press missed the knob");
    return;
  }
  const int ends[] = {r.x - 25, r.x + 23};
  int move = 0;
  for (auto _ : state) {
    mouse.Image1MouseMove(0, ends[move++ % 2], r.y - 10);
    // The window then shows the picture.
    const QImage& shown = window ? renderer.view_image(FULL_SCREEN_WINDOW) : renderer.view_image();
    benchmark::DoNotOptimize(shown.constBits());
  }
  mouse.Image1MouseUp(LEFT_BUTTON, 0, ends[move % 2], r.y - 10);
  state.SetLabel(std::string(random_wires ? "crowded drawing bench" : "fullest bench") +
                 (window ? ", full-screen window" : ", whole picture"));
  state.counters["variables"] = bench->scratch->system.size();
  state.counters["paints_per_move"] =
      benchmark::Counter(static_cast<double>(counter.paints), benchmark::Counter::kAvgIterations);
  state.counters["analyses_per_move"] =
      benchmark::Counter(static_cast<double>(counter.analyses), benchmark::Counter::kAvgIterations);
  bench->observer = &renderer;
}
BENCHMARK(BM_DragSlider)
    ->ArgNames({"zoom", "random_wires", "window"})
    ->ArgsProduct({{100, 200}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaro
