// Random benches against independent references: a bench without loops of
// near-zero parts is written into exactly the equations it always had, and a
// bench full of such loops reads what nodal analysis with ideal junctions
// gives.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "model/loop_currents.h"
#include "model/netlist.h"
#include "model/reference_nodal.h"
#include "model/reference_tableau.h"
#include "model/tables.h"
#include "support/random_bench.h"

namespace voltaro {
namespace {

using testing::NodalReference;
using testing::NodalResult;
using testing::RandomBenchMaker;

// The branch list, the ground links and the equations, as the analysis
// builds them.
bool BuildSystem(Bench& bench) {
  if (!BuildBranchList(bench)) return false;
  GroundFloatingParts(bench);
  return BuildEquations(bench);
}

// The analysis up to the results in the branch list, without the state rules
// that would change switches and diodes afterwards.
bool Analyse(Bench& bench) {
  if (!BuildSystem(bench)) return false;
  SolveEquations(bench);
  DistributeResults(bench);
  return true;
}

::testing::AssertionResult SameEquations(const EquationSystem& sys,
                                         const testing::ReferenceSolver& plain) {
  if (sys.size() != plain.size()) {
    return ::testing::AssertionFailure() << sys.size() << " variables instead of " << plain.size();
  }
  const auto same = [](double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
  };
  for (int i = 1; i <= plain.size(); ++i) {
    if (!same(sys.rhs(i), plain.rhs_value(i))) {
      return ::testing::AssertionFailure() << "right-hand side of row " << i;
    }
    for (int j = 1; j <= plain.size(); ++j) {
      if (!same(sys.get(i, j), plain.at(i, j))) {
        return ::testing::AssertionFailure() << "(" << i << ", " << j << "): " << sys.get(i, j)
                                             << " instead of " << plain.at(i, j);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Benches of every kind: those without a loop of near-zero parts get the
// plain equations to the bit, so they read exactly as they always have.
TEST(RandomBenches, WithoutLoopsOfNearZeroPartsTheEquationsAreThePlainOnes) {
  for (auto mix : {RandomBenchMaker::Mix::Everything, RandomBenchMaker::Mix::LoopRich}) {
    RandomBenchMaker maker(20261210, mix);
    Bench bench;
    int compared = 0, looped = 0;
    for (int i = 0; i < 600; ++i) {
      maker.build(bench);
      if (::testing::Test::HasFatalFailure()) return;
      if (!BuildSystem(bench)) continue;
      if (bench.scratch->looped_count > 0) {
        ++looped;
      } else {
        ++compared;
        ASSERT_TRUE(SameEquations(bench.scratch->system, testing::PlainTableau(bench)))
            << "bench " << i;
      }
      RemoveGroundLinks(bench);
    }
    // Both kinds of bench must really have come up.
    EXPECT_GT(compared, 100);
    EXPECT_GT(looped, 100);
  }
}

// The largest current an ordinary branch of the bench carries, and the
// largest emf: the scales the comparison measures its errors by.
struct Scales {
  long double current = 0, emf = 0;
};

TEST(RandomBenches, LoopsOfNearZeroPartsReadAsIdealJunctions) {
  RandomBenchMaker maker(7041, RandomBenchMaker::Mix::LoopRich);
  Bench bench;
  int compared = 0, shorted = 0;
  for (int i = 0; i < 1500; ++i) {
    SCOPED_TRACE(::testing::Message() << "bench " << i);
    maker.build(bench);
    if (::testing::Test::HasFatalFailure()) return;
    if (!Analyse(bench)) continue;
    const NodalResult want = NodalReference::Solve(bench);
    const int branches = CountBranches(bench);
    double largest = 0;
    for (int b = 0; b < branches; ++b) {
      const BranchRecord& r = bench.branches[b];
      ASSERT_TRUE(std::isfinite(r.current) && std::isfinite(r.voltage)) << "branch " << b;
      largest = std::max(largest, std::fabs(r.current));
    }
    for (int w = 0; w < CountWires(bench); ++w) {
      ASSERT_TRUE(std::isfinite(bench.wires[w].current)) << "wire " << w;
    }
    if (want.shorted) {
      // Supplies that disagree round a loop of junctions: a short.
      ++shorted;
      EXPECT_GT(largest, SHORT_CIRCUIT_CURRENT);
      RemoveGroundLinks(bench);
      continue;
    }
    ++compared;
    EXPECT_EQ(bench.status, STATUS_SOLVED);
    Scales scale;
    for (int b = 0; b < branches; ++b) {
      scale.emf = std::max(scale.emf, std::fabs(static_cast<long double>(bench.branches[b].emf)));
      scale.current += std::fabs(want.current[b]);
    }
    // The elimination leaves every current with an error of a few units in
    // the last place of the bench's currents (and at least of 1e-16 A); an
    // open contact turns that into a voltage 1e14 times as large.
    const long double current_floor = 1e-15L + 1e-9L * scale.current;
    for (int b = 0; b < branches; ++b) {
      const BranchRecord& r = bench.branches[b];
      EXPECT_LE(std::fabs(r.voltage - want.voltage[b]), 1e-6L * std::fabs(want.voltage[b]) +
                                                            1e-9L * scale.emf +
                                                            std::fabs(r.resistance) * current_floor)
          << "voltage of branch " << b << ": " << r.voltage << " instead of "
          << static_cast<double>(want.voltage[b]);
      if (IsNearZero(r.resistance)) {
        // A junction carries at most what all the ordinary branches bring.
        EXPECT_LE(std::fabs(r.current), scale.current * (1 + 1e-9L) + current_floor)
            << "branch " << b;
      } else {
        EXPECT_LE(std::fabs(r.current - want.current[b]),
                  1e-6L * std::fabs(want.current[b]) + current_floor)
            << "current of branch " << b << ": " << r.current << " instead of "
            << static_cast<double>(want.current[b]);
      }
    }
    RemoveGroundLinks(bench);
  }
  EXPECT_GT(compared, 600);
  EXPECT_GT(shorted, 100);
}

}  // namespace
}  // namespace voltaro
