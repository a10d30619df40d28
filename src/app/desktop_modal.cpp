#include "app/desktop_modal.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

#include "app/drawing_dialog.h"
#include "app/picture_dialog.h"
#include "dialogs/property_dialogs.h"
#include "render/paint.h"

namespace voltaro {
namespace {

const char* EXPERIMENT_FILTER = "(实验文件 *.ele) (*.ele)";

}  // namespace

Answer DesktopModal::confirm(const QString& question) {
  switch (QMessageBox::question(owner_, "Confirm", question,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

bool DesktopModal::ask(const QString& question) {
  return QMessageBox::question(owner_, "Zentrik Voltaro", question,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString DesktopModal::open_path() {
  return QFileDialog::getOpenFileName(owner_, "打开实验", ".", EXPERIMENT_FILTER);
}

QString DesktopModal::save_path() {
  QFileDialog dialog(owner_, "保存实验", ".", EXPERIMENT_FILTER);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("ele");
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void DesktopModal::error(const QString& message) {
  QMessageBox::warning(owner_, "Zentrik Voltaro", message);
}

void DesktopModal::choose_bulb(int slot) {
  ChooseBulb(owner_, *bench_, pictures_, slot);
}

DialogOutcome DesktopModal::edit_note(int index) {
  return EditNote(owner_, *bench_, index);
}

DialogOutcome DesktopModal::set_up_black_box(int index) {
  return SetUpBlackBox(owner_, *bench_, index);
}

bool DesktopModal::password_matches(int index) {
  return OpenBlackBoxPassword(owner_, *bench_, index);
}

DialogOutcome DesktopModal::edit_properties(int32_t kind, int index) {
  return EditProperties(owner_, *bench_, pictures_, kind, index);
}

bool DesktopModal::pick_color(int32_t& color) {
  const QColor chosen = QColorDialog::getColor(BenchColor(color), owner_);
  if (!chosen.isValid()) return false;
  color = chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
  return true;
}

void DesktopModal::popup(QMenu& menu, QPoint global) {
  menu.exec(global);
}

void DesktopModal::show_warning(QWidget& warning) {
  if (auto* dialog = qobject_cast<QDialog*>(&warning)) dialog->exec();
}

void DesktopModal::show_about() {
  ShowAbout(owner_, program_dir_);
}

QString DesktopModal::picture_path() {
  PictureFileDialog dialog(owner_);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

DrawingTarget DesktopModal::drawing_target() {
  DrawingFileDialog dialog(owner_);
  if (dialog.exec() != QDialog::Accepted) return {};
  DrawingTarget target{dialog.selectedFiles().value(0), 1};
  if (!target.path.endsWith(".png", Qt::CaseInsensitive)) return target;
  bool ok = false;
  const QStringList sizes = DrawingFileDialog::PictureSizes();
  const QString size =
      QInputDialog::getItem(owner_, "Export Drawing", "Picture size:", sizes, 1, false, &ok);
  if (!ok) return {};
  target.scale = static_cast<int>(sizes.indexOf(size)) + 1;
  return target;
}

bool DesktopModal::print_dialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, owner_);
  return dialog.exec() == QDialog::Accepted;
}

void DesktopModal::page_setup(QPrinter& printer) {
  QPageSetupDialog dialog(&printer, owner_);
  dialog.exec();
}

}  // namespace voltaro
