// The bench window offscreen, with every modal question answered by a fake.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBox>
#include <QToolButton>
#include <cmath>

#include "document/experiment_file.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

TEST_F(WindowFixture, StartsWithTheStartPictureAndDocumentControlsOff) {
  EXPECT_EQ(window.windowTitle(), "Zentrik Voltaro V3.0");
  EXPECT_FALSE(window.actions().save->isEnabled());
  EXPECT_FALSE(window.edit_menu()->menuAction()->isEnabled());
  EXPECT_FALSE(window.findChild<QToolButton*>("Delete")->isEnabled());
  EXPECT_TRUE(window.findChild<QToolButton*>("Rotate")->isEnabled());
}

TEST_F(WindowFixture, NewAsksOnlyOnceADocumentIsOpen) {
  window.documents().New();
  EXPECT_TRUE(modal.questions.isEmpty());
  EXPECT_TRUE(window.actions().save->isEnabled());
  EXPECT_TRUE(window.documents().document_open);
  window.documents().New();
  EXPECT_EQ(modal.questions, QStringList{"Save changes to?"});
}

TEST_F(WindowFixture, TheThreeAnswersToSaveChanges) {
  window.documents().New();
  PlaceComponent(window.bench(), KIND_FIXED_RESISTOR, 100, 100);
  modal.answer = Answer::Cancel;
  EXPECT_FALSE(window.documents().New());
  EXPECT_EQ(CountElements(window.bench()), 1);
  modal.answer = Answer::Yes;  // untitled: the save dialog, cancelled, and New goes on
  EXPECT_TRUE(window.documents().New());
  EXPECT_EQ(modal.save_dialogs, 1);
  EXPECT_EQ(CountElements(window.bench()), 0);
  PlaceComponent(window.bench(), KIND_FIXED_RESISTOR, 100, 100);
  modal.answer = Answer::No;
  EXPECT_TRUE(window.documents().New());
  EXPECT_EQ(CountElements(window.bench()), 0);
}

// A bench that cannot be calculated says so in the status bar for as long
// as it stays so, and the message goes once the bench is put right.
TEST_F(WindowFixture, AnUncalculableBenchSaysSoInTheStatusBar) {
  window.documents().New();
  Bench& bench = window.bench();
  // 150 cells in a ring: more variables than the plain elimination is done
  // for, so a value that is not a number leaves nothing calculated.
  int32_t first_a = 0, last_b = 0;
  for (int i = 0; i < 150; ++i) {
    const int slot = PlaceComponent(bench, KIND_DRY_CELL, 100, 100).index;
    if (i == 0) first_a = bench.elements[slot].node_a;
    if (i > 0) ConnectTerminals(bench, last_b, bench.elements[slot].node_a);
    last_b = bench.elements[slot].node_b;
  }
  ConnectTerminals(bench, last_b, first_a);
  bench.elements[7].resistance = std::nan("");
  doing(bench);
  EXPECT_EQ(bench.status, STATUS_NOT_SOLVED);
  EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("This bench cannot be calculated"));
  bench.elements[7].resistance = 1;
  doing(bench);
  EXPECT_EQ(bench.status, STATUS_SOLVED);
  EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
}

TEST_F(WindowFixture, StartUpFileOpensAndSaveWritesItBack) {
  const QString copy = dir + "/start.ele";
  QFile::remove(copy);
  QFile::copy(example("ohms_law.ele"), copy);
  window.OpenAtStart(copy);
  EXPECT_EQ(window.documents().current_file_name, copy);
  EXPECT_GT(CountElements(window.bench()), 0);
  EXPECT_TRUE(window.documents().Save());
  EXPECT_EQ(modal.save_dialogs, 0);
}

// Opening reads the file, makes the pictures and paints the bench once.
TEST_F(WindowFixture, OpeningPaintsTheBenchOnce) {
  struct Counter : PaintListener {
    void painted() override { ++paints; }
    int paints = 0;
  } counter;
  window.renderer().set_listener(&counter);
  modal.open = example("ohms_law.ele");
  ASSERT_TRUE(window.documents().Open());
  EXPECT_EQ(counter.paints, 1);
  window.renderer().set_listener(&window);
}

TEST_F(WindowFixture, FailedOpenLeavesAnEmptyUntitledBench) {
  const QString bad = dir + "/bad.ele";
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not an experiment\r\n");
  f.close();
  modal.open = bad;
  EXPECT_FALSE(window.documents().Open());
  EXPECT_EQ(modal.errors, QStringList{"open failed!"});
  EXPECT_TRUE(window.documents().current_file_name.isEmpty());
  EXPECT_TRUE(window.actions().save->isEnabled());
  window.OpenAtStart(bad);
  EXPECT_TRUE(window.documents().current_file_name.isEmpty());
}

TEST_F(WindowFixture, SaveOnAnUntitledBenchAsksForAName) {
  window.documents().New();
  PlaceComponent(window.bench(), KIND_DRY_CELL, 200, 200);
  modal.save = dir + "/saved.ele";
  QFile::remove(modal.save);
  EXPECT_TRUE(window.documents().Save());
  EXPECT_EQ(window.documents().current_file_name, modal.save);
  auto bench = std::make_unique<Bench>();
  EXPECT_EQ(ReadExperimentFile(*bench, modal.save.toStdString()), OpenOutcome::Opened);
  EXPECT_EQ(CountElements(*bench), 1);
}

TEST_F(WindowFixture, QuittingAsksWhenADocumentIsOpen) {
  EXPECT_TRUE(window.documents().MayQuit());  // nothing open: no question
  EXPECT_TRUE(modal.questions.isEmpty());
  window.documents().New();
  modal.answer = Answer::Cancel;
  EXPECT_FALSE(window.documents().MayQuit());
  modal.answer = Answer::No;
  EXPECT_TRUE(window.documents().MayQuit());
  modal.answer = Answer::Yes;  // untitled and the save dialog cancelled: stay
  EXPECT_FALSE(window.documents().MayQuit());
}

TEST_F(WindowFixture, ShortCircuitWarningOncePerShort) {
  window.documents().New();
  Bench& b = window.bench();
  const int cell = PlaceComponent(b, KIND_DRY_CELL, 200, 200).index;
  const int lead = PlaceComponent(b, KIND_STRAIGHT_LEAD, 400, 200).index;
  ConnectTerminals(b, b.elements[cell].node_b, b.elements[lead].node_a);
  ConnectTerminals(b, b.elements[lead].node_b, b.elements[cell].node_a);
  b.analysis_pending = 1;
  for (int tick = 0; tick < 5; ++tick) window.Timer1Timer();
  EXPECT_EQ(modal.warnings, 1);
  EXPECT_EQ(window.warning().Label1->text(), "You have made a short circuit!");
}

TEST_F(WindowFixture, BellWithZeroRatingNeverRings) {
  window.documents().New();
  Bench& b = window.bench();
  const int cell = PlaceComponent(b, KIND_BATTERY_SET, 200, 200).index;
  const int bell = PlaceComponent(b, KIND_BELL, 400, 200).index;
  ConnectTerminals(b, b.elements[cell].node_b, b.elements[bell].node_a);
  ConnectTerminals(b, b.elements[bell].node_b, b.elements[cell].node_a);
  b.elements[bell].param1 = 0;
  b.analysis_pending = 1;
  for (int tick = 0; tick < 3; ++tick) window.Timer1Timer();
  EXPECT_TRUE(window.sound().last_played.empty());
  b.elements[bell].param1 = 0.3;
  window.Timer1Timer();
  EXPECT_EQ(window.sound().last_played, SOUND_BELL);
}

TEST_F(WindowFixture, ComponentsBoxSetsThePendingKindAndResetsAfterPlacing) {
  window.documents().New();
  window.components_box().button_for(KIND_BULB)->click();
  EXPECT_EQ(window.mouse().view().pending_kind, KIND_BULB);
  window.mouse().Image1MouseDown(0, 0, 300, 300);
  window.mouse().Image1MouseUp(0, 0, 300, 300);
  EXPECT_EQ(window.mouse().view().pending_kind, 0);
  EXPECT_FALSE(window.components_box().button_for(KIND_BULB)->isChecked());
}

TEST_F(WindowFixture, InductionGroupShowsFivePicturesWithoutScrolling) {
  TForm8& box = window.components_box();
  box.show();
  auto* groups = box.findChild<QToolBox*>();
  ASSERT_NE(groups, nullptr);
  const int32_t kinds[] = {KIND_COIL_AND_MAGNET, KIND_CUTTING_ROD, KIND_DC_MOTOR, KIND_DC_GENERATOR,
                           KIND_AC_GENERATOR};
  QToolButton* first = box.button_for(kinds[0]);
  ASSERT_NE(first, nullptr);
  for (int i = 0; i < groups->count(); ++i) {
    if (groups->widget(i)->isAncestorOf(first)) groups->setCurrentIndex(i);
  }
  QApplication::processEvents();
  auto* area = qobject_cast<QScrollArea*>(groups->currentWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_FALSE(area->verticalScrollBar()->isVisible());
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
  std::vector<QImage> icons;
  for (int32_t kind : kinds) {
    QToolButton* b = box.button_for(kind);
    ASSERT_NE(b, nullptr) << kind;
    EXPECT_EQ(b->visibleRegion().boundingRect(), b->rect()) << kind << " is cut off";
    icons.push_back(b->icon().pixmap(b->iconSize()).toImage());
  }
  // The three machines used to share one picture.
  for (size_t i = 0; i < icons.size(); ++i) {
    for (size_t j = i + 1; j < icons.size(); ++j) {
      EXPECT_NE(icons[i], icons[j]) << kinds[i] << " and " << kinds[j] << " look the same";
    }
  }
}

TEST_F(WindowFixture, PrintingToPdfGivesOnePage) {
  window.OpenAtStart(example("wheatstone_bridge.ele"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir + "/bench.pdf";
  QFile::remove(pdf);
  printer.setOutputFileName(pdf);
  ASSERT_TRUE(window.PrintBench(printer));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  // The page tree of the document holds exactly one page.
  EXPECT_TRUE(bytes.contains("/Count 1")) << bytes.left(2000).toStdString();
}

TEST_F(WindowFixture, SavePictureByTheLastLetter) {
  window.OpenAtStart(example("ohms_law.ele"));
  modal.picture = dir + "/bench.bmp";
  QFile::remove(modal.picture);
  window.SavePicture();
  EXPECT_EQ(QImage(modal.picture).size(), QSize(1024, 768));
}

TEST_F(WindowFixture, EditMenuFollowsTheSelection) {
  window.documents().New();
  window.UpdateEditMenus();
  EXPECT_FALSE(window.actions().edit.del->isEnabled());
  EXPECT_FALSE(window.actions().edit.paste->isEnabled());
  PlaceComponent(window.bench(), KIND_FIXED_RESISTOR, 300, 300);
  window.mouse().Image1MouseDown(0, 0, 300, 300);
  window.mouse().Image1MouseUp(0, 0, 300, 300);
  window.mouse().Copy();
  window.UpdateEditMenus();
  EXPECT_TRUE(window.actions().edit.del->isEnabled());
  EXPECT_TRUE(window.actions().edit.paste->isEnabled());
}

}  // namespace
}  // namespace voltaro
