#pragma once
// The plain Gauss-Jordan elimination with full pivoting on a dense copy of a
// system, step for step as a pupil's bench has always been solved. The fast
// solver must give exactly its bits.

#include <cmath>
#include <vector>

#include "model/solver.h"

namespace voltaro::testing {

class ReferenceSolver {
 public:
  explicit ReferenceSolver(int n)
      : n_(n), m_((n + 1) * (n + 1), 0.0), rhs_(n + 1, 0.0), solution_(n + 1, 0.0) {}

  // A copy of a built system, before it is solved.
  static ReferenceSolver CopyOf(const EquationSystem& sys) {
    ReferenceSolver r(sys.size());
    for (int i = 1; i <= r.n_; ++i) {
      for (int j = 1; j <= r.n_; ++j) r.at(i, j) = sys.get(i, j);
      r.rhs_[i] = sys.rhs(i);
    }
    return r;
  }

  int size() const { return n_; }
  double& at(int row, int col) { return m_[row * (n_ + 1) + col]; }
  double at(int row, int col) const { return m_[row * (n_ + 1) + col]; }
  double& rhs(int row) { return rhs_[row]; }
  double rhs_value(int row) const { return rhs_[row]; }
  double solution(int col) const { return solution_[col]; }

  void solve() {
    const int n = n_;
    std::vector<int> used_rows(n + 1, 0);
    int used = 0;
    for (;;) {
      double best = 0, pivot = 0;
      int prow = 0, pcol = 0;
      for (int j = 1; j <= n; ++j) {
        bool is_used = false;
        for (int u = 0; u < used; ++u) is_used |= used_rows[u] == j;
        if (is_used) continue;
        for (int l = 1; l <= n; ++l) {
          const double a = std::fabs(at(j, l));
          if (a >= best) {
            best = a;
            pivot = at(j, l);
            prow = j;
            pcol = l;
          }
        }
      }
      if (best == 0) break;
      used_rows[used++] = prow;
      for (int k = 1; k <= n; ++k) at(prow, k) = at(prow, k) / pivot;
      rhs_[prow] = rhs_[prow] / pivot;
      for (int j = 1; j <= n; ++j) {
        if (j == prow) continue;
        const double f = at(j, pcol);
        for (int k = 1; k <= n; ++k) at(j, k) = at(j, k) - f * at(prow, k);
        rhs_[j] = rhs_[j] - f * rhs_[prow];
      }
      if (used >= n) break;
    }
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (at(i, j) != 0) {
          solution_[j] = rhs_[i] / at(i, j);
          break;
        }
      }
    }
  }

  int classify() const {
    for (int i = 1; i <= n_; ++i) {
      int count = 0;
      for (int j = 1; j <= n_; ++j) count += at(i, j) != 0;
      if (count == 0) return 1;
      if (count >= 2) return 2;
    }
    return 0;
  }

 private:
  int n_;
  std::vector<double> m_;
  std::vector<double> rhs_;
  std::vector<double> solution_;
};

}  // namespace voltaro::testing
