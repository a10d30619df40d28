#pragma once
// A bench filled to the placement limit of the component table, with every
// kind in every pose and 300 wires with bends: what the repaint, the undo
// history and the autosave are timed on.

#include <iterator>
#include <utility>
#include <vector>

#include "document/geometry.h"
#include "model/bench.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace voltaro::testing {

inline constexpr int32_t TWO_TERMINAL_KINDS[] = {
    KIND_FIXED_RESISTOR,
    KIND_VOLTAGE_SUPPLY,
    KIND_DIGITAL_VOLTMETER,
    KIND_DIGITAL_AMMETER,
    KIND_BULB,
    KIND_SPST_SWITCH,
    KIND_FUSE,
    KIND_RESISTANCE_WIRE,
    KIND_RESISTANCE_BOX,
    KIND_DRY_CELL,
    KIND_STORAGE_BATTERY,
    KIND_BATTERY_SET,
    KIND_STORAGE_BATTERY_SET,
    KIND_9V_BATTERY,
    KIND_GALVANOMETER,
    KIND_DIGITAL_OHMMETER,
    KIND_MULTIMETER,
    KIND_SIGNAL_LIGHT,
    KIND_BELL,
    KIND_DIODE,
    KIND_STRAIGHT_LEAD,
    KIND_COIL_AND_MAGNET,
    KIND_CUTTING_ROD,
    KIND_AC_GENERATOR,
    KIND_DC_MOTOR,
    KIND_DC_GENERATOR,
};

inline bool Turns(int32_t kind) {
  switch (kind) {
    case KIND_DIGITAL_VOLTMETER:
    case KIND_DIGITAL_AMMETER:
    case KIND_GALVANOMETER:
    case KIND_DIGITAL_OHMMETER:
    case KIND_MULTIMETER:
    case KIND_COIL_AND_MAGNET:
    case KIND_CUTTING_ROD:
    case KIND_AC_GENERATOR:
    case KIND_DC_MOTOR:
    case KIND_DC_GENERATOR:
      return false;
    default:
      return true;
  }
}

// A bench filled to the placement limit of the component table: 198
// two-terminal components of every kind in every pose they take, a dozen
// each of rheostats, pointer meters, double-throw switches and relays, and
// 300 wires with bends, every one carrying a current. The currents are set
// by hand: so large a bench is more than one analysis solves, and the
// drawing only reads them.
inline bool BuildCrowdedBench(Bench& bench) {
  constexpr int COMPONENTS = 198, COLUMNS = 18;
  for (int i = 0; i < COMPONENTS; ++i) {
    const int32_t kind = TWO_TERMINAL_KINDS[i % std::size(TWO_TERMINAL_KINDS)];
    const int x = 30 + (i % COLUMNS) * 56, y = 40 + (i / COLUMNS) * 68;
    const PlaceResult r = PlaceComponent(bench, kind, x, y);
    if (r.outcome != PlaceOutcome::Placed) return false;
    ElementRecord& e = bench.elements[r.index];
    const int turn = i / std::size(TWO_TERMINAL_KINDS);
    if (Turns(kind)) {
      e.pose = kind == KIND_STORAGE_BATTERY || kind == KIND_STORAGE_BATTERY_SET
                   ? 1 + 2 * (turn % 2)
                   : 1 + 2 * (turn % 4);
    }
    e.show_params = i % 3 == 0 ? 1 : 0;
    e.is_open = (kind == KIND_SPST_SWITCH || kind == KIND_FUSE) ? turn % 2 : 0;
    // Enough current to light the lamps, never enough to burn a bulb out or
    // turn a diode round.
    e.current = 0.05 * (1 + turn % 3);
    e.potential_b = 0.5 * (1 + turn % 4);
  }
  DerivePoseGeometry(bench);

  for (int i = 0; i < 12; ++i) {
    const int x = 90 + (i % 6) * 160, y = 120 + (i / 6) * 420;
    const PlaceResult rheostat = PlaceComponent(bench, KIND_SLIDE_RHEOSTAT, x, y);
    const PlaceResult voltmeter = PlaceComponent(bench, KIND_POINTER_VOLTMETER, x + 40, y + 110);
    const PlaceResult ammeter = PlaceComponent(bench, KIND_POINTER_AMMETER, x + 20, y + 230);
    const PlaceResult spdt = PlaceComponent(bench, KIND_SPDT_SWITCH, x - 20, y + 170);
    const PlaceResult relay = PlaceComponent(bench, KIND_RELAY, x + 60, y + 60);
    for (const PlaceResult& r : {rheostat, voltmeter, ammeter, spdt, relay}) {
      if (r.outcome != PlaceOutcome::Placed) return false;
    }
    bench.rheostats[rheostat.index].slider = i / 11.0;
    bench.rheostats[rheostat.index].show_params = i % 2;
    bench.voltmeters[voltmeter.index].potential = {0, 0.25 * i, 0, 0};
    bench.ammeters[ammeter.index].potential = {0, 0, 0, 0.01 * i};
    bench.spdts[spdt.index].position = i % 3;
    bench.relays[relay.index].contact_closed = i % 2;
    bench.relays[relay.index].coil_current = i % 2 ? 1 : 0;
  }

  // Wires run between terminals far apart. Most are routed square, along
  // and across the bench with two bends, as a pupil lays them out; every
  // fourth takes a slanting short cut through one bend.
  std::vector<std::pair<int32_t, Point>> terminals;
  ForEachTerminal(bench, 0, [&](int32_t id, Point at) {
    terminals.emplace_back(id, at);
    return false;
  });
  const int n = static_cast<int>(terminals.size());
  for (int k = 0; k < 300; ++k) {
    const auto [a, pa] = terminals[(k * 7) % n];
    const auto [b, pb] = terminals[(k * 7 + n / 2 + k % 5) % n];
    const int32_t across = 20 + (k * 53) % 720, along = 20 + (k * 37) % 980;
    const int w = k % 4 == 3 ? ConnectTerminals(bench, a, b, {{along, across}})
                  : k % 2    ? ConnectTerminals(bench, a, b, {{pa.x, across}, {pb.x, across}})
                             : ConnectTerminals(bench, a, b, {{along, pa.y}, {along, pb.y}});
    if (w < 0) return false;
    bench.wires[w].current = k % 2 ? 0.2 : -0.2;
  }
  bench.show_current_direction = 1;
  return true;
}

}  // namespace voltaro::testing
