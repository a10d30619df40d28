#include "model/loop_currents.h"

#include <algorithm>

#include "model/analysis_scratch.h"
#include "model/netlist.h"
#include "model/tables.h"

namespace voltaro {
namespace {

constexpr int NODES = 2 * BRANCH_SLOTS;
constexpr int EDGES = BRANCH_SLOTS + WIRE_SLOTS;

// Parts within this factor of the smallest resistance of their class share
// current by their resistances. A part more than this above the class below
// it is treated as carrying nothing beside that class: what it would carry is
// under a hundred-millionth of the current.
constexpr double CLASS_SPAN = 1e8;
// The supplies round a loop agree when their emfs sum to zero within this
// fraction of their sizes; rounding in adding up a few emfs stays far below.
constexpr double EMF_AGREEMENT = 1e-12;

// Wires are the junctions; zero-ohm parts come next; then the classes of
// parts with a resistance, from the lowest.
constexpr int WIRE_LEVEL = 0;
constexpr int ZERO_LEVEL = 1;

using Edge = LoopScratch::Edge;

int Find(std::vector<int>& piece, int i) {
  while (piece[i] != i) {
    piece[i] = piece[piece[i]];
    i = piece[i];
  }
  return i;
}

void Join(std::vector<int>& piece, int a, int b) {
  a = Find(piece, a);
  b = Find(piece, b);
  if (a != b) piece[std::max(a, b)] = std::min(a, b);
}

int OtherEnd(const Edge& e, int node) {
  return e.u == node ? e.v : e.u;
}

// Current along `e` in the direction from `from` to its other end.
void AddAlong(Edge& e, int from, double current) {
  e.flow += e.u == from ? current : -current;
}

class LoopSpreader {
 public:
  LoopSpreader(Bench& bench, AnalysisScratch& scratch)
      : bench_(bench), scratch_(scratch), s_(scratch.loops) {}

  void run() {
    collect_edges();
    index_adjacency();
    find_bridges();
    spread_components();
  }

 private:
  void collect_edges() {
    const int branches = CountBranches(bench_);
    s_.edges.clear();
    for (int i = 0; i < branches; ++i) {
      const BranchRecord& b = bench_.branches[i];
      if (!IsNearZero(b.resistance)) continue;
      s_.edges.push_back({2 * i, 2 * i + 1, i, false, !scratch_.looped[i], std::fabs(b.resistance),
                          b.emf, b.current, 0});
    }
    const int wires = CountWires(bench_);
    for (int i = 0; i < wires; ++i) {
      const WireRecord& w = bench_.wires[i];
      const int u = scratch_.branch_nodes.first(w.node_a);
      const int v = scratch_.branch_nodes.first(w.node_b);
      if (u < 0 || v < 0 || u == v) continue;
      s_.edges.push_back(
          {u, v, i, true, w.variable_index > 0, WIRE_RESISTANCE, 0, w.current, WIRE_LEVEL});
    }
    nodes_ = 2 * branches;
  }

  void index_adjacency() {
    std::vector<int>& start = s_.adjacency_start;
    std::fill(start.begin(), start.begin() + nodes_ + 2, 0);
    for (const Edge& e : s_.edges) {
      ++start[e.u + 2];
      ++start[e.v + 2];
    }
    for (int i = 2; i <= nodes_ + 1; ++i) start[i] += start[i - 1];
    for (int k = 0; k < static_cast<int>(s_.edges.size()); ++k) {
      s_.adjacency[start[s_.edges[k].u + 1]++] = k;
      s_.adjacency[start[s_.edges[k].v + 1]++] = k;
    }
    // start[i] .. start[i + 1] now holds node i's edges.
  }
  const int* adjacent_begin(int node) const { return &s_.adjacency[s_.adjacency_start[node]]; }
  const int* adjacent_end(int node) const { return &s_.adjacency[s_.adjacency_start[node + 1]]; }

  // Tarjan's search for the edges that lie on no loop. Parallel edges are
  // told apart by the edge, not by the node they come from.
  void find_bridges() {
    const int edge_count = static_cast<int>(s_.edges.size());
    std::fill(s_.bridge.begin(), s_.bridge.begin() + edge_count, 0);
    std::fill(s_.discovered.begin(), s_.discovered.begin() + nodes_, -1);
    int time = 0;
    for (int root = 0; root < nodes_; ++root) {
      if (s_.discovered[root] >= 0 || adjacent_begin(root) == adjacent_end(root)) continue;
      s_.stack.clear();
      enter(root, -1, time);
      while (!s_.stack.empty()) {
        const int x = s_.stack.back();
        if (s_.next_adjacent[x] < s_.adjacency_start[x + 1]) {
          const int k = s_.adjacency[s_.next_adjacent[x]++];
          if (k == s_.parent_edge[x]) continue;
          const int y = OtherEnd(s_.edges[k], x);
          if (s_.discovered[y] < 0) {
            enter(y, k, time);
          } else {
            s_.low[x] = std::min(s_.low[x], s_.discovered[y]);
          }
          continue;
        }
        s_.stack.pop_back();
        const int k = s_.parent_edge[x];
        if (k < 0) continue;
        const int p = OtherEnd(s_.edges[k], x);
        s_.low[p] = std::min(s_.low[p], s_.low[x]);
        if (s_.low[x] > s_.discovered[p]) s_.bridge[k] = 1;
      }
    }
  }
  void enter(int node, int edge, int& time) {
    s_.discovered[node] = s_.low[node] = time++;
    s_.parent_edge[node] = edge;
    s_.next_adjacent[node] = s_.adjacency_start[node];
    s_.stack.push_back(node);
  }

  // The edges on loops fall into pieces that no loop crosses. A piece needs
  // its currents shared out only when a part was left open in it; a piece of
  // wires alone keeps what the equations gave (its extra wires carry
  // nothing, its components are untouched).
  void spread_components() {
    std::vector<int>& piece = s_.piece;
    for (int i = 0; i < nodes_; ++i) piece[i] = i;
    const int edge_count = static_cast<int>(s_.edges.size());
    for (int k = 0; k < edge_count; ++k) {
      if (!s_.bridge[k]) Join(piece, s_.edges[k].u, s_.edges[k].v);
    }
    std::vector<int>& of = s_.edge_piece;
    for (int k = 0; k < edge_count; ++k) of[k] = Find(piece, s_.edges[k].u);
    // Pieces holding a part left open, by their first node.
    std::vector<uint8_t>& wanted = s_.eliminated;
    std::fill(wanted.begin(), wanted.begin() + nodes_, 0);
    for (int k = 0; k < edge_count; ++k) {
      if (!s_.edges[k].is_wire && !s_.edges[k].in_tree) wanted[of[k]] = 1;
    }
    // Edges of wanted pieces, grouped by piece.
    std::vector<int>& grouped = s_.grouped;
    grouped.clear();
    for (int k = 0; k < edge_count; ++k) {
      if (!s_.bridge[k] && wanted[of[k]]) grouped.push_back(k);
    }
    std::sort(grouped.begin(), grouped.end(),
              [&](int a, int b) { return of[a] != of[b] ? of[a] < of[b] : a < b; });
    for (size_t first = 0; first < grouped.size();) {
      size_t last = first;
      while (last < grouped.size() && of[grouped[last]] == of[grouped[first]]) ++last;
      s_.component_edges.assign(grouped.begin() + first, grouped.begin() + last);
      spread_component();
      first = last;
    }
  }

  void spread_component() {
    gather_nodes();
    for (int n : s_.component_nodes) s_.outflow[n] = 0;
    for (int k : s_.component_edges) {
      const Edge& e = s_.edges[k];
      s_.outflow[e.u] += e.flow;
      s_.outflow[e.v] -= e.flow;
      s_.edges[k].flow = 0;
    }
    const int top = assign_levels();
    for (int level = top; level >= ZERO_LEVEL; --level) share_level(level);
    pass_on_through_wires();
    add_short_circuits();
    for (int k : s_.component_edges) {
      const Edge& e = s_.edges[k];
      if (e.is_wire) {
        bench_.wires[e.slot].current = e.flow;
      } else {
        bench_.branches[e.slot].current = e.flow;
      }
    }
  }

  void gather_nodes() {
    s_.component_nodes.clear();
    for (int k : s_.component_edges) {
      for (int n : {s_.edges[k].u, s_.edges[k].v}) {
        if (s_.local[n] != -2) {
          s_.local[n] = -2;
          s_.component_nodes.push_back(n);
        }
      }
    }
    for (int n : s_.component_nodes) s_.local[n] = -1;
  }

  // Levels of the component's parts; returns the highest.
  int assign_levels() {
    std::vector<double>& floors = s_.class_floor;
    floors.clear();
    for (int k : s_.component_edges) {
      const Edge& e = s_.edges[k];
      if (!e.is_wire && e.r > 0) floors.push_back(e.r);
    }
    std::sort(floors.begin(), floors.end());
    size_t classes = 0;
    for (double r : floors) {
      if (classes == 0 || r > floors[classes - 1] * CLASS_SPAN) floors[classes++] = r;
    }
    floors.resize(classes);
    for (int k : s_.component_edges) {
      Edge& e = s_.edges[k];
      if (e.is_wire) continue;
      if (e.r == 0) {
        e.level = ZERO_LEVEL;
      } else {
        e.level =
            ZERO_LEVEL +
            static_cast<int>(std::upper_bound(floors.begin(), floors.end(), e.r) - floors.begin());
      }
    }
    return ZERO_LEVEL + static_cast<int>(classes);
  }

  double conductance(const Edge& e) const {
    return e.level == ZERO_LEVEL ? 1.0 : s_.class_floor[e.level - ZERO_LEVEL - 1] / e.r;
  }

  // The parts of one level carry what the junctions of the levels below
  // them cannot pass on, shared by their conductances: with everything below
  // drawn together into single nodes, a node's potential is found from its
  // current balance.
  void share_level(int level) {
    std::vector<int>& piece = s_.piece;
    for (int n : s_.component_nodes) piece[n] = n;
    for (int k : s_.component_edges) {
      if (s_.edges[k].level < level) Join(piece, s_.edges[k].u, s_.edges[k].v);
    }
    s_.local_node.clear();
    for (int k : s_.component_edges) {
      const Edge& e = s_.edges[k];
      if (e.level != level) continue;
      const int a = Find(piece, e.u), b = Find(piece, e.v);
      if (a == b) continue;  // bridged by lower parts: carries nothing
      for (int n : {a, b}) {
        if (s_.local[n] < 0) {
          s_.local[n] = static_cast<int>(s_.local_node.size());
          s_.local_node.push_back(n);
        }
      }
    }
    const int m = static_cast<int>(s_.local_node.size());
    if (m == 0) return;
    if (s_.matrix.size() < static_cast<size_t>(m) * m) s_.matrix.resize(static_cast<size_t>(m) * m);
    std::fill(s_.matrix.begin(), s_.matrix.begin() + static_cast<size_t>(m) * m, 0.0);
    double* rhs = s_.scale.data();
    std::fill(rhs, rhs + m, 0.0);
    for (int n : s_.component_nodes) {
      const int row = s_.local[Find(piece, n)];
      if (row >= 0) rhs[row] += s_.outflow[n];
    }
    for (int k : s_.component_edges) {
      const Edge& e = s_.edges[k];
      if (e.level != level) continue;
      const int a = s_.local[Find(piece, e.u)], b = s_.local[Find(piece, e.v)];
      if (a == b) continue;
      const double g = conductance(e);
      at(a, a, m) += g;
      at(b, b, m) += g;
      at(a, b, m) -= g;
      at(b, a, m) -= g;
    }
    solve_node_equations(m, rhs);
    for (int k : s_.component_edges) {
      Edge& e = s_.edges[k];
      if (e.level != level) continue;
      const int a = s_.local[Find(piece, e.u)], b = s_.local[Find(piece, e.v)];
      if (a == b) continue;
      e.flow = conductance(e) * (s_.potential[a] - s_.potential[b]);
      s_.outflow[e.u] -= e.flow;
      s_.outflow[e.v] += e.flow;
    }
    for (int n : s_.local_node) s_.local[n] = -1;
  }

  double& at(int row, int col, int m) { return s_.matrix[static_cast<size_t>(row) * m + col]; }

  // Eliminates the node with the fewest neighbours first, so chains and
  // rings cost little. The last node of each connected piece has no
  // neighbours left when its turn comes: its potential is the piece's zero.
  void solve_node_equations(int m, double* rhs) {
    std::vector<int>& degree = s_.degree;
    std::vector<int>& rank = s_.rank;
    std::vector<uint8_t>& done = s_.eliminated;
    std::vector<int>& neighbours = s_.stack;
    for (int i = 0; i < m; ++i) {
      degree[i] = 0;
      done[i] = 0;
      for (int j = 0; j < m; ++j) degree[i] += (j != i && at(i, j, m) != 0);
    }
    for (int step = 0; step < m; ++step) {
      int p = -1;
      for (int i = 0; i < m; ++i) {
        if (!done[i] && (p < 0 || degree[i] < degree[p])) p = i;
      }
      done[p] = 1;
      rank[p] = step;
      s_.elimination[step] = p;
      neighbours.clear();
      for (int j = 0; j < m; ++j) {
        if (!done[j] && at(p, j, m) != 0) neighbours.push_back(j);
      }
      const double d = at(p, p, m);
      for (int i : neighbours) {
        const double f = at(i, p, m) / d;
        for (int j : neighbours) {
          double& v = at(i, j, m);
          if (j != i && v == 0) ++degree[i];
          v -= f * at(p, j, m);
        }
        rhs[i] -= f * rhs[p];
        --degree[i];
      }
      degree[p] = static_cast<int>(neighbours.size());
    }
    for (int step = m - 1; step >= 0; --step) {
      const int p = s_.elimination[step];
      if (degree[p] == 0) {
        s_.potential[p] = 0;
        continue;
      }
      double sum = rhs[p];
      for (int j = 0; j < m; ++j) {
        if (rank[j] > step && at(p, j, m) != 0) sum -= at(p, j, m) * s_.potential[j];
      }
      s_.potential[p] = sum / at(p, p, m);
    }
  }

  // What is left runs through the wires that the equations took, a tree
  // within every junction; the wires that only closed a loop of wires carry
  // nothing, as before.
  void pass_on_through_wires() {
    std::vector<int>& order = s_.order;
    order.clear();
    for (int n : s_.component_nodes) s_.parent_edge[n] = -2;
    for (int root : s_.component_nodes) {
      if (s_.parent_edge[root] != -2) continue;
      s_.parent_edge[root] = -1;
      const size_t begin = order.size();
      order.push_back(root);
      for (size_t q = begin; q < order.size(); ++q) {
        const int x = order[q];
        for (const int* k = adjacent_begin(x); k != adjacent_end(x); ++k) {
          const Edge& e = s_.edges[*k];
          if (!e.is_wire || !e.in_tree || s_.bridge[*k]) continue;
          const int y = OtherEnd(e, x);
          if (s_.parent_edge[y] != -2) continue;
          s_.parent_edge[y] = *k;
          order.push_back(y);
        }
      }
    }
    for (size_t q = order.size(); q-- > 0;) {
      const int x = order[q];
      const int k = s_.parent_edge[x];
      if (k < 0) continue;
      Edge& e = s_.edges[k];
      AddAlong(e, x, s_.outflow[x]);
      s_.outflow[OtherEnd(e, x)] += s_.outflow[x];
      s_.outflow[x] = 0;
    }
  }

  // Supplies that disagree round a loop drive the difference of their emfs
  // through the loop's own resistance: the short circuit a pupil must see.
  void add_short_circuits() {
    std::vector<int>& order = s_.order;
    order.clear();
    for (int n : s_.component_nodes) s_.parent_edge[n] = -2;
    const int root = s_.component_nodes.front();
    s_.parent_edge[root] = -1;
    s_.potential[root] = s_.scale[root] = 0;
    s_.low[root] = 0;  // depth
    order.push_back(root);
    for (size_t q = 0; q < order.size(); ++q) {
      const int x = order[q];
      for (const int* k = adjacent_begin(x); k != adjacent_end(x); ++k) {
        const Edge& e = s_.edges[*k];
        if (s_.bridge[*k]) continue;
        const int y = OtherEnd(e, x);
        if (s_.parent_edge[y] != -2) continue;
        s_.parent_edge[y] = *k;
        s_.potential[y] = s_.potential[x] + (e.u == x ? -e.emf : e.emf);
        s_.scale[y] = s_.scale[x] + std::fabs(e.emf);
        s_.low[y] = s_.low[x] + 1;
        order.push_back(y);
      }
    }
    for (int k : s_.component_edges) {
      const Edge& e = s_.edges[k];
      if (s_.parent_edge[e.u] == k || s_.parent_edge[e.v] == k) continue;
      const double left = s_.potential[e.u] - s_.potential[e.v] - e.emf;
      const double size = s_.scale[e.u] + s_.scale[e.v] + std::fabs(e.emf);
      if (!(std::fabs(left) > EMF_AGREEMENT * size)) continue;
      const double resistance = e.r + walk_loop(e, 0);
      walk_loop(e, left / (resistance > 0 ? resistance : WIRE_RESISTANCE));
    }
  }

  // Goes round the loop that `e` closes in the tree of add_short_circuits,
  // from e.u to e.v and back through the tree, adding `current` to every
  // edge in that direction. Returns the resistance of the tree's part.
  double walk_loop(const Edge& e, double current) {
    if (current != 0) s_.edges[&e - s_.edges.data()].flow += current;
    double resistance = 0;
    int from_v = e.v, from_u = e.u;
    while (from_v != from_u) {
      // The loop runs up the tree from e.v and down the tree to e.u.
      if (s_.low[from_v] >= s_.low[from_u]) {
        Edge& t = s_.edges[s_.parent_edge[from_v]];
        resistance += t.r;
        if (current != 0) AddAlong(t, from_v, current);
        from_v = OtherEnd(t, from_v);
      } else {
        Edge& t = s_.edges[s_.parent_edge[from_u]];
        resistance += t.r;
        const int up = OtherEnd(t, from_u);
        if (current != 0) AddAlong(t, up, current);
        from_u = up;
      }
    }
    return resistance;
  }

  Bench& bench_;
  AnalysisScratch& scratch_;
  LoopScratch& s_;
  int nodes_ = 0;
};

}  // namespace

LoopScratch::LoopScratch()
    : adjacency_start(NODES + 2),
      adjacency(2 * EDGES),
      discovered(NODES),
      low(NODES),
      parent_edge(NODES),
      next_adjacent(NODES),
      bridge(EDGES),
      edge_piece(EDGES),
      piece(NODES),
      outflow(NODES),
      potential(NODES),
      scale(NODES),
      local(NODES, -1),
      degree(NODES),
      rank(NODES),
      elimination(NODES),
      eliminated(NODES) {
  edges.reserve(EDGES);
  stack.reserve(NODES);
  component_edges.reserve(EDGES);
  component_nodes.reserve(NODES);
  grouped.reserve(EDGES);
  order.reserve(NODES);
  class_floor.reserve(EDGES);
  local_node.reserve(NODES);
}

void SpreadLoopCurrents(Bench& bench) {
  LoopSpreader(bench, *bench.scratch).run();
}

}  // namespace voltaro
