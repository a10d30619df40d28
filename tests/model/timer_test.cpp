// Ticks of the bench timer: warnings, bells, moving apparatus, magnet pulses.

#include "model/timer.h"

#include <gtest/gtest.h>

#include "model/behaviour.h"
#include "model/kinds.h"
#include "support/recording_observer.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

struct TimerFixture : ::testing::Test {
  TestBench t;
  bool visible = false;
  int warnings = 0;
  TickContext context() {
    TickContext c;
    c.warning_visible = [this] { return visible; };
    c.show_warning = [this] { ++warnings; };
    return c;
  }
  void closed_loop(int32_t kind) {
    const int cell = t.place(KIND_DRY_CELL);
    const int part = t.place(kind);
    t.wire(t.b(cell), t.a(part));
    t.wire(t.b(part), t.a(cell));
  }
};

TEST_F(TimerFixture, ShortCircuitWarningShowsOncePerShort) {
  closed_loop(KIND_STRAIGHT_LEAD);
  t.bench.analysis_pending = 1;
  TimerTick(t.bench, context());  // runs the analysis
  EXPECT_EQ(warnings, 0);
  TimerTick(t.bench, context());
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(t.bench.analysis_pending, -1);
  TimerTick(t.bench, context());
  TimerTick(t.bench, context());
  EXPECT_EQ(warnings, 1);
  t.bench.analysis_pending = 1;  // another change to the bench
  TimerTick(t.bench, context());
  TimerTick(t.bench, context());
  EXPECT_EQ(warnings, 2);
}

TEST_F(TimerFixture, AVisibleWarningIsNotOpenedAgain) {
  closed_loop(KIND_STRAIGHT_LEAD);
  doing(t.bench);
  visible = true;
  TimerTick(t.bench, context());
  EXPECT_EQ(warnings, 0);
}

TEST_F(TimerFixture, PressingOnTheBenchHoldsEverything) {
  closed_loop(KIND_FIXED_RESISTOR);
  t.bench.analysis_pending = 1;
  TickContext c = context();
  c.button_down = true;
  EXPECT_FALSE(TimerTick(t.bench, c));
  EXPECT_EQ(t.bench.analysis_pending, 1);
  c.slider_drag = true;
  EXPECT_TRUE(TimerTick(t.bench, c));
  EXPECT_EQ(t.bench.analysis_pending, 0);
}

TEST_F(TimerFixture, BellRingsOnlyWithANonZeroRating) {
  closed_loop(KIND_BELL);  // 1.5 V over 20 ohm: 0.075 A
  doing(t.bench);
  t.el(1).param1 = 0;
  TimerTick(t.bench, context());
  EXPECT_TRUE(t.sound.played.empty());
  t.el(1).param1 = 0.075;
  TimerTick(t.bench, context());
  EXPECT_EQ(t.sound.played, std::vector<std::string>{std::string(SOUND_BELL)});
}

TEST_F(TimerFixture, TurningMachineKeepsTheAnalysisRunning) {
  t.place(KIND_AC_GENERATOR);
  testing::RecordingObserver observer(t.bench);
  for (int i = 0; i < 3; ++i) TimerTick(t.bench, context());
  EXPECT_EQ(observer.analyses, 3);
}

TEST_F(TimerFixture, MagnetPulseEndsAtTheNextTick) {
  const int coil = t.place(KIND_COIL_AND_MAGNET);
  t.el(coil).emf = -1.8;
  TimerTick(t.bench, context());
  EXPECT_EQ(t.el(coil).emf, 0);
  EXPECT_EQ(t.bench.analysis_pending, 1);
  t.el(coil).emf = 0.000009;
  t.bench.analysis_pending = 0;
  TimerTick(t.bench, context());
  EXPECT_EQ(t.el(coil).emf, 0.000009);
}

}  // namespace
}  // namespace voltaro
