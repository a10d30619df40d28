#include "model/solver.h"

#include <cmath>
#include <cstring>

namespace voltaro {

EquationSystem::EquationSystem()
    : m_(new double[STORAGE * STORAGE]()),
      rhs_(new double[STORAGE]()),
      solution_(new double[STORAGE]()),
      used_rows_(new int[STORAGE + 1]()) {}

EquationSystem::~EquationSystem() = default;

void EquationSystem::reset(int n) {
  n_ = n;
  for (int r = 0; r <= n && r < STORAGE; ++r) {
    std::memset(&m_[index(r, 0)], 0, sizeof(double) * STORAGE);
    rhs_[r] = 0;
    solution_[r] = 0;
  }
}

void EquationSystem::set(int row, int col, double value) { m_[index(row, col)] = value; }

void EquationSystem::solve() {
  const int n = n_;
  for (int i = 0; i <= n; ++i) used_rows_[i] = 0;
  int used = 0;
  for (;;) {
    double best = 0, pivot = 0;
    int prow = 0, pcol = 0;
    for (int j = 1; j <= n; ++j) {
      bool is_used = false;
      for (int u = 0; u < used; ++u) is_used |= used_rows_[u] == j;
      if (is_used) continue;
      for (int l = 1; l <= n; ++l) {
        const double a = std::fabs(m_[index(j, l)]);
        if (a >= best) {
          best = a;
          pivot = m_[index(j, l)];
          prow = j;
          pcol = l;
        }
      }
    }
    if (best == 0) break;
    used_rows_[used++] = prow;
    for (int k = 1; k <= n; ++k) m_[index(prow, k)] = m_[index(prow, k)] / pivot;
    rhs_[prow] = rhs_[prow] / pivot;
    for (int j = 1; j <= n; ++j) {
      if (j == prow) continue;
      const double f = m_[index(j, pcol)];
      for (int k = 1; k <= n; ++k) m_[index(j, k)] = m_[index(j, k)] - f * m_[index(prow, k)];
      rhs_[j] = rhs_[j] - f * rhs_[prow];
    }
    if (used >= n) break;
  }
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (m_[index(i, j)] != 0) {
        solution_[j] = rhs_[i] / m_[index(i, j)];
        break;
      }
    }
  }
}

int EquationSystem::classify() const {
  for (int i = 1; i <= n_; ++i) {
    int count = 0;
    for (int j = 1; j <= n_; ++j) count += m_[index(i, j)] != 0;
    if (count == 0) return 1;
    if (count >= 2) return 2;
  }
  return 0;
}

}  // namespace voltaro
