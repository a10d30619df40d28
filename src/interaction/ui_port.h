#pragma once
// What the bench's mouse handling asks of the world around it: the dialogs
// it opens, and the window's menus, magnifier, components box and status
// bar. The program answers the dialogs with its modal port and the rest
// with the window; tests fake both.

#include <cstdint>
#include <string>

#include "model/bench.h"

namespace voltaro {

enum class DialogOutcome { Accepted, Cancelled };

// The modal dialogs of the bench's components, notes and black boxes.
class DialogPort {
 public:
  virtual ~DialogPort() = default;

  // The bulb-choice dialog for a bulb just placed in `slot`; it sets the
  // bulb's rating.
  virtual void choose_bulb(int slot) = 0;
  // The "Document Note" dialog for note `index`; it fills the note and marks
  // it in use when accepted.
  virtual DialogOutcome edit_note(int index) = 0;
  // The "Black box setting" dialog for a box just drawn.
  virtual DialogOutcome set_up_black_box(int index) = 0;
  // The "Open black box" dialog: true when the right password was given.
  virtual bool password_matches(int index) = 0;
  // The property dialog of a component, or Cancelled when it has none.
  virtual DialogOutcome edit_properties(int32_t kind, int index) = 0;
  // The colour dialog; false when cancelled.
  virtual bool pick_color(int32_t& color) = 0;
};

// The window around the bench.
class UiPort {
 public:
  virtual ~UiPort() = default;

  // The bench's context menu and the black-box menu, at a bench position.
  virtual void show_context_menu(Point at) = 0;
  virtual void show_black_box_menu(Point at) = 0;

  // The magnifier window: show it looking at `centre`, or refresh it.
  virtual void show_magnifier(Point centre) = 0;
  virtual void refresh_magnifier() = 0;
  virtual bool magnifier_visible() = 0;
  // The bench cursor goes back to the hand after the magnifier click.
  virtual void restore_cursor() = 0;

  // Releases all kind buttons of the components box.
  virtual void reset_components_box() = 0;
  // A short message in the status bar.
  virtual void status_message(const std::string& text) = 0;
  // The bench picture changed outside a full redraw (drag outlines, rubber
  // lines): the window shows it again.
  virtual void picture_changed() = 0;
};

}  // namespace voltaro
