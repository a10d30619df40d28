// A command given while a wire is being drawn, from the tool bar, a menu or
// the keyboard, drops the wire first (as a right press does): no rubber
// line is left on the bench, and the next press selects rather than bends.

#include <QTest>
#include <QToolButton>

#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

// A window whose commands reach nothing outside the test: no printer, no
// browser, no mail program, no calculator.
struct Window {
  FakeModal modal;
  NoClipboard clipboard;
  TForm1 form{VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard};
  std::vector<QUrl> addresses;

  Window() {
    modal.print_confirmed = false;
    form.guide_opener = "no-such-opener-anywhere";
    form.open_address = [this](const QUrl& url) {
      addresses.push_back(url);
      return true;
    };
    form.calculators = {};
    form.documents().New();
    PlaceComponent(form.bench(), KIND_FIXED_RESISTOR, 200, 200);  // A at (163, 200)
    PlaceComponent(form.bench(), KIND_FIXED_RESISTOR, 500, 400);
    form.renderer().rebuild_all_pictures();
    form.renderer().Draw_obj();
  }
  void click(int x, int y) {
    form.mouse().Image1MouseDown(LEFT_BUTTON, 0, x, y);
    form.mouse().Image1MouseUp(LEFT_BUTTON, 0, x, y);
  }
  // A wire from the first resistor, with a bend, its rubber line drawn.
  void start_wire() {
    click(163, 200);
    click(163, 400);
    form.mouse().Image1MouseMove(0, 300, 450);
    ASSERT_TRUE(form.mouse().view().wire_in_progress);
  }
  // What the pupil sees after the command: no wire half drawn, none made,
  // nothing of it left on the bench, and a press on the second resistor
  // selects it.
  void expect_wire_dropped() {
    EXPECT_FALSE(form.mouse().view().wire_in_progress);
    EXPECT_EQ(CountWires(form.bench()), 0);
    const QImage shown = form.renderer().image().copy();
    form.renderer().Draw_obj();
    EXPECT_EQ(shown, form.renderer().image());
    if (form.mouse().view().pending_kind != 0)
      form.mouse().Escape();                      // a note, box or zoom to come
    if (CountElements(form.bench()) < 2) return;  // New emptied the bench
    click(500, 400);
    EXPECT_EQ(form.mouse().view().selected_kind, KIND_FIXED_RESISTOR);
    EXPECT_EQ(CountWires(form.bench()), 0);
  }
};

TEST(InterruptedWiring, EachToolBarCommandDropsTheWire) {
  QStringList hints;
  {
    Window w;
    for (auto* b : w.form.findChild<QWidget*>("ToolBar")->findChildren<QToolButton*>()) {
      hints << b->objectName();
    }
  }
  ASSERT_EQ(hints.size(), 19);
  for (const QString& hint : hints) {
    SCOPED_TRACE(hint.toStdString());
    Window w;
    w.start_wire();
    auto* button = w.form.findChild<QWidget*>("ToolBar")->findChild<QToolButton*>(hint);
    if (!button->isEnabled()) continue;  // Undo and Redo with nothing to take back
    button->click();
    w.expect_wire_dropped();
  }
}

TEST(InterruptedWiring, EachMenuCommandDropsTheWire) {
  QStringList names;
  {
    Window w;
    for (QAction* a : w.form.findChildren<QAction*>()) {
      if (!a->menu() && !a->isSeparator() && !a->text().isEmpty()) names << a->text();
    }
  }
  ASSERT_GE(names.size(), 40);
  for (int i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i].toStdString());
    Window w;
    w.start_wire();
    QList<QAction*> actions;
    for (QAction* a : w.form.findChildren<QAction*>()) {
      if (!a->menu() && !a->isSeparator() && !a->text().isEmpty()) actions << a;
    }
    if (!actions.at(i)->isEnabled()) continue;  // Undo and Redo with nothing to take back
    actions.at(i)->trigger();
    w.expect_wire_dropped();
  }
}

TEST(InterruptedWiring, ChoosingInTheComponentsBoxDropsTheWire) {
  Window w;
  w.start_wire();
  w.form.components_box().button_for(KIND_BULB)->click();
  EXPECT_FALSE(w.form.mouse().view().wire_in_progress);
  EXPECT_EQ(w.form.mouse().view().pending_kind, KIND_BULB);
}

TEST(InterruptedWiring, EscapeOnTheBenchDropsTheWireOrTheChoice) {
  Window w;
  w.form.show();
  w.form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
  w.start_wire();
  QTest::keyClick(w.form.findChild<BenchView*>(), Qt::Key_Escape);
  w.expect_wire_dropped();

  w.form.components_box().button_for(KIND_BULB)->click();
  QTest::keyClick(w.form.findChild<BenchView*>(), Qt::Key_Escape);
  EXPECT_EQ(w.form.mouse().view().pending_kind, 0);
  EXPECT_FALSE(w.form.components_box().button_for(KIND_BULB)->isChecked());
}

}  // namespace
}  // namespace voltaro
