#include "app/recent_experiments.h"

#include <QFileInfo>

namespace voltaro {
namespace {

constexpr const char* KEY = "recent_experiments";

}  // namespace

QStringList RecentExperiments::paths() const {
  // Read afresh: another window of the program may have opened a file since.
  QStringList paths = settings_ ? settings_->value(KEY).toStringList() : paths_;
  paths.removeAll(QString());
  paths.removeDuplicates();
  return paths.mid(0, MOST);
}

void RecentExperiments::add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = this->paths();
  paths.removeAll(absolute);
  paths.prepend(absolute);
  store(paths.mid(0, MOST));
}

void RecentExperiments::remove(const QString& path) {
  QStringList paths = this->paths();
  paths.removeAll(path);
  store(paths);
}

void RecentExperiments::store(const QStringList& paths) {
  paths_ = paths;
  if (settings_) {
    settings_->setValue(KEY, paths);
    settings_->sync();
  }
}

}  // namespace voltaro
