#include "model/headless_timer.h"

#include <utility>

#include "model/analysis.h"
#include "model/behaviour.h"

namespace voltaro {

HeadlessTimer::HeadlessTimer(Bench& bench) : bench_(bench) {
  window_redraw_ = std::exchange(
      bench_.redraw, [this](Bench& b) { ApplyStateRules(b, &motion_, clock_.now_ms()); });
  context_.warning_visible = [] { return false; };
  context_.show_warning = [] {};
}

HeadlessTimer::~HeadlessTimer() {
  bench_.redraw = std::move(window_redraw_);
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
