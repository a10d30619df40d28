#pragma once
// A copy of the pupil's unsaved work, kept in a recovery file of this
// running program in the user's data folder, so that neither a crash nor a
// killed program loses more than one interval of work. The file is never
// the user's own: it lives in that folder only, beside a note of the
// experiment file the work belongs to, and a lock that no other running
// program can take.

#include <QLockFile>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "model/bench.h"

namespace voltaro {

// Work is written at most this long after a change, and no more often.
inline constexpr int AUTOSAVE_INTERVAL_MS = 30'000;

class Autosave {
 public:
  // Claims a recovery file of its own in `folder`, made when missing.
  Autosave(const Bench& bench, const QString& folder, int interval_ms);
  // A clean end: the recovery file goes, and with it the lock.
  ~Autosave();
  Autosave(const Autosave&) = delete;
  Autosave& operator=(const Autosave&) = delete;

  // False when the folder cannot hold a recovery file: nothing is kept.
  bool active() const { return active_; }
  QString path() const { return path_; }

  // The work changed: it is written within the interval.
  void changed();
  // The work is safe without a copy (saved, or replaced by a file or an
  // empty bench): the recovery file goes.
  void settled();
  // Writes the work now; false when it could not be written.
  bool write_now();

  // The experiment file the work belongs to; empty while untitled.
  std::function<QString()> document_name;
  // Told once when the work cannot be written.
  std::function<void(const QString& message)> failed;

 private:
  void remove_files();

  const Bench& bench_;
  QString path_;
  QString note_path_;
  std::unique_ptr<QLockFile> lock_;
  QTimer timer_;
  bool active_ = false;
  bool told_failure_ = false;
};

// A recovery file left by a run that did not end cleanly: no running
// program holds its lock. It is held here until it is dealt with.
class OrphanedWork {
 public:
  // The newest one in `folder` other than `own` (this program's), or none.
  static std::unique_ptr<OrphanedWork> FindNewest(const QString& folder, const QString& own);
  ~OrphanedWork();

  QString path() const { return path_; }
  // The experiment file the work belonged to; empty when it was untitled.
  QString document() const { return document_; }
  // Removes the recovery file, its note and its lock.
  void discard();

 private:
  OrphanedWork(QString path, QString document, std::unique_ptr<QLockFile> lock);
  QString path_;
  QString document_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace voltaro
