#pragma once
// The bench window offscreen, with every modal question answered by a fake
// and a clipboard of its own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <functional>
#include <optional>

#include "app/main_window.h"

namespace voltaro {

inline const PictureSet& Pictures() {
  static PictureSet* set = [] {
    auto* s = new PictureSet;
    EXPECT_FALSE(s->load(VOLTARO_OBJ_DIR).has_value());
    return s;
  }();
  return *set;
}

class FakeModal : public ModalPort {
 public:
  Answer confirm(const QString& q) override {
    questions.push_back(q);
    return answer;
  }
  QString open_path() override { return open; }
  QString save_path() override {
    ++save_dialogs;
    return save;
  }
  void error(const QString& m) override { errors.push_back(m); }
  void choose_bulb(int) override {}
  DialogOutcome edit_note(int index) override {
    return fill_note ? fill_note(index) : DialogOutcome::Cancelled;
  }
  DialogOutcome set_up_black_box(int) override { return DialogOutcome::Accepted; }
  bool password_matches(int) override { return false; }
  DialogOutcome edit_properties(int32_t kind, int index) override {
    ++property_dialogs;
    return edit ? edit(kind, index) : DialogOutcome::Cancelled;
  }
  bool pick_color(int32_t& chosen) override {
    if (!color) return false;
    chosen = *color;
    return true;
  }
  bool ask(const QString& question) override {
    questions.push_back(question);
    return answer == Answer::Yes;
  }
  void popup(QMenu&, QPoint) override { ++popups; }
  void show_warning(QWidget&) override { ++warnings; }
  void show_about() override {}
  QString picture_path() override { return picture; }
  bool print_dialog(QPrinter&) override { return print_confirmed; }
  DrawingTarget drawing_target() override { return drawing; }
  void page_setup(QPrinter&) override {}

  // What the note and property dialogs do, if anything, and the colour
  // the colour dialog gives.
  std::function<DialogOutcome(int index)> fill_note;
  std::function<DialogOutcome(int32_t kind, int index)> edit;
  std::optional<int32_t> color;
  Answer answer = Answer::No;
  bool print_confirmed = true;
  QString open, save, picture;
  DrawingTarget drawing;
  int save_dialogs = 0, popups = 0, warnings = 0, property_dialogs = 0;
  QStringList questions, errors;
};

class NoClipboard : public ClipboardPort {
 public:
  std::string text() override { return content; }
  void set_text(std::string gbk) override { content = std::move(gbk); }
  std::string content;
};

struct WindowFixture : ::testing::Test {
  FakeModal modal;
  NoClipboard clipboard;
  TForm1 window{VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard};
  QString dir = QString::fromStdString(::testing::TempDir());

  QString example(const char* name) { return QString(VOLTARO_EXAMPLES) + "/" + name; }
};

}  // namespace voltaro
