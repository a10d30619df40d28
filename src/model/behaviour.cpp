#include "model/behaviour.h"

#include <cmath>
#include <utility>

#include "model/analysis.h"
#include "model/kinds.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/ports.h"
#include "model/tables.h"

namespace voltaro {

void UpdateDiode(Bench& bench, int slot) {
  ElementRecord& d = bench.elements[slot];
  // A blocked diode keeps the sign of its forward voltage (it is a 1e14 ohm
  // branch), so it conducts again as soon as that voltage turns positive.
  const bool forward = d.current >= 0;
  const bool change = (forward && d.is_open == 1) || (!forward && d.is_open == 0);
  if (!change) return;
  if (bench.diode_rerun == slot) {
    // This run was started by this diode turning, and now it would turn
    // back: each of its states produces the other. It keeps the state it
    // has, and nothing is left for the next tick, so a diode that only
    // rounding sets turning (a dead one, with a current near 1e-17 A)
    // leaves the bench at rest instead of re-running it for ever.
    return;
  }
  if (bench.analysis_depth > MAX_DIODE_RERUNS) {
    // A circuit in which each state of the diode produces the other would
    // re-run without end; the deepest run leaves it to the next tick.
    bench.analysis_pending = 1;
    return;
  }
  if (forward) {
    d.is_open = 0;
    bench.analysis_pending = 1;
  } else {
    d.is_open = 1;
  }
  const int32_t started_by = std::exchange(bench.diode_rerun, slot);
  doing(bench);
  bench.diode_rerun = started_by;
}

void UpdateFuse(Bench& bench, int slot) {
  ElementRecord& f = bench.elements[slot];
  if (f.is_open == 0 && std::fabs(f.current) > f.max_current) {
    f.is_open = 1;
    if (bench.sound) bench.sound->play(SOUND_FUSE_BLOWS);
    bench.analysis_pending = 1;
  }
}

void UpdateBulb(Bench& bench, int slot) {
  ElementRecord& b = bench.elements[slot];
  if (std::fabs(b.current) > b.max_current) {
    b.is_open = 1;
    bench.analysis_pending = 1;
  }
}

void UpdateRelay(Bench& bench, int index) {
  RelayRecord& r = bench.relays[index];
  const double coil = std::fabs(r.coil_current);
  if (coil >= r.pickup_current && r.contact_closed == 0) {
    r.contact_closed = 1;
    bench.analysis_pending = 1;
  } else if (coil < r.pickup_current && r.contact_closed == 1) {
    r.contact_closed = 0;
    bench.analysis_pending = 1;
  }
}

void ApplyStateRules(Bench& bench, MotionStamps* motion, int64_t now_ms) {
  if (motion) {
    for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
      ElementRecord& e = bench.elements[i];
      if (e.kind == KIND_CUTTING_ROD) StepRod(e, motion->rod[i], now_ms);
    }
  }
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    switch (bench.elements[i].kind) {
      case KIND_BULB:
        UpdateBulb(bench, i);
        break;
      case KIND_FUSE:
        UpdateFuse(bench, i);
        break;
      case KIND_DIODE:
        UpdateDiode(bench, i);
        break;
      default:
        break;
    }
  }
  for (int i = 0; i < RELAY_SLOTS && bench.relays[i].in_use; ++i) UpdateRelay(bench, i);
  ApplyRheostatOffsets(bench);
  if (motion) {
    // The machines are drawn in one pass over the slots, each by its kind.
    for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
      ElementRecord& e = bench.elements[i];
      if (e.kind == KIND_AC_GENERATOR || e.kind == KIND_DC_MOTOR || e.kind == KIND_DC_GENERATOR) {
        StepMachine(e, *StampFor(*motion, e, i), now_ms);
      }
    }
  }
}

int BulbPicture(const ElementRecord& bulb) {
  if (bulb.is_open == 1) return 0;
  const double power = std::fabs((bulb.potential_b - bulb.potential_a) * bulb.current);
  const double level = EffectAtRatedPower(bulb) * power / RatedPower(bulb);
  // A bulb at rated power shows the picture chosen for it and dims in
  // proportion below it.
  if (!(level >= 2)) return 1;
  if (level >= 10) return 10;
  return static_cast<int>(level);
}

bool SignalLightLit(const ElementRecord& light) {
  return std::fabs(light.current) >= RatedCurrent(light);
}

bool BellRinging(const ElementRecord& bell) {
  return RatedCurrent(bell) != 0 && std::fabs(bell.current) >= RatedCurrent(bell);
}

int FirstRingingBell(const Bench& bench) {
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    const ElementRecord& e = bench.elements[i];
    if (e.kind == KIND_BELL && BellRinging(e)) return i;
  }
  return -1;
}

int ShortCircuitedSource(const Bench& bench) {
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    const ElementRecord& e = bench.elements[i];
    if (std::fabs(e.current) > SHORT_CIRCUIT_CURRENT && IsSource(e.kind)) return i;
  }
  return -1;
}

}  // namespace voltaro
