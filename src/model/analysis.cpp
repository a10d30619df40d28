#include "model/analysis.h"

#include "model/analysis_scratch.h"
#include "model/behaviour.h"
#include "model/bench_observer.h"
#include "model/netlist.h"
#include "model/ports.h"
#include "model/tables.h"

namespace voltaro {

Bench::Bench() : scratch(std::make_unique<AnalysisScratch>()) {
  InitBenchTables(*this);
}
Bench::~Bench() = default;

namespace {

// Variable columns of one branch.
struct BranchColumns {
  int a, b, current;
};
BranchColumns ColumnsOf(int branch) {
  return {3 * branch + 1, 3 * branch + 2, 3 * branch + 3};
}

// Wires that would only close a loop of wires, or that end on no terminal of
// the network, stay out of the equations. A loop of 1e-80 ohm wires has a
// circulating current that rounding alone decides (1e58 A has been seen),
// and a wire to nowhere would pin its terminal to zero volts. Leaving such
// wires out gives every component exactly the result of the same bench
// without them; they carry no current.
bool TakeLink(AnalysisScratch& s, int32_t node_a, int32_t node_b, int branches, int& col_a,
              int& col_b) {
  col_a = s.variables.first(node_a);
  col_b = s.variables.first(node_b);
  const auto is_potential = [branches](int col) {
    return col >= 1 && col <= 3 * branches && col % 3 != 0;
  };
  if (!is_potential(col_a) || !is_potential(col_b)) return false;
  return s.junctions.join(col_a, col_b);
}

void ClearResults(Bench& bench) {
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    e.potential_a = e.potential_b = e.current = 0;
  }
  for (RheostatRecord& r : bench.rheostats) {
    if (!r.in_use) break;
    r.potential.fill(0);
  }
  for (auto* meters : {&bench.voltmeters, &bench.ammeters}) {
    for (DualMeterRecord& m : *meters) {
      if (!m.in_use) break;
      m.potential.fill(0);
    }
  }
  for (SpdtRecord& s : bench.spdts) {
    if (!s.in_use) break;
    s.potential.fill(0);
  }
  for (RelayRecord& r : bench.relays) {
    if (!r.in_use) break;
    r.potential.fill(0);
    r.coil_current = 0;
  }
  for (WireRecord& w : bench.wires) {
    if (w.state == WIRE_FREE) break;
    w.current = w.spare = 0;
    w.variable_index = 0;
  }
}

// Returns false when nothing could be calculated; every result is then 0, so
// nothing from an earlier run is shown as if it were current.
bool BuildAndSolve(Bench& bench) {
  if (!BuildBranchList(bench)) {
    ClearResults(bench);
    return false;
  }
  GroundFloatingParts(bench);
  if (!BuildEquations(bench)) {
    ClearResults(bench);
    return false;
  }
  SolveEquations(bench);
  if (bench.scratch->system.gave_up()) {
    ClearResults(bench);
    return false;
  }
  return true;
}

}  // namespace

bool BuildEquations(Bench& bench) {
  AnalysisScratch& s = *bench.scratch;
  EquationSystem& sys = s.system;
  const int branches = CountBranches(bench);
  const int wires = CountWires(bench);
  s.looped_count = 0;

  for (int i = 0; i < wires; ++i) {
    bench.wires[i].current = bench.wires[i].spare = 0;
    bench.wires[i].variable_index = 0;
  }
  for (int i = 0; i < branches; ++i) {
    BranchRecord& b = bench.branches[i];
    b.potential_a = b.potential_b = b.current = b.voltage = 0;
    b.variable_index = {0, 0, 0};
  }

  if (3 * branches + wires + s.extra_link_count > MAX_VARIABLES) {
    sys.reset(0);
    return false;
  }

  s.variables.clear();
  for (int i = 0; i < branches; ++i) {
    BranchRecord& b = bench.branches[i];
    const BranchColumns c = ColumnsOf(i);
    b.variable_index = {c.a, c.b, c.current};
    s.variables.add(b.node_a, c.a);
    s.variables.add(b.node_b, c.b);
    s.variables.add(b.branch_id, c.current);
  }
  s.variables.sort();
  s.junctions.reset(3 * branches + 1);

  // Wire currents follow the branch variables, in wire-table order, then
  // the ground links the table had no room for.
  int n = 3 * branches;
  int taken_count = 0;
  for (int i = 0; i < wires; ++i) {
    int col_a = 0, col_b = 0;
    const WireRecord& w = bench.wires[i];
    if (!TakeLink(s, w.node_a, w.node_b, branches, col_a, col_b)) continue;
    bench.wires[i].variable_index = ++n;
    s.taken[taken_count++] = {w.node_a, w.node_b, col_a, col_b, n};
  }
  for (int i = 0; i < s.extra_link_count; ++i) {
    int col_a = 0, col_b = 0;
    const int32_t node_a = s.extra_links[i][0], node_b = s.extra_links[i][1];
    if (!TakeLink(s, node_a, node_b, branches, col_a, col_b)) continue;
    s.taken[taken_count++] = {node_a, node_b, col_a, col_b, ++n};
  }
  // A near-zero part that would close a loop of wires and near-zero parts
  // is left open here; SpreadLoopCurrents shares the loop's current out.
  for (int i = 0; i < branches; ++i) {
    const BranchColumns c = ColumnsOf(i);
    s.looped[i] = IsNearZero(bench.branches[i].resistance) && !s.junctions.join(c.a, c.b);
    s.looped_count += s.looped[i];
  }
  sys.reset(n);
  if (n == 0) return true;

  int row = 0;
  // Branch equations: V(a) - V(b) - R * I = emf of the branch; I = 0 for a
  // part left open.
  for (int i = 0; i < branches; ++i) {
    const BranchRecord& b = bench.branches[i];
    const BranchColumns c = ColumnsOf(i);
    ++row;
    if (s.looped[i]) {
      sys.set(row, c.current, 1);
      continue;
    }
    sys.set(row, c.a, 1);
    sys.set(row, c.b, -1);
    sys.set(row, c.current, -b.resistance);
    sys.set_rhs(row, b.emf);
  }
  // Wire equations: V(a) - V(b) - 1e-80 * I = 0.
  for (int t = 0; t < taken_count; ++t) {
    ++row;
    sys.set(row, s.taken[t].col_a, 1);
    sys.set(row, s.taken[t].col_b, -1);
    sys.set(row, s.taken[t].col_current, -WIRE_RESISTANCE);
  }
  // Current balances: the rows of every terminal A, then of every terminal B.
  // A wire counts +1 at a node that is its end A, otherwise -1 at its end B.
  const int first_a_row = row + 1;
  const int first_b_row = row + 1 + branches;
  s.index_branch_nodes(bench, branches);
  const auto balance_row = [&](int32_t entry) {
    return (entry % 2 == 0 ? first_a_row : first_b_row) + entry / 2;
  };
  const int reference_row = first_b_row + branches - 1;
  for (int t = 0; t < taken_count; ++t) {
    const int32_t node_a = s.taken[t].node_a, node_b = s.taken[t].node_b;
    const int col = s.taken[t].col_current;
    for (const auto* e = s.branch_nodes.begin_of(node_a); e != s.branch_nodes.end_of(node_a); ++e) {
      if (balance_row(e->value) != reference_row) sys.set(balance_row(e->value), col, 1);
    }
    if (node_b == node_a) continue;
    for (const auto* e = s.branch_nodes.begin_of(node_b); e != s.branch_nodes.end_of(node_b); ++e) {
      if (balance_row(e->value) != reference_row) sys.set(balance_row(e->value), col, -1);
    }
  }
  for (int i = 0; i < branches; ++i) {
    const BranchColumns c = ColumnsOf(i);
    sys.set(first_a_row + i, c.current, 1);
    if (first_b_row + i != reference_row) sys.set(first_b_row + i, c.current, -1);
  }
  // The balance of the last terminal B follows from all the others (the
  // ground links made the network one piece), so its row fixes the zero of
  // the potentials instead: terminal A of the first branch is at 0 V.
  sys.set(reference_row, 1, 1);
  sys.set_rhs(reference_row, 0);
  return true;
}

void SolveEquations(Bench& bench) {
  bench.scratch->system.solve();
}

SolveStatus ClassifySolution(const Bench& bench) {
  return bench.scratch->system.classify();
}

void DistributeResults(Bench& bench) {
  AnalysisScratch& s = *bench.scratch;
  const EquationSystem& sys = s.system;
  const int branches = CountBranches(bench);

  for (WireRecord& w : bench.wires) {
    if (w.state == WIRE_FREE) break;
    w.current = w.variable_index > 0 ? sys.solution(w.variable_index) : 0.0;
  }
  s.by_branch_id.clear();
  s.by_node_a.clear();
  s.by_node_b.clear();
  for (int i = 0; i < branches; ++i) {
    BranchRecord& b = bench.branches[i];
    b.potential_a = sys.solution(b.variable_index[0]);
    b.potential_b = sys.solution(b.variable_index[1]);
    b.current = sys.solution(b.variable_index[2]);
    b.voltage = b.potential_a - b.potential_b;
    s.by_branch_id.add(b.branch_id, i);
    s.by_node_a.add(b.node_a, i);
    s.by_node_b.add(b.node_b, i);
  }
  s.by_branch_id.sort();
  s.by_node_a.sort();
  s.by_node_b.sort();
  if (s.looped_count > 0) SpreadLoopCurrents(bench);

  // Records take the value of the last branch that matches their id, and
  // keep what they had when none does.
  const auto take = [&](const IdIndex<BRANCH_SLOTS>& index, int32_t id, double& out,
                        double BranchRecord::*field) {
    const int32_t b = index.last(id);
    if (b >= 0) out = bench.branches[b].*field;
  };
  using BR = BranchRecord;
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    take(s.by_branch_id, e.branch_id, e.current, &BR::current);
    take(s.by_node_a, e.node_a, e.potential_a, &BR::potential_a);
    take(s.by_node_b, e.node_b, e.potential_b, &BR::potential_b);
  }
  for (SpdtRecord& r : bench.spdts) {
    if (!r.in_use) break;
    take(s.by_node_a, r.node_t1, r.potential[0], &BR::potential_a);
    take(s.by_node_b, r.node_common, r.potential[1], &BR::potential_b);
    take(s.by_node_a, r.node_common_in, r.potential[2], &BR::potential_a);
    take(s.by_node_b, r.node_t2, r.potential[3], &BR::potential_b);
  }
  for (RelayRecord& r : bench.relays) {
    if (!r.in_use) break;
    take(s.by_branch_id, r.coil_branch_id, r.coil_current, &BR::current);
    take(s.by_node_a, r.node_coil_a, r.potential[0], &BR::potential_a);
    take(s.by_node_b, r.node_coil_b, r.potential[1], &BR::potential_b);
    take(s.by_node_a, r.node_contact_a, r.potential[2], &BR::potential_a);
    take(s.by_node_b, r.node_contact_b, r.potential[3], &BR::potential_b);
  }
  for (RheostatRecord& r : bench.rheostats) {
    if (!r.in_use) break;
    take(s.by_node_a, r.node_bar_a, r.potential[0], &BR::potential_a);
    take(s.by_node_b, r.node_bar_a_in, r.potential[1], &BR::potential_b);
    take(s.by_node_a, r.node_bar_b_in, r.potential[2], &BR::potential_a);
    take(s.by_node_b, r.node_bar_b, r.potential[3], &BR::potential_b);
    take(s.by_node_a, r.node_coil_a, r.potential[4], &BR::potential_a);
    take(s.by_node_b, r.node_coil_a_in, r.potential[5], &BR::potential_b);
    take(s.by_node_a, r.node_slider, r.potential[6], &BR::potential_a);
    take(s.by_node_b, r.node_coil_b, r.potential[7], &BR::potential_b);
  }
  for (auto* meters : {&bench.voltmeters, &bench.ammeters}) {
    for (DualMeterRecord& m : *meters) {
      if (!m.in_use) break;
      take(s.by_node_a, m.node_common, m.potential[0], &BR::potential_a);
      take(s.by_node_b, m.node_common_in, m.potential[1], &BR::potential_b);
      take(s.by_node_a, m.node_mid, m.potential[2], &BR::potential_a);
      take(s.by_node_b, m.node_high, m.potential[3], &BR::potential_b);
    }
  }
}

void RedrawBench(Bench& bench) {
  if (bench.observer) {
    bench.observer->analysed(bench);
  } else {
    ApplyStateRules(bench);
  }
}

namespace {

// Ground links live for one run only; the ids they took are given back with
// them, so that a bench re-analysed ten times a second while a generator
// turns does not run through its ids in a few months of running.
void RemoveGroundLinksAndTheirIds(Bench& bench, int32_t ids_before) {
  RemoveGroundLinks(bench);
  bench.next_id = ids_before;
}

}  // namespace

void doing(Bench& bench) {
  ++bench.analysis_depth;
  bench.analysis_pending = 0;
  const int32_t ids = bench.next_id;
  if (BuildAndSolve(bench)) {
    bench.status = ClassifySolution(bench);
    DistributeResults(bench);
  } else {
    bench.status = STATUS_NOT_SOLVED;
  }
  RemoveGroundLinksAndTheirIds(bench, ids);
  if (bench.sound) bench.sound->stop();
  RedrawBench(bench);
  --bench.analysis_depth;
}

void DoingWhileDragging(Bench& bench) {
  ++bench.analysis_depth;
  const int32_t ids = bench.next_id;
  if (BuildAndSolve(bench)) DistributeResults(bench);
  RemoveGroundLinksAndTheirIds(bench, ids);
  RedrawBench(bench);
  --bench.analysis_depth;
}

int Settle(Bench& bench) {
  int runs = 0;
  do {
    doing(bench);
    ++runs;
  } while (bench.analysis_pending == 1 && runs < MAX_SETTLE_RUNS);
  return runs;
}

}  // namespace voltaro
