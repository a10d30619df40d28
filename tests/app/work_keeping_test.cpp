// Keeping the pupil's work: the recovery file written while work is
// unsaved, recovering what a run that did not end cleanly left behind, and
// the recent experiments of the File menu.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "document/experiment_file.h"
#include "document/geometry.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Spit(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// The folder outlives the window, whose recovery file and lock go last.
struct Folder {
  QTemporaryDir folder;
};

struct KeepingFixture : Folder, WindowFixture {
  QString recovery() const { return folder.filePath("recovery"); }

  // A change of the bench as the pupil makes it: a resistor placed.
  void place(int x = 300, int y = 300) {
    window.mouse().set_pending_kind(KIND_FIXED_RESISTOR);
    window.mouse().Image1MouseDown(LEFT_BUTTON, 0, x, y);
    window.mouse().Image1MouseUp(LEFT_BUTTON, 0, x, y);
  }
  QByteArray bench_text() { return QByteArray::fromStdString(ExperimentText(window.bench())); }
  // Work left behind by a run that ended without cleaning up: a recovery
  // file nobody holds, and the note of the file it belonged to.
  QString leave_orphan(const QByteArray& experiment, const QString& document,
                       const QString& stem = "recovery-999999-1") {
    QDir().mkpath(recovery());
    const QString path = recovery() + "/" + stem + ".ele";
    Spit(path, experiment);
    Spit(recovery() + "/" + stem + ".document", document.toUtf8());
    return path;
  }
};

TEST_F(KeepingFixture, UnsavedWorkIsWrittenSoonAfterAChangeAndGoesWhenSaved) {
  window.start_autosave(recovery(), 200);
  Autosave& autosave = *window.autosave();
  ASSERT_TRUE(autosave.active());
  window.documents().New();
  place();
  // Not at once: within the interval.
  EXPECT_FALSE(QFile::exists(autosave.path()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(autosave.path()); }, 30000));
  EXPECT_EQ(Bytes(autosave.path()), bench_text());
  EXPECT_TRUE(autosave.path().startsWith(recovery()));

  // Saved, the work is safe in the pupil's own file.
  modal.save = dir + "/kept.ele";
  ASSERT_TRUE(window.documents().Save());
  EXPECT_FALSE(QFile::exists(autosave.path()));
  // The next change is kept again, with the name of the file it belongs to.
  place(500, 300);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(autosave.path()); }, 30000));
  EXPECT_EQ(Bytes(autosave.path()), bench_text());
  EXPECT_EQ(Bytes(QString(autosave.path()).replace(".ele", ".document")), modal.save.toUtf8());
  EXPECT_NE(Bytes(modal.save), bench_text());  // the pupil's file is not written

  // Undo is a change of the work too.
  window.documents().Save();
  window.actions().edit.undo->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(autosave.path()); }, 30000));
  EXPECT_EQ(Bytes(autosave.path()), bench_text());
}

TEST_F(KeepingFixture, TwoProgramsKeepTwoFilesAndACleanEndLeavesNothingBehind) {
  window.start_autosave(recovery(), 100);
  QString other_path;
  {
    FakeModal modal_b;
    NoClipboard clipboard_b;
    TForm1 other(VOLTARO_PROGRAM_DIR, Pictures(), modal_b, clipboard_b);
    other.start_autosave(recovery(), 100);
    other_path = other.autosave()->path();
    ASSERT_NE(other_path, window.autosave()->path());
    other.documents().New();
    other.mouse().set_pending_kind(KIND_BULB);
    other.mouse().Image1MouseDown(LEFT_BUTTON, 0, 200, 200);
    other.mouse().Image1MouseUp(LEFT_BUTTON, 0, 200, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(other_path); }, 30000));
    EXPECT_FALSE(QFile::exists(window.autosave()->path()));
    // Closed (the question to save answered No): a clean end.
    other.close();
    EXPECT_FALSE(QFile::exists(other_path));
  }
  const QString stem = other_path.chopped(4);
  for (const char* end : {".ele", ".document", ".lock"}) {
    EXPECT_FALSE(QFile::exists(stem + end)) << end;
  }
}

TEST_F(KeepingFixture, YesRecoversTheWorkUntitledAndSaysWhereFrom) {
  const std::string text = [] {
    Bench b;
    PlaceComponent(b, KIND_DRY_CELL, 200, 200);
    PlaceComponent(b, KIND_BULB, 400, 200);
    DerivePoseGeometry(b);
    return ExperimentText(b);
  }();
  const QString orphan = leave_orphan(QByteArray::fromStdString(text), "/home/pupil/ohm.ele");
  window.start_autosave(recovery(), 100000);
  modal.answer = Answer::Yes;
  ASSERT_TRUE(window.OfferRecovery());
  ASSERT_EQ(modal.questions.size(), 1);
  EXPECT_TRUE(modal.questions[0].contains("/home/pupil/ohm.ele"));
  EXPECT_TRUE(ExperimentText(window.bench()) == text);
  EXPECT_TRUE(window.documents().current_file_name.isEmpty());
  const QString note = window.statusBar()->currentMessage();
  EXPECT_TRUE(note.contains(orphan)) << note.toStdString();
  EXPECT_TRUE(note.contains("/home/pupil/ohm.ele")) << note.toStdString();
  // The old file is gone, and the work is kept under this run's own.
  EXPECT_FALSE(QFile::exists(orphan));
  EXPECT_TRUE(Bytes(window.autosave()->path()).toStdString() == text);
  EXPECT_EQ(window.history().stack().count(), 0);
  // Asked once only.
  EXPECT_FALSE(window.OfferRecovery());
}

TEST_F(KeepingFixture, NoDeletesTheWork) {
  const QString orphan =
      leave_orphan(QByteArray::fromStdString(ExperimentText(window.bench())), "");
  window.start_autosave(recovery(), 100000);
  modal.answer = Answer::No;
  EXPECT_FALSE(window.OfferRecovery());
  EXPECT_EQ(modal.questions.size(), 1);
  EXPECT_FALSE(window.documents().document_open);
  EXPECT_FALSE(QFile::exists(orphan));
  EXPECT_TRUE(QDir(recovery()).entryList({"*.ele", "*.document"}, QDir::Files).isEmpty());
}

// Of two crashed runs the later one's work is offered; the other waits for
// the next start.
TEST_F(KeepingFixture, TheNewestWorkIsOfferedFirst) {
  const QByteArray empty = QByteArray::fromStdString(ExperimentText(window.bench()));
  const QString older = leave_orphan(empty, "/home/pupil/older.ele", "recovery-999998-5");
  const QString newer = leave_orphan(empty, "/home/pupil/newer.ele", "recovery-999999-1");
  QFile file(older);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                               QFileDevice::FileModificationTime));
  file.close();
  window.start_autosave(recovery(), 100000);
  modal.answer = Answer::No;
  window.OfferRecovery();
  ASSERT_EQ(modal.questions.size(), 1);
  EXPECT_TRUE(modal.questions[0].contains("newer.ele"));
  EXPECT_FALSE(QFile::exists(newer));
  EXPECT_TRUE(QFile::exists(older));
}

// The lock of a recovery file whose program still runs: a process of ours
// stands in for it, named in the lock as QLockFile names its holder.
TEST_F(KeepingFixture, WorkOfARunningProgramIsNotOffered) {
  const QString orphan = leave_orphan("whatever", "");
  const QString lock_path = QString(orphan).replace(".ele", ".lock");
  QByteArray layout;
  {
    QLockFile probe(lock_path);
    ASSERT_TRUE(probe.tryLock(0));
    layout = Bytes(lock_path);
    probe.unlock();
  }
  QList<QByteArray> lines = layout.split('\n');
  if (lines.size() < 3) GTEST_SKIP() << "unknown lock file layout";
  QProcess sleeper;
  sleeper.start("sleep", {"600"});
  ASSERT_TRUE(sleeper.waitForStarted());
  lines[0] = QByteArray::number(sleeper.processId());
  lines[1] = "sleep";
  Spit(lock_path, lines.join('\n'));

  window.start_autosave(recovery(), 100000);
  modal.answer = Answer::Yes;
  EXPECT_FALSE(window.OfferRecovery());
  EXPECT_TRUE(modal.questions.isEmpty());
  EXPECT_TRUE(QFile::exists(orphan));
  sleeper.kill();
  sleeper.waitForFinished();
  // Once its program is gone, the work is offered.
  EXPECT_TRUE(window.OfferRecovery() || !modal.questions.isEmpty());
  EXPECT_EQ(modal.questions.size(), 1);
}

struct RecentFixture : Folder, WindowFixture {
  QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
  RecentFixture() { window.keep_recent_in(&settings); }
  QMenu* recent_menu() {
    for (QAction* a : window.menuBar()->actions()) {
      if (a->text() != "&File") continue;
      for (QAction* item : a->menu()->actions()) {
        if (item->menu()) return item->menu();
      }
    }
    return nullptr;
  }
};

TEST_F(RecentFixture, SitsInTheFileMenuJustBeforeQuit) {
  for (QAction* a : window.menuBar()->actions()) {
    if (a->text() != "&File") continue;
    QStringList items;
    for (QAction* item : a->menu()->actions()) items << item->text();
    EXPECT_EQ(items.mid(items.size() - 3), (QStringList{"", "Recent &experiments", "&Quit"}));
  }
  ASSERT_NE(recent_menu(), nullptr);
  emit recent_menu()->aboutToShow();
  ASSERT_EQ(recent_menu()->actions().size(), 1);
  EXPECT_FALSE(recent_menu()->actions()[0]->isEnabled());
}

TEST_F(RecentFixture, TheLastEightOpenedOrSavedNewestFirst) {
  QStringList saved;
  for (int i = 0; i < 9; ++i) {
    modal.save = QString("%1/lesson%2.ele").arg(folder.path()).arg(i);
    window.documents().New();
    ASSERT_TRUE(window.documents().SaveAs());
    saved.prepend(modal.save);
  }
  modal.open = example("ac_generator.ele");
  ASSERT_TRUE(window.documents().Open());
  QStringList expected = saved.mid(0, 7);
  expected.prepend(QFileInfo(modal.open).absoluteFilePath());
  EXPECT_EQ(window.recent().paths(), expected);
  // Kept in the settings, for the next run.
  EXPECT_EQ(RecentExperiments(&settings).paths(), expected);

  emit recent_menu()->aboutToShow();
  const QList<QAction*> items = recent_menu()->actions();
  ASSERT_EQ(items.size(), 8);
  EXPECT_TRUE(items[0]->text().startsWith("&1 ")) << items[0]->text().toStdString();
  items[3]->trigger();  // lesson6.ele
  EXPECT_EQ(window.documents().current_file_name, saved[2]);
  EXPECT_EQ(window.recent().paths().front(), saved[2]);
}

TEST_F(RecentFixture, AFileNoLongerThereLeavesTheList) {
  modal.save = folder.filePath("gone.ele");
  window.documents().New();
  ASSERT_TRUE(window.documents().SaveAs());
  modal.save = folder.filePath("kept.ele");
  ASSERT_TRUE(window.documents().SaveAs());
  QFile::remove(folder.filePath("gone.ele"));
  window.OpenRecent(folder.filePath("gone.ele"));
  EXPECT_EQ(window.recent().paths(), QStringList{folder.filePath("kept.ele")});
  EXPECT_TRUE(window.statusBar()->currentMessage().contains("gone.ele"));
  EXPECT_TRUE(modal.questions.isEmpty());  // nothing asked, nothing opened
  EXPECT_EQ(window.documents().current_file_name, folder.filePath("kept.ele"));
}

}  // namespace
}  // namespace voltaro
