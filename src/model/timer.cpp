#include "model/timer.h"

#include <cmath>

#include "model/analysis.h"
#include "model/behaviour.h"
#include "model/kinds.h"
#include "model/ports.h"

namespace voltaro {
namespace {

bool AnyOfKind(const Bench& bench, std::initializer_list<int32_t> kinds) {
  for (const ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    for (int32_t k : kinds) {
      if (e.kind == k) return true;
    }
  }
  return false;
}

}  // namespace

bool TimerTick(Bench& bench, const TickContext& c) {
  // While the user presses on the bench (and is not dragging a slider or a
  // magnet) nothing moves under the pointer.
  if ((c.wire_in_progress || c.button_down) && !c.slider_drag && !c.magnet_drag) return false;

  if (AnyOfKind(bench, {KIND_CUTTING_ROD})) RedrawBench(bench);
  if (AnyOfKind(bench, {KIND_AC_GENERATOR, KIND_DC_MOTOR, KIND_DC_GENERATOR})) {
    bench.analysis_pending = 1;
  }

  if (bench.analysis_pending == 1) {
    doing(bench);
  } else if (ShortCircuitedSource(bench) >= 0) {
    // Shown once per short circuit: -1 holds until the next analysis run.
    const bool visible = c.warning_visible && c.warning_visible();
    if (!visible && bench.analysis_pending != -1) {
      bench.analysis_pending = -1;
      if (c.show_warning) c.show_warning();
    }
  }

  // Every analysis stops sounds, so a bell rings on only while the ticks
  // keep starting it again.
  if (FirstRingingBell(bench) >= 0 && bench.sound) bench.sound->play(SOUND_BELL);

  // The push of a magnet gives one pulse of emf; the next tick ends it.
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    if (e.kind == KIND_COIL_AND_MAGNET && std::fabs(e.emf) > 0.00001) {
      e.emf = 0;
      bench.analysis_pending = 1;
    }
  }
  return true;
}

}  // namespace voltaro
