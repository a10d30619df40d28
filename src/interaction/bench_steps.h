#pragma once
// The pupil's changes of the bench, one step per finished action: a drag is
// one step however long it lasts, a dialog one step however often its
// values changed while it was open. What the analysis or the timer does
// afterwards (a fuse blows, a bulb burns out) is no step: it follows from
// the step before.

#include <optional>

namespace voltaro {

enum class Step {
  Place,
  Move,
  Rotate,
  DrawWire,
  MoveBend,
  Delete,
  Cut,
  Paste,
  Properties,
  Note,
  BlackBox,
  OpenBlackBox,
  Repair,
  Switch,
  TurnKnob,
  MoveSlider,
  MoveMagnet,
  WireColor,
};

// The step's name as the Undo and Redo commands show it ("Undo Delete").
const char* StepName(Step step);

// Hears where the pupil's actions begin and end. An action runs from its
// first event to its last (a press to its release, a command from start to
// end); actions that run inside another (a command chosen from the context
// menu that a release opened) belong to the outer one.
class StepObserver {
 public:
  // An action begins: the bench is still as the action found it.
  virtual void action_begins() = 0;
  // The action is over. `step` names the change it made or set out to make
  // (a Delete with nothing selected is still named); nothing when it only
  // selected, pointed or was given up. Whether the experiment did change is
  // for the observer to see on the bench.
  virtual void action_ends(std::optional<Step> step) = 0;

 protected:
  ~StepObserver() = default;
};

}  // namespace voltaro
