#pragma once
// The bench's 100 ms timer without a window: for traces from the command
// line, tests and timings. Each tick is exactly 100 ms after the last on a
// clock of its own, and the bench does on it what it does in the window:
// the state rules run after every analysis and the generators and the motor
// turn one step per tick.

#include <cstdint>

#include "model/bench.h"
#include "model/bench_observer.h"
#include "model/motion.h"
#include "model/ports.h"
#include "model/timer.h"

namespace voltaro {

constexpr int64_t TICK_MS = 100;

// A clock that moves only when told to.
class StepClock : public Clock {
 public:
  int64_t now_ms() override { return now_; }
  void advance(int64_t ms) { now_ += ms; }

 private:
  int64_t now_ = 0;
};

class HeadlessTimer : private BenchObserver {
 public:
  // Observes the bench until destroyed, in place of the window's drawing: no
  // picture, only what the drawing changes on the bench, at this timer's
  // clock.
  explicit HeadlessTimer(Bench& bench);
  ~HeadlessTimer();
  HeadlessTimer(const HeadlessTimer&) = delete;
  HeadlessTimer& operator=(const HeadlessTimer&) = delete;

  // The one analysis that opening an experiment runs.
  void open();
  // Moves the clock on by 100 ms and runs one tick. Nobody presses on the
  // bench; a short-circuit warning is shown and closed at once, which the
  // bench cannot tell from a pupil closing it.
  void tick();
  // Time since the clock started, in seconds.
  double seconds() const;

 private:
  void analysed(Bench& bench) override;
  void element_moved(int, int) override {}
  void replaced(Bench&) override {}

  Bench& bench_;
  StepClock clock_;
  int64_t ticks_ = 0;
  MotionStamps motion_;
  TickContext context_;
  BenchObserver* window_observer_;
};

}  // namespace voltaro
