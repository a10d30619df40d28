#pragma once
// Working storage of the analysis, allocated once with the bench so that a
// run never touches the heap.

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/bench.h"
#include "model/loop_currents.h"
#include "model/solver.h"

namespace voltaro {

// A sorted list of (id, value) pairs for looking ids up without scanning
// whole tables.
template <int N>
struct IdIndex {
  struct Entry {
    int32_t id;
    int32_t value;
  };
  std::array<Entry, N> entries;
  int count = 0;

  void clear() { count = 0; }
  void add(int32_t id, int32_t value) { entries[count++] = {id, value}; }
  void sort() {
    std::sort(entries.begin(), entries.begin() + count, [](const Entry& a, const Entry& b) {
      return a.id != b.id ? a.id < b.id : a.value < b.value;
    });
  }
  // The entries carrying `id`, smallest value first.
  const Entry* begin_of(int32_t id) const {
    return std::lower_bound(entries.begin(), entries.begin() + count, id,
                            [](const Entry& e, int32_t x) { return e.id < x; });
  }
  const Entry* end_of(int32_t id) const {
    return std::upper_bound(entries.begin(), entries.begin() + count, id,
                            [](int32_t x, const Entry& e) { return x < e.id; });
  }
  // Smallest value stored with `id`, or -1.
  int32_t first(int32_t id) const {
    const Entry* e = begin_of(id);
    return (e != entries.begin() + count && e->id == id) ? e->value : -1;
  }
  // Largest value stored with `id`, or -1.
  int32_t last(int32_t id) const {
    const Entry* e = end_of(id);
    return (e != entries.begin() && (e - 1)->id == id) ? (e - 1)->value : -1;
  }
};

// Disjoint sets over small integer ranges.
template <int N>
struct Pieces {
  std::array<int32_t, N> parent;
  void reset(int n) {
    for (int i = 0; i < n; ++i) parent[i] = i;
  }
  int find(int i) {
    while (parent[i] != i) {
      parent[i] = parent[parent[i]];
      i = parent[i];
    }
    return i;
  }
  // Returns false when the two were joined already.
  bool join(int a, int b) {
    a = find(a);
    b = find(b);
    if (a == b) return false;
    parent[std::max(a, b)] = std::min(a, b);
    return true;
  }
};

// Every variable a bench can need: three per branch, one per wire, and one
// per ground link that found no free slot in the wire table.
constexpr int MAX_VARIABLES = 3 * BRANCH_SLOTS + WIRE_SLOTS + BRANCH_SLOTS;

// A link of the equations between two terminals: a wire of the table, or a
// ground link kept here because the wire table had no room for it.
struct TakenLink {
  int32_t node_a, node_b;
  int col_a, col_b, col_current;
};

struct AnalysisScratch {
  EquationSystem system;

  // Terminal node ids of the branches: value = 2 * branch + end (0 for A).
  IdIndex<2 * BRANCH_SLOTS> branch_nodes;
  Pieces<BRANCH_SLOTS> branch_pieces;

  // The variable map: id -> variable index (1-based) for every variable.
  IdIndex<MAX_VARIABLES + 1> variables;
  // Potential columns joined by the wires and near-zero parts taken into the
  // equations so far.
  Pieces<MAX_VARIABLES + 1> junctions;
  // Ground links beyond the wire table's room: terminal ids A and B.
  std::array<std::array<int32_t, 2>, BRANCH_SLOTS> extra_links;
  int extra_link_count = 0;
  // The wires and links taken into the equations, in order.
  std::array<TakenLink, WIRE_SLOTS + BRANCH_SLOTS> taken;
  // Near-zero parts that would close a loop of near-zero parts: left open in
  // the equations, their currents shared out afterwards.
  std::array<uint8_t, BRANCH_SLOTS> looped{};
  int looped_count = 0;
  LoopScratch loops;
  // Branch ids, terminal A ids and terminal B ids -> branch, for handing
  // results back to the records.
  IdIndex<BRANCH_SLOTS> by_branch_id;
  IdIndex<BRANCH_SLOTS> by_node_a;
  IdIndex<BRANCH_SLOTS> by_node_b;

  void index_branch_nodes(const Bench& bench, int branches) {
    branch_nodes.clear();
    for (int i = 0; i < branches; ++i) {
      branch_nodes.add(bench.branches[i].node_a, 2 * i);
      branch_nodes.add(bench.branches[i].node_b, 2 * i + 1);
    }
    branch_nodes.sort();
  }
  // The first branch with a terminal of this id, or -1.
  int first_branch_of(int32_t node) const {
    const int32_t v = branch_nodes.first(node);
    return v < 0 ? -1 : v / 2;
  }
  void reset_pieces(int branches) { branch_pieces.reset(branches); }
  void join(int a, int b) { branch_pieces.join(a, b); }
  int piece(int branch) { return branch_pieces.find(branch); }
};

}  // namespace voltaro
