#include "model/motion.h"

#include <algorithm>
#include <cmath>

#include "model/kinds.h"
#include "model/parameters.h"

namespace voltaro {
namespace {

constexpr double TWO_PI = 6.283185307179586;
// A step is due when more than 99 ms have passed since the last one.
bool Due(int64_t stamp, int64_t now) {
  return now - stamp > 99;
}

}  // namespace

double RodStep(double speed) {
  double s = std::clamp(speed * 0.5, -20.0, 20.0);
  // A slow rod still creeps one pixel per step.
  if (std::fabs(s) > 0.01 && std::fabs(s) < 1) s = s > 0 ? 1 : -1;
  return std::isnan(s) ? 0 : s;
}

void StepRod(ElementRecord& rod, int64_t& stamp, int64_t now_ms) {
  if (Due(stamp, now_ms)) {
    RodPosition(rod) += RodStep(RodSpeed(rod));
    stamp = now_ms;
  }
  if (RodPosition(rod) > ROD_LAST) {
    RodPosition(rod) = ROD_FIRST;
  } else if (RodPosition(rod) < ROD_FIRST) {
    RodPosition(rod) = ROD_LAST;
  }
}

void StepMachine(ElementRecord& m, int64_t& stamp, int64_t now_ms) {
  double per_step = 0.04;
  if (m.kind == KIND_DC_MOTOR) {
    // The motor has no back emf: it turns as fast as its current drives it.
    TurningSpeed(m) = std::clamp(m.current, -10.0, 10.0);
    per_step = 0.05;
  }
  if (!Due(stamp, now_ms)) return;
  CoilAngle(m) += TurningSpeed(m) * per_step;
  if (CoilAngle(m) >= TWO_PI) CoilAngle(m) = 0;
  stamp = now_ms;
}

int64_t* StampFor(MotionStamps& stamps, const ElementRecord& e, int slot) {
  switch (e.kind) {
    case KIND_CUTTING_ROD:
      return &stamps.rod[slot];
    case KIND_AC_GENERATOR:
      return &stamps.ac_generator[slot];
    case KIND_DC_GENERATOR:
      return &stamps.dc_generator[slot];
    case KIND_DC_MOTOR:
      return &stamps.motor[slot];
    default:
      return nullptr;
  }
}

}  // namespace voltaro
