#pragma once
// Everything that would stop the window and wait for the user: questions,
// file dialogs, property dialogs, menus, the colour dialog, the warning. The
// desktop answers them with real dialogs; the window's tests answer them.

#include <QPoint>
#include <QString>

#include "app/document_commands.h"
#include "interaction/ui_port.h"

class QMenu;
class QPrinter;
class QWidget;

namespace voltaro {

class ModalPort : public DocumentPrompts {
 public:
  virtual void choose_bulb(int slot) = 0;
  virtual DialogOutcome edit_note(int index) = 0;
  virtual DialogOutcome set_up_black_box(int index) = 0;
  virtual bool password_matches(int index) = 0;
  virtual DialogOutcome edit_properties(int32_t kind, int index) = 0;
  virtual bool pick_color(int32_t& color) = 0;
  // Pops a menu up at a screen position and runs the chosen item.
  virtual void popup(QMenu& menu, QPoint global) = 0;
  // The short-circuit warning, modal; timer ticks go on inside it.
  virtual void show_warning(QWidget& warning) = 0;
  virtual void show_about() = 0;
  // Where to save the bench picture; empty when cancelled.
  virtual QString picture_path() = 0;
  virtual bool print_dialog(QPrinter& printer) = 0;
  virtual void page_setup(QPrinter& printer) = 0;
};

}  // namespace voltaro
