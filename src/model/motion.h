#pragma once
// The moving apparatus: the rod that slides across a magnetic field and the
// turning generators and motor. Each moves at most once per 100 ms of wall
// clock, however often the bench is redrawn.

#include <array>
#include <cstdint>

#include "model/bench.h"

namespace voltaro {

// When each two-terminal slot last moved, per kind of motion.
struct MotionStamps {
  std::array<int64_t, TWO_TERMINAL_SLOTS> rod{};
  std::array<int64_t, TWO_TERMINAL_SLOTS> ac_generator{};
  std::array<int64_t, TWO_TERMINAL_SLOTS> dc_generator{};
  std::array<int64_t, TWO_TERMINAL_SLOTS> motor{};
};

// Where the rod may stand on its rails, in pixels from the apparatus' left
// edge; it leaves at one end and comes back at the other.
constexpr double ROD_FIRST = 5;
constexpr double ROD_LAST = 236;

// Pixels the rod moves per step at its speed (m/s).
double RodStep(double speed);

// Moves the rod of a kind 92 record one step when its time has come, then
// wraps it round the rails.
void StepRod(ElementRecord& rod, int64_t& stamp, int64_t now_ms);

// Turns a generator (93, 95) or the motor (94) one step when its time has
// come. The motor first takes its speed from its current.
void StepMachine(ElementRecord& machine, int64_t& stamp, int64_t now_ms);

// The stamp of a slot for the motion of its kind, or nullptr when the kind
// does not move by itself.
int64_t* StampFor(MotionStamps& stamps, const ElementRecord& e, int slot);

}  // namespace voltaro
