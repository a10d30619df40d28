// One tick of the bench window's timer while the AC generator of the
// example turns: the analysis and the repaint, as the pupil watches them.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"
#include "window_ports.h"

namespace {

using namespace voltaro;

void BM_Timer1Timer(benchmark::State& state) {
  const PictureSet* pictures = WindowPictures(state);
  if (!pictures) return;
  QuietModal modal;
  NoClipboard clipboard;
  TForm1 window(VOLTARO_PROGRAM_DIR, *pictures, modal, clipboard);
  window.OpenAtStart(VOLTARO_EXAMPLES "/ac_generator.ele");
  for (auto _ : state) window.Timer1Timer();
  state.counters["angle"] = window.bench().elements[0].param1;
}
BENCHMARK(BM_Timer1Timer)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
