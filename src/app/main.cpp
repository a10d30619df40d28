// Zentrik Voltaro: the circuit bench for school physics.

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include "app/desktop_modal.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "render/pictures.h"

namespace {

// The whole text after the program name is the experiment's path; a path in
// quotation marks loses them.
QString StartUpFile(const QStringList& arguments) {
  QString path = arguments.mid(1).join(' ');
  if (path.size() >= 2 && path.startsWith('"') && path.endsWith('"'))
    path = path.mid(1, path.size() - 2);
  return path;
}

// How long after a change unsaved work is kept: 30 seconds, or as many as
// VOLTARO_AUTOSAVE_SECONDS says (the tests wait for one).
int AutosaveInterval() {
  bool ok = false;
  const int seconds = qEnvironmentVariableIntValue("VOLTARO_AUTOSAVE_SECONDS", &ok);
  return ok && seconds > 0 && seconds <= 3600 ? seconds * 1000 : voltaro::AUTOSAVE_INTERVAL_MS;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application's title only: a display name would be appended to
  // every window caption.
  QApplication::setApplicationName("Zentrik Voltaro");
  const QString program_dir = QApplication::applicationDirPath();
  QApplication::setWindowIcon(QIcon(program_dir + "/zentrik-voltaro.ico"));
  const QString start_file = StartUpFile(QApplication::arguments());

  voltaro::PictureSet pictures;
  if (auto missing = pictures.load((program_dir + "/obj").toStdString())) {
    QMessageBox::critical(nullptr, "Zentrik Voltaro",
                          QString("Cannot read the picture %1. Reinstall the program.")
                              .arg(QString::fromStdString(*missing)));
    return 1;
  }
  voltaro::DesktopModal modal(program_dir, pictures);
  voltaro::DesktopClipboard clipboard;
  voltaro::TForm1 window(program_dir, pictures, modal, clipboard);
  modal.attach(&window, &window.bench());
  QSettings settings("Zentrik Voltaro", "Zentrik Voltaro");
  window.keep_recent_in(&settings);
  window.start_autosave(
      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/recovery",
      AutosaveInterval());
  window.show();
  // Work a crashed run left behind comes first; recovered, it stands in for
  // the file named on the command line.
  QTimer::singleShot(0, &window, [&window, start_file] {
    if (!window.OfferRecovery() && !start_file.isEmpty()) window.OpenAtStart(start_file);
  });
  return app.exec();
}
