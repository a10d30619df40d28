// The undo history under the monkey's random work, with Undo and Redo mixed
// in, at its limits, and where actions overlap with Undo.

#include "app/undo_history.h"

#include <QUndoStack>
#include <random>

#include "document/experiment_file.h"
#include "interaction/fakes.h"
#include "model/kinds.h"
#include "support/monkey.h"
#include "window_fixture.h"

namespace voltaro {
namespace testing {
const PictureSet& Pictures() {
  return voltaro::Pictures();
}
}  // namespace testing

namespace {

// Sits between the mouse handling and the history, and between the bench
// and its picture: notes the bench at the start and end of every step the
// history keeps, and the bench that Undo and Redo put back before the
// analysis runs on it.
class Witness : public StepObserver, public BenchObserver {
 public:
  Witness(Bench& bench, UndoHistory& history, BenchInteraction& mouse, BenchObserver& picture)
      : bench_(bench), history_(history), picture_(picture) {
    mouse.set_step_observer(this);
    bench.observer = this;
    history.bench_changed = [this] { kept_one_ = true; };
  }

  struct Kept {
    std::string before, after;
  };
  std::vector<Kept> steps;  // as the history should hold them
  int index = 0;            // how many of them are done
  std::string put_back;     // what the last Undo or Redo put back

  void action_begins() override {
    began_ = ExperimentText(bench_);
    history_.action_begins();
  }
  void action_ends(std::optional<Step> step) override {
    const std::string ended = ExperimentText(bench_);
    kept_one_ = false;
    history_.action_ends(step);
    if (!kept_one_) return;
    steps.resize(index);
    steps.push_back({began_, ended});
    // The oldest steps go when the history is full.
    const QUndoStack& stack = history_.stack();
    steps.erase(steps.begin(), steps.end() - stack.count());
    index = stack.index();
  }
  void analysed(Bench& b) override { picture_.analysed(b); }
  void element_moved(int from, int to) override { picture_.element_moved(from, to); }
  void replaced(Bench& b) override {
    put_back = ExperimentText(b);
    picture_.replaced(b);
  }

 private:
  Bench& bench_;
  UndoHistory& history_;
  BenchObserver& picture_;
  std::string began_;
  bool kept_one_ = false;
};

struct HistoryBench : testing::MouseBench {
  UndoHistory history{bench, mouse};
  Witness witness{bench, history, mouse, renderer};
  QUndoStack& stack = history.stack();
  testing::MonkeyHands hands{bench, renderer, mouse};

  void undo() {
    ASSERT_TRUE(stack.canUndo());
    stack.undo();
    --witness.index;
    ASSERT_EQ(stack.index(), witness.index);
    EXPECT_EQ(witness.put_back, witness.steps[witness.index].before);
  }
  void redo() {
    ASSERT_TRUE(stack.canRedo());
    stack.redo();
    EXPECT_EQ(witness.put_back, witness.steps[witness.index].after);
    ++witness.index;
    ASSERT_EQ(stack.index(), witness.index);
  }
};

TEST(UndoHistory, UndoAndRedoRetraceTheMonkeysWork) {
  HistoryBench t;
  testing::PutEveryKind(t.hands);
  t.clipboard.content.clear();
  t.history.StartAfresh();
  t.witness.steps.clear();
  t.witness.index = 0;
  std::mt19937 rng(20261213);
  for (int step = 0; step < 2500; ++step) {
    const unsigned r = rng() % 100;
    if (r < 3 && t.stack.canUndo()) {
      t.undo();
    } else if (r < 6 && t.stack.canRedo()) {
      t.redo();
    } else {
      testing::MonkeyAction(t.hands, rng);
    }
    testing::ExpectSound(t.bench, step);
    ASSERT_FALSE(::testing::Test::HasFailure());
  }
  ASSERT_EQ(t.stack.count(), static_cast<int>(t.witness.steps.size()));
  ASSERT_GT(t.stack.count(), 100);
  ASSERT_LT(t.stack.count(), UNDO_STEP_LIMIT);
  // All the way back to the start, and forward again to the end.
  while (t.stack.canUndo()) {
    t.undo();
    testing::ExpectSound(t.bench, t.witness.index);
    ASSERT_FALSE(::testing::Test::HasFailure());
  }
  EXPECT_EQ(t.witness.put_back, t.witness.steps.front().before);
  while (t.stack.canRedo()) {
    t.redo();
    testing::ExpectSound(t.bench, t.witness.index);
    ASSERT_FALSE(::testing::Test::HasFailure());
  }
  EXPECT_EQ(t.witness.put_back, t.witness.steps.back().after);
}

// A resistor turned round and round, one step per turn.
void Turn(HistoryBench& t, int times) {
  t.click(300, 300);
  for (int i = 0; i < times; ++i) t.mouse.Rotate();
}

TEST(UndoHistory, KeepsTheLatestThousandSteps) {
  HistoryBench t;
  t.put(KIND_FIXED_RESISTOR, 300, 300);
  t.history.StartAfresh();
  Turn(t, UNDO_STEP_LIMIT + 2);
  EXPECT_EQ(t.stack.count(), UNDO_STEP_LIMIT);
  while (t.stack.canUndo()) t.stack.undo();
  // The first two turns are gone: the resistor stays turned twice.
  EXPECT_EQ(t.bench.elements[0].pose, 5);
}

TEST(UndoHistory, DropsTheOldestStepsBeyondItsMemory) {
  HistoryBench t;
  t.ui.note_lines = {"Notes"};
  t.mouse.set_pending_kind(KIND_NOTE);
  t.click(100, 100);
  t.history.StartAfresh();
  t.witness.steps.clear();
  t.witness.index = 0;
  t.history.set_byte_limit(1'000'000);
  // Each step writes the note anew: 40 kB that no other step shares.
  int round = 0;
  t.ui.edit = [&](int32_t, int index) {
    t.bench.notes[index].lines.assign(100, std::to_string(round) + std::string(400, '.'));
  };
  t.click(110, 110);
  for (; round < 60; ++round) {
    t.mouse.Properties();
    ASSERT_LE(t.history.bytes(), 1'000'000u);
  }
  const int kept = t.stack.count();
  EXPECT_GT(kept, 10);
  EXPECT_LT(kept, 60);
  // The steps kept still go back and forth exactly.
  while (t.stack.canUndo()) t.undo();
  EXPECT_EQ(t.bench.notes[0].lines[0].substr(0, 3), std::to_string(59 - kept) + ".");
  while (t.stack.canRedo()) t.redo();
  EXPECT_EQ(t.bench.notes[0].lines[0].substr(0, 3), "59.");
}

// A fuse of 0.1 A in a loop with a 1.5 V cell, a 1 ohm resistor and an open
// switch; closing the switch blows the fuse at the next analysis.
TEST(UndoHistory, UndoingTheSwitchThatBlewTheFuseBringsBackTheFuse) {
  HistoryBench t;
  const int cell = t.place(KIND_DRY_CELL, 100, 100);
  const int sw = t.place(KIND_SPST_SWITCH, 300, 100);
  const int fuse = t.place(KIND_FUSE, 500, 100);
  const int load = t.place(KIND_FIXED_RESISTOR, 300, 300);
  t.bench.elements[fuse].max_current = 0.1;
  t.wire(t.el(cell).node_b, t.el(sw).node_a);
  t.wire(t.el(sw).node_b, t.el(fuse).node_a);
  t.wire(t.el(fuse).node_b, t.el(load).node_a);
  t.wire(t.el(load).node_b, t.el(cell).node_a);
  doing(t.bench);
  t.history.StartAfresh();
  t.click(300, 95);
  t.mouse.Image1DblClick();
  t.release(300, 95);
  ASSERT_EQ(t.el(sw).is_open, 0);
  for (int i = 0; i < 5 && t.bench.analysis_pending; ++i) doing(t.bench);  // the timer
  ASSERT_EQ(t.el(fuse).is_open, 1);
  EXPECT_EQ(t.stack.count(), 1);  // the fuse that blew is no step
  t.stack.undo();
  EXPECT_EQ(t.el(sw).is_open, 1);
  EXPECT_EQ(t.el(fuse).is_open, 0);
  t.stack.redo();
  for (int i = 0; i < 5 && t.bench.analysis_pending; ++i) doing(t.bench);
  EXPECT_EQ(t.el(sw).is_open, 0);
  EXPECT_EQ(t.el(fuse).is_open, 1);
}

TEST(UndoHistory, WhatChangesNothingIsNoStep) {
  HistoryBench t;
  t.put(KIND_FIXED_RESISTOR, 300, 300);
  t.put(KIND_POINTER_VOLTMETER, 600, 300);
  doing(t.bench);
  t.history.StartAfresh();
  t.click(800, 600);  // empty bench
  t.mouse.Delete();   // nothing selected
  t.click(300, 300);  // a part selected, grabbed and let go where it was
  t.mouse.Copy();
  t.mouse.Properties();  // cancelled
  t.click(600, 300);
  t.mouse.Rotate();  // a pointer meter does not turn
  t.mouse.Image1DblClick();
  t.press(500, 500, RIGHT_BUTTON);
  t.release(500, 500, RIGHT_BUTTON);
  EXPECT_EQ(t.stack.count(), 0);
}

TEST(UndoHistory, UndoInTheMiddleOfADragLetsGoOfIt) {
  HistoryBench t;
  const int r = t.place(KIND_SLIDE_RHEOSTAT, 300, 400);
  t.put(KIND_FIXED_RESISTOR, 600, 300);
  doing(t.bench);
  t.history.StartAfresh();
  t.press(301, 390);
  t.move(320, 390);
  t.release(320, 390);
  ASSERT_EQ(t.stack.count(), 1);
  const double slid = t.bench.rheostats[r].slider;
  t.press(321, 390);  // the knob again
  t.move(340, 390);
  t.stack.undo();  // Ctrl+Z with the button still down
  EXPECT_FALSE(t.mouse.view().slider_drag);
  t.move(360, 390);
  t.release(360, 390);
  EXPECT_EQ(t.bench.rheostats[r].slider, 0.5);
  EXPECT_EQ(t.stack.count(), 1);
  EXPECT_TRUE(t.stack.canRedo());
  t.stack.redo();
  EXPECT_EQ(t.bench.rheostats[r].slider, slid);
}

// Undo chosen from the context menu that a right release opened: the
// release's own action must not turn the Undo into a step.
TEST(UndoHistory, UndoFromTheContextMenu) {
  HistoryBench t;
  t.put(KIND_FIXED_RESISTOR, 300, 300);
  t.put(KIND_FIXED_RESISTOR, 600, 300);
  ASSERT_EQ(t.stack.count(), 2);
  t.ui.on_context_menu = [&t] { t.stack.undo(); };
  t.click(300, 300, RIGHT_BUTTON);
  EXPECT_EQ(CountElements(t.bench), 1);
  EXPECT_EQ(t.stack.count(), 2);
  EXPECT_EQ(t.stack.index(), 1);
}

TEST_F(WindowFixture, NewAndOpenStartAFreshHistory) {
  window.documents().New();
  window.mouse().set_pending_kind(KIND_FIXED_RESISTOR);
  window.mouse().Image1MouseDown(LEFT_BUTTON, 0, 300, 300);
  window.mouse().Image1MouseUp(LEFT_BUTTON, 0, 300, 300);
  ASSERT_TRUE(window.actions().edit.undo->isEnabled());
  window.documents().New();
  EXPECT_FALSE(window.actions().edit.undo->isEnabled());
  EXPECT_EQ(window.history().stack().count(), 0);
  window.mouse().set_pending_kind(KIND_FIXED_RESISTOR);
  window.mouse().Image1MouseDown(LEFT_BUTTON, 0, 300, 300);
  window.mouse().Image1MouseUp(LEFT_BUTTON, 0, 300, 300);
  modal.open = example("ac_generator.ele");
  window.documents().Open();
  EXPECT_EQ(window.history().stack().count(), 0);
  EXPECT_FALSE(window.findChild<QWidget*>("Undo")->isEnabled());
}

}  // namespace
}  // namespace voltaro
