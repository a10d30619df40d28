// The fast elimination against the plain dense one: the same pivots in the
// same order, so the same bits in every potential and current, on full
// benches, on a thousand random benches and on small systems made by hand.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "model/kinds.h"
#include "model/netlist.h"
#include "model/placement.h"
#include "model/reference_solver.h"
#include "model/tables.h"
#include "support/crowded_bench.h"
#include "support/max_benches.h"
#include "support/random_bench.h"

namespace voltaro {
namespace {

using testing::MaxBench;
using testing::RandomBenchMaker;
using testing::ReferenceSolver;

// Equal bits, except that a zero's sign is not looked at: whether "x - 0 * y"
// was skipped or done can only show there.
bool SameBits(double a, double b) {
  return (a == 0 && b == 0) || std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// Solves `sys` and a dense copy of it the plain way, and compares solution,
// status and the whole eliminated matrix.
::testing::AssertionResult SolvesLikeThePlainElimination(EquationSystem& sys) {
  ReferenceSolver plain = ReferenceSolver::CopyOf(sys);
  sys.solve();
  plain.solve();
  const int n = sys.size();
  for (int j = 1; j <= n; ++j) {
    if (!SameBits(sys.solution(j), plain.solution(j))) {
      return ::testing::AssertionFailure()
             << "n " << n << ", variable " << j << ": " << sys.solution(j) << " instead of "
             << plain.solution(j);
    }
  }
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (!SameBits(sys.get(i, j), plain.at(i, j))) {
        return ::testing::AssertionFailure()
               << "n " << n << ", eliminated entry (" << i << ", " << j << ") " << sys.get(i, j)
               << " instead of " << plain.at(i, j);
      }
    }
  }
  if (sys.classify() != plain.classify()) {
    return ::testing::AssertionFailure()
           << "status " << sys.classify() << " instead of " << plain.classify();
  }
  return ::testing::AssertionSuccess();
}

// Builds the equations of the bench as the analysis does. False when the
// bench is too large to be analysed.
bool BuildSystem(Bench& bench) {
  if (!BuildBranchList(bench)) return false;
  GroundFloatingParts(bench);
  return BuildEquations(bench);
}

// Every source a little stronger: the network, and so the matrix, stays.
void ShiftEmfs(Bench& bench) {
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    e.emf += 0.25;
  }
}

TEST(SolverMatchesPlainElimination, OnTheFullBenches) {
  for (MaxBench which :
       {MaxBench::ManyComponents, MaxBench::ManyWires, MaxBench::SchoolMix, MaxBench::LoopRich}) {
    SCOPED_TRACE(std::string(testing::MaxBenchName(which)));
    Bench bench;
    testing::BuildMaxBench(bench, which);
    ASSERT_EQ(testing::CountedVariables(bench), testing::MAX_BENCH_VARIABLES);
    // As placed, and again once diodes, relays and fuses have settled; each
    // time once more with other emfs, which only the right-hand side sees.
    for (int pass = 0; pass < 2; ++pass) {
      SCOPED_TRACE(pass);
      ASSERT_TRUE(BuildSystem(bench));
      EXPECT_TRUE(SolvesLikeThePlainElimination(bench.scratch->system));
      EXPECT_FALSE(bench.scratch->system.finished_densely());
      RemoveGroundLinks(bench);
      ShiftEmfs(bench);
      ASSERT_TRUE(BuildSystem(bench));
      EXPECT_TRUE(SolvesLikeThePlainElimination(bench.scratch->system));
      EXPECT_TRUE(bench.scratch->system.replayed());
      RemoveGroundLinks(bench);
      Settle(bench);
    }
  }
}

// A battery set, a rheostat and two resistors in a loop, and more fixed
// resistors beside it up to `parts` parts on the bench: standing on their
// own, or wired in series chains of nine closed by a dry cell. Returns the
// slot of the loop's first resistor.
int BuildLoopAmongParts(Bench& bench, int parts, bool wired) {
  InitBenchTables(bench);
  const auto place = [&](int32_t kind) {
    const PlaceResult r = PlaceComponent(bench, kind, 200, 200);
    EXPECT_EQ(r.outcome, PlaceOutcome::Placed);
    return r.index;
  };
  const int battery = place(KIND_BATTERY_SET);
  const int rheostat = place(KIND_SLIDE_RHEOSTAT);
  const int r1 = place(KIND_FIXED_RESISTOR);
  const int r2 = place(KIND_FIXED_RESISTOR);
  bench.elements[r1].resistance = 10;
  bench.elements[r2].resistance = 12;
  const ElementRecord& b = bench.elements[battery];
  const RheostatRecord& h = bench.rheostats[rheostat];
  ConnectTerminals(bench, b.node_b, h.node_coil_a);
  ConnectTerminals(bench, h.node_bar_a, bench.elements[r1].node_a);
  ConnectTerminals(bench, bench.elements[r1].node_b, bench.elements[r2].node_a);
  ConnectTerminals(bench, bench.elements[r2].node_b, b.node_a);
  int previous = -1;
  for (int count = 4; count < parts; ++count) {
    const bool closes_chain = wired && (count - 4) % 10 == 9;
    const int slot = place(closes_chain ? KIND_DRY_CELL : KIND_FIXED_RESISTOR);
    if (wired && previous >= 0) {
      ConnectTerminals(bench, bench.elements[previous].node_b, bench.elements[slot].node_a);
    }
    previous = closes_chain ? -1 : slot;
  }
  return r1;
}

// Every bench the tables hold is solved, exactly as the plain elimination
// solves it, and the loop reads the same whatever else stands on the bench.
TEST(SolverMatchesPlainElimination, BenchesOfEverySize) {
  struct Case {
    int parts;
    bool wired;
  };
  Bench small;
  const int r1 = BuildLoopAmongParts(small, 4, false);
  doing(small);
  ASSERT_EQ(small.status, STATUS_SOLVED);
  const double loop_current = small.elements[r1].current;
  EXPECT_NEAR(std::fabs(loop_current), 6.0 / 47, 1e-12);  // 25 + 10 + 12 ohm

  for (const Case& c : {Case{120, false}, Case{121, false}, Case{167, true}, Case{198, true}}) {
    SCOPED_TRACE(::testing::Message() << c.parts << (c.wired ? " parts, wired" : " parts"));
    Bench bench;
    BuildLoopAmongParts(bench, c.parts, c.wired);
    ASSERT_EQ(CountElements(bench), c.parts - 1);
    ASSERT_TRUE(BuildSystem(bench));
    if (c.parts >= 167) {
      EXPECT_GT(bench.scratch->system.size(), testing::MAX_BENCH_VARIABLES);
    }
    EXPECT_TRUE(SolvesLikeThePlainElimination(bench.scratch->system));
    RemoveGroundLinks(bench);
    doing(bench);
    EXPECT_EQ(bench.status, STATUS_SOLVED);
    EXPECT_EQ(bench.elements[r1].current, loop_current);
  }
}

// Wires joining terminals at random across a full bench: the elimination
// fills its rows far more than on any class's bench, and a network changed
// between two runs is eliminated on what the last one left behind.
TEST(SolverMatchesPlainElimination, CrowdedBenchWithRandomWires) {
  auto bench = std::make_unique<Bench>();
  ASSERT_TRUE(testing::BuildCrowdedBench(*bench));
  ElementRecord* resistor = nullptr;
  for (ElementRecord& e : bench->elements) {
    if (e.kind == KIND_FIXED_RESISTOR) {
      resistor = &e;
      break;
    }
  }
  ASSERT_NE(resistor, nullptr);
  for (const double r : {resistor->resistance, resistor->resistance * 1.25}) {
    SCOPED_TRACE(r);
    resistor->resistance = r;
    ASSERT_TRUE(BuildSystem(*bench));
    EXPECT_GT(bench->scratch->system.size(), EquationSystem::DENSE_LIMIT);
    EXPECT_TRUE(SolvesLikeThePlainElimination(bench->scratch->system));
    EXPECT_FALSE(bench->scratch->system.replayed());
    RemoveGroundLinks(*bench);
  }
}

// With the wire table full, islands are still tied to the rest: the link
// the table has no room for enters the equations all the same.
TEST(SolverMatchesPlainElimination, FullWireTableStillTiesIslands) {
  Bench bench;
  const int r1 = BuildLoopAmongParts(bench, 6, false);
  while (CountWires(bench) < WIRE_SLOTS) {
    ConnectTerminals(bench, bench.wires[0].node_a, bench.wires[0].node_b);
  }
  ASSERT_TRUE(BuildSystem(bench));
  EXPECT_EQ(CountWires(bench), WIRE_SLOTS);
  EXPECT_EQ(bench.scratch->extra_link_count, 2);
  EXPECT_TRUE(SolvesLikeThePlainElimination(bench.scratch->system));
  RemoveGroundLinks(bench);
  doing(bench);
  EXPECT_EQ(bench.status, STATUS_SOLVED);
  EXPECT_NEAR(std::fabs(bench.elements[r1].current), 6.0 / 47, 1e-12);
}

// The fullest bench the placement limits allow is calculated like any
// other.
TEST(SolverMatchesPlainElimination, FullestBenchIsSolved) {
  auto bench = std::make_unique<Bench>();
  testing::BuildFullestBench(*bench);
  EXPECT_EQ(CountElements(*bench), 198);
  EXPECT_EQ(CountWires(*bench), WIRE_SLOTS);
  Settle(*bench);
  EXPECT_EQ(bench->status, STATUS_SOLVED);
  EXPECT_FALSE(bench->scratch->system.finished_densely());
  int reading = 0;
  for (int i = 0; i < CountMeters(bench->ammeters); ++i) {
    const DualMeterRecord& m = bench->ammeters[i];
    reading += std::fabs(m.potential[3] - m.potential[0]) > 1e-6;
  }
  // Every station's ammeter but that of the one station whose switch is open.
  EXPECT_GT(CountMeters(bench->ammeters), 20);
  EXPECT_EQ(reading, CountMeters(bench->ammeters) - 1);
}

TEST(SolverMatchesPlainElimination, OnRandomBenches) {
  RandomBenchMaker maker(20240611);
  // One bench for all, so that every system starts where a larger or smaller
  // one left the solver.
  Bench bench;
  int solved = 0;
  for (int i = 0; i < 1000; ++i) {
    maker.build(bench);
    if (::testing::Test::HasFatalFailure()) return;
    if (!BuildSystem(bench)) continue;
    ++solved;
    ASSERT_TRUE(SolvesLikeThePlainElimination(bench.scratch->system)) << "bench " << i;
    RemoveGroundLinks(bench);
    ShiftEmfs(bench);
    ASSERT_TRUE(BuildSystem(bench));
    ASSERT_TRUE(SolvesLikeThePlainElimination(bench.scratch->system)) << "bench " << i << " again";
    ASSERT_TRUE(bench.scratch->system.replayed()) << "bench " << i;
    RemoveGroundLinks(bench);
  }
  EXPECT_GT(solved, 950);
}

struct HandCase {
  const char* name;
  int n;
  std::vector<double> matrix;  // row by row
  std::vector<double> rhs;
  int status;
  // The column each row is left holding (0: none, -1: several).
  std::vector<int> holds;
};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(SolverMatchesPlainElimination, HandMadeSystems) {
  const HandCase cases[] = {
      // Both entries of row 1 are 3: the later column is the pivot, so row 1
      // ends up holding variable 2.
      {"TieInOneRowTakesTheLaterColumn", 2, {3, 3, 1, 2}, {6, 5}, 0, {2, 1}},
      // Four equal candidates: (2, 2) is met last and empties row 1; taking
      // (1, 1) first would empty row 2 instead.
      {"TieAcrossRowsTakesTheLaterRow", 2, {5, 5, 5, 5}, {1, 1}, 1, {0, -1}},
      {"SingularWithARowLeftCoupling", 2, {2, 2, 1, 1}, {1, 2}, 2, {-1, 0}},
      {"AnEmptyEquation", 3, {0, 0, 0, 0, 2, 1, 0, 1, 4}, {0, 3, 5}, 1, {0, 2, 3}},
      {"TiesInEveryStep", 3, {1, 1, 1, 1, -1, 1, 1, 1, -1}, {3, 1, 1}, 0, {2, 1, 3}},
      // A tiny coefficient, as a wire of 1e-80 ohm gives, beside ordinary ones.
      {"WireSizedCoefficients", 3, {1, -1, -1e-80, 0, 1, 0, 0, 0, 1}, {0, 1.5, 2}, 0, {1, 2, 3}},
      // Values that are not finite: 0 x inf is undefined, so passing over a
      // zero factor is no longer the same as using it.
      {"RightHandSideOverflows", 2, {1e-300, 0, 0, 1}, {1e300, 1}, 0, {1, 2}},
      {"UndefinedFactor", 3, {4, 1, 0, NaN, 1, 0, 0, 1, 3}, {1, 2, 3}, 2, {-1, -1, -1}},
      {"UndefinedCoefficientNeverPivots",
       3,
       {1, NaN, 0, 2, 1, 0, 0, 1, 3},
       {1, 2, 3},
       2,
       {2, -1, -1}},
  };
  EquationSystem sys;
  for (const HandCase& c : cases) {
    SCOPED_TRACE(c.name);
    sys.reset(c.n);
    for (int i = 1; i <= c.n; ++i) {
      for (int j = 1; j <= c.n; ++j) sys.set(i, j, c.matrix[(i - 1) * c.n + (j - 1)]);
      sys.set_rhs(i, c.rhs[i - 1]);
    }
    EXPECT_TRUE(SolvesLikeThePlainElimination(sys));
    EXPECT_EQ(sys.classify(), c.status);
    for (int i = 1; i <= c.n; ++i) {
      int holds = 0;
      for (int j = 1; j <= c.n; ++j) {
        if (sys.get(i, j) != 0) holds = holds == 0 ? j : -1;
      }
      EXPECT_EQ(holds, c.holds[i - 1]) << "row " << i;
    }
  }
}

// The same matrix twice: the second right-hand side is carried through the
// recorded elimination unless it overflows on the way, where 0 x inf makes
// every skipped zero factor count and the full elimination must be done.
TEST(SolverMatchesPlainElimination, SameMatrixWithANewRightHandSide) {
  struct Case {
    const char* name;
    double rhs1;
    bool replayed;
  };
  const Case cases[] = {{"Replayed", 0.5, true}, {"OverflowsOnTheWay", 1e300, false}};
  EquationSystem sys;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (double rhs1 : {1.0, c.rhs1}) {
      sys.reset(2);
      sys.set(1, 1, 1e-300);
      sys.set(2, 2, 1);
      sys.set_rhs(1, rhs1);
      sys.set_rhs(2, 1);
      EXPECT_TRUE(SolvesLikeThePlainElimination(sys));
    }
    EXPECT_EQ(sys.replayed(), c.replayed);
  }
  // A different coefficient anywhere means a different elimination.
  sys.reset(2);
  sys.set(1, 1, 1e-300);
  sys.set(2, 2, 2);
  EXPECT_TRUE(SolvesLikeThePlainElimination(sys));
  EXPECT_FALSE(sys.replayed());
}

TEST(SolverMatchesPlainElimination, EmptySystem) {
  EquationSystem sys;
  sys.reset(0);
  sys.solve();
  EXPECT_EQ(sys.classify(), 0);
  EXPECT_EQ(sys.solution(0), 0);
}

TEST(SolverMatchesPlainElimination, ResetLeavesNothingOfTheLastSystem) {
  Bench bench;
  testing::BuildMaxBench(bench, MaxBench::SchoolMix);
  ASSERT_TRUE(BuildSystem(bench));
  EquationSystem& sys = bench.scratch->system;
  const int built = sys.size();
  sys.solve();
  for (int n : {built, 3}) {
    sys.reset(n);
    for (int i = 0; i <= built + 1; ++i) {
      for (int j = 0; j <= built + 1; ++j) {
        ASSERT_EQ(std::bit_cast<uint64_t>(sys.get(i, j)), 0u) << i << ", " << j;
      }
    }
    for (int i = 0; i <= n; ++i) {
      ASSERT_EQ(sys.rhs(i), 0);
      ASSERT_EQ(sys.solution(i), 0);
    }
  }
}

}  // namespace
}  // namespace voltaro
