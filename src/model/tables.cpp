#include "model/tables.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "model/bench_observer.h"
#include "model/kinds.h"

namespace voltaro {
namespace {

template <class Table, class InUse>
int CountLeading(const Table& table, InUse in_use) {
  int n = 0;
  while (n < static_cast<int>(table.size()) && in_use(table[n])) ++n;
  return n;
}

bool ElementInUse(const ElementRecord& r) {
  return r.pose != 0;
}
bool WireInUse(const WireRecord& w) {
  return w.state != WIRE_FREE;
}
template <class R>
bool RecordInUse(const R& r) {
  return r.in_use != 0;
}

// Moves every record after the first free slot down one place and clears the
// slot that falls free at the end. Returns the first free slot, or -1 when
// the table had none. `moved(from, to)` is told about every record moved.
template <class Table, class InUse, class Reset, class Moved>
int CloseGap(Table& table, InUse in_use, Reset reset, Moved moved) {
  const int size = static_cast<int>(table.size());
  int gap = 0;
  while (gap < size && in_use(table[gap])) ++gap;
  if (gap >= size) return -1;
  int end = gap + 1;
  while (end < size && in_use(table[end])) ++end;
  // Only the run of live records behind the gap has to move; everything
  // after it is free already.
  for (int i = gap; i + 1 < end; ++i) {
    std::swap(table[i], table[i + 1]);
    moved(i + 1, i);
  }
  reset(table[end - 1]);
  return gap;
}

void NoMove(int, int) {}

// Does `reset` to every slot of the table: to the slots built so far, and to
// the fresh record that stands for all the others, so that those stay
// untouched.
template <class Record, int N, class Reset>
void ResetTable(SlotTable<Record, N>& table, Reset reset) {
  for (int i = 0; i < table.reached(); ++i) reset(table[i]);
  Record fresh = table.fresh();
  reset(fresh);
  table.set_fresh(std::move(fresh));
}

void ResetMeter(DualMeterRecord& m, bool voltmeter) {
  m = DualMeterRecord{};
  if (voltmeter) {
    m.range_resistance_1 = 990;
    m.range_resistance_2 = 4000;
    m.common_offset = {-37, 50};
    m.mid_offset = {6, 50};
    m.high_offset = {33, 50};
  } else {
    m.range_resistance_1 = 0.025;
    m.range_resistance_2 = 0.1;
    m.common_offset = {-37, 50};
    m.mid_offset = {33, 50};
    m.high_offset = {6, 50};
  }
}

void ResetSpdt(SpdtRecord& s) {
  s = SpdtRecord{};
  s.t1_offset = {-48, 9};
  s.common_offset = {0, 27};
  s.t2_offset = {46, 9};
}

void ResetRelay(RelayRecord& r) {
  r = RelayRecord{};
  r.coil_a_offset = {-36, 24};
  r.coil_b_offset = {-10, 24};
  r.contact_a_offset = {38, -2};
  r.contact_b_offset = {38, 12};
}

void ResetRheostat(RheostatRecord& r, int circuit_view) {
  r = RheostatRecord{};
  r.bar_a_offset = {-63, -15};
  r.bar_b_offset = {62, -15};
  if (circuit_view) {
    r.coil_a_offset = {-63, 6};
    r.coil_b_offset = {62, 6};
  } else {
    r.coil_a_offset = {-30, 15};
    r.coil_b_offset = {28, 15};
  }
}

void ResetNote(NoteRecord& n) {
  // The line list keeps its storage: notes come and go all the time.
  std::vector<std::string> lines = std::move(n.lines);
  lines.clear();
  n = NoteRecord{};
  n.lines = std::move(lines);
}

// Frees the hidden links (state 2) that start at one of the given nodes and
// closes the gaps they leave in the wire table.
void RemoveHiddenLinksFrom(Bench& bench, std::initializer_list<int32_t> nodes) {
  for (int i = 0; i < WIRE_SLOTS && bench.wires[i].state != WIRE_FREE;) {
    const WireRecord& w = bench.wires[i];
    const bool ours = w.state == WIRE_HIDDEN_LINK &&
                      std::find(nodes.begin(), nodes.end(), w.node_a) != nodes.end();
    if (ours) {
      bench.wires[i].state = WIRE_FREE;
      CompactWires(bench);
    } else {
      ++i;
    }
  }
}

int FirstFreeMeter(const MeterTable& meters) {
  return CountMeters(meters);
}

}  // namespace

void ApplyRheostatOffsets(Bench& bench) {
  const auto apply = [view = bench.circuit_view](RheostatRecord& r) {
    r.bar_a_offset = {-63, -15};
    r.bar_b_offset = {62, -15};
    if (view) {
      r.coil_a_offset = {-63, 6};
      r.coil_b_offset = {62, 6};
    } else {
      r.coil_a_offset = {-30, 15};
      r.coil_b_offset = {28, 15};
    }
  };
  ResetTable(bench.rheostats, apply);
}

void InitBenchTables(Bench& bench) {
  const auto fresh = [](auto& r) { r = std::remove_reference_t<decltype(r)>{}; };
  ResetTable(bench.elements, fresh);
  ResetTable(bench.rheostats, [&](RheostatRecord& r) { ResetRheostat(r, bench.circuit_view); });
  ResetTable(bench.wires, fresh);
  ResetTable(bench.voltmeters, [](DualMeterRecord& m) { ResetMeter(m, true); });
  ResetTable(bench.ammeters, [](DualMeterRecord& m) { ResetMeter(m, false); });
  ResetTable(bench.spdts, ResetSpdt);
  ResetTable(bench.relays, ResetRelay);
  ResetTable(bench.notes, ResetNote);
  ResetTable(bench.black_boxes, fresh);
  ResetTable(bench.branches, fresh);
  bench.next_id = 0;
  bench.analysis_pending = 0;
  bench.status = STATUS_SOLVED;
}

int CountElements(const Bench& bench) {
  return CountLeading(bench.elements, ElementInUse);
}
int CountRheostats(const Bench& bench) {
  return CountLeading(bench.rheostats, RecordInUse<RheostatRecord>);
}
int CountWires(const Bench& bench) {
  return CountLeading(bench.wires, WireInUse);
}
int CountMeters(const MeterTable& meters) {
  return CountLeading(meters, RecordInUse<DualMeterRecord>);
}
int CountSpdts(const Bench& bench) {
  return CountLeading(bench.spdts, RecordInUse<SpdtRecord>);
}
int CountRelays(const Bench& bench) {
  return CountLeading(bench.relays, RecordInUse<RelayRecord>);
}
int CountNotes(const Bench& bench) {
  return CountLeading(bench.notes, RecordInUse<NoteRecord>);
}
int CountBlackBoxes(const Bench& bench) {
  return CountLeading(bench.black_boxes, RecordInUse<BlackBoxRecord>);
}

void CompactElements(Bench& bench) {
  CloseGap(
      bench.elements, ElementInUse, [](ElementRecord& e) { e = ElementRecord{}; },
      [&](int from, int to) {
        if (bench.observer) bench.observer->element_moved(from, to);
      });
}

void CompactRheostats(Bench& bench) {
  const int gap = CountRheostats(bench);
  if (gap < RHEOSTAT_SLOTS) {
    const RheostatRecord& r = bench.rheostats[gap];
    RemoveHiddenLinksFrom(bench, {r.node_bar_a_in, r.node_bar_b_in, r.node_coil_a_in});
  }
  const int view = bench.circuit_view;
  CloseGap(
      bench.rheostats, RecordInUse<RheostatRecord>,
      [view](RheostatRecord& r) { ResetRheostat(r, view); }, NoMove);
}

void CompactWires(Bench& bench) {
  CloseGap(
      bench.wires, WireInUse, [](WireRecord& w) { w = WireRecord{}; }, NoMove);
}

void CompactVoltmeters(Bench& bench) {
  const int gap = FirstFreeMeter(bench.voltmeters);
  if (gap < METER_SLOTS) RemoveHiddenLinksFrom(bench, {bench.voltmeters[gap].node_common_in});
  CloseGap(
      bench.voltmeters, RecordInUse<DualMeterRecord>,
      [](DualMeterRecord& m) { ResetMeter(m, true); }, NoMove);
}

void CompactAmmeters(Bench& bench) {
  const int gap = FirstFreeMeter(bench.ammeters);
  if (gap < METER_SLOTS) RemoveHiddenLinksFrom(bench, {bench.ammeters[gap].node_common_in});
  CloseGap(
      bench.ammeters, RecordInUse<DualMeterRecord>,
      [](DualMeterRecord& m) { ResetMeter(m, false); }, NoMove);
}

void CompactSpdts(Bench& bench) {
  const int gap = CountSpdts(bench);
  if (gap < SPDT_SLOTS) RemoveHiddenLinksFrom(bench, {bench.spdts[gap].node_common});
  CloseGap(bench.spdts, RecordInUse<SpdtRecord>, ResetSpdt, NoMove);
}

void CompactRelays(Bench& bench) {
  CloseGap(bench.relays, RecordInUse<RelayRecord>, ResetRelay, NoMove);
}

void CompactNotes(Bench& bench) {
  CloseGap(bench.notes, RecordInUse<NoteRecord>, ResetNote, NoMove);
}

void CompactBlackBoxes(Bench& bench) {
  CloseGap(
      bench.black_boxes, RecordInUse<BlackBoxRecord>,
      [](BlackBoxRecord& b) { b = BlackBoxRecord{}; }, NoMove);
}

void RemoveGroundLinks(Bench& bench) {
  // One pass that keeps the order of the other wires: the links usually sit
  // at the end, but a wire table read from a file may hold them anywhere.
  int kept = 0;
  int i = 0;
  for (; i < WIRE_SLOTS && bench.wires[i].state != WIRE_FREE; ++i) {
    if (bench.wires[i].state == WIRE_GROUND_LINK) continue;
    if (kept != i) std::swap(bench.wires[kept], bench.wires[i]);
    ++kept;
  }
  for (int k = kept; k < i; ++k) bench.wires[k] = WireRecord{};
}

int PoseEntry(int32_t pose, int view_entry) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{pose} - 1 + view_entry, 0, POSE_ENTRIES - 1));
}

void ForEachTerminal(const Bench& bench, int view_entry,
                     const std::function<bool(int32_t, Point)>& visit) {
  // Positions from a file stay within LARGEST_COORDINATE, but a bench built
  // in code may hold anything: the sum must not wrap round.
  const auto shifted = [](int32_t v, int32_t d) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + d, INT32_MIN, INT32_MAX));
  };
  const auto at = [&](int32_t x, int32_t y, Offset o) {
    return Point{shifted(x, o.dx), shifted(y, o.dy)};
  };
  for (const ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    const int entry = PoseEntry(e.pose, view_entry);
    if (visit(e.node_a, at(e.x, e.y, e.term_a_offset[entry])) ||
        visit(e.node_b, at(e.x, e.y, e.term_b_offset[entry]))) {
      return;
    }
  }
  for (const SpdtRecord& s : bench.spdts) {
    if (!s.in_use) break;
    if (visit(s.node_t1, at(s.x, s.y, s.t1_offset)) ||
        visit(s.node_common, at(s.x, s.y, s.common_offset)) ||
        visit(s.node_t2, at(s.x, s.y, s.t2_offset))) {
      return;
    }
  }
  for (const RelayRecord& r : bench.relays) {
    if (!r.in_use) break;
    if (visit(r.node_coil_a, at(r.x, r.y, r.coil_a_offset)) ||
        visit(r.node_coil_b, at(r.x, r.y, r.coil_b_offset)) ||
        visit(r.node_contact_a, at(r.x, r.y, r.contact_a_offset)) ||
        visit(r.node_contact_b, at(r.x, r.y, r.contact_b_offset))) {
      return;
    }
  }
  for (const RheostatRecord& r : bench.rheostats) {
    if (!r.in_use) break;
    if (visit(r.node_bar_a, at(r.x, r.y, r.bar_a_offset)) ||
        visit(r.node_bar_b, at(r.x, r.y, r.bar_b_offset)) ||
        visit(r.node_coil_a, at(r.x, r.y, r.coil_a_offset)) ||
        visit(r.node_coil_b, at(r.x, r.y, r.coil_b_offset))) {
      return;
    }
  }
  for (const auto* meters : {&bench.voltmeters, &bench.ammeters}) {
    for (const DualMeterRecord& m : *meters) {
      if (!m.in_use) break;
      if (visit(m.node_common, at(m.x, m.y, m.common_offset)) ||
          visit(m.node_mid, at(m.x, m.y, m.mid_offset)) ||
          visit(m.node_high, at(m.x, m.y, m.high_offset))) {
        return;
      }
    }
  }
}

std::optional<Point> TerminalPosition(const Bench& bench, int32_t id, int view_entry) {
  std::optional<Point> found;
  ForEachTerminal(bench, view_entry, [&](int32_t terminal, Point p) {
    if (terminal != id) return false;
    found = p;
    return true;
  });
  return found;
}

Point WireEndPosition(const Bench& bench, int wire_index, int end) {
  const WireRecord& w = bench.wires[wire_index];
  return TerminalPosition(bench, end == 1 ? w.node_a : w.node_b, 0).value_or(Point{0, 0});
}

bool IsTerminal(const Bench& bench, int32_t node_id) {
  return TerminalPosition(bench, node_id, 0).has_value();
}

}  // namespace voltaro
