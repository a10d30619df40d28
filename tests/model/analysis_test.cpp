// The analysis as a physics teacher would check it: Ohm's law, series and
// parallel, internal resistance, bridges, separate circuits, short circuits,
// and benches with redundant wires.

#include "model/analysis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/analysis_scratch.h"
#include "model/behaviour.h"
#include "model/kinds.h"
#include "model/netlist.h"
#include "model/tables.h"
#include "support/recording_observer.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

// A cell's terminal B is its positive pole: wired B -> load A -> load B -> cell A
// the current runs from A to B through the load.
struct Loop {
  TestBench t;
  int cell, load;
  Loop(int32_t load_kind, double load_r) {
    cell = t.place(KIND_DRY_CELL);
    load = t.element(load_kind, load_r);
    t.wire(t.b(cell), t.a(load));
    t.wire(t.b(load), t.a(cell));
  }
};

TEST(Analysis, OhmsLawOnADryCellAndAResistor) {
  Loop loop(KIND_FIXED_RESISTOR, 10);
  doing(loop.t.bench);
  const ElementRecord& r = loop.t.el(loop.load);
  EXPECT_NEAR(r.current, 0.15, 1e-12);
  EXPECT_NEAR(r.potential_a - r.potential_b, 1.5, 1e-12);
  EXPECT_NEAR(loop.t.el(loop.cell).current, 0.15, 1e-12);
  EXPECT_EQ(loop.t.bench.status, STATUS_SOLVED);
  EXPECT_EQ(loop.t.bench.analysis_pending, 0);
}

TEST(Analysis, AStraightLeadShortsTheCell) {
  Loop loop(KIND_STRAIGHT_LEAD, 0);
  doing(loop.t.bench);
  EXPECT_GT(std::fabs(loop.t.el(loop.cell).current), 1e70);
  EXPECT_EQ(ShortCircuitedSource(loop.t.bench), loop.cell);
}

TEST(Analysis, EmptyBenchSolvesToNothing) {
  TestBench t;
  doing(t.bench);
  EXPECT_EQ(t.bench.status, STATUS_SOLVED);
  EXPECT_EQ(t.bench.scratch->system.size(), 0);
  EXPECT_EQ(CountWires(t.bench), 0);
}

TEST(Analysis, SingleComponentNeedsNoGroundLink) {
  TestBench t;
  t.place(KIND_FIXED_RESISTOR);
  const int32_t ids = t.bench.next_id;
  doing(t.bench);
  EXPECT_EQ(t.bench.next_id, ids);
  EXPECT_EQ(CountWires(t.bench), 0);
}

struct NetworkCase {
  const char* name;
  std::vector<double> resistors;  // resistances between the cell's poles
  bool parallel;
  double expected_cell_current;
};

class SeriesAndParallel : public ::testing::TestWithParam<NetworkCase> {};

TEST_P(SeriesAndParallel, CellCurrentFollowsTheTotalResistance) {
  const NetworkCase& c = GetParam();
  TestBench t;
  const int cell = t.place(KIND_DRY_CELL);
  std::vector<int> rs;
  for (double r : c.resistors) rs.push_back(t.element(KIND_FIXED_RESISTOR, r));
  if (c.parallel) {
    for (int r : rs) {
      t.wire(t.b(cell), t.a(r));
      t.wire(t.b(r), t.a(cell));
    }
  } else {
    t.wire(t.b(cell), t.a(rs.front()));
    for (size_t i = 0; i + 1 < rs.size(); ++i) t.wire(t.b(rs[i]), t.a(rs[i + 1]));
    t.wire(t.b(rs.back()), t.a(cell));
  }
  doing(t.bench);
  EXPECT_NEAR(t.el(cell).current, c.expected_cell_current, 1e-12);
  EXPECT_EQ(t.bench.status, STATUS_SOLVED);
  double drops = 0;
  for (int r : rs) drops += t.el(r).potential_a - t.el(r).potential_b;
  if (!c.parallel) {
    EXPECT_NEAR(drops, 1.5, 1e-12);
  }
}

INSTANTIATE_TEST_SUITE_P(Resistors, SeriesAndParallel,
                         ::testing::Values(NetworkCase{"TwoInSeries", {10, 5}, false, 0.1},
                                           NetworkCase{"ThreeInSeries", {1, 2, 3}, false, 0.25},
                                           NetworkCase{"TwoInParallel", {10, 10}, true, 0.3},
                                           NetworkCase{"ThreeInParallel", {3, 6, 2}, true, 1.5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Analysis, VoltageSupplyWithInternalResistance) {
  TestBench t;
  const int supply = t.element(KIND_VOLTAGE_SUPPLY, 1, 6);  // 6 V behind 1 ohm
  const int load = t.element(KIND_FIXED_RESISTOR, 2);
  t.wire(t.b(supply), t.a(load));
  t.wire(t.b(load), t.a(supply));
  doing(t.bench);
  EXPECT_NEAR(t.el(load).current, 2.0, 1e-12);
  // Terminal voltage = emf - I r.
  EXPECT_NEAR(t.el(supply).potential_b - t.el(supply).potential_a, 4.0, 1e-12);
}

TEST(Analysis, BalancedWheatstoneBridgeLeavesTheGalvanometerAtZero) {
  TestBench t;
  const int cell = t.place(KIND_BATTERY_SET);  // 6 V
  const int r1 = t.element(KIND_FIXED_RESISTOR, 100);
  const int r2 = t.element(KIND_FIXED_RESISTOR, 200);
  const int r3 = t.element(KIND_FIXED_RESISTOR, 50);
  const int r4 = t.element(KIND_FIXED_RESISTOR, 100);
  const int g = t.place(KIND_GALVANOMETER);
  t.bridge(cell, r1, r2, r3, r4, g);
  doing(t.bench);
  EXPECT_NEAR(t.el(g).current, 0, 1e-15);
  t.el(r4).resistance = 101;  // off balance: the galvanometer kicks
  doing(t.bench);
  EXPECT_GT(std::fabs(t.el(g).current), 1e-5);
}

TEST(Analysis, TwoSeparateCircuitsAreBothSolved) {
  TestBench t;
  const int c1 = t.place(KIND_DRY_CELL);
  const int l1 = t.element(KIND_FIXED_RESISTOR, 10);
  const int c2 = t.place(KIND_BATTERY_SET);
  const int l2 = t.element(KIND_FIXED_RESISTOR, 3);
  t.wire(t.b(c1), t.a(l1));
  t.wire(t.b(l1), t.a(c1));
  t.wire(t.b(c2), t.a(l2));
  t.wire(t.b(l2), t.a(c2));
  const int wires = CountWires(t.bench);
  const int32_t ids = t.bench.next_id;
  doing(t.bench);
  EXPECT_NEAR(t.el(l1).current, 0.15, 1e-12);
  EXPECT_NEAR(t.el(l2).current, 2.0, 1e-12);
  // One ground link tied the second circuit to the first and is gone again,
  // its id given back: a bench analysed ten times a second for months would
  // otherwise run out of ids.
  EXPECT_EQ(CountWires(t.bench), wires);
  EXPECT_EQ(t.bench.next_id, ids);
}

TEST(Analysis, GroundLinksGoToEveryBranchThatCannotReachTheFirst) {
  TestBench t;
  t.place(KIND_FIXED_RESISTOR);
  t.place(KIND_FIXED_RESISTOR);
  t.place(KIND_FIXED_RESISTOR);
  const int r3 = t.place(KIND_FIXED_RESISTOR);
  t.wire(t.b(2), t.a(r3));  // slots 2 and 3 form one island
  BuildBranchList(t.bench);
  GroundFloatingParts(t.bench);
  // Branches 1 and 2 get links; branch 3 reaches 0 through the link of 2.
  ASSERT_EQ(CountWires(t.bench), 3);
  EXPECT_EQ(t.bench.wires[1].state, WIRE_GROUND_LINK);
  EXPECT_EQ(t.bench.wires[1].node_b, t.a(1));
  EXPECT_EQ(t.bench.wires[2].node_b, t.a(2));
  EXPECT_EQ(t.bench.wires[2].node_a, t.a(0));
  RemoveGroundLinks(t.bench);
  EXPECT_EQ(CountWires(t.bench), 1);
}

TEST(Analysis, OpenSwitchSplitsNothingForTheGroundSearch) {
  TestBench t;
  const int cell = t.place(KIND_DRY_CELL);
  const int sw = t.place(KIND_SPST_SWITCH);  // placed open
  const int r = t.element(KIND_FIXED_RESISTOR, 10);
  t.wire(t.b(cell), t.a(sw));
  t.wire(t.b(sw), t.a(r));
  t.wire(t.b(r), t.a(cell));
  const int32_t ids = t.bench.next_id;
  doing(t.bench);
  EXPECT_EQ(t.bench.next_id, ids);
  EXPECT_LT(std::fabs(t.el(r).current), 1e-13);
  t.el(sw).is_open = 0;
  doing(t.bench);
  EXPECT_NEAR(t.el(r).current, 0.15, 1e-12);
}

TEST(Analysis, FreshDoubleThrowSwitchIsOpenBothWays) {
  TestBench t;
  t.place(KIND_SPDT_SWITCH);
  ASSERT_TRUE(BuildBranchList(t.bench));
  EXPECT_EQ(t.bench.branches[0].resistance, OPEN_RESISTANCE);
  EXPECT_EQ(t.bench.branches[1].resistance, OPEN_RESISTANCE);
  t.bench.spdts[0].position = 2;
  BuildBranchList(t.bench);
  EXPECT_EQ(t.bench.branches[0].resistance, OPEN_RESISTANCE);
  EXPECT_EQ(t.bench.branches[1].resistance, 0);
}

struct MultimeterCase {
  double param1;
  double resistance;
  double emf;
  int32_t is_open;
};

TEST(Analysis, MultimeterRangeDecidesItsBranch) {
  const MultimeterCase cases[] = {
      {0, 148, 1, 0},    {1, 14.8, 1, 0}, {2, 1e-50, 0, 0},  {3, 1e8, 0, 0},
      {5.49, 1e8, 0, 0}, {6.4, 0, 0, 1},  {6.5, 1480, 1, 0},
  };
  for (const MultimeterCase& c : cases) {
    SCOPED_TRACE(c.param1);
    TestBench t;
    const int m = t.place(KIND_MULTIMETER);
    t.el(m).param1 = c.param1;
    ASSERT_TRUE(BuildBranchList(t.bench));
    const BranchRecord& b = t.bench.branches[0];
    EXPECT_EQ(b.resistance, c.is_open ? OPEN_RESISTANCE : c.resistance);
    EXPECT_EQ(b.emf, -c.emf);
    EXPECT_EQ(t.el(m).is_open, c.is_open);
  }
}

TEST(Analysis, GeneratorsAtRestGiveMinusTwoAndAHalfVolts) {
  for (int32_t kind : {KIND_AC_GENERATOR, KIND_DC_GENERATOR}) {
    TestBench t;
    const int g = t.place(kind);
    BuildBranchList(t.bench);
    EXPECT_DOUBLE_EQ(t.el(g).emf, -2.5) << kind;
    // Half a turn later the AC generator has changed polarity; the DC one not.
    t.el(g).param1 = 3.141592653589793;
    BuildBranchList(t.bench);
    EXPECT_DOUBLE_EQ(t.el(g).emf, kind == KIND_AC_GENERATOR ? 2.5 : -2.5) << kind;
  }
}

TEST(Analysis, CuttingRodEmfIsInductionTimesSpeedTimesLength) {
  TestBench t;
  const int rod = t.place(KIND_CUTTING_ROD);
  t.el(rod).param3 = 2;  // 0.1 T x 2 m/s x 0.5 m
  BuildBranchList(t.bench);
  EXPECT_DOUBLE_EQ(t.el(rod).emf, -0.1);
}

// Redundant wires: a ring of wires or a doubled wire must change nothing a
// pupil can read, and every wire current must stay finite and bounded.
class RedundantWires : public ::testing::Test {
 protected:
  // A dry cell feeding two resistors in parallel; the junctions at the cell's
  // poles are made with `extra` additional wires.
  void Build(TestBench& t, int extra_kind) {
    cell = t.place(KIND_DRY_CELL);
    r1 = t.element(KIND_FIXED_RESISTOR, 10);
    r2 = t.element(KIND_FIXED_RESISTOR, 30);
    t.wire(t.b(cell), t.a(r1));
    t.wire(t.a(r1), t.a(r2));
    t.wire(t.b(r1), t.b(r2));
    t.wire(t.b(r2), t.a(cell));
    if (extra_kind == 1) {  // closes a ring of three terminals
      t.wire(t.a(r2), t.b(cell));
    } else if (extra_kind == 2) {  // doubles two wires
      t.wire(t.b(cell), t.a(r1));
      t.wire(t.b(r1), t.b(r2));
    } else if (extra_kind == 3) {  // a ring and a double at once, backwards
      t.wire(t.b(cell), t.a(r2));
      t.wire(t.a(r2), t.a(r1));
      t.wire(t.a(cell), t.b(r1));
    }
  }
  int cell = 0, r1 = 0, r2 = 0;
};

TEST_F(RedundantWires, ResultsEqualThoseWithoutTheRedundantWires) {
  TestBench plain;
  Build(plain, 0);
  doing(plain.bench);
  for (int extra : {1, 2, 3}) {
    SCOPED_TRACE(extra);
    TestBench t;
    Build(t, extra);
    doing(t.bench);
    for (int slot : {cell, r1, r2}) {
      const ElementRecord& got = t.el(slot);
      const ElementRecord& want = plain.el(slot);
      EXPECT_NEAR(got.current, want.current, 1e-9 * std::fabs(want.current));
      EXPECT_NEAR(got.potential_a - got.potential_b, want.potential_a - want.potential_b,
                  1e-9 * std::fabs(want.potential_a - want.potential_b) + 1e-15);
    }
    const double total = std::fabs(t.el(cell).current);
    for (int w = 0; w < CountWires(t.bench); ++w) {
      const double i = t.bench.wires[w].current;
      EXPECT_TRUE(std::isfinite(i));
      EXPECT_LE(std::fabs(i), total * (1 + 1e-9)) << "wire " << w;
    }
    EXPECT_EQ(t.bench.status, STATUS_SOLVED);
  }
}

// A bench too large for the plain elimination to finish over the whole
// matrix, with a value that is not a number: nothing can be calculated, and
// nothing from the run before stays as if it were current.
TEST(Analysis, UncalculableLargeBenchLeavesNoStaleReadings) {
  TestBench t;
  // 150 cells in a chain: 450 branch variables and 149 wires.
  std::vector<int> rs;
  for (int i = 0; i < 150; ++i) rs.push_back(t.element(KIND_DRY_CELL, 1, 1.5));
  for (int i = 0; i + 1 < 150; ++i) t.wire(t.b(rs[i]), t.a(rs[i + 1]));
  t.wire(t.b(rs[149]), t.a(rs[0]));
  doing(t.bench);
  EXPECT_EQ(t.bench.status, STATUS_SOLVED);
  EXPECT_NEAR(t.el(0).current, 1.5, 1e-12);
  EXPECT_NEAR(t.bench.wires[0].current, 1.5, 1e-12);

  t.el(7).resistance = std::nan("");
  doing(t.bench);
  EXPECT_EQ(t.bench.status, STATUS_NOT_SOLVED);
  EXPECT_EQ(t.el(0).current, 0);
  EXPECT_EQ(t.bench.wires[0].current, 0);
  EXPECT_EQ(CountWires(t.bench), 150);
}

// A resistance that is no number (a damaged file) leaves a system with no
// solution. The bench must still come to rest: not reported as solved, no
// state rule set off by the poisoned currents (no fuse blown, no bell
// rung, no burnt bulb asking for run after run), the temporary ground
// links removed again.
TEST(Analysis, NotANumberParametersDoNotCrash) {
  for (const int32_t kind :
       {KIND_FIXED_RESISTOR, KIND_BULB, KIND_FUSE, KIND_DIODE, KIND_BELL, KIND_SIGNAL_LIGHT}) {
    for (const double emf : {1.5, double{INFINITY}}) {
      SCOPED_TRACE(::testing::Message() << "kind " << kind << ", emf " << emf);
      Loop loop(kind, std::nan(""));
      loop.t.el(loop.cell).emf = emf;
      const int wires = CountWires(loop.t.bench);
      doing(loop.t.bench);
      EXPECT_LT(Settle(loop.t.bench), MAX_SETTLE_RUNS);
      EXPECT_EQ(loop.t.bench.analysis_pending, 0);
      EXPECT_NE(loop.t.bench.status, STATUS_SOLVED);
      EXPECT_EQ(CountWires(loop.t.bench), wires);
      EXPECT_TRUE(loop.t.sound.played.empty());
    }
  }
}

TEST(Analysis, DraggingRunLeavesStatusPendingAndSoundsAlone) {
  Loop loop(KIND_FIXED_RESISTOR, 10);
  loop.t.bench.analysis_pending = 1;
  loop.t.bench.status = 2;
  DoingWhileDragging(loop.t.bench);
  EXPECT_NEAR(loop.t.el(loop.load).current, 0.15, 1e-12);
  EXPECT_EQ(loop.t.bench.analysis_pending, 1);
  EXPECT_EQ(loop.t.bench.status, 2);
  EXPECT_EQ(loop.t.sound.stops, 0);
  doing(loop.t.bench);
  EXPECT_EQ(loop.t.sound.stops, 1);
}

TEST(Analysis, TheObserverIsToldAfterEveryAnalysis) {
  Loop loop(KIND_FIXED_RESISTOR, 10);
  testing::RecordingObserver observer(loop.t.bench);
  doing(loop.t.bench);
  DoingWhileDragging(loop.t.bench);
  EXPECT_EQ(observer.analyses, 2);
}

}  // namespace
}  // namespace voltaro
