#include "model/headless_timer.h"

#include <utility>

#include "model/analysis.h"
#include "model/behaviour.h"

namespace voltaro {

HeadlessTimer::HeadlessTimer(Bench& bench)
    : bench_(bench),
      window_observer_(std::exchange(bench.observer, static_cast<BenchObserver*>(this))) {
  context_.warning_visible = [] { return false; };
  context_.show_warning = [] {};
}

HeadlessTimer::~HeadlessTimer() {
  bench_.observer = window_observer_;
}

void HeadlessTimer::analysed(Bench& bench) {
  ApplyStateRules(bench, &motion_, clock_.now_ms());
}

void HeadlessTimer::open() {
  doing(bench_);
}

void HeadlessTimer::tick() {
  clock_.advance(TICK_MS);
  ++ticks_;
  TimerTick(bench_, context_);
}

double HeadlessTimer::seconds() const {
  return static_cast<double>(ticks_ * TICK_MS) / 1000;
}

}  // namespace voltaro
