#pragma once
// The desktop's answers to the window's modal questions: message boxes, file
// dialogs, the property dialogs, pop-up menus, the colour dialog.

#include "app/modal_port.h"
#include "model/bench.h"
#include "render/pictures.h"

class QWidget;

namespace voltaro {

class DesktopModal : public ModalPort {
 public:
  DesktopModal(const QString& program_dir, const PictureSet& pictures)
      : program_dir_(program_dir), pictures_(pictures) {}
  // The window the dialogs belong to and the bench they edit.
  void attach(QWidget* owner, Bench* bench) {
    owner_ = owner;
    bench_ = bench;
  }

  Answer confirm(const QString& question) override;
  bool ask(const QString& question) override;
  QString open_path() override;
  QString save_path() override;
  void error(const QString& message) override;
  void choose_bulb(int slot) override;
  DialogOutcome edit_note(int index) override;
  DialogOutcome set_up_black_box(int index) override;
  bool password_matches(int index) override;
  DialogOutcome edit_properties(int32_t kind, int index) override;
  bool pick_color(int32_t& color) override;
  void popup(QMenu& menu, QPoint global) override;
  void show_warning(QWidget& warning) override;
  void show_about() override;
  QString picture_path() override;
  bool print_dialog(QPrinter& printer) override;
  DrawingTarget drawing_target() override;
  void page_setup(QPrinter& printer) override;

 private:
  QString program_dir_;
  const PictureSet& pictures_;
  QWidget* owner_ = nullptr;
  Bench* bench_ = nullptr;
};

}  // namespace voltaro
