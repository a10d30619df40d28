#pragma once
// Full benches of exactly 499 variables, the most one analysis took before
// the equations grew with the bench, and the fullest bench the placement
// limits allow; shared by the solver tests and the timing of the analysis.

#include <cstdint>
#include <string_view>

#include "model/bench.h"
#include "model/kinds.h"
#include "model/netlist.h"
#include "model/placement.h"
#include "model/solver.h"
#include "model/tables.h"

namespace voltaro::testing {

constexpr int MAX_BENCH_VARIABLES = 499;

enum class MaxBench {
  ManyComponents,  // a dozen series loops of ten components each
  ManyWires,       // a few dozen components, every junction wired many times over
  SchoolMix,       // stations with rheostats, pointer meters, relays and switches
  LoopRich,        // rings of wires, closed switches, leads, ammeters and ideal cells
};

inline std::string_view MaxBenchName(MaxBench which) {
  switch (which) {
    case MaxBench::ManyComponents:
      return "ManyComponents";
    case MaxBench::ManyWires:
      return "ManyWires";
    case MaxBench::SchoolMix:
      return "SchoolMix";
    case MaxBench::LoopRich:
      return "LoopRich";
  }
  return "";
}

// The bench's size as the analysis counts it: three variables per branch and
// one per wire, every wire counted, the ground links it adds included.
inline int CountedVariables(Bench& bench) {
  if (!BuildBranchList(bench)) return -1;
  GroundFloatingParts(bench);
  const int n = 3 * CountBranches(bench) + CountWires(bench);
  RemoveGroundLinks(bench);
  return n;
}

// Lays components out row by row, as a pupil fills a bench from the box.
class BenchBuilder {
 public:
  explicit BenchBuilder(Bench& bench) : bench_(bench) {}

  int place(int32_t kind) {
    const PlaceResult r = PlaceComponent(bench_, kind, x_, y_);
    x_ += 110;
    if (x_ > 980) {
      x_ = 60;
      y_ += 90;
    }
    return r.outcome == PlaceOutcome::Placed ? r.index : -1;
  }
  ElementRecord& element(int32_t kind) { return bench_.elements[place(kind)]; }
  void wire(int32_t a, int32_t b) { ConnectTerminals(bench_, a, b); }

  // Wires components into one series loop, each terminal B to the next
  // terminal A: a cell's B is its positive pole, so the current runs from A
  // to B through every part.
  template <int N>
  void loop(ElementRecord* (&parts)[N]) {
    for (int i = 0; i < N; ++i) wire(parts[i]->node_b, parts[(i + 1) % N]->node_a);
  }

  // Brings the bench to `target` variables: digital voltmeters across the
  // fixed resistors first (five variables each) when `meters`, then second
  // wires beside drawn ones (one each). False when the bench is already past
  // the target.
  bool top_up(int target, bool meters) {
    int need = target - CountedVariables(bench_);
    for (int i = 0; meters && need >= 5 && i < CountElements(bench_); ++i) {
      if (bench_.elements[i].kind != KIND_FIXED_RESISTOR) continue;
      const int32_t a = bench_.elements[i].node_a, b = bench_.elements[i].node_b;
      ElementRecord& v = element(KIND_DIGITAL_VOLTMETER);
      wire(a, v.node_b);
      wire(b, v.node_a);
      need -= 5;
    }
    for (int i = 0; need > 0; ++i) {
      const WireRecord& w = bench_.wires[i];
      if (w.state == WIRE_DRAWN) {
        wire(w.node_a, w.node_b);
        --need;
      }
    }
    return need == 0 && CountedVariables(bench_) == target;
  }

 private:
  Bench& bench_;
  int32_t x_ = 60, y_ = 60;
};

// Loop `s` of two cells, a switch, a fuse, a resistor, a bulb, an ammeter,
// a resistance wire, a diode and a bell in series; every fourth switch open.
inline void AddTenPartLoop(BenchBuilder& b, int s) {
  ElementRecord* parts[10] = {
      &b.element(KIND_DRY_CELL),        &b.element(KIND_DRY_CELL),
      &b.element(KIND_SPST_SWITCH),     &b.element(KIND_FUSE),
      &b.element(KIND_FIXED_RESISTOR),  &b.element(KIND_BULB),
      &b.element(KIND_DIGITAL_AMMETER), &b.element(KIND_RESISTANCE_WIRE),
      &b.element(KIND_DIODE),           &b.element(KIND_BELL),
  };
  parts[2]->is_open = s % 4 == 3 ? 1 : 0;
  parts[4]->resistance = 10 + s;
  parts[7]->resistance = 0.5 + 0.25 * s;
  b.loop(parts);
}

// Twelve such loops.
inline void BuildManyComponents(Bench& bench) {
  BenchBuilder b(bench);
  for (int s = 0; s < 12; ++s) AddTenPartLoop(b, s);
  b.top_up(MAX_BENCH_VARIABLES, true);
}

// Six circuits of a battery set, a switch, a bank of four resistors in
// parallel and a bulb. Each junction of the bank is a ring of wires with all
// its chords, drawn twice, as a pupil does who makes sure of every contact.
inline void BuildManyWires(Bench& bench) {
  BenchBuilder b(bench);
  for (int s = 0; s < 6; ++s) {
    ElementRecord& cell = b.element(KIND_BATTERY_SET);
    ElementRecord& sw = b.element(KIND_SPST_SWITCH);
    sw.is_open = 0;
    ElementRecord* bank[4];
    for (int i = 0; i < 4; ++i) {
      bank[i] = &b.element(KIND_FIXED_RESISTOR);
      bank[i]->resistance = 20.0 * (i + 1) + s;
    }
    ElementRecord& bulb = b.element(KIND_BULB);
    const int32_t in[5] = {sw.node_b, bank[0]->node_a, bank[1]->node_a, bank[2]->node_a,
                           bank[3]->node_a};
    const int32_t out[5] = {bank[0]->node_b, bank[1]->node_b, bank[2]->node_b, bank[3]->node_b,
                            bulb.node_a};
    for (int twice = 0; twice < 2; ++twice) {
      b.wire(cell.node_b, sw.node_a);
      for (const int32_t* junction : {in, out}) {
        for (int i = 0; i < 5; ++i) {
          for (int j = i + 1; j < 5; ++j) b.wire(junction[i], junction[j]);
        }
      }
      b.wire(bulb.node_b, cell.node_a);
    }
  }
  b.top_up(MAX_BENCH_VARIABLES, false);
}

// One station of the school benches (see BuildSchoolMix).
inline int AddSchoolStation(BenchBuilder& b, Bench& bench, int s, bool generator) {
  int generator_slot = -1;
  const int32_t source = s % 2 ? KIND_BATTERY_SET : KIND_STORAGE_BATTERY_SET;
  const int cell_slot = b.place(generator && s == 1 ? KIND_AC_GENERATOR : source);
  if (generator && s == 1) generator_slot = cell_slot;
  ElementRecord& cell = bench.elements[cell_slot];
  ElementRecord& sw = b.element(KIND_SPST_SWITCH);
  sw.is_open = s == 5 ? 1 : 0;
  RheostatRecord& rh = bench.rheostats[b.place(KIND_SLIDE_RHEOSTAT)];
  rh.slider = 0.15 + 0.1 * (s % 8);
  ElementRecord& bulb = b.element(KIND_BULB);
  DualMeterRecord& am = bench.ammeters[b.place(KIND_POINTER_AMMETER)];
  DualMeterRecord& vm = bench.voltmeters[b.place(KIND_POINTER_VOLTMETER)];
  b.wire(cell.node_b, sw.node_a);
  b.wire(sw.node_b, rh.node_coil_a);
  b.wire(rh.node_bar_a, am.node_common);
  b.wire(am.node_mid, bulb.node_a);
  b.wire(bulb.node_a, vm.node_common);
  b.wire(bulb.node_b, vm.node_high);
  int32_t back = bulb.node_b;  // where the series path goes on
  if (s % 2 == 0) {
    RelayRecord& relay = bench.relays[b.place(KIND_RELAY)];
    ElementRecord& dry = b.element(KIND_DRY_CELL);
    ElementRecord& lamp = b.element(KIND_SIGNAL_LIGHT);
    b.wire(back, relay.node_coil_a);
    back = relay.node_coil_b;
    b.wire(dry.node_b, relay.node_contact_a);
    b.wire(relay.node_contact_b, lamp.node_a);
    b.wire(lamp.node_b, dry.node_a);
  }
  if (s % 3 == 0) {
    SpdtRecord& spdt = bench.spdts[b.place(KIND_SPDT_SWITCH)];
    spdt.position = s % 9 == 0 ? 1 : 2;
    ElementRecord& lamp = b.element(KIND_BULB);
    ElementRecord& load = b.element(KIND_FIXED_RESISTOR);
    load.resistance = 15;
    b.wire(back, spdt.node_common);
    b.wire(spdt.node_t1, lamp.node_a);
    b.wire(spdt.node_t2, load.node_a);
    b.wire(lamp.node_b, cell.node_a);
    b.wire(load.node_b, cell.node_a);
  } else {
    b.wire(back, cell.node_a);
  }
  return generator_slot;
}

// Stations of a battery, a switch, a slide rheostat as a variable resistor,
// a bulb, a pointer ammeter in series and a pointer voltmeter across the
// bulb. Every second station drives a relay whose contact lights a signal
// lamp from a cell of its own; every third chooses between two loads with a
// double-throw switch. With `generator`, station 1 is fed by an AC generator
// instead of its battery; returns the generator's slot, or -1.
inline int BuildSchoolMix(Bench& bench, bool generator = false) {
  BenchBuilder b(bench);
  int generator_slot = -1;
  for (int s = 0; s < 8; ++s) {
    const int slot = AddSchoolStation(b, bench, s, generator);
    if (slot >= 0) generator_slot = slot;
  }
  b.top_up(MAX_BENCH_VARIABLES, true);
  return generator_slot;
}

// Twelve stations of a supply with internal resistance, two ideal cells side
// by side and a resistor, closed through a ring of three paths side by side:
// a straight lead, a closed switch with an ammeter, and two ammeters in
// series. Every ring and every pair of cells is a loop of near-zero parts.
inline void BuildLoopRich(Bench& bench) {
  BenchBuilder b(bench);
  for (int s = 0; s < 12; ++s) {
    ElementRecord& supply = b.element(KIND_VOLTAGE_SUPPLY);
    supply.resistance = 1 + 0.5 * (s % 3);
    supply.emf = 6;
    ElementRecord& c1 = b.element(KIND_DRY_CELL);
    ElementRecord& c2 = b.element(KIND_DRY_CELL);
    ElementRecord& r = b.element(KIND_FIXED_RESISTOR);
    r.resistance = 20 + s;
    ElementRecord& lead = b.element(KIND_STRAIGHT_LEAD);
    ElementRecord& sw = b.element(KIND_SPST_SWITCH);
    sw.is_open = 0;
    ElementRecord& a1 = b.element(KIND_DIGITAL_AMMETER);
    ElementRecord& a2 = b.element(KIND_DIGITAL_AMMETER);
    ElementRecord& a3 = b.element(KIND_DIGITAL_AMMETER);
    b.wire(supply.node_b, c1.node_a);
    b.wire(c2.node_a, c1.node_a);
    b.wire(c2.node_b, c1.node_b);
    b.wire(c1.node_b, r.node_a);
    b.wire(r.node_b, lead.node_a);
    b.wire(sw.node_a, lead.node_a);
    b.wire(a2.node_a, lead.node_a);
    b.wire(sw.node_b, a1.node_a);
    b.wire(a1.node_b, lead.node_b);
    b.wire(a2.node_b, a3.node_a);
    b.wire(a3.node_b, lead.node_b);
    b.wire(lead.node_b, supply.node_a);
  }
  b.top_up(MAX_BENCH_VARIABLES, true);
}

// The fullest bench the placement limits allow: school stations until the
// two-terminal table or the wire table is nearly full, then digital
// voltmeters across the fixed resistors and second wires beside drawn ones
// until the bench holds 198 two-terminal parts and `wires` wires (hidden
// links counted; 500 fills the table); parts that no wire is left for stand
// on their own.
inline void BuildFullestBench(Bench& bench, int wires = WIRE_SLOTS) {
  BenchBuilder b(bench);
  constexpr int kElements = 198;
  for (int s = 0; CountElements(bench) + 7 <= kElements && CountWires(bench) + 21 <= wires &&
                  CountRheostats(bench) < 49;
       ++s) {
    AddSchoolStation(b, bench, s, false);
  }
  for (int i = 0; CountElements(bench) < kElements && i < CountElements(bench); ++i) {
    if (bench.elements[i].kind != KIND_FIXED_RESISTOR) continue;
    if (CountWires(bench) + 2 > wires) break;
    const int32_t a = bench.elements[i].node_a, z = bench.elements[i].node_b;
    ElementRecord& v = b.element(KIND_DIGITAL_VOLTMETER);
    b.wire(a, v.node_b);
    b.wire(z, v.node_a);
  }
  while (CountElements(bench) < kElements) b.element(KIND_FIXED_RESISTOR);
  for (int i = 0; CountWires(bench) < wires; ++i) {
    const WireRecord& w = bench.wires[i];
    if (w.state == WIRE_DRAWN) b.wire(w.node_a, w.node_b);
  }
}

inline void BuildMaxBench(Bench& bench, MaxBench which) {
  switch (which) {
    case MaxBench::ManyComponents:
      BuildManyComponents(bench);
      break;
    case MaxBench::ManyWires:
      BuildManyWires(bench);
      break;
    case MaxBench::SchoolMix:
      BuildSchoolMix(bench);
      break;
    case MaxBench::LoopRich:
      BuildLoopRich(bench);
      break;
  }
}

}  // namespace voltaro::testing
