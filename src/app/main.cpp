// Zentrik Voltaro: the circuit bench for school physics.

#include <QApplication>
#include <QMessageBox>
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
  window.show();
  if (!start_file.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, start_file] { window.OpenAtStart(start_file); });
  }
  return app.exec();
}
