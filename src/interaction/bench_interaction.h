#pragma once
// The bench under the mouse: placing, selecting and moving components,
// drawing wires, operating switches, sliders, magnets and the multimeter
// knob, and the edit commands that act on the selection. It changes the
// tables and asks for redraws; only drag outlines and rubber lines are drawn
// here, in XOR through the renderer onto the picture the window shows.

#include <cstdint>
#include <optional>

#include "document/clipboard.h"
#include "interaction/bench_steps.h"
#include "interaction/ui_port.h"
#include "model/bench.h"
#include "render/bench_renderer.h"

namespace voltaro {

enum MouseButton { LEFT_BUTTON = 0, RIGHT_BUTTON = 1, MIDDLE_BUTTON = 2 };

// Which menu items make sense for the current selection.
struct EditMenuState {
  bool copy = false, cut = false, paste = false, del = false, repair = false, properties = false;
};

// What a press did about wiring (do_creat_dianxian).
enum class WireStep {
  None,      // no wire started or extended: the press goes on to selecting
  Drawing,   // a wire started or got a bend, or the press was swallowed
  Finished,  // the wire reached its second terminal
};

// What a press took hold of (find_obj_to_move). A wire segment is selected
// without being held.
enum class Grab { Nothing, WirePoint, Object };

// The interaction state others may read, named as the bench's handlers
// name it. Its selection part is what the bench picture outlines in red.
struct InteractionView : Selection {
  int32_t pending_kind = 0;
  bool button_down = false;
  bool wire_in_progress = false;
  bool slider_drag = false;
  bool magnet_drag = false;
  bool band_active = false;
  Point mouse_pos;
  Point zoom_centre;
  int32_t wire_color = 8404992;  // the swatch: colour of every new wire
};

// The mouse handling owns the selection, since only its handlers and
// commands change it; the bench picture reads it through a const pointer
// that the constructor lends to the renderer. The handlers keep their state
// under the names the view shows (a private base); everyone else reads it
// through view() and changes it only through the verbs below.
class BenchInteraction : private InteractionView {
 public:
  BenchInteraction(Bench& bench, BenchRenderer& renderer, UiPort& ui, DialogPort& dialogs,
                   ClipboardPort& clipboard);
  ~BenchInteraction();
  BenchInteraction(const BenchInteraction&) = delete;
  BenchInteraction& operator=(const BenchInteraction&) = delete;

  const InteractionView& view() const { return *this; }

  // The bench mouse handlers; coordinates are bench pixels.
  void Image1MouseDown(int button, int shift, int x, int y);
  void Image1MouseMove(int shift, int x, int y);
  void Image1MouseUp(int button, int shift, int x, int y);
  void Image1DblClick();

  // Selects what lies under (x, y) and, unless it is a wire segment, starts
  // dragging it.
  Grab find_obj_to_move(int x, int y);
  WireStep do_creat_dianxian(int x, int y);

  // Selects a component, note or black box as a press on it would, without
  // taking hold of it.
  void Select(int32_t kind, int index);
  // A bench just opened or made new: nothing selected, held or picked.
  void StartOver();
  // The bench was put back as it stood at another moment (Undo, Redo):
  // nothing is selected or held any more and no wire is being drawn; an
  // action a press left open ends without a step. The kind picked in the
  // components box stays picked.
  void LetGo();

  // Who hears where the pupil's actions begin and end (the undo history);
  // nobody when null.
  void set_step_observer(StepObserver* observer) { steps_ = observer; }

  // Edit commands on the selection.
  void Rotate();
  void Delete();
  void Repair();
  void Properties();
  void Copy();
  void Cut();
  void Paste();
  EditMenuState MenuState();
  // "Open Black Box" of the black-box menu.
  void OpenBlackBox();
  // A release on the wire colour swatch.
  void ChooseWireColor();

  // Choosing a kind in the components box or the menu; 0 returns to select.
  void set_pending_kind(int32_t kind) { pending_kind = kind; }
  // Drops the wire being drawn, as a right press does, and takes its
  // rubber line off the bench. Every command of the menus and the tool bar
  // runs it first, so the next press starts afresh.
  void AbandonWire();
  // Escape: drops the wire being drawn and what was picked in the
  // components box (or a note, black box or magnifier to come).
  void Escape();

 private:
  // One action of the pupil, from the constructor to the destructor, for
  // the step observer. An action inside another belongs to the outer one.
  class Action {
   public:
    explicit Action(BenchInteraction& owner, std::optional<Step> step = std::nullopt)
        : owner_(owner) {
      owner_.begin_action();
      if (step) owner_.changed(*step);
    }
    ~Action() { owner_.end_action(); }
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

   private:
    BenchInteraction& owner_;
  };
  void begin_action();
  void end_action();
  // Ends the action that a press left open for its release.
  void release_hold();
  void finish_action();
  // Names the step of the running action, unless it has its name already:
  // Cut deletes, but it is a Cut.
  void changed(Step step) {
    if (!step_) step_ = step;
  }

  void press(int button, int x, int y);
  void release(int button, int x, int y);
  void do_found_lian1(int x, int y);
  void do_found_lian2();
  bool inside_black_box(int x, int y, int* index = nullptr) const;
  // Delete and Cut refuse a selection that reaches under a closed black
  // box, and say why.
  bool guarded_by_black_box();
  bool grab_slider(int x, int y);
  bool grab_magnet(int x, int y);
  void drag_slider(int x);
  void drag_magnet(int y);
  // Forgets the wire being drawn; the wire table never held it.
  void drop_wire();
  void place(int x, int y);
  void start_band(int x, int y);
  void finish_band(int x, int y);
  void drop(int x, int y);
  void right_release(int x, int y);
  bool on_multimeter_knob(int slot, int x, int y) const;
  void step_multimeter(int slot, int step);
  // The outline that follows the pointer while dragging, centred at (cx, cy).
  void drag_outline(int cx, int cy);
  void band_rectangle(Point corner);
  void rubber_line(Point to);
  void xor_dot(int x, int y);
  int wire_under(int x, int y, bool right_release) const;
  int terminal_at(int x, int y) const;
  void redraw();
  void after_analysis_view();

  // The rest of the handlers' state, which nobody outside needs.
  bool dragging = false;
  int slider_index = -1;
  int magnet_index = -1;
  int magnet_last_y = 0;
  Point band_start;
  Point last_mouse;
  Point grab_offset;
  Point wire_anchor;
  int spdt_click_zone = 0;
  // The wire being drawn, until it is finished.
  WireRecord drawing_;
  // The running action: how deeply nested, whether a press left it open
  // for its release, and its step so far.
  int action_depth_ = 0;
  bool held_ = false;
  std::optional<Step> step_;
  StepObserver* steps_ = nullptr;
  Bench& bench_;
  BenchRenderer& renderer_;
  UiPort& ui_;
  DialogPort& dialogs_;
  ClipboardPort& clipboard_;
};

}  // namespace voltaro
