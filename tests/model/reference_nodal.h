#pragma once
// An independent reference for benches full of parts of (nearly) no
// resistance: nodal analysis in quadruple precision, in which every wire and every
// near-zero part is an ideal junction (a near-zero supply fixes the step of
// potential across it) and every other branch a conductance behind its emf.
// It knows the potentials and the currents of the ordinary branches; how a
// loop of ideal junctions shares its current it leaves open.

#include <cmath>
#include <vector>

#include "model/bench.h"
#include "model/loop_currents.h"
#include "model/netlist.h"
#include "model/tables.h"

namespace voltaro::testing {

// Quadruple precision: a junction held only by an open contact (1e-14 S)
// would otherwise take the rounding of everything else, magnified 1e14 times.
using Quad = __float128;
inline Quad Magnitude(Quad x) {
  return x < 0 ? -x : x;
}

struct NodalResult {
  // Supplies round a loop of junctions disagree: a short circuit, which has
  // no finite answer here.
  bool shorted = false;
  std::vector<long double> voltage;  // per branch, V(a) - V(b)
  std::vector<long double> current;  // per ordinary branch, from a to b
};

class NodalReference {
 public:
  // The branch list and the wires as they stand after the analysis has
  // written them (ground links may be present or not).
  static NodalResult Solve(const Bench& bench) {
    NodalReference r(bench);
    return r.solve();
  }

 private:
  explicit NodalReference(const Bench& bench)
      : bench_(bench),
        branches_(CountBranches(bench)),
        parent_(2 * branches_),
        offset_(2 * branches_, 0),
        piece_(2 * branches_) {
    for (int i = 0; i < 2 * branches_; ++i) parent_[i] = piece_[i] = i;
  }

  int node(int32_t id) const {
    for (int i = 0; i < branches_; ++i) {
      if (bench_.branches[i].node_a == id) return 2 * i;
      if (bench_.branches[i].node_b == id) return 2 * i + 1;
    }
    return -1;
  }
  // Root of x, with offset_[x] = V(x) - V(root).
  int find(int x) {
    if (parent_[x] == x) return x;
    const int p = parent_[x];
    const int r = find(p);
    offset_[x] += offset_[p];
    parent_[x] = r;
    return r;
  }
  // V(x) - V(y) = step.
  void tie(int x, int y, Quad step, Quad size) {
    const int rx = find(x), ry = find(y);
    if (rx == ry) {
      if (Magnitude(offset_[x] - offset_[y] - step) > Quad(1e-12) * (1 + size))
        result_.shorted = true;
      return;
    }
    offset_[ry] = offset_[x] - offset_[y] - step;
    parent_[ry] = rx;
  }
  int piece(int x) { return piece_[x] == x ? x : piece_[x] = piece(piece_[x]); }

  NodalResult solve() {
    Quad size = 0;
    for (int i = 0; i < branches_; ++i) size += std::fabs(bench_.branches[i].emf);
    for (int i = 0; i < CountWires(bench_); ++i) {
      const int a = node(bench_.wires[i].node_a), b = node(bench_.wires[i].node_b);
      if (a < 0 || b < 0) continue;
      tie(a, b, 0, size);
      piece_[piece(a)] = piece(b);
    }
    for (int i = 0; i < branches_; ++i) {
      const BranchRecord& b = bench_.branches[i];
      if (IsNearZero(b.resistance)) tie(2 * i, 2 * i + 1, b.emf, size);
      piece_[piece(2 * i)] = piece(2 * i + 1);
    }
    if (result_.shorted) return result_;

    // One unknown per junction; one junction of each connected piece is 0 V.
    std::vector<int> unknown(2 * branches_, -1);
    std::vector<int> grounded(2 * branches_, -1);
    int m = 0;
    for (int x = 0; x < 2 * branches_; ++x) {
      const int r = find(x);
      if (unknown[r] < 0) unknown[r] = m++;
      if (grounded[piece(x)] < 0) grounded[piece(x)] = r;
    }
    std::vector<Quad> g(static_cast<size_t>(m) * m, 0), rhs(m, 0);
    const auto at = [&](int i, int j) -> Quad& { return g[static_cast<size_t>(i) * m + j]; };
    for (int i = 0; i < branches_; ++i) {
      const BranchRecord& b = bench_.branches[i];
      if (IsNearZero(b.resistance)) continue;
      const int ra = find(2 * i), rb = find(2 * i + 1);
      if (ra == rb) continue;
      const Quad c = 1 / Quad(b.resistance);
      const Quad fixed = c * (offset_[2 * i] - offset_[2 * i + 1] - b.emf);
      const int ua = unknown[ra], ub = unknown[rb];
      at(ua, ua) += c;
      at(ua, ub) -= c;
      rhs[ua] -= fixed;
      at(ub, ub) += c;
      at(ub, ua) -= c;
      rhs[ub] += fixed;
    }
    for (int x = 0; x < 2 * branches_; ++x) {
      const int u = unknown[find(x)];
      if (grounded[piece(x)] != find(x)) continue;
      for (int j = 0; j < m; ++j) at(u, j) = 0;
      at(u, u) = 1;
      rhs[u] = 0;
    }
    std::vector<Quad> v = Eliminate(g, rhs, m);

    result_.voltage.resize(branches_);
    result_.current.resize(branches_);
    const auto potential = [&](int x) { return v[unknown[find(x)]] + offset_[x]; };
    for (int i = 0; i < branches_; ++i) {
      const BranchRecord& b = bench_.branches[i];
      const Quad voltage = potential(2 * i) - potential(2 * i + 1);
      result_.voltage[i] = static_cast<long double>(voltage);
      result_.current[i] =
          IsNearZero(b.resistance) ? 0 : static_cast<long double>((voltage - b.emf) / b.resistance);
    }
    return result_;
  }

  // Gaussian elimination with partial pivoting.
  static std::vector<Quad> Eliminate(std::vector<Quad>& a, std::vector<Quad>& b, int m) {
    const auto at = [&](int i, int j) -> Quad& { return a[static_cast<size_t>(i) * m + j]; };
    for (int k = 0; k < m; ++k) {
      int p = k;
      for (int i = k + 1; i < m; ++i) {
        if (Magnitude(at(i, k)) > Magnitude(at(p, k))) p = i;
      }
      for (int j = 0; j < m; ++j) std::swap(at(k, j), at(p, j));
      std::swap(b[k], b[p]);
      for (int i = k + 1; i < m; ++i) {
        const Quad f = at(i, k) / at(k, k);
        if (f == 0) continue;
        for (int j = k; j < m; ++j) at(i, j) -= f * at(k, j);
        b[i] -= f * b[k];
      }
    }
    std::vector<Quad> x(m, 0);
    for (int k = m - 1; k >= 0; --k) {
      Quad s = b[k];
      for (int j = k + 1; j < m; ++j) s -= at(k, j) * x[j];
      x[k] = s / at(k, k);
    }
    return x;
  }

  const Bench& bench_;
  int branches_;
  std::vector<int> parent_;
  std::vector<Quad> offset_;
  std::vector<int> piece_;
  NodalResult result_;
};

}  // namespace voltaro::testing
