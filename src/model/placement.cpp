#include "model/placement.h"

#include "model/kinds.h"
#include "model/tables.h"

namespace voltaro {
namespace {

// Makes a hidden link (state 2) in the first free wire slot; the caller has
// checked there is room.
void AddHiddenLink(Bench& bench, int32_t node_a, int32_t node_b) {
  WireRecord& w = bench.wires[CountWires(bench)];
  w = WireRecord{};
  w.state = WIRE_HIDDEN_LINK;
  w.node_a = node_a;
  w.node_b = node_b;
  w.wire_id = bench.take_id();
}

bool WireRoomFor(const Bench& bench, int links) {
  return CountWires(bench) + links <= WIRE_SLOTS;
}

PlaceResult PlaceElement(Bench& bench, const KindInfo& info, int32_t x, int32_t y) {
  const int index = CountElements(bench);
  if (index > info.placement_limit) return {PlaceOutcome::TableFull, -1};
  ElementRecord& e = bench.elements[index];
  // A slot that falls free is cleared whole, so a fresh record never
  // inherits a value from an earlier one.
  e = ElementRecord{};
  e.kind = info.kind;
  e.x = x;
  e.y = y;
  const Geometry& g = info.geometry;
  SpreadHalfSize(e.half_size, g.half_size, g.half_size_turned, g.spread);
  e.term_a_offset[0] = g.a_object;
  e.term_b_offset[0] = g.b_object;
  e.term_a_offset[1] = g.a_circuit;
  e.term_b_offset[1] = g.b_circuit;
  e.name = std::string(info.designation);
  TakeFreshIds(bench, e);
  e.is_open = info.is_open;
  e.resistance = info.resistance;
  e.emf = info.emf;
  e.max_current = info.max_current;
  e.param1 = info.param1;
  e.param2 = info.param2;
  e.param3 = info.param3;
  e.param4 = info.param4;
  e.pose = 1;
  return {PlaceOutcome::Placed, index};
}

PlaceResult PlaceRheostat(Bench& bench, const KindInfo& info, int32_t x, int32_t y) {
  const int index = CountRheostats(bench);
  if (index > info.placement_limit) return {PlaceOutcome::TableFull, -1};
  if (!WireRoomFor(bench, 3)) return {PlaceOutcome::NoWireRoom, -1};
  RheostatRecord& r = bench.rheostats[index];
  r.x = x;
  r.y = y;
  r.name = std::string(info.designation);
  r.resistance = info.resistance;
  r.slider = 0.5;
  TakeFreshIds(bench, r);
  r.in_use = 1;
  return {PlaceOutcome::Placed, index};
}

PlaceResult PlaceMeter(Bench& bench, MeterTable& meters, const KindInfo& info, int32_t x,
                       int32_t y) {
  const int index = CountMeters(meters);
  if (index > info.placement_limit) return {PlaceOutcome::TableFull, -1};
  if (!WireRoomFor(bench, 1)) return {PlaceOutcome::NoWireRoom, -1};
  DualMeterRecord& m = meters[index];
  m.x = x;
  m.y = y;
  m.name = std::string(info.designation);
  // A voltmeter lands on its 15 V range; the ammeter's range is left as the
  // slot holds it.
  if (info.kind == KIND_POINTER_VOLTMETER) m.range_in_use = 4;
  TakeFreshIds(bench, m);
  m.in_use = 1;
  return {PlaceOutcome::Placed, index};
}

PlaceResult PlaceSpdt(Bench& bench, const KindInfo& info, int32_t x, int32_t y) {
  const int index = CountSpdts(bench);
  if (index > info.placement_limit) return {PlaceOutcome::TableFull, -1};
  if (!WireRoomFor(bench, 1)) return {PlaceOutcome::NoWireRoom, -1};
  SpdtRecord& s = bench.spdts[index];
  s.x = x;
  s.y = y;
  s.name = std::string(info.designation);
  s.position = 0;
  TakeFreshIds(bench, s);
  s.in_use = 1;
  return {PlaceOutcome::Placed, index};
}

PlaceResult PlaceRelay(Bench& bench, const KindInfo& info, int32_t x, int32_t y) {
  const int index = CountRelays(bench);
  if (index > info.placement_limit) return {PlaceOutcome::TableFull, -1};
  RelayRecord& r = bench.relays[index];
  r.x = x;
  r.y = y;
  r.name = std::string(info.designation);
  r.contact_closed = 0;
  r.coil_resistance = 1;
  r.pickup_current = 0.1;
  TakeFreshIds(bench, r);
  r.in_use = 1;
  return {PlaceOutcome::Placed, index};
}

}  // namespace

void TakeFreshIds(Bench& bench, ElementRecord& e) {
  e.node_a = bench.take_id();
  e.node_b = bench.take_id();
  e.branch_id = bench.take_id();
}

void TakeFreshIds(Bench& bench, RheostatRecord& r) {
  r.node_bar_a = bench.take_id();
  r.node_bar_a_in = bench.take_id();
  r.branch_id[0] = bench.take_id();
  r.node_bar_b_in = bench.take_id();
  r.node_bar_b = bench.take_id();
  r.branch_id[1] = bench.take_id();
  r.node_coil_a = bench.take_id();
  r.node_coil_a_in = bench.take_id();
  r.branch_id[2] = bench.take_id();
  r.node_slider = bench.take_id();
  r.node_coil_b = bench.take_id();
  r.branch_id[3] = bench.take_id();
  // The slider is one junction of the metal bar and the coil tap.
  AddHiddenLink(bench, r.node_bar_a_in, r.node_slider);
  AddHiddenLink(bench, r.node_bar_b_in, r.node_slider);
  AddHiddenLink(bench, r.node_coil_a_in, r.node_slider);
}

void TakeFreshIds(Bench& bench, DualMeterRecord& m) {
  m.node_common = bench.take_id();
  m.node_common_in = bench.take_id();
  m.branch_id_1 = bench.take_id();
  m.node_mid = bench.take_id();
  m.node_high = bench.take_id();
  m.branch_id_2 = bench.take_id();
  // The low-range section ends on the middle terminal.
  AddHiddenLink(bench, m.node_common_in, m.node_mid);
}

void TakeFreshIds(Bench& bench, SpdtRecord& s) {
  s.node_t1 = bench.take_id();
  s.node_common = bench.take_id();
  s.branch_id_1 = bench.take_id();
  s.node_common_in = bench.take_id();
  s.node_t2 = bench.take_id();
  s.branch_id_2 = bench.take_id();
  // The blade's pivot is one point with the common terminal.
  AddHiddenLink(bench, s.node_common, s.node_common_in);
}

void TakeFreshIds(Bench& bench, RelayRecord& r) {
  r.node_coil_a = bench.take_id();
  r.node_coil_b = bench.take_id();
  r.coil_branch_id = bench.take_id();
  r.node_contact_a = bench.take_id();
  r.node_contact_b = bench.take_id();
  r.contact_branch_id = bench.take_id();
}

PlaceResult PlaceComponent(Bench& bench, int32_t kind, int32_t x, int32_t y) {
  const KindInfo* info = FindKind(kind);
  if (!info) return {};
  switch (info->family) {
    case Family::TwoTerminal:
      return PlaceElement(bench, *info, x, y);
    case Family::Rheostat:
      return PlaceRheostat(bench, *info, x, y);
    case Family::Voltmeter:
      return PlaceMeter(bench, bench.voltmeters, *info, x, y);
    case Family::Ammeter:
      return PlaceMeter(bench, bench.ammeters, *info, x, y);
    case Family::Spdt:
      return PlaceSpdt(bench, *info, x, y);
    case Family::Relay:
      return PlaceRelay(bench, *info, x, y);
    case Family::Note:
    case Family::BlackBox:
      break;
  }
  return {};
}

}  // namespace voltaro

namespace voltaro {

int ConnectTerminals(Bench& bench, int32_t node_a, int32_t node_b,
                     std::initializer_list<Point> bends, int32_t color) {
  const int index = CountWires(bench);
  if (index >= WIRE_SLOTS || node_a == node_b || bends.size() >= WIRE_POINTS) return -1;
  WireRecord& w = bench.wires[index];
  w = WireRecord{};
  w.node_a = node_a;
  w.node_b = node_b;
  for (Point p : bends) w.points[w.point_count++] = p;
  w.color = color;
  w.wire_id = bench.take_id();
  w.state = WIRE_DRAWN;
  return index;
}

}  // namespace voltaro
