#pragma once
// Random benches for comparing the analysis with plain references.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "model/bench.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace voltaro::testing {

// Random benches: every kind of component with random values, wired at
// random, with rings of wires, doubled wires and islands that only the
// ground links hold together.
class RandomBenchMaker {
 public:
  enum class Mix {
    Everything,  // every kind, any values
    // Mostly parts of (nearly) no resistance - closed switches, leads,
    // digital ammeters, fuses, ideal cells, closed throws and contacts - with
    // a few resistors and supplies, wired into many loops.
    LoopRich,
  };
  explicit RandomBenchMaker(uint32_t seed, Mix mix = Mix::Everything) : rng_(seed), mix_(mix) {}

  void build(Bench& bench) {
    InitBenchTables(bench);
    terminals_.clear();
    const int components = 1 + below(22);
    for (int c = 0; c < components; ++c) place(bench);
    const int wires = below(static_cast<uint32_t>(2 * terminals_.size()) + 2);
    for (int w = 0; w < wires; ++w) add_wires(bench);
  }

 private:
  uint32_t below(uint32_t n) { return rng_() % n; }
  bool chance(uint32_t percent) { return below(100) < percent; }
  double unit() { return (rng_() >> 8) * (1.0 / (1u << 24)); }
  // Half of the values come from a short list so that equal coefficients,
  // and so ties in the pivot search, are common.
  double resistance() {
    static constexpr double kNice[] = {0, 1e-80, 0.5, 1, 1, 2, 5, 10, 10, 20, 100, 1e3, 1e6, 1e14};
    if (chance(50)) return kNice[below(std::size(kNice))];
    return std::pow(10.0, -3 + 9 * unit());
  }
  double emf() {
    static constexpr double kNice[] = {0, 1.5, 1.5, 2, 3, 6, 9, -1.5};
    if (chance(60)) return kNice[below(std::size(kNice))];
    return 24 * unit() - 12;
  }
  int32_t terminal() { return terminals_[below(static_cast<uint32_t>(terminals_.size()))]; }

  // Mostly parts of (nearly) no resistance, for the loop-rich mix.
  static constexpr int32_t kLoopKinds[] = {
      KIND_SPST_SWITCH,
      KIND_SPST_SWITCH,
      KIND_STRAIGHT_LEAD,
      KIND_STRAIGHT_LEAD,
      KIND_DIGITAL_AMMETER,
      KIND_DIGITAL_AMMETER,
      KIND_FUSE,
      KIND_DRY_CELL,
      KIND_DRY_CELL,
      KIND_9V_BATTERY,
      KIND_FIXED_RESISTOR,
      KIND_FIXED_RESISTOR,
      KIND_VOLTAGE_SUPPLY,
      KIND_SPDT_SWITCH,
      KIND_RELAY,
      KIND_SLIDE_RHEOSTAT,
      KIND_BULB,
      KIND_MULTIMETER,
  };
  // Every kind that has a table of its own.
  static constexpr int32_t kEveryKind[] = {
      KIND_FIXED_RESISTOR,
      KIND_VOLTAGE_SUPPLY,
      KIND_DIGITAL_VOLTMETER,
      KIND_DIGITAL_AMMETER,
      KIND_BULB,
      KIND_SPST_SWITCH,
      KIND_FUSE,
      KIND_SLIDE_RHEOSTAT,
      KIND_RESISTANCE_WIRE,
      KIND_RESISTANCE_BOX,
      KIND_DRY_CELL,
      KIND_STORAGE_BATTERY,
      KIND_BATTERY_SET,
      KIND_9V_BATTERY,
      KIND_POINTER_VOLTMETER,
      KIND_POINTER_AMMETER,
      KIND_GALVANOMETER,
      KIND_DIGITAL_OHMMETER,
      KIND_MULTIMETER,
      KIND_SIGNAL_LIGHT,
      KIND_BELL,
      KIND_SPDT_SWITCH,
      KIND_RELAY,
      KIND_DIODE,
      KIND_STRAIGHT_LEAD,
      KIND_COIL_AND_MAGNET,
      KIND_CUTTING_ROD,
      KIND_AC_GENERATOR,
      KIND_DC_MOTOR,
      KIND_DC_GENERATOR,
  };

  template <size_t N>
  int32_t pick(const int32_t (&kinds)[N]) {
    return kinds[below(N)];
  }

  void place(Bench& bench) {
    const bool loops = mix_ == Mix::LoopRich;
    const int32_t kind = loops ? pick(kLoopKinds) : pick(kEveryKind);
    const PlaceResult r = PlaceComponent(bench, kind, 100 + below(800), 100 + below(600));
    ASSERT_EQ(r.outcome, PlaceOutcome::Placed);
    if (loops) {
      vary_loop_part(bench, kind, r.index);
    } else {
      vary(bench, kind, r.index);
    }
    add_terminals(bench, kind, r.index);
  }

  // Random values of any size, open contacts and switches thrown any way.
  void vary(Bench& bench, int32_t kind, int index) {
    switch (FindKind(kind)->family) {
      case Family::TwoTerminal: {
        ElementRecord& e = bench.elements[index];
        if (chance(70)) e.resistance = resistance();
        if (IsSource(kind) || chance(20)) e.emf = emf();
        if (kind == KIND_MULTIMETER) e.param1 = 7.49 * unit();
        if (kind == KIND_AC_GENERATOR || kind == KIND_DC_GENERATOR) e.param1 = 6.3 * unit();
        if (kind == KIND_CUTTING_ROD) e.param3 = 4 * unit() - 2;
        e.is_open = chance(30) ? 1 : 0;
        break;
      }
      case Family::Rheostat: {
        RheostatRecord& h = bench.rheostats[index];
        h.resistance = resistance();
        h.slider = chance(20) ? below(2) : unit();
        break;
      }
      case Family::Voltmeter:
      case Family::Ammeter:
        (kind == KIND_POINTER_VOLTMETER ? bench.voltmeters : bench.ammeters)[index].range_in_use =
            chance(50) ? 3 : 4;
        break;
      case Family::Spdt:
        bench.spdts[index].position = static_cast<int32_t>(below(3));
        break;
      case Family::Relay: {
        RelayRecord& y = bench.relays[index];
        y.contact_closed = static_cast<int32_t>(below(2));
        if (chance(50)) y.coil_resistance = resistance();
        break;
      }
      default:
        break;
    }
  }

  // Contacts mostly closed and school values, so that loops of near-zero
  // parts are common and ideal cells agree or disagree.
  void vary_loop_part(Bench& bench, int32_t kind, int index) {
    switch (FindKind(kind)->family) {
      case Family::TwoTerminal: {
        ElementRecord& e = bench.elements[index];
        e.is_open = chance(10) ? 1 : 0;
        if (kind == KIND_DRY_CELL && chance(30)) e.emf = 3;
        if (kind == KIND_FIXED_RESISTOR) e.resistance = below(2) ? 10 : 1 + below(100);
        if (kind == KIND_VOLTAGE_SUPPLY) e.resistance = 0.5 + below(4);
        if (kind == KIND_MULTIMETER) e.param1 = 2;  // the current range
        break;
      }
      case Family::Rheostat:
        bench.rheostats[index].slider = unit();
        break;
      case Family::Spdt:
        bench.spdts[index].position = static_cast<int32_t>(1 + below(2));
        break;
      case Family::Relay:
        bench.relays[index].contact_closed = 1;
        break;
      default:
        break;
    }
  }

  // The terminals the wires are drawn between.
  void add_terminals(const Bench& bench, int32_t kind, int index) {
    const auto add = [this](std::initializer_list<int32_t> ids) {
      terminals_.insert(terminals_.end(), ids);
    };
    switch (FindKind(kind)->family) {
      case Family::TwoTerminal:
        add({bench.elements[index].node_a, bench.elements[index].node_b});
        break;
      case Family::Rheostat: {
        const RheostatRecord& h = bench.rheostats[index];
        add({h.node_bar_a, h.node_bar_b, h.node_coil_a, h.node_coil_b});
        break;
      }
      case Family::Voltmeter:
      case Family::Ammeter: {
        const DualMeterRecord& m =
            (kind == KIND_POINTER_VOLTMETER ? bench.voltmeters : bench.ammeters)[index];
        add({m.node_common, m.node_mid, m.node_high});
        break;
      }
      case Family::Spdt: {
        const SpdtRecord& s = bench.spdts[index];
        add({s.node_t1, s.node_common, s.node_t2});
        break;
      }
      case Family::Relay: {
        const RelayRecord& y = bench.relays[index];
        add({y.node_coil_a, y.node_coil_b, y.node_contact_a, y.node_contact_b});
        break;
      }
      default:
        break;
    }
  }

  void add_wires(Bench& bench) {
    const uint32_t what = below(100);
    if (what < 70 || CountWires(bench) == 0) {
      ConnectTerminals(bench, terminal(), terminal());
    } else if (what < 85) {
      // The same two terminals once more, either way round.
      const WireRecord& w = bench.wires[below(static_cast<uint32_t>(CountWires(bench)))];
      const int32_t a = w.node_a, b = w.node_b;
      if (chance(50)) {
        ConnectTerminals(bench, a, b);
      } else {
        ConnectTerminals(bench, b, a);
      }
    } else {
      // A ring of wires through a few terminals.
      const int size = 2 + below(3);
      const int32_t first = terminal();
      int32_t last = first;
      for (int i = 1; i < size; ++i) {
        const int32_t next = terminal();
        ConnectTerminals(bench, last, next);
        last = next;
      }
      ConnectTerminals(bench, last, first);
    }
  }

  std::mt19937 rng_;
  Mix mix_;
  std::vector<int32_t> terminals_;
};

}  // namespace voltaro::testing
