// Keeping the pupil's work: the recent experiments of the File menu, the
// recovery file written while work is unsaved, and recovering what a run
// that did not end cleanly left behind.

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "app/main_window.h"

namespace voltaro {
namespace {

// Long paths keep their start and their file name.
QString Shortened(const QString& path) {
  constexpr int MOST = 70;
  if (path.size() <= MOST) return path;
  return path.left(MOST / 2 - 2) + "..." + path.right(MOST / 2 - 1);
}

}  // namespace

void TForm1::fill_recent_menu() {
  recent_menu_->clear();
  const QStringList paths = recent_.paths();
  if (paths.isEmpty()) {
    recent_menu_->addAction("No recent experiments")->setEnabled(false);
    return;
  }
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    QAction* a = recent_menu_->addAction(
        QString("&%1 %2").arg(i + 1).arg(Shortened(QDir::toNativeSeparators(path))));
    connect(a, &QAction::triggered, this, [this, path] {
      interaction_->AbandonWire();
      OpenRecent(path);
    });
  }
}

void TForm1::OpenRecent(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    recent_.remove(path);
    status_message(QString("%1 was not found and has been removed from the recent experiments.")
                       .arg(QDir::toNativeSeparators(path))
                       .toStdString());
    return;
  }
  documents_->OpenFile(path);
}

void TForm1::file_used(const QString& path) {
  recent_.add(path);
  // The work is in the pupil's own file now.
  if (autosave_) autosave_->settled();
}

void TForm1::start_autosave(const QString& folder, int interval_ms) {
  recovery_folder_ = folder;
  autosave_ = std::make_unique<Autosave>(*bench_, folder, interval_ms);
  autosave_->document_name = [this] { return documents_->current_file_name; };
  autosave_->failed = [this](const QString& message) { status_message(message.toStdString()); };
  history_->bench_changed = [this] {
    if (autosave_) autosave_->changed();
  };
}

bool TForm1::OfferRecovery() {
  if (!autosave_) return false;
  std::unique_ptr<OrphanedWork> orphan =
      OrphanedWork::FindNewest(recovery_folder_, autosave_->path());
  if (!orphan) return false;
  const QString document = QDir::toNativeSeparators(orphan->document());
  const QString question =
      document.isEmpty()
          ? QString(
                "Zentrik Voltaro was not closed properly last time, and an experiment had not "
                "been saved. Recover it?")
          : QString(
                "Zentrik Voltaro was not closed properly last time, and the changes to %1 had "
                "not been saved. Recover them?")
                .arg(document);
  bool recovered = false;
  if (modal_.ask(question) && documents_->OpenRecovered(orphan->path())) {
    recovered = true;
    // Recovered work is unsaved work: it is kept at once, under this run's
    // own recovery file, before the old one goes.
    autosave_->write_now();
    const QString from = QDir::toNativeSeparators(orphan->path());
    statusBar()->showMessage(
        document.isEmpty()
            ? QString("Recovered an unsaved experiment from %1. Save it to keep it.").arg(from)
            : QString("Recovered the unsaved work on %1 from %2. Save it to keep it.")
                  .arg(document, from));
  }
  orphan->discard();
  return recovered;
}

}  // namespace voltaro
