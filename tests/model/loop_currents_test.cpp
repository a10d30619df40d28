// Loops that parts of (nearly) no resistance close among themselves: closed
// switches, digital ammeters, straight leads, fuses, ideal cells and wires.
// Each bench is one a teacher builds, with the currents worked out by hand.

#include "model/loop_currents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/analysis.h"
#include "model/analysis_scratch.h"
#include "model/behaviour.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

// A bench under construction: parts by name, wired terminal to terminal.
struct Parts {
  TestBench t;
  std::map<std::string, int> slot;

  int add(const std::string& name, int32_t kind, double resistance, double emf = 0) {
    const int i = t.element(kind, resistance, emf);
    if (kind == KIND_SPST_SWITCH) t.el(i).is_open = 0;
    slot[name] = i;
    return i;
  }
  ElementRecord& operator[](const std::string& name) { return t.el(slot.at(name)); }
  // "r.a" - "c.b": terminal A of r to terminal B of c.
  void wire(const std::string& from, const std::string& to) {
    t.wire(terminal(from), terminal(to));
  }
  int32_t terminal(const std::string& end) {
    const ElementRecord& e = (*this)[end.substr(0, end.size() - 2)];
    return end.back() == 'a' ? e.node_a : e.node_b;
  }
  // A 1.5 V cell (no internal resistance) feeding a 10 ohm resistor through
  // the two terminals given, or straight back: 0.15 A wherever nothing else
  // limits it.
  void cell_and_resistor(const std::string& into = "", const std::string& out_of = "") {
    add("cell", KIND_DRY_CELL, 0, 1.5);
    add("r", KIND_FIXED_RESISTOR, 10);
    wire("cell.b", "r.a");
    if (into.empty()) {
      wire("r.b", "cell.a");
      return;
    }
    wire("r.b", into);
    wire(out_of, "cell.a");
  }
};

struct Reading {
  const char* part;
  double current;  // magnitude, amperes
};

struct Case {
  const char* name;
  std::function<void(Parts&)> build;
  std::vector<Reading> want;
  bool short_circuit;
};

const Case kCases[] = {
    {"TwoIdenticalCellsSideBySideShareTheLoad",
     [](Parts& p) {
       p.cell_and_resistor();
       p.add("cell2", KIND_DRY_CELL, 0, 1.5);
       p.wire("cell2.a", "cell.a");
       p.wire("cell2.b", "cell.b");
     },
     {{"cell", 0.075}, {"cell2", 0.075}, {"r", 0.15}},
     false},
    {"IdealCellsOfDifferentEmfSideBySideAreAShort",
     [](Parts& p) {
       p.cell_and_resistor();
       p.add("cell2", KIND_DRY_CELL, 0, 3);
       p.wire("cell2.a", "cell.a");
       p.wire("cell2.b", "cell.b");
     },
     {},
     true},
    {"ClosedSwitchAcrossAnAmmeterLeavesItAtZero",
     [](Parts& p) {
       p.add("meter", KIND_DIGITAL_AMMETER, 1e-50);
       p.add("switch", KIND_SPST_SWITCH, 1e-80);
       p.cell_and_resistor("meter.a", "meter.b");
       p.wire("switch.a", "meter.a");
       p.wire("switch.b", "meter.b");
     },
     {{"meter", 0}, {"switch", 0.15}, {"r", 0.15}, {"cell", 0.15}},
     false},
    {"WireAcrossAnAmmeterLeavesItAtZero",
     [](Parts& p) {
       p.add("meter", KIND_DIGITAL_AMMETER, 1e-50);
       p.cell_and_resistor("meter.a", "meter.b");
       p.wire("meter.a", "meter.b");
     },
     {{"meter", 0}, {"r", 0.15}},
     false},
    {"TwoAmmetersSideBySideReadHalfEach",
     [](Parts& p) {
       p.add("m1", KIND_DIGITAL_AMMETER, 1e-50);
       p.add("m2", KIND_DIGITAL_AMMETER, 1e-50);
       p.cell_and_resistor("m1.a", "m1.b");
       p.wire("m2.a", "m1.a");
       p.wire("m2.b", "m1.b");
     },
     {{"m1", 0.075}, {"m2", 0.075}, {"r", 0.15}},
     false},
    {"TwoStraightLeadsSideBySideShare",
     [](Parts& p) {
       p.add("l1", KIND_STRAIGHT_LEAD, 0);
       p.add("l2", KIND_STRAIGHT_LEAD, 0);
       p.cell_and_resistor("l1.a", "l1.b");
       p.wire("l2.a", "l1.a");
       p.wire("l2.b", "l1.b");
     },
     {{"l1", 0.075}, {"l2", 0.075}, {"r", 0.15}},
     false},
    {"TwoFusesSideBySideShare",
     [](Parts& p) {
       p.add("f1", KIND_FUSE, 1e-80);
       p.add("f2", KIND_FUSE, 1e-80);
       p.cell_and_resistor("f1.a", "f1.b");
       p.wire("f2.b", "f1.a");  // the second fuse turned round
       p.wire("f2.a", "f1.b");
     },
     {{"f1", 0.075}, {"f2", 0.075}},
     false},
    {"IdealCellClosedByAWireIsAShort",
     [](Parts& p) {
       p.add("cell", KIND_DRY_CELL, 0, 1.5);
       p.wire("cell.a", "cell.b");
     },
     {},
     true},
    // A 6 V supply with 2 ohm inside, closed by a ring of a lead, a closed
    // switch, two ammeters and wires: 3 A, and no short circuit.
    {"SupplyWithInternalResistanceClosedByARingIsNoShort",
     [](Parts& p) {
       p.add("supply", KIND_VOLTAGE_SUPPLY, 2, 6);
       p.add("lead", KIND_STRAIGHT_LEAD, 0);
       p.add("switch", KIND_SPST_SWITCH, 1e-80);
       p.add("m1", KIND_DIGITAL_AMMETER, 1e-50);
       p.add("m2", KIND_DIGITAL_AMMETER, 1e-50);
       p.wire("supply.b", "lead.a");
       p.wire("lead.b", "supply.a");
       p.wire("switch.a", "lead.a");
       p.wire("switch.b", "m1.a");
       p.wire("m1.b", "lead.b");
       p.wire("m2.a", "supply.b");
       p.wire("m2.b", "supply.a");
     },
     {{"supply", 3}, {"lead", 3}, {"switch", 0}, {"m1", 0}, {"m2", 0}},
     false},
    // Inside a larger bench: between the resistor and the cell, three paths
    // side by side: two ammeters in series, one ammeter alone, and a ring of
    // wires. The single ammeter has half the resistance of the pair, so it
    // carries two thirds. A lead across the cell's other side shares with a
    // second lead, and a closed switch beside them carries nothing.
    {"LoopsOfLeadsSwitchesAmmetersAndWiresInALargerBench",
     [](Parts& p) {
       p.add("m1", KIND_DIGITAL_AMMETER, 1e-50);
       p.add("m2", KIND_DIGITAL_AMMETER, 1e-50);
       p.add("m3", KIND_DIGITAL_AMMETER, 1e-50);
       p.add("l1", KIND_STRAIGHT_LEAD, 0);
       p.add("l2", KIND_STRAIGHT_LEAD, 0);
       p.add("switch", KIND_SPST_SWITCH, 1e-80);
       p.add("r2", KIND_FIXED_RESISTOR, 20);
       p.cell_and_resistor("m1.a", "l1.b");
       p.wire("m1.b", "m2.a");
       p.wire("m3.a", "m1.a");
       p.wire("m3.b", "m2.b");
       p.wire("m2.b", "l1.a");
       p.wire("l2.a", "l1.a");
       p.wire("l2.b", "l1.b");
       p.wire("switch.a", "l2.a");
       p.wire("switch.b", "l2.b");
       p.wire("l2.a", "m3.b");  // a ring of wires through three terminals
       // A 20 ohm resistor from the cell's pole to the far end: 0.075 A
       // more through everything between.
       p.wire("r2.a", "cell.b");
       p.wire("r2.b", "m3.a");
     },
     {{"m1", 0.075},
      {"m2", 0.075},
      {"m3", 0.15},
      {"l1", 0.1125},
      {"l2", 0.1125},
      {"switch", 0},
      {"r", 0.15},
      {"r2", 0.075},
      {"cell", 0.225}},
     false},
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class TeacherBenches : public ::testing::TestWithParam<Case> {};

TEST_P(TeacherBenches, LoopCurrentsAreWhatThePartsMakeThem) {
  const Case& c = GetParam();
  Parts p;
  c.build(p);
  doing(p.t.bench);
  EXPECT_EQ(p.t.bench.status, STATUS_SOLVED);
  for (const Reading& r : c.want) {
    EXPECT_NEAR(std::fabs(p[r.part].current), r.current, 1e-12) << r.part;
  }
  // Every reading is a number a bench can show.
  for (int i = 0; i < CountElements(p.t.bench); ++i) {
    const ElementRecord& e = p.t.el(i);
    EXPECT_TRUE(std::isfinite(e.current) && std::isfinite(e.potential_a) &&
                std::isfinite(e.potential_b))
        << "slot " << i;
    if (!c.short_circuit) {
      EXPECT_LT(std::fabs(e.current), 10) << "slot " << i;
      EXPECT_LT(std::fabs(e.potential_a - e.potential_b), 10) << "slot " << i;
    }
  }
  for (int w = 0; w < CountWires(p.t.bench); ++w) {
    EXPECT_TRUE(std::isfinite(p.t.bench.wires[w].current)) << "wire " << w;
  }
  EXPECT_EQ(ShortCircuitedSource(p.t.bench) >= 0, c.short_circuit);
}

INSTANTIATE_TEST_SUITE_P(Loops, TeacherBenches, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Two identical parts side by side carry the same current to the last bit,
// and the current goes the same way through both.
TEST(LoopCurrents, EqualPartsSideBySideShareExactly) {
  for (int32_t kind : {KIND_DIGITAL_AMMETER, KIND_STRAIGHT_LEAD, KIND_SPST_SWITCH}) {
    SCOPED_TRACE(kind);
    Parts p;
    p.add("x", kind, FindKind(kind)->resistance);
    p.add("y", kind, FindKind(kind)->resistance);
    p.cell_and_resistor("x.a", "x.b");
    p.wire("y.a", "x.a");
    p.wire("y.b", "x.b");
    doing(p.t.bench);
    EXPECT_EQ(p["x"].current, p["y"].current);
    EXPECT_NEAR(p["x"].current + p["y"].current, p["r"].current, 1e-15);
  }
}

// A part within the class of its neighbour shares by resistance: 3e-30 ohm
// beside 1e-30 ohm carries a quarter.
TEST(LoopCurrents, NearZeroResistancesOfOneClassShareByTheirValues) {
  Parts p;
  p.add("x", KIND_FIXED_RESISTOR, 1e-30);
  p.add("y", KIND_FIXED_RESISTOR, 3e-30);
  p.cell_and_resistor("x.a", "x.b");
  p.wire("y.a", "x.a");
  p.wire("y.b", "x.b");
  doing(p.t.bench);
  EXPECT_NEAR(std::fabs(p["x"].current), 0.1125, 1e-12);
  EXPECT_NEAR(std::fabs(p["y"].current), 0.0375, 1e-12);
}

// Current balance holds at every terminal once the loops are shared out:
// what a part brings to a terminal, its wires take away.
TEST(LoopCurrents, EveryTerminalStaysBalanced) {
  for (const Case& c : kCases) {
    if (c.short_circuit) continue;
    SCOPED_TRACE(c.name);
    Parts p;
    c.build(p);
    doing(p.t.bench);
    const Bench& bench = p.t.bench;
    for (int i = 0; i < CountElements(bench); ++i) {
      const ElementRecord& e = bench.elements[i];
      for (int32_t node : {e.node_a, e.node_b}) {
        double sum = node == e.node_a ? e.current : -e.current;
        for (int w = 0; w < CountWires(bench); ++w) {
          if (bench.wires[w].node_a == node) sum += bench.wires[w].current;
          if (bench.wires[w].node_b == node) sum -= bench.wires[w].current;
        }
        EXPECT_NEAR(sum, 0, 1e-12) << "slot " << i << " node " << node;
      }
    }
  }
}

}  // namespace
}  // namespace voltaro
