// The chart and the measurements as the bench window holds them: opened
// from the View menu, fed by its timer, F9 pressed on the bench, and
// emptied when New or Open really replaces the bench.

#include <QMenuBar>
#include <QTest>

#include "app/window_fixture.h"

namespace voltaro {
namespace {

struct BenchWindow : WindowFixture {
  QMenu* view_menu() {
    for (QAction* a : window.menuBar()->actions()) {
      if (a->text() == "&View") return a->menu();
    }
    ADD_FAILURE() << "no View menu";
    return nullptr;
  }
};

// The two items follow the menu's own, and their windows belong to the
// bench window.
TEST_F(BenchWindow, ViewMenuOpensTheChartAndTheMeasurements) {
  window.OpenAtStart(example("ac_generator.ele"));
  QStringList items;
  for (QAction* a : view_menu()->actions()) items << a->text();
  // The menu's own two items come first, the zoom commands after them.
  ASSERT_GE(items.size(), 4);
  EXPECT_EQ(items.mid(0, 4),
            (QStringList{"&Tool Bar", "&Components box", "C&hart", "&Measurements"}));

  for (QWidget* w : std::initializer_list<QWidget*>{&window.chart(), &window.measurements()}) {
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->parentWidget(), &window);
    EXPECT_EQ(w->windowType(), Qt::Tool);
  }
  window.actions().chart->trigger();
  EXPECT_TRUE(window.chart().isVisible());
  EXPECT_EQ(window.chart().windowTitle(), "Chart");
  window.actions().measurements->trigger();
  EXPECT_TRUE(window.measurements().isVisible());
  EXPECT_EQ(window.measurements().windowTitle(), "Measurements");
}

TEST_F(BenchWindow, EveryTimerTickAddsAPointToTheChart) {
  window.OpenAtStart(example("ac_generator.ele"));
  window.actions().chart->trigger();
  for (int i = 0; i < 5; ++i) window.Timer1Timer();
  EXPECT_EQ(window.chart().recording().rows(), 5u);
}

// The pupil's hand is on the bench: F9 there records a row.
TEST_F(BenchWindow, F9OnTheBenchRecordsARow) {
  window.OpenAtStart(example("ohms_law.ele"));
  window.show();
  window.actions().measurements->trigger();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.findChild<BenchView*>(), Qt::Key_F9);
  EXPECT_EQ(window.measurements().recording().rows(), 1u);
  EXPECT_EQ(window.measurements().table()[0].size(), 3u) << "time, voltmeter, ammeter";
}

// Only when the bench is really replaced: after the question to save is
// answered, and the file dialog too for Open.
TEST(BenchWindowDocuments, NewAndOpenEmptyTheWindows) {
  struct Case {
    const char* name;
    bool open;  // else New
    Answer answer;
    bool file_chosen;
    bool emptied;
    QString question;
  };
  const Case cases[] = {
      {"New", false, Answer::No, false, true, "Save changes to?"},
      {"New cancelled", false, Answer::Cancel, false, false, "Save changes to?"},
      {"Open", true, Answer::No, true, true, "Save the current?"},
      {"Open without a file", true, Answer::No, false, false, "Save the current?"},
      {"Open cancelled", true, Answer::Cancel, true, false, "Save the current?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeModal modal;
    NoClipboard clipboard;
    TForm1 window{VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard};
    window.OpenAtStart(VOLTARO_EXAMPLES "/ohms_law.ele");
    window.actions().chart->trigger();
    window.actions().measurements->trigger();
    ASSERT_TRUE(window.chart().chooser()->set_chosen(
        window.measurements().chooser()->chosen().at(0).key, true));
    window.Timer1Timer();
    window.measurements().record();

    modal.answer = c.answer;
    modal.open = c.file_chosen ? VOLTARO_EXAMPLES "/ac_generator.ele" : "";
    if (c.open) {
      window.documents().Open();
    } else {
      window.documents().New();
    }
    EXPECT_EQ(modal.questions, QStringList{c.question});
    EXPECT_EQ(window.measurements().recording().rows() == 0, c.emptied);
    EXPECT_EQ(window.chart().legend().isEmpty(), c.emptied);
    EXPECT_EQ(window.chart().recording().rows() == 0, c.emptied);
  }
}

}  // namespace
}  // namespace voltaro
