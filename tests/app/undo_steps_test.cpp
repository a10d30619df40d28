// Every kind of change a pupil makes on the bench is one step: Undo gives
// back the bench as it stood before the action, byte for byte, and Redo the
// bench as the action left it.

#include <QUndoStack>
#include <functional>

#include "document/experiment_file.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

struct UndoFixture : WindowFixture {
  UndoFixture() { window.documents().New(); }

  BenchInteraction& mouse() { return window.mouse(); }
  Bench& bench() { return window.bench(); }
  QUndoStack& stack() { return window.history().stack(); }
  std::string text() { return ExperimentText(bench()); }

  void press(int x, int y, int button = LEFT_BUTTON) { mouse().Image1MouseDown(button, 0, x, y); }
  void move(int x, int y) { mouse().Image1MouseMove(0, x, y); }
  void release(int x, int y, int button = LEFT_BUTTON) { mouse().Image1MouseUp(button, 0, x, y); }
  void click(int x, int y, int button = LEFT_BUTTON) {
    press(x, y, button);
    release(x, y, button);
  }
  void drag(Point from, Point to) {
    press(from.x, from.y);
    move((from.x + to.x) / 2, (from.y + to.y) / 2);
    move(to.x, to.y);
    release(to.x, to.y);
  }
  // Places a component with the mouse; its slot.
  int put(int32_t kind, int x, int y) {
    mouse().set_pending_kind(kind);
    click(x, y);
    return mouse().view().selected_index;
  }
  // The bench analysed until nothing more follows from it, and the history
  // empty: the bench as a pupil finds it before the step.
  void settle() {
    doing(bench());
    for (int i = 0; i < 20 && bench().analysis_pending != 0; ++i) doing(bench());
    window.history().StartAfresh();
  }
};

struct StepCase {
  const char* undo_text;
  std::function<void(UndoFixture&)> set_up;
  std::function<void(UndoFixture&)> act;
};

// Where the parts of the cases stand, and their terminals (placement
// geometry): a fixed resistor's A at (-37, 0), B at (35, 0).
constexpr Point R1{200, 200}, R2{500, 200}, BEND{300, 320};

void TwoResistors(UndoFixture& t) {
  t.put(KIND_FIXED_RESISTOR, R1.x, R1.y);
  t.put(KIND_FIXED_RESISTOR, R2.x, R2.y);
}

void WiredResistors(UndoFixture& t) {
  TwoResistors(t);
  t.click(R1.x - 37, R1.y);
  t.click(BEND.x, BEND.y);
  t.click(R2.x - 37, R2.y);
}

const StepCase STEP_CASES[] = {
    {"Undo Place", [](UndoFixture&) {}, [](UndoFixture& t) { t.put(KIND_BULB, 300, 300); }},
    {"Undo Move", TwoResistors,
     [](UndoFixture& t) {
       t.drag(R1, {400, 500});
     }},
    {"Undo Rotate", TwoResistors,
     [](UndoFixture& t) {
       t.click(R1.x, R1.y);
       t.mouse().Rotate();
     }},
    {"Undo Draw Wire", TwoResistors,
     [](UndoFixture& t) {
       t.click(R1.x + 35, R1.y);
       t.click(BEND.x, BEND.y);
       t.click(R2.x - 37, R2.y);
     }},
    {"Undo Move Bend", WiredResistors,
     [](UndoFixture& t) {
       t.drag(BEND, {360, 420});
     }},
    {"Undo Delete", WiredResistors,
     [](UndoFixture& t) {
       t.click(R1.x, R1.y);
       t.mouse().Delete();
     }},
    {"Undo Cut", WiredResistors,
     [](UndoFixture& t) {
       t.click(R2.x, R2.y);
       t.mouse().Cut();
     }},
    {"Undo Paste", TwoResistors,
     [](UndoFixture& t) {
       t.click(R1.x, R1.y);
       t.mouse().Copy();
       t.move(600, 500);
       t.mouse().Paste();
     }},
    // The slide rheostat's dialog shows each value on the bench as it is
    // typed: what is confirmed is one step.
    {"Undo Properties", [](UndoFixture& t) { t.put(KIND_SLIDE_RHEOSTAT, 300, 300); },
     [](UndoFixture& t) {
       t.modal.edit = [&t](int32_t, int index) {
         t.bench().rheostats[index].resistance = 80;
         doing(t.bench());
         t.bench().rheostats[index].resistance = 120;
         doing(t.bench());
         return DialogOutcome::Accepted;
       };
       t.click(350, 310);  // the body, clear of the knob
       t.mouse().Properties();
     }},
    {"Undo Note", [](UndoFixture&) {},
     [](UndoFixture& t) {
       t.modal.fill_note = [&t](int index) {
         NoteRecord& n = t.bench().notes[index];
         n.lines = {"Measure the current twice."};
         n.width = 160;
         n.height = 20;
         n.in_use = 1;
         return DialogOutcome::Accepted;
       };
       t.mouse().set_pending_kind(KIND_NOTE);
       t.click(500, 600);
     }},
    {"Undo Black Box", TwoResistors,
     [](UndoFixture& t) {
       t.mouse().set_pending_kind(KIND_BLACK_BOX);
       t.drag({150, 150}, {260, 260});
     }},
    {"Undo Open Black Box",
     [](UndoFixture& t) {
       t.mouse().set_pending_kind(KIND_BLACK_BOX);
       t.drag({600, 400}, {700, 480});
     },
     [](UndoFixture& t) {
       t.click(650, 440, RIGHT_BUTTON);
       t.mouse().OpenBlackBox();
     }},
    {"Undo Repair",
     [](UndoFixture& t) { t.bench().elements[t.put(KIND_FUSE, 300, 300)].is_open = 1; },
     [](UndoFixture& t) {
       t.click(300, 300);
       t.mouse().Repair();
     }},
    {"Undo Switch", [](UndoFixture& t) { t.put(KIND_SPST_SWITCH, 400, 300); },
     [](UndoFixture& t) {
       t.click(400, 295);
       t.mouse().Image1DblClick();
       t.release(400, 295);
     }},
    {"Undo Switch", [](UndoFixture& t) { t.put(KIND_SPDT_SWITCH, 400, 300); },
     [](UndoFixture& t) {
       t.click(420, 305);  // the right half throws it to terminal 2
       t.mouse().Image1DblClick();
       t.release(420, 305);
     }},
    // The right button turns the range knob on, the left one back.
    {"Undo Turn Knob", [](UndoFixture& t) { t.put(KIND_MULTIMETER, 500, 300); },
     [](UndoFixture& t) { t.click(490, 400, RIGHT_BUTTON); }},
    {"Undo Turn Knob", [](UndoFixture& t) { t.put(KIND_MULTIMETER, 500, 300); },
     [](UndoFixture& t) { t.click(490, 400); }},
    {"Undo Move Slider", [](UndoFixture& t) { t.put(KIND_SLIDE_RHEOSTAT, 300, 400); },
     [](UndoFixture& t) {
       t.drag({301, 390}, {340, 390});
     }},
    {"Undo Move Magnet", [](UndoFixture& t) { t.put(KIND_COIL_AND_MAGNET, 400, 400); },
     [](UndoFixture& t) {
       t.drag({390, 300}, {390, 340});
     }},
    {"Undo Wire Color", WiredResistors,
     [](UndoFixture& t) {
       t.click((R1.x - 37 + BEND.x) / 2, (R1.y + BEND.y) / 2);  // on the first segment
       t.modal.color = 255;
       t.mouse().ChooseWireColor();
     }},
};

class UndoStep : public UndoFixture, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UndoStep, IsOneStepThatUndoAndRedoRetrace) {
  const StepCase& c = GetParam();
  c.set_up(*this);
  settle();
  const std::string before = text();
  c.act(*this);
  const std::string after = text();
  ASSERT_NE(before, after) << "the action changed nothing";
  ASSERT_EQ(stack().count(), 1);
  EXPECT_EQ(window.actions().edit.undo->text(), QString(c.undo_text).replace("Undo", "U&ndo"));
  EXPECT_EQ(window.actions().context.undo->text().remove('&'), c.undo_text);
  window.actions().edit.undo->trigger();
  EXPECT_EQ(text(), before);
  EXPECT_FALSE(window.actions().edit.undo->isEnabled());
  EXPECT_EQ(mouse().view().selected_kind, 0);
  window.actions().edit.redo->trigger();
  EXPECT_EQ(text(), after);
  EXPECT_EQ(stack().count(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfChange, UndoStep, ::testing::ValuesIn(STEP_CASES),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                           std::string name = info.param.undo_text + 5;
                           std::erase(name, ' ');
                           return name + std::to_string(info.index);
                         });

}  // namespace
}  // namespace voltaro
