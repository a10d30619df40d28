#pragma once
// Everything that would stop the window and wait for the user: the
// document's questions and file dialogs, the dialogs the bench's mouse
// handling opens, menus, the warning, printing. The desktop answers them
// with real dialogs; the window's tests answer them. The window hands the
// mouse handling this port as it is, for its dialogs.

#include <QPoint>
#include <QString>

#include "app/document_commands.h"
#include "interaction/ui_port.h"

class QMenu;
class QPrinter;
class QWidget;

namespace voltaro {

// Where Export Drawing writes, and how many times larger than the bench a
// bitmap is painted; an empty path when the user cancelled.
struct DrawingTarget {
  QString path;
  int scale = 1;
};

class ModalPort : public DocumentPrompts, public DialogPort {
 public:
  // Pops a menu up at a screen position and runs the chosen item.
  virtual void popup(QMenu& menu, QPoint global) = 0;
  // The short-circuit warning, modal; timer ticks go on inside it.
  virtual void show_warning(QWidget& warning) = 0;
  virtual void show_about() = 0;
  // Where to save the bench picture; empty when cancelled.
  virtual QString picture_path() = 0;
  virtual bool print_dialog(QPrinter& printer) = 0;
  virtual DrawingTarget drawing_target() = 0;
  virtual void page_setup(QPrinter& printer) = 0;
};

}  // namespace voltaro
