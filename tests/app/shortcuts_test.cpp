// The Edit menu's shortcut keys pressed on the real window: each does what
// its menu item would do at that moment, whatever the menu showed when it
// was last opened.

#include <QTest>
#include <QUndoStack>

#include "document/clipboard.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

constexpr int X = 300, Y = 300;

struct Window {
  FakeModal modal;
  NoClipboard clipboard;
  TForm1 form{VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard};

  Bench& bench() { return form.bench(); }
  void click(int x, int y) {
    form.mouse().Image1MouseDown(LEFT_BUTTON, 0, x, y);
    form.mouse().Image1MouseUp(LEFT_BUTTON, 0, x, y);
  }
  // The clipboard's text as a Copy of the component at (X, Y) leaves it.
  std::string bench_text() {
    NoClipboard scratch;
    CopyToClipboard(bench(), bench().elements[0].kind, 0, scratch, nullptr);
    return scratch.content;
  }
};

struct Case {
  const char* name;
  QKeySequence keys;
  int32_t kind;  // placed at (X, Y)
  // After the Edit menu was opened with nothing selected and ordinary text
  // on the clipboard: what the pupil does before pressing the keys.
  std::function<void(Window&)> then;
  std::function<void(Window&)> check;
};

void Select(Window& w) {
  w.click(X, Y);
}

// A step to take back: the resistor turned a quarter turn.
void Turn(Window& w) {
  Select(w);
  w.form.mouse().Rotate();
}

void TurnAndUndo(Window& w) {
  Turn(w);
  w.form.history().stack().undo();
}

const Case CASES[] = {
    {"Del deletes what was selected since", QKeySequence(Qt::Key_Delete), KIND_FIXED_RESISTOR,
     Select, [](Window& w) { EXPECT_EQ(CountElements(w.bench()), 0); }},
    {"Ctrl+C copies it", QKeySequence("Ctrl+C"), KIND_FIXED_RESISTOR, Select,
     [](Window& w) { EXPECT_TRUE(IsBenchClipboardText(w.clipboard.content)); }},
    {"Ctrl+X cuts it", QKeySequence("Ctrl+X"), KIND_FIXED_RESISTOR, Select,
     [](Window& w) {
       EXPECT_TRUE(IsBenchClipboardText(w.clipboard.content));
       EXPECT_EQ(CountElements(w.bench()), 0);
     }},
    {"Ctrl+R repairs a burnt bulb", QKeySequence("Ctrl+R"), KIND_BULB,
     [](Window& w) {
       w.bench().elements[0].is_open = 1;
       Select(w);
     },
     [](Window& w) { EXPECT_EQ(w.bench().elements[0].is_open, 0); }},
    {"Ctrl+A opens the properties", QKeySequence("Ctrl+A"), KIND_FIXED_RESISTOR, Select,
     [](Window& w) { EXPECT_EQ(w.modal.property_dialogs, 1); }},
    {"Ctrl+V pastes what was copied since", QKeySequence("Ctrl+V"), KIND_FIXED_RESISTOR,
     [](Window& w) { w.clipboard.content = w.bench_text(); },
     [](Window& w) { EXPECT_EQ(CountElements(w.bench()), 2); }},
    {"Ctrl+Z undoes the turn", QKeySequence("Ctrl+Z"), KIND_FIXED_RESISTOR, Turn,
     [](Window& w) { EXPECT_EQ(w.bench().elements[0].pose, 1); }},
    {"Ctrl+Y redoes it", QKeySequence("Ctrl+Y"), KIND_FIXED_RESISTOR, TurnAndUndo,
     [](Window& w) { EXPECT_EQ(w.bench().elements[0].pose, 3); }},
    {"Ctrl+Shift+Z redoes it too", QKeySequence("Ctrl+Shift+Z"), KIND_FIXED_RESISTOR, TurnAndUndo,
     [](Window& w) { EXPECT_EQ(w.bench().elements[0].pose, 3); }},
};

TEST(Shortcuts, DoWhatTheirMenuItemWouldDoNow) {
  for (const Case& c : CASES) {
    SCOPED_TRACE(c.name);
    Window w;
    w.form.documents().New();
    PlaceComponent(w.bench(), c.kind, X, Y);
    w.form.renderer().rebuild_all_pictures();
    w.clipboard.content = "a line of ordinary text";
    w.form.UpdateEditMenus();  // the Edit menu opened and closed again
    ASSERT_FALSE(w.form.actions().edit.del->isEnabled());
    c.then(w);
    w.form.show();
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    QTest::keySequence(w.form.findChild<BenchView*>(), c.keys);
    c.check(w);
  }
}

}  // namespace
}  // namespace voltaro
