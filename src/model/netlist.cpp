#include "model/netlist.h"

#include <algorithm>
#include <cmath>

#include "model/analysis_scratch.h"
#include "model/kinds.h"
#include "model/parameters.h"
#include "model/readings.h"
#include "model/tables.h"

namespace voltaro {
namespace {

constexpr double HALF_PI = 1.5707963267948966;

struct BranchWriter {
  Bench& bench;
  int next = 0;
  void add(double resistance, double emf, int32_t node_a, int32_t node_b, int32_t id) {
    BranchRecord& b = bench.branches[next++];
    b.in_use = 1;
    b.resistance = resistance;
    b.emf = emf;
    b.node_a = node_a;
    b.node_b = node_b;
    b.branch_id = id;
  }
};

int BranchesNeeded(const Bench& bench) {
  return 2 * CountSpdts(bench) + CountElements(bench) + 2 * CountRelays(bench) +
         4 * CountRheostats(bench) + 2 * CountMeters(bench.voltmeters) +
         2 * CountMeters(bench.ammeters);
}

// The multimeter's range switch decides what sits between its probes: an
// ohm range is a 1 V cell behind a fixed resistance, the current range a
// near short, the voltage ranges a large resistance, OFF an open contact.
void SetMultimeterRange(ElementRecord& e) {
  e.is_open = 0;
  switch (MultimeterPosition(e)) {
    case 0:
      e.resistance = 148;
      e.emf = 1;
      break;
    case 1:
      e.resistance = 14.8;
      e.emf = 1;
      break;
    case 2:
      e.resistance = 1e-50;
      e.emf = 0;
      break;
    case 3:
    case 4:
    case 5:
      e.resistance = 1e8;
      e.emf = 0;
      break;
    case 6:
      e.emf = 0;
      e.is_open = 1;
      break;
    case 7:
      e.resistance = 1480;
      e.emf = 1;
      break;
    default:
      break;
  }
}

// Induced emf of the apparatus that move in a magnetic field.
void SetInducedEmf(ElementRecord& e) {
  switch (e.kind) {
    case KIND_CUTTING_ROD:
      e.emf = -(MagneticInduction(e) * RodSpeed(e) * RodLength(e));
      break;
    case KIND_AC_GENERATOR:
      e.emf = std::sin(CoilAngle(e) - HALF_PI) * MagneticInduction(e) * TurningSpeed(e) * 0.1;
      break;
    case KIND_DC_GENERATOR:
      // The commutator keeps the polarity: the emf never changes sign.
      e.emf = -std::fabs(std::sin(CoilAngle(e) - HALF_PI)) * MagneticInduction(e) *
              TurningSpeed(e) * 0.1;
      break;
    default:
      break;
  }
}

}  // namespace

int CountBranches(const Bench& bench) {
  int n = 0;
  while (n < BRANCH_SLOTS && bench.branches[n].in_use) ++n;
  return n;
}

bool BuildBranchList(Bench& bench) {
  // Slots past the list in use are clear already.
  for (int i = CountBranches(bench) - 1; i >= 0; --i) bench.branches[i] = BranchRecord{};
  if (BranchesNeeded(bench) > BRANCH_SLOTS) return false;

  BranchWriter out{bench};
  for (const SpdtRecord& s : bench.spdts) {
    if (!s.in_use) break;
    out.add(s.position == 1 ? 0 : OPEN_RESISTANCE, 0, s.node_t1, s.node_common, s.branch_id_1);
    out.add(s.position == 2 ? 0 : OPEN_RESISTANCE, 0, s.node_common_in, s.node_t2, s.branch_id_2);
  }
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    SetInducedEmf(e);
    if (e.kind == KIND_MULTIMETER) SetMultimeterRange(e);
    e.current = 0;
    out.add(e.is_open == 1 ? OPEN_RESISTANCE : e.resistance, -e.emf, e.node_a, e.node_b,
            e.branch_id);
  }
  for (const RelayRecord& r : bench.relays) {
    if (!r.in_use) break;
    out.add(r.coil_resistance, 0, r.node_coil_a, r.node_coil_b, r.coil_branch_id);
    out.add(r.contact_closed == 0 ? OPEN_RESISTANCE : 0, 0, r.node_contact_a, r.node_contact_b,
            r.contact_branch_id);
  }
  for (RheostatRecord& r : bench.rheostats) {
    if (!r.in_use) break;
    r.bar_resistance_1 = 0;
    r.bar_resistance_2 = 0;
    r.coil_resistance_1 = r.resistance * r.slider;
    r.coil_resistance_2 = r.resistance - r.coil_resistance_1;
    out.add(r.bar_resistance_1, 0, r.node_bar_a, r.node_bar_a_in, r.branch_id[0]);
    out.add(r.bar_resistance_2, 0, r.node_bar_b_in, r.node_bar_b, r.branch_id[1]);
    out.add(r.coil_resistance_1, 0, r.node_coil_a, r.node_coil_a_in, r.branch_id[2]);
    out.add(r.coil_resistance_2, 0, r.node_slider, r.node_coil_b, r.branch_id[3]);
  }
  for (const auto* meters : {&bench.voltmeters, &bench.ammeters}) {
    for (const DualMeterRecord& m : *meters) {
      if (!m.in_use) break;
      out.add(m.range_resistance_1, 0, m.node_common, m.node_common_in, m.branch_id_1);
      out.add(m.range_resistance_2, 0, m.node_mid, m.node_high, m.branch_id_2);
    }
  }
  return true;
}

// Every terminal belongs to one branch and a branch conducts between its own
// two terminals for this purpose, so "reaches branch 0 through wires" is the
// same as "lies in branch 0's connected piece" of the graph whose vertices
// are branches and whose edges are wires. Branches are taken in order and a
// link joins a branch's piece to branch 0's at once, so later branches of the
// same island need no link of their own.
void GroundFloatingParts(Bench& bench) {
  AnalysisScratch& s = *bench.scratch;
  const int branches = CountBranches(bench);
  s.extra_link_count = 0;
  if (branches == 0) return;

  s.index_branch_nodes(bench, branches);
  s.reset_pieces(branches);
  for (const WireRecord& w : bench.wires) {
    if (w.state == WIRE_FREE) break;
    const int a = s.first_branch_of(w.node_a);
    const int b = s.first_branch_of(w.node_b);
    if (a >= 0 && b >= 0) s.join(a, b);
  }
  s.extra_link_count = 0;
  for (int i = 1; i < branches; ++i) {
    if (s.piece(i) == s.piece(0)) continue;
    s.join(0, i);
    const int slot = CountWires(bench);
    if (slot >= WIRE_SLOTS) {
      // A full wire table: the link goes into the equations only.
      s.extra_links[s.extra_link_count++] = {bench.branches[0].node_a, bench.branches[i].node_a};
      continue;
    }
    WireRecord& w = bench.wires[slot];
    w = WireRecord{};
    w.state = WIRE_GROUND_LINK;
    w.node_a = bench.branches[0].node_a;
    w.node_b = bench.branches[i].node_a;
    w.wire_id = bench.take_id();
  }
}

}  // namespace voltaro
