#pragma once
// One tick of the bench's 100 ms timer: it keeps moving apparatus moving,
// runs the analysis that state changes asked for, warns of a short circuit,
// rings bells and ends the emf pulse of a magnet push.

#include <functional>

#include "model/bench.h"

namespace voltaro {

// What the window tells the tick and lets it do.
struct TickContext {
  bool wire_in_progress = false;
  bool button_down = false;
  bool slider_drag = false;
  bool magnet_drag = false;
  // The short-circuit warning window.
  std::function<bool()> warning_visible;
  std::function<void()> show_warning;  // modal; more ticks may run inside it
};

constexpr const char* SHORT_CIRCUIT_TEXT = "You have made a short circuit!";

// Runs the six steps of one tick. Returns false when the tick did nothing
// because the user is pressing on the bench.
bool TimerTick(Bench& bench, const TickContext& context);

}  // namespace voltaro
