#include "interaction/black_box_guard.h"

#include <algorithm>

#include "model/kinds.h"
#include "model/tables.h"

namespace voltaro {
namespace {

int ViewEntry(const Bench& bench) {
  return bench.circuit_view ? 1 : 0;
}

bool TerminalUnderBox(const Bench& bench, int32_t node) {
  const auto at = TerminalPosition(bench, node, ViewEntry(bench));
  return at && BlackBoxAt(bench, *at) >= 0;
}

}  // namespace

int BlackBoxAt(const Bench& bench, Point p) {
  for (int i = 0; i < BLACK_BOX_SLOTS && bench.black_boxes[i].in_use; ++i) {
    const BlackBoxRecord& b = bench.black_boxes[i];
    if (b.x < p.x && p.x < b.x + b.width && b.y < p.y && p.y < b.y + b.height) return i;
  }
  return -1;
}

bool WireReachesUnderBox(const Bench& bench, const WireRecord& wire) {
  if (wire.state != WIRE_DRAWN || !bench.black_boxes[0].in_use) return false;
  if (TerminalUnderBox(bench, wire.node_a) || TerminalUnderBox(bench, wire.node_b)) return true;
  const int bends = std::clamp(wire.point_count, 0, WIRE_POINTS);
  return std::any_of(wire.points.begin(), wire.points.begin() + bends,
                     [&bench](Point p) { return BlackBoxAt(bench, p) >= 0; });
}

std::vector<int32_t> TerminalsOf(const Bench& bench, int32_t kind, int index) {
  const KindInfo* info = FindKind(kind);
  if (!info || index < 0) return {};
  switch (info->family) {
    case Family::TwoTerminal:
      if (index >= TWO_TERMINAL_SLOTS || !bench.elements[index].in_use()) return {};
      return {bench.elements[index].node_a, bench.elements[index].node_b};
    case Family::Rheostat: {
      if (index >= RHEOSTAT_SLOTS || !bench.rheostats[index].in_use) return {};
      const RheostatRecord& r = bench.rheostats[index];
      return {r.node_bar_a, r.node_bar_b, r.node_coil_a, r.node_coil_b};
    }
    case Family::Voltmeter:
    case Family::Ammeter: {
      if (index >= METER_SLOTS) return {};
      const auto& meters = info->family == Family::Voltmeter ? bench.voltmeters : bench.ammeters;
      if (!meters[index].in_use) return {};
      return {meters[index].node_common, meters[index].node_mid, meters[index].node_high};
    }
    case Family::Spdt: {
      if (index >= SPDT_SLOTS || !bench.spdts[index].in_use) return {};
      const SpdtRecord& s = bench.spdts[index];
      return {s.node_t1, s.node_common, s.node_t2};
    }
    case Family::Relay: {
      if (index >= RELAY_SLOTS || !bench.relays[index].in_use) return {};
      const RelayRecord& r = bench.relays[index];
      return {r.node_coil_a, r.node_coil_b, r.node_contact_a, r.node_contact_b};
    }
    default:
      return {};
  }
}

bool ComponentReachesUnderBox(const Bench& bench, int32_t kind, int index) {
  if (!bench.black_boxes[0].in_use) return false;
  const std::vector<int32_t> terminals = TerminalsOf(bench, kind, index);
  for (int32_t t : terminals) {
    if (TerminalUnderBox(bench, t)) return true;
  }
  for (int w = 0; w < WIRE_SLOTS && bench.wires[w].state != WIRE_FREE; ++w) {
    const WireRecord& wire = bench.wires[w];
    const bool touches =
        std::find(terminals.begin(), terminals.end(), wire.node_a) != terminals.end() ||
        std::find(terminals.begin(), terminals.end(), wire.node_b) != terminals.end();
    if (touches && WireReachesUnderBox(bench, wire)) return true;
  }
  return false;
}

}  // namespace voltaro
