// One tick of the bench window's timer while the AC generator of the
// example turns: the analysis and the repaint, as the pupil watches them.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"

namespace {

using namespace voltaro;

// Nothing modal happens on a turning generator; the port only has to exist.
class QuietModal : public ModalPort {
 public:
  Answer confirm(const QString&) override { return Answer::No; }
  bool ask(const QString&) override { return false; }
  QString open_path() override { return {}; }
  QString save_path() override { return {}; }
  void error(const QString&) override {}
  void choose_bulb(int) override {}
  DialogOutcome edit_note(int) override { return DialogOutcome::Cancelled; }
  DialogOutcome set_up_black_box(int) override { return DialogOutcome::Cancelled; }
  bool password_matches(int) override { return false; }
  DialogOutcome edit_properties(int32_t, int) override { return DialogOutcome::Cancelled; }
  bool pick_color(int32_t&) override { return false; }
  void popup(QMenu&, QPoint) override {}
  void show_warning(QWidget&) override {}
  void show_about() override {}
  QString picture_path() override { return {}; }
  bool print_dialog(QPrinter&) override { return false; }
  void page_setup(QPrinter&) override {}
};

class NoClipboard : public ClipboardPort {
 public:
  std::string text() override { return {}; }
  void set_text(std::string) override {}
};

void BM_Timer1Timer(benchmark::State& state) {
  static PictureSet pictures;
  static const bool loaded = !pictures.load(VOLTARO_OBJ_DIR).has_value();
  if (!loaded) {
    state.SkipWithError("the pictures are missing");
    return;
  }
  QuietModal modal;
  NoClipboard clipboard;
  TForm1 window(VOLTARO_PROGRAM_DIR, pictures, modal, clipboard);
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
