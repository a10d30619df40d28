// Where the pupil's actions begin and end: a press opens one, and unless it
// took hold of something its action ends with it; otherwise the release
// ends it, so a whole drag is one step.

#include "interaction/bench_interaction.h"

namespace voltaro {

const char* StepName(Step step) {
  switch (step) {
    case Step::Place:
      return "Place";
    case Step::Move:
      return "Move";
    case Step::Rotate:
      return "Rotate";
    case Step::DrawWire:
      return "Draw Wire";
    case Step::MoveBend:
      return "Move Bend";
    case Step::Delete:
      return "Delete";
    case Step::Cut:
      return "Cut";
    case Step::Paste:
      return "Paste";
    case Step::Properties:
      return "Properties";
    case Step::Note:
      return "Note";
    case Step::BlackBox:
      return "Black Box";
    case Step::OpenBlackBox:
      return "Open Black Box";
    case Step::Repair:
      return "Repair";
    case Step::Switch:
      return "Switch";
    case Step::TurnKnob:
      return "Turn Knob";
    case Step::MoveSlider:
      return "Move Slider";
    case Step::MoveMagnet:
      return "Move Magnet";
    case Step::WireColor:
      return "Wire Color";
  }
  return "";
}

void BenchInteraction::Image1MouseDown(int button, int, int x, int y) {
  // A release that never came (a dialog opened by the last press took it)
  // ends that press's action here.
  release_hold();
  Action action(*this);
  press(button, x, y);
  held_ = button == LEFT_BUTTON && (dragging || slider_drag || magnet_drag);
}

void BenchInteraction::Image1MouseUp(int button, int, int x, int y) {
  Action action(*this);
  release(button, x, y);
  held_ = false;
}

void BenchInteraction::begin_action() {
  if (action_depth_++ > 0 || held_) return;
  step_.reset();
  if (steps_) steps_->action_begins();
}

void BenchInteraction::end_action() {
  if (--action_depth_ == 0 && !held_) finish_action();
}

void BenchInteraction::release_hold() {
  if (!held_) return;
  held_ = false;
  if (action_depth_ == 0) finish_action();
}

void BenchInteraction::finish_action() {
  const std::optional<Step> step = step_;
  step_.reset();
  if (steps_) steps_->action_ends(step);
}

void BenchInteraction::LetGo() {
  Select(0, -1);
  drop_wire();
  button_down = dragging = slider_drag = magnet_drag = band_active = false;
  step_.reset();
  release_hold();
}

}  // namespace voltaro
