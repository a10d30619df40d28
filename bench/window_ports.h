#pragma once
// The bench window's ports for timing it: nothing modal happens while it
// is timed, so every question is answered at once and nothing is shown.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "quiet_dialogs.h"

namespace voltaro {

class QuietModal : public QuietDialogs<ModalPort> {
 public:
  Answer confirm(const QString&) override { return Answer::No; }
  bool ask(const QString&) override { return false; }
  QString open_path() override { return {}; }
  QString save_path() override { return {}; }
  void error(const QString&) override {}
  void popup(QMenu&, QPoint) override {}
  void show_warning(QWidget&) override {}
  void show_about() override {}
  QString picture_path() override { return {}; }
  bool print_dialog(QPrinter&) override { return false; }
  DrawingTarget drawing_target() override { return {}; }
  void page_setup(QPrinter&) override {}
};

class NoClipboard : public ClipboardPort {
 public:
  std::string text() override { return {}; }
  void set_text(std::string) override {}
};

// The pictures beside the program, read once.
inline const PictureSet* WindowPictures(benchmark::State& state) {
  static PictureSet pictures;
  static const bool loaded = !pictures.load(VOLTARO_OBJ_DIR).has_value();
  if (!loaded) {
    state.SkipWithError("the pictures are missing");
    return nullptr;
  }
  return &pictures;
}

}  // namespace voltaro
