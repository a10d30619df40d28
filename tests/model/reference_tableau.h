#pragma once
// The equations of a bench written straight from their rules, without the
// indexes and shortcuts of the analysis: every terminal potential, branch
// current and wire current a variable; one equation per branch, per wire
// taken and per terminal; a wire that only closes a ring of wires, or that
// ends on no terminal, left out; the last terminal's balance replaced by
// "terminal A of the first branch is at 0 V".

#include <numeric>
#include <vector>

#include "model/bench.h"
#include "model/netlist.h"
#include "model/reference_solver.h"
#include "model/tables.h"

namespace voltaro::testing {

// The branch list and the wires (ground links included) as they stand.
inline ReferenceSolver PlainTableau(const Bench& bench) {
  const int branches = CountBranches(bench);
  const int wires = CountWires(bench);
  // The first potential column carrying an id, or 0.
  const auto column = [&](int32_t id) {
    for (int i = 0; i < branches; ++i) {
      if (bench.branches[i].node_a == id) return 3 * i + 1;
      if (bench.branches[i].node_b == id) return 3 * i + 2;
      if (bench.branches[i].branch_id == id) return 0;
    }
    return 0;
  };
  std::vector<int> joined(3 * branches + 1);
  std::iota(joined.begin(), joined.end(), 0);
  const auto root = [&](int c) {
    while (joined[c] != c) c = joined[c];
    return c;
  };
  std::vector<int> taken;  // wire slots
  for (int i = 0; i < wires; ++i) {
    const int a = column(bench.wires[i].node_a), b = column(bench.wires[i].node_b);
    if (a == 0 || b == 0 || root(a) == root(b)) continue;
    joined[std::max(root(a), root(b))] = std::min(root(a), root(b));
    taken.push_back(i);
  }
  const int n = 3 * branches + static_cast<int>(taken.size());
  ReferenceSolver sys(n);
  int row = 0;
  for (int i = 0; i < branches; ++i) {
    const BranchRecord& b = bench.branches[i];
    ++row;
    sys.at(row, 3 * i + 1) = 1;
    sys.at(row, 3 * i + 2) = -1;
    sys.at(row, 3 * i + 3) = -b.resistance;
    sys.rhs(row) = b.emf;
  }
  for (size_t t = 0; t < taken.size(); ++t) {
    const WireRecord& w = bench.wires[taken[t]];
    ++row;
    sys.at(row, column(w.node_a)) = 1;
    sys.at(row, column(w.node_b)) = -1;
    sys.at(row, 3 * branches + 1 + static_cast<int>(t)) = -WIRE_RESISTANCE;
  }
  for (int end = 0; end < 2; ++end) {
    for (int i = 0; i < branches; ++i) {
      const int32_t node = end == 0 ? bench.branches[i].node_a : bench.branches[i].node_b;
      ++row;
      for (size_t t = 0; t < taken.size(); ++t) {
        const WireRecord& w = bench.wires[taken[t]];
        const int col = 3 * branches + 1 + static_cast<int>(t);
        if (w.node_a == node) {
          sys.at(row, col) = 1;
        } else if (w.node_b == node) {
          sys.at(row, col) = -1;
        }
      }
      sys.at(row, 3 * i + 3) = end == 0 ? 1 : -1;
    }
  }
  if (n > 0) {
    for (int j = 1; j <= n; ++j) sys.at(row, j) = 0;
    sys.at(row, 1) = 1;
    sys.rhs(row) = 0;
  }
  return sys;
}

}  // namespace voltaro::testing
