// One tick of the bench window's timer while the AC generator of the
// example turns: the analysis and the repaint, as the pupil watches them,
// with and without the chart following the bench; and the repaint of a
// chart full of long traces.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QWindow>
#include <memory>
#include <optional>

#include "app/chart_window.h"
#include "app/main_window.h"
#include "model/headless_timer.h"
#include "support/max_benches.h"
#include "window_ports.h"

namespace {

using namespace voltaro;

class QuietPrompts : public MeasurementPrompts {
 public:
  QString save_path(QWidget*, const QString&, const QString&) override { return {}; }
  void error(QWidget*, const QString&) override {}
  void set_clipboard(const QString&) override {}
};

// Five minutes of ticks, the widest time a chart shows.
constexpr int FIVE_MINUTES = 3000;

void BM_Timer1Timer(benchmark::State& state) {
  const PictureSet* pictures = WindowPictures(state);
  if (!pictures) return;
  QuietModal modal;
  NoClipboard clipboard;
  TForm1 window(VOLTARO_PROGRAM_DIR, *pictures, modal, clipboard);
  window.OpenAtStart(VOLTARO_EXAMPLES "/ac_generator.ele");
  // With the chart open on every quantity of the bench and five minutes of
  // traces in it already: each tick adds a point to each and scrolls.
  QuietPrompts prompts;
  std::optional<ChartWindow> chart;
  double seconds = 0;
  if (state.range(0)) {
    chart.emplace(window.bench(), prompts);
    chart->set_time_window(ChartWindow::LONGEST);
    chart->show();
    for (const Quantity& q : QuantityReader().list(window.bench())) {
      chart->chooser()->set_chosen(q.key, true);
    }
    for (int i = 0; i < FIVE_MINUTES; ++i) {
      window.Timer1Timer();
      chart->on_tick(seconds += 0.1);
    }
  }
  for (auto _ : state) {
    window.Timer1Timer();
    if (chart) chart->on_tick(seconds += 0.1);
  }
  state.counters["angle"] = window.bench().elements[0].param1;
  if (chart) state.counters["traces"] = static_cast<double>(chart->legend().size());
}
BENCHMARK(BM_Timer1Timer)->ArgName("chart")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The chart repainted with eight traces of five minutes each, the ones of a
// school bench whose generator turns that change the most.
void BM_ChartRepaint(benchmark::State& state) {
  auto bench = std::make_unique<Bench>();
  testing::BuildSchoolMix(*bench, true);
  HeadlessTimer timer(*bench);
  timer.open();
  QuietPrompts prompts;
  ChartWindow chart(*bench, prompts);
  chart.set_time_window(ChartWindow::LONGEST);
  chart.show();
  for (int i = 0; i < FIVE_MINUTES; ++i) {
    timer.tick();
    chart.on_tick(timer.seconds());
  }
  const Recording& r = chart.recording();
  std::vector<std::pair<double, size_t>> swings;
  for (size_t c = 0; c < r.columns().size(); ++c) {
    const std::vector<double> v = r.numbers(c);
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    swings.emplace_back(*high - *low, c);
  }
  std::sort(swings.rbegin(), swings.rend());
  for (size_t i = 0; i < 8 && i < swings.size(); ++i) {
    chart.chooser()->set_chosen(r.columns()[swings[i].second].key, true);
  }
  // Painted on the screen's own schedule only once the window is exposed.
  while (!chart.windowHandle()->isExposed()) QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  if (state.range(0)) {
    // The next tick: a point more on each trace, the axes scrolled.
    for (auto _ : state) {
      timer.tick();
      chart.on_tick(timer.seconds());
    }
  } else {
    for (auto _ : state) chart.view()->viewport()->repaint();
  }
  state.counters["traces"] = static_cast<double>(chart.legend().size());
  state.counters["points"] = static_cast<double>(chart.traces_table().size() - 1);
}
// The repaint, and the tick that adds the points (the bench's analysis and
// the chart's share of the tick).
BENCHMARK(BM_ChartRepaint)->ArgName("tick")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
