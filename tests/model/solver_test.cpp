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
  return BuildBranchList(bench) && GroundFloatingParts(bench) && BuildEquations(bench) == 0;
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
    ASSERT_EQ(testing::CountedVariables(bench), EquationSystem::MAX_VARIABLES);
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
  sys.solve();
  for (int n : {EquationSystem::MAX_VARIABLES, 3}) {
    sys.reset(n);
    for (int i = 0; i < EquationSystem::STORAGE; ++i) {
      for (int j = 0; j < EquationSystem::STORAGE; ++j) {
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
