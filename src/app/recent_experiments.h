#pragma once
// The experiments opened or saved last, newest first, kept between runs in
// the program's settings, and shared by every window that runs meanwhile.

#include <QSettings>
#include <QStringList>

namespace voltaro {

class RecentExperiments {
 public:
  static constexpr int MOST = 8;

  // Without settings the list lasts for this run only.
  explicit RecentExperiments(QSettings* settings = nullptr) : settings_(settings) {}
  void keep_in(QSettings* settings) { settings_ = settings; }

  // Newest first, at most MOST, each an absolute path once.
  QStringList paths() const;
  // Puts the file first.
  void add(const QString& path);
  void remove(const QString& path);

 private:
  void store(const QStringList& paths);

  QSettings* settings_;
  QStringList paths_;
};

}  // namespace voltaro
