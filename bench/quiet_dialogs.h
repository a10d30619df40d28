#pragma once
// Nothing modal happens while the bench is timed: every dialog the mouse
// handling could open is cancelled at once. `Base` is the port that carries
// the dialogs (the mouse handling's own, or the window's modal port).

#include "interaction/ui_port.h"

namespace voltaro {

template <class Base>
class QuietDialogs : public Base {
 public:
  void choose_bulb(int) override {}
  DialogOutcome edit_note(int) override { return DialogOutcome::Cancelled; }
  DialogOutcome set_up_black_box(int) override { return DialogOutcome::Cancelled; }
  bool password_matches(int) override { return false; }
  DialogOutcome edit_properties(int32_t, int) override { return DialogOutcome::Cancelled; }
  bool pick_color(int32_t&) override { return false; }
};

}  // namespace voltaro
