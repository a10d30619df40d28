// Undo and Redo on a full bench (198 components, 300 wires), as the pupil
// waits for them: the bench put back with its readings, painted and shown;
// and the memory that a thousand steps on that bench take.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QUndoStack>
#include <memory>

#include "app/main_window.h"
#include "document/geometry.h"
#include "model/analysis.h"
#include "model/tables.h"
#include "support/crowded_bench.h"
#include "support/max_benches.h"
#include "window_ports.h"

namespace voltaro {
namespace {

int DrawnWires(const Bench& bench) {
  int drawn = 0;
  for (int i = 0; i < CountWires(bench); ++i) drawn += bench.wires[i].state == WIRE_DRAWN;
  return drawn;
}

// The fullest school bench with 300 drawn wires, at rest. The builder's
// limit counts the parts' hidden links too, so it is raised until 300 are
// drawn.
bool BuildFullSchoolBench(Bench& bench) {
  for (int limit = 300; limit <= WIRE_SLOTS; ++limit) {
    InitBenchTables(bench);
    testing::BuildFullestBench(bench, limit);
    if (DrawnWires(bench) >= 300) return CountElements(bench) == 198 && DrawnWires(bench) <= 302;
  }
  return false;
}

enum Which { SCHOOL = 0, CROWDED = 1 };

// The bench window, shown offscreen, with a full bench as a pupil would
// have it after opening it: the school bench (at rest) or the crowded
// drawing bench of every kind in every pose, whose random wiring never
// comes to rest: its diodes turn at every repaint, and each turn runs the
// analysis again, Undo or not.
struct CrowdedWindow {
  QuietModal modal;
  NoClipboard clipboard;
  std::unique_ptr<TForm1> window;

  explicit CrowdedWindow(const PictureSet& pictures)
      : window(std::make_unique<TForm1>(VOLTARO_PROGRAM_DIR, pictures, modal, clipboard)) {
    window->documents().New();
    window->show();
  }
  bool fill(Which which) {
    Bench& bench = window->bench();
    if (which == CROWDED ? !testing::BuildCrowdedBench(bench) : !BuildFullSchoolBench(bench)) {
      return false;
    }
    DerivePoseGeometry(bench);
    window->renderer().rebuild_all_pictures();
    for (int i = 0; i < 50; ++i) {
      doing(bench);
      if (bench.analysis_pending == 0) break;
    }
    window->history().StartAfresh();
    return true;
  }
  // A press, a move and a release from a component's centre: one step.
  void drag(int slot, int dx) {
    const ElementRecord& e = window->bench().elements[slot];
    const int x = e.x, y = e.y;
    BenchInteraction& mouse = window->mouse();
    mouse.Image1MouseDown(LEFT_BUTTON, 0, x, y);
    mouse.Image1MouseMove(0, x + dx, y + 3);
    mouse.Image1MouseUp(LEFT_BUTTON, 0, x + dx, y + 3);
  }
  void delete_element(int slot) {
    window->mouse().Select(window->bench().elements[slot].kind, slot);
    window->mouse().Delete();
  }
  // Undo or Redo as the menu gives it, and the bench shown again at once.
  // (No events are run: the window's timer would analyse the bench in
  // between, which this bench, never at rest, always asks for.)
  void take(QAction* action) {
    action->trigger();
    window->findChild<BenchView*>()->repaint();
  }
};

// One Undo (redo 0) or Redo (redo 1) of a move (step 0) or of a Delete
// (step 1), whose component leaves a gap that every later record moves up
// to close, on the school bench (bench 0) or the crowded one (bench 1).
void BM_UndoRedoFullBench(benchmark::State& state) {
  const PictureSet* pictures = WindowPictures(state);
  if (!pictures) return;
  CrowdedWindow w(*pictures);
  const Which which = static_cast<Which>(state.range(0));
  if (!w.fill(which)) {
    state.SkipWithError("the bench did not fit its tables");
    return;
  }
  if (state.range(1) == 0) {
    w.drag(100, 40);
  } else {
    w.delete_element(20);
  }
  if (w.window->history().stack().count() != 1) {
    state.SkipWithError("the action made no step");
    return;
  }
  const EditActions& edit = w.window->actions().edit;
  const bool undo = state.range(2) == 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (!undo) w.take(edit.undo);
    state.ResumeTiming();
    w.take(undo ? edit.undo : edit.redo);
    state.PauseTiming();
    if (undo) w.take(edit.redo);
    state.ResumeTiming();
  }
  state.SetLabel(std::string(which == CROWDED ? "crowded, " : "school, ") +
                 (state.range(1) ? "Delete" : "Move") + (undo ? ", undo" : ", redo"));
}
BENCHMARK(BM_UndoRedoFullBench)
    ->ArgNames({"bench", "step", "redo"})
    ->ArgsProduct({{SCHOOL, CROWDED}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// A thousand moves on a full bench, each a step of its own: what the
// history holds then.
void BM_ThousandStepsFullBench(benchmark::State& state) {
  const PictureSet* pictures = WindowPictures(state);
  if (!pictures) return;
  for (auto _ : state) {
    state.PauseTiming();
    CrowdedWindow w(*pictures);
    if (!w.fill(static_cast<Which>(state.range(0)))) {
      state.SkipWithError("the bench did not fit its tables");
      return;
    }
    state.ResumeTiming();
    const QUndoStack& stack = w.window->history().stack();
    for (int i = 0; stack.count() < 1000 && i < 5000; ++i) w.drag((i * 37) % 198, i % 2 ? -9 : 9);
    state.counters["steps"] = stack.count();
    state.counters["history_MB"] = w.window->history().bytes() / 1048576.0;
  }
}
BENCHMARK(BM_ThousandStepsFullBench)
    ->ArgName("bench")
    ->Arg(SCHOOL)
    ->Arg(CROWDED)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaro
