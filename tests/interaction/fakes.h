#pragma once
// A bench with its picture and mouse handling, and fakes for everything
// modal, so that tests drive the bench with presses and releases.

#include <gtest/gtest.h>

#include <functional>

#include "interaction/bench_interaction.h"
#include "model/kinds.h"
#include "render/bench_renderer.h"
#include "support/test_bench.h"

namespace voltaro::testing {

const PictureSet& Pictures();

class FakeUi : public UiPort, public DialogPort {
 public:
  void choose_bulb(int) override { ++bulb_choices; }
  DialogOutcome edit_note(int index) override {
    if (!note_lines.empty()) {
      NoteRecord& n = bench->notes[index];
      n.lines = note_lines;
      n.width = 80;
      n.height = 20;
      n.in_use = 1;
      return DialogOutcome::Accepted;
    }
    return DialogOutcome::Cancelled;
  }
  DialogOutcome set_up_black_box(int) override { return black_box_answer; }
  bool password_matches(int) override { return password_ok; }
  DialogOutcome edit_properties(int32_t kind, int index) override {
    properties.push_back(kind);
    if (!edit) return DialogOutcome::Cancelled;
    edit(kind, index);
    return DialogOutcome::Accepted;
  }
  bool pick_color(int32_t& color) override {
    if (!color_answer) return false;
    color = *color_answer;
    return true;
  }
  void show_context_menu(Point at) override {
    context_menus.push_back(at);
    if (on_context_menu) on_context_menu();
  }
  void show_black_box_menu(Point at) override { black_box_menus.push_back(at); }
  void show_magnifier(Point centre) override {
    magnifier = true;
    magnifier_centre = centre;
  }
  void refresh_magnifier() override { ++magnifier_refreshes; }
  bool magnifier_visible() override { return magnifier; }
  void restore_cursor() override {}
  void reset_components_box() override { ++box_resets; }
  void status_message(const std::string& text) override { messages.push_back(text); }
  void picture_changed() override {}

  Bench* bench = nullptr;
  int bulb_choices = 0, box_resets = 0, magnifier_refreshes = 0;
  std::vector<std::string> note_lines;
  DialogOutcome black_box_answer = DialogOutcome::Accepted;
  bool password_ok = false;
  std::optional<int32_t> color_answer;
  std::vector<int32_t> properties;
  // What the pupil changes in a property dialog, if anything.
  std::function<void(int32_t kind, int index)> edit;
  std::vector<Point> context_menus, black_box_menus;
  // What the pupil chooses in the context menu, if anything.
  std::function<void()> on_context_menu;
  bool magnifier = false;
  Point magnifier_centre;
  std::vector<std::string> messages;
};

class FakeClipboard : public ClipboardPort {
 public:
  std::string text() override { return content; }
  void set_text(std::string gbk) override { content = std::move(gbk); }
  std::string content;
};

struct MouseBench : TestBench {
  FakeUi ui;
  FakeClipboard clipboard;
  BenchRenderer renderer{bench, Pictures(), nullptr};
  BenchInteraction mouse{bench, renderer, ui, ui, clipboard};

  MouseBench() {
    ui.bench = &bench;
    renderer.attach();
  }
  void press(int x, int y, int button = LEFT_BUTTON) { mouse.Image1MouseDown(button, 0, x, y); }
  void move(int x, int y) { mouse.Image1MouseMove(0, x, y); }
  void release(int x, int y, int button = LEFT_BUTTON) { mouse.Image1MouseUp(button, 0, x, y); }
  void click(int x, int y, int button = LEFT_BUTTON) {
    press(x, y, button);
    release(x, y, button);
  }
  // Places a component with the mouse, as after choosing it in the box.
  void put(int32_t kind, int x, int y) {
    mouse.set_pending_kind(kind);
    click(x, y);
  }
};

}  // namespace voltaro::testing
