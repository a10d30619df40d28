#include "app/measurement_prompts.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "document/atomic_file.h"

namespace voltaro {

QString DesktopMeasurementPrompts::save_path(QWidget* owner, const QString& title,
                                             const QString& suffix) {
  const QString filter = suffix == "png" ? "PNG pictures (*.png)" : "CSV tables (*.csv)";
  QFileDialog dialog(owner, title, ".", filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void DesktopMeasurementPrompts::error(QWidget* owner, const QString& message) {
  QMessageBox::warning(owner, "Zentrik Voltaro", message);
}

void DesktopMeasurementPrompts::set_clipboard(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

bool WriteExport(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return false;
  return ReplaceFileAtomically(path.toStdString(),
                               std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace voltaro
