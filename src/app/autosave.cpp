#include "app/autosave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "document/atomic_file.h"
#include "document/experiment_file.h"

namespace voltaro {
namespace {

// recovery-<process>-<milliseconds>.ele: a process id comes round again
// (in a container every run may have the same one), the moment it started
// does not.
const QString PREFIX = "recovery-";
const QString EXPERIMENT = ".ele";
const QString NOTE = ".document";
const QString LOCK = ".lock";

QString Stem(const QString& experiment) {
  return experiment.chopped(EXPERIMENT.size());
}

// Whether a process may hold a lock only its owner's liveness decides, never
// its age: the program keeps its lock for hours.
std::unique_ptr<QLockFile> Lock(const QString& stem) {
  auto lock = std::make_unique<QLockFile>(stem + LOCK);
  lock->setStaleLockTime(0);
  return lock;
}

}  // namespace

Autosave::Autosave(const Bench& bench, const QString& folder, int interval_ms) : bench_(bench) {
  timer_.setSingleShot(true);
  timer_.setInterval(interval_ms);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { write_now(); });
  if (!QDir().mkpath(folder)) return;
  const QString stem =
      QDir(folder).filePath(PREFIX + QString("%1-%2")
                                         .arg(QCoreApplication::applicationPid())
                                         .arg(QDateTime::currentMSecsSinceEpoch()));
  path_ = stem + EXPERIMENT;
  note_path_ = stem + NOTE;
  lock_ = Lock(stem);
  active_ = lock_->tryLock(0);
}

Autosave::~Autosave() {
  settled();
  if (lock_) lock_->unlock();
}

void Autosave::changed() {
  if (active_ && !timer_.isActive()) timer_.start();
}

void Autosave::settled() {
  timer_.stop();
  if (active_) remove_files();
}

bool Autosave::write_now() {
  timer_.stop();
  if (!active_) return false;
  const QString document = document_name ? document_name() : QString();
  // The note first: a recovery file is never without it.
  const bool ok = ReplaceFileAtomically(note_path_.toStdString(), document.toStdString()) &&
                  WriteExperimentFile(bench_, path_.toStdString());
  if (!ok && !told_failure_ && failed) {
    told_failure_ = true;
    failed(QString("Unsaved work could not be kept in %1. Save the experiment to keep it.")
               .arg(QDir::toNativeSeparators(path_)));
  }
  return ok;
}

void Autosave::remove_files() {
  QFile::remove(path_);
  QFile::remove(note_path_);
}

std::unique_ptr<OrphanedWork> OrphanedWork::FindNewest(const QString& folder, const QString& own) {
  const QFileInfoList files =
      QDir(folder).entryInfoList({PREFIX + "*" + EXPERIMENT}, QDir::Files, QDir::Time);
  for (const QFileInfo& file : files) {
    if (file.absoluteFilePath() == QFileInfo(own).absoluteFilePath()) continue;
    const QString stem = Stem(file.absoluteFilePath());
    std::unique_ptr<QLockFile> lock = Lock(stem);
    if (!lock->tryLock(0)) {
      // Held by a running program, unless the holder's process id is ours:
      // then it belonged to an earlier run whose id has come round again
      // (our own file is not among these).
      qint64 pid = 0;
      QString host, app;
      if (!lock->getLockInfo(&pid, &host, &app) || pid != QCoreApplication::applicationPid()) {
        continue;
      }
      if (!lock->removeStaleLockFile() || !lock->tryLock(0)) continue;
    }
    QFile note(stem + NOTE);
    QString document;
    if (note.open(QIODevice::ReadOnly)) document = QString::fromUtf8(note.read(64 * 1024));
    return std::unique_ptr<OrphanedWork>(
        new OrphanedWork(file.absoluteFilePath(), document, std::move(lock)));
  }
  return nullptr;
}

OrphanedWork::OrphanedWork(QString path, QString document, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), document_(std::move(document)), lock_(std::move(lock)) {}

OrphanedWork::~OrphanedWork() = default;

void OrphanedWork::discard() {
  QFile::remove(path_);
  QFile::remove(Stem(path_) + NOTE);
  lock_->unlock();
}

}  // namespace voltaro
