// What follows a solution: diodes, fuses, bulbs, relays, bells and short
// circuits, on small benches settled as the timer would settle them.

#include "model/behaviour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/kinds.h"
#include "model/netlist.h"
#include "model/tables.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

// A source wired through one component: source B -> part A, part B -> source A,
// or the other way round when `reversed`.
struct Circuit {
  TestBench t;
  int source, part;
  Circuit(int32_t part_kind, double emf, double source_r, bool reversed = false) {
    source = t.element(KIND_VOLTAGE_SUPPLY, source_r, emf);
    part = t.place(part_kind);
    if (reversed) {
      t.wire(t.b(source), t.b(part));
      t.wire(t.a(part), t.a(source));
    } else {
      t.wire(t.b(source), t.a(part));
      t.wire(t.b(part), t.a(source));
    }
  }
  ElementRecord& p() { return t.el(part); }
};

TEST(Diode, ConductsForwardAndBlocksReversed) {
  Circuit forward(KIND_DIODE, 1.5, 10);
  forward.t.settle();
  EXPECT_EQ(forward.p().is_open, 0);
  EXPECT_NEAR(forward.p().current, 0.15, 1e-12);

  Circuit reversed(KIND_DIODE, 1.5, 10, true);
  reversed.t.settle();
  EXPECT_EQ(reversed.p().is_open, 1);
  EXPECT_LT(reversed.p().current, 0);
  EXPECT_NEAR(reversed.p().current, -1.5e-14, 1e-16);
}

TEST(Diode, BlockedDiodeConductsAgainWhenTheVoltageTurns) {
  Circuit c(KIND_DIODE, 1.5, 10, true);
  c.t.settle();
  ASSERT_EQ(c.p().is_open, 1);
  c.t.el(c.source).emf = -1.5;
  c.t.settle();
  EXPECT_EQ(c.p().is_open, 0);
  EXPECT_NEAR(c.p().current, -(-0.15), 1e-12);
}

TEST(Diode, DeepestReRunKeepsItsStateAndLeavesItToTheTimer) {
  Circuit c(KIND_DIODE, 1.5, 10, true);
  doing(c.t.bench);  // settles through one nested re-run
  c.p().is_open = 0;
  c.p().current = -1;
  c.t.bench.analysis_pending = 0;
  c.t.bench.analysis_depth = MAX_DIODE_RERUNS + 1;
  UpdateDiode(c.t.bench, c.part);
  EXPECT_EQ(c.p().is_open, 0);
  EXPECT_EQ(c.t.bench.analysis_pending, 1);
}

// A diode across the middle of a balanced bridge carries only what rounding
// leaves: with these values the blocked diode reads a forward current near
// 1e-29 A and the conducting one a reverse current, so each state produces
// the other. It must keep one state and leave the bench at rest, not ask the
// timer for another analysis on every tick.
TEST(Diode, DiodeThatOnlyRoundingTurnsLeavesTheBenchAtRest) {
  for (double emf : {4.5, 6.0}) {
    SCOPED_TRACE(emf);
    TestBench t;
    const int source = t.element(KIND_VOLTAGE_SUPPLY, 1, emf);
    const int r1 = t.element(KIND_FIXED_RESISTOR, 1), r2 = t.element(KIND_FIXED_RESISTOR, 11);
    const int r3 = t.element(KIND_FIXED_RESISTOR, 0.3), r4 = t.element(KIND_FIXED_RESISTOR, 3.3);
    const int d = t.place(KIND_DIODE);
    t.bridge(source, r1, r2, r3, r4, d);
    EXPECT_EQ(t.settle(), 1);
    EXPECT_EQ(t.bench.analysis_pending, 0);
    EXPECT_LT(std::fabs(t.el(d).current), 1e-20);
    EXPECT_NEAR(t.el(source).current, emf / (1 + 12 * 3.6 / 15.6), 1e-12);
  }
}

TEST(Fuse, BlowsOnceAndStaysOpenUntilRepaired) {
  Circuit c(KIND_FUSE, 1.5, 1);  // 1.5 A through a 1 A fuse
  doing(c.t.bench);
  EXPECT_EQ(c.p().is_open, 1);
  EXPECT_EQ(c.t.bench.analysis_pending, 1);
  EXPECT_EQ(c.t.sound.played, std::vector<std::string>{std::string(SOUND_FUSE_BLOWS)});
  c.t.settle();
  c.t.settle();
  EXPECT_EQ(c.t.sound.played.size(), 1u);
  EXPECT_LT(std::fabs(c.p().current), 1e-13);
}

TEST(Fuse, RatedCurrentItselfDoesNotBlowIt) {
  Circuit c(KIND_FUSE, 1, 1);  // exactly 1 A
  c.t.settle();
  EXPECT_EQ(c.p().is_open, 0);
  EXPECT_TRUE(c.t.sound.played.empty());
}

TEST(Bulb, BurnsOutJustAboveItsMaximumCurrent) {
  struct Case {
    double current;
    int32_t burnt;
  };
  for (Case k : {Case{1.5, 0}, Case{1.5000001, 1}}) {
    SCOPED_TRACE(k.current);
    TestBench t;
    const int b = t.place(KIND_BULB);
    t.el(b).current = k.current;
    UpdateBulb(t.bench, b);
    EXPECT_EQ(t.el(b).is_open, k.burnt);
    EXPECT_EQ(t.bench.analysis_pending, k.burnt);
  }
}

TEST(Bulb, BurntBulbIsAnOpenBranchAtTheNextRun) {
  Circuit c(KIND_BULB, 20, 0);  // 2 A through a 10 ohm bulb of 1.5 A
  doing(c.t.bench);
  EXPECT_EQ(c.p().is_open, 1);
  doing(c.t.bench);
  EXPECT_LT(std::fabs(c.p().current), 1e-12);
  EXPECT_EQ(BulbPicture(c.p()), 0);
}

TEST(Bulb, BrightnessFollowsThePowerUpToTheChosenPicture) {
  struct Case {
    double power_fraction;
    double chosen;
    int picture;
  };
  const Case cases[] = {{1, 8, 8},  {0.25, 8, 2}, {0.2, 8, 1}, {0, 8, 1},
                        {2, 8, 10}, {1, 10, 10},  {0.5, 7, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.power_fraction);
    ElementRecord bulb;
    bulb.param1 = 10;  // rated power
    bulb.param2 = c.chosen;
    // 10 ohm: P = I^2 R = U I.
    const double p = 10 * c.power_fraction;
    bulb.current = std::sqrt(p / 10);
    bulb.potential_b = -bulb.current * 10;
    EXPECT_EQ(BulbPicture(bulb), c.picture);
  }
}

TEST(Relay, PicksUpAndClosesASecondCircuit) {
  TestBench t;
  // Control circuit: 1.5 V cell through the coil (1 ohm) and 10 ohm: 0.136 A.
  const int cell = t.place(KIND_DRY_CELL);
  const int r = t.element(KIND_FIXED_RESISTOR, 10);
  const int relay = t.place(KIND_RELAY);
  const RelayRecord& rl = t.bench.relays[relay];
  t.wire(t.b(cell), rl.node_coil_a);
  t.wire(rl.node_coil_b, t.a(r));
  t.wire(t.b(r), t.a(cell));
  // Working circuit: a 6 V battery set, the contact and a bell.
  const int set = t.place(KIND_BATTERY_SET);
  const int bell = t.place(KIND_BELL);
  t.wire(t.b(set), rl.node_contact_a);
  t.wire(rl.node_contact_b, t.a(bell));
  t.wire(t.b(bell), t.a(set));
  const int runs = t.settle();
  EXPECT_EQ(rl.contact_closed, 1);
  EXPECT_EQ(runs, 2);
  EXPECT_NEAR(t.el(bell).current, 6.0 / 20, 1e-12);
  EXPECT_EQ(FirstRingingBell(t.bench), -1);  // 0.3 A is below its 0.5 A rating
  t.el(bell).param1 = 0.3;
  EXPECT_EQ(FirstRingingBell(t.bench), bell);
  // Opening the control circuit drops the relay out again.
  t.el(r).resistance = 100;
  t.settle();
  EXPECT_EQ(rl.contact_closed, 0);
  EXPECT_LT(std::fabs(t.el(bell).current), 1e-12);
}

TEST(Relay, PickUpCurrentIsInclusive) {
  struct Case {
    double coil;
    int32_t closed_before, closed_after;
  };
  const Case cases[] = {
      {0.1, 0, 1}, {0.0999999, 0, 0}, {-0.1, 0, 1}, {0.0999999, 1, 0}, {0.1, 1, 1}};
  for (const Case& c : cases) {
    TestBench t;
    const int r = t.place(KIND_RELAY);
    t.bench.relays[r].coil_current = c.coil;
    t.bench.relays[r].contact_closed = c.closed_before;
    UpdateRelay(t.bench, r);
    EXPECT_EQ(t.bench.relays[r].contact_closed, c.closed_after) << c.coil;
    EXPECT_EQ(t.bench.analysis_pending, c.closed_after != c.closed_before ? 1 : 0);
  }
}

TEST(SignalsAndBells, ThresholdsAreInclusiveAndZeroRatingNeverRings) {
  ElementRecord light;
  light.param1 = 0.02;
  light.current = -0.02;
  EXPECT_TRUE(SignalLightLit(light));
  light.current = 0.0199;
  EXPECT_FALSE(SignalLightLit(light));

  ElementRecord bell;
  bell.param1 = 0;
  bell.current = 100;
  EXPECT_FALSE(BellRinging(bell));
  bell.param1 = 0.5;
  bell.current = -0.5;
  EXPECT_TRUE(BellRinging(bell));
}

TEST(ShortCircuit, OnlySourcesAreReported) {
  TestBench t;
  const int r = t.place(KIND_FIXED_RESISTOR);
  const int cell = t.place(KIND_9V_BATTERY);
  t.el(r).current = 1e11;
  EXPECT_EQ(ShortCircuitedSource(t.bench), -1);
  t.el(cell).current = -1e10;
  EXPECT_EQ(ShortCircuitedSource(t.bench), -1);
  t.el(cell).current = -1.0000001e10;
  EXPECT_EQ(ShortCircuitedSource(t.bench), cell);
}

}  // namespace
}  // namespace voltaro
