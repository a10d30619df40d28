#include "model/solver.h"

#include <cmath>

#include "model/solver_storage.h"

namespace voltaro {

using solver::Buffer;
using solver::Coefficient;
using solver::DenseMatrix;
using solver::empty;
using solver::PivotTree;
using solver::Reserve;
using solver::RowMatrix;

struct EquationSystem::Workspace {
  // Largest absolute coefficient of each row not yet used as a pivot row and
  // the last column holding it; -1 for used rows and rows outside 1..n.
  std::vector<double> row_max;
  std::vector<int> row_arg;
  std::vector<uint8_t> used;
  PivotTree tree;
  // The divided pivot row's non-zero entries.
  std::vector<int> pivot_cols;
  std::vector<double> pivot_vals;

  // The last elimination done in full, as far as the right-hand side sees
  // it: per step the pivot row, the pivot and where its targets end; per
  // target the row and its factor.
  struct Step {
    int row;
    double pivot;
    int end;
  };
  std::vector<Step> steps;
  int step_count = 0;
  Buffer<int> target_rows;
  Buffer<double> factors;
  // The matrix it left behind (each row holds little once eliminated); not
  // recorded when it holds more than this many entries per row on average.
  static constexpr int FINAL_ENTRIES_PER_ROW = 16;
  Buffer<Coefficient> final_entries;
  int final_count = 0;
  bool recorded = false;
  int recorded_n = -1;
  std::vector<double> rhs_work;

  // The coefficients written since reset(), in order, compared as they come
  // with those of the last system; a bench builds the same sequence for the
  // same network.
  Buffer<Coefficient> log;
  int log_count = -1;  // length of the last complete sequence; -1 none
  int log_pos = 0;
  bool log_same = false;
  // Set by reset(): a second solve() would eliminate an eliminated matrix,
  // which is no record of the system built.
  bool fresh = false;

  void reserve(int n) {
    tree.reserve(n + 1);
    Reserve(row_max, tree.leaves);
    Reserve(row_arg, tree.leaves);
    Reserve(used, n + 1);
    Reserve(pivot_cols, n + 1);
    Reserve(pivot_vals, n + 1);
    Reserve(steps, n + 1);
    Reserve(rhs_work, n + 1);
    final_entries.reserve(static_cast<size_t>(FINAL_ENTRIES_PER_ROW) * (n + 1));
    log.reserve(static_cast<size_t>(FINAL_ENTRIES_PER_ROW) * (n + 1));
  }
};

struct EquationSystem::Storage {
  DenseMatrix dense;
  RowMatrix rows;
};

static_assert(DenseMatrix::STRIDE > EquationSystem::DENSE_LIMIT);

namespace solver {

// The elimination over one kind of storage; both kinds give the same bits.
template <class Matrix>
class Elimination {
 public:
  Elimination(EquationSystem& sys, Matrix& m) : sys_(sys), w_(*sys.w_), m_(m) {}

  void set(int row, int col, double value);
  void solve();
  SolveStatus classify() const;

 private:
  void rescan_row_max(int row);
  void record_result();
  bool replay();
  void read_off();
  // Does the rest of the elimination the plain way, from the step whose pivot
  // row `prow` has just been divided by its pivot, where every coefficient is
  // kept; gives up on a large system.
  void finish_densely(int used, int prow, int pcol);
  void eliminate_plainly(int used, int prow, int pcol);
  void read_off_dense();

  EquationSystem& sys_;
  EquationSystem::Workspace& w_;
  Matrix& m_;
};

template <class Matrix>
void Elimination<Matrix>::set(int row, int col, double value) {
  if constexpr (Matrix::KEEPS_EVERY_CELL) {
    // Values written behind the lists' back: the plain elimination follows.
    if (sys_.dense_) {
      m_.at(row, col) = value;
      return;
    }
  }
  m_.write(row, col, value);
}

template <class Matrix>
void Elimination<Matrix>::rescan_row_max(int row) {
  double best = 0;
  int arg = 0;
  for (int i = 0; i < m_.row_len(row); ++i) {
    const double a = std::fabs(m_.value_at(row, i));
    const int c = m_.col_at(row, i);
    if (a > best || (a == best && c > arg)) {
      best = a;
      arg = c;
    }
  }
  w_.row_max[row] = best;
  w_.row_arg[row] = arg;
}

template <class Matrix>
void Elimination<Matrix>::solve() {
  EquationSystem::Workspace& w = w_;
  Matrix& m = m_;
  std::vector<double>& rhs = sys_.rhs_;
  const int n = sys_.n_;
  const bool fresh = w.fresh;
  const bool same_system = fresh && w.log_same && w.log_pos == w.log_count;
  w.log_count = w.log_pos;
  w.fresh = w.log_same = false;
  sys_.replayed_ = same_system && replay();
  if (sys_.replayed_) return;
  w.recorded = false;
  if (sys_.dense_) {
    // Values were written behind the lists' back; start from scratch.
    for (int r = 0; r <= n; ++r) w.used[r] = 0;
    finish_densely(0, 0, 0);
    return;
  }
  for (int r = 0; r < w.tree.leaves; ++r) w.row_max[r] = -1;
  for (int r = 1; r <= n; ++r) {
    w.used[r] = 0;
    rescan_row_max(r);
  }
  w.tree.build(w.row_max.data());

  w.step_count = 0;
  int targets_end = 0;
  for (int used = 0; used < n;) {
    const int p = w.tree.winner();
    if (!(w.row_max[p] > 0)) break;
    const int pcol = w.row_arg[p];
    const double pivot = m.get(p, pcol);
    w.used[p] = 1;
    ++used;
    w.row_max[p] = -1;
    w.tree.update(w.row_max.data(), p);

    // Divide the pivot row; zeros stay zeros. Every divided entry is at most
    // 1 in size (the pivot is the row's largest), so only an infinite or
    // undefined coefficient can make a value that is not finite.
    bool finite = true;
    int np = 0;
    for (int i = m.row_len(p) - 1; i >= 0; --i) {
      const int k = m.col_at(p, i);
      double& cell = m.value_at(p, i);
      const double v = cell / pivot;
      cell = v;
      finite &= std::isfinite(v);
      if (empty(v)) {
        m.remove_at(p, i);
      } else if (v != 0) {
        w.pivot_cols[np] = k;
        w.pivot_vals[np++] = v;
      }
    }
    rhs[p] = rhs[p] / pivot;
    finite &= std::isfinite(rhs[p]);

    w.target_rows.reserve(targets_end + m.column_len(pcol));
    w.factors.reserve(targets_end + m.column_len(pcol));
    int* const target_rows = &w.target_rows[targets_end];
    double* const factors = &w.factors[targets_end];
    int nt = 0;
    for (int i = 0; i < m.column_len(pcol); ++i) {
      const int r = m.row_in_column(pcol, i);
      const double f = m.value_in_column(pcol, i);
      if (r == p || f == 0) continue;
      finite &= std::isfinite(f);
      target_rows[nt] = r;
      factors[nt++] = f;
    }
    // 0 x inf is undefined: with such values about, skipping is not exact.
    if (!finite) {
      finish_densely(used, p, pcol);
      return;
    }
    targets_end += nt;
    w.steps[w.step_count++] = {p, pivot, targets_end};

    const double rhs_p = rhs[p];
    m.mark_pivot_row(w.pivot_cols.data(), np, pcol);
    for (int t = 0; t < nt; ++t) {
      const int j = target_rows[t];
      const double f = factors[t];
      rhs[j] = rhs[j] - f * rhs_p;
      // A used row is never searched for a pivot again: its largest entry no
      // longer matters.
      if (w.used[j]) {
        m.subtract(j, f, w.pivot_cols.data(), w.pivot_vals.data(), np, [](int, double) {});
        continue;
      }
      // The largest changed entry, and what became of the row's old largest.
      const int old_arg = w.row_arg[j];
      double best = -1, at_old_arg = -1;
      int arg = 0;
      bool old_arg_changed = false;
      m.subtract(j, f, w.pivot_cols.data(), w.pivot_vals.data(), np, [&](int k, double after) {
        const double a = std::fabs(after);
        if (a > best || (a == best && k > arg)) {
          best = a;
          arg = k;
        }
        if (k == old_arg) {
          old_arg_changed = true;
          at_old_arg = a;
        }
      });

      // Entries left alone are at most the old maximum, and those equal to it
      // lie before its column; so the old maximum still stands unless its own
      // entry shrank and nothing changed grew past it.
      const double old_max = w.row_max[j];
      if (!old_arg_changed) {
        if (best > old_max || (best == old_max && arg > old_arg)) {
          w.row_max[j] = best;
          w.row_arg[j] = arg;
        }
      } else if (at_old_arg >= old_max || best > old_max) {
        w.row_max[j] = best;
        w.row_arg[j] = arg;
      } else {
        rescan_row_max(j);
      }
      if (w.row_max[j] != old_max) w.tree.update(w.row_max.data(), j);
    }
    m.unmark_pivot_row(w.pivot_cols.data(), np);
  }
  if (fresh) record_result();
  read_off();
}

template <class Matrix>
void Elimination<Matrix>::record_result() {
  EquationSystem::Workspace& w = w_;
  const int n = sys_.n_;
  int count = 0;
  for (int r = 1; r <= n; ++r) {
    if (count + m_.row_len(r) > EquationSystem::Workspace::FINAL_ENTRIES_PER_ROW * (n + 1)) return;
    for (int i = 0; i < m_.row_len(r); ++i) {
      w.final_entries[count++] = {static_cast<int16_t>(r), static_cast<int16_t>(m_.col_at(r, i)),
                                  m_.value_at(r, i)};
    }
  }
  w.final_count = count;
  w.recorded = true;
  w.recorded_n = n;
}

// The matrix is that of the recorded elimination, so its pivots and factors
// are too; only the right-hand side is carried through them. A right-hand
// value that is not finite would make the skipped zero factors count (0 x
// inf), so then the elimination is done in full after all.
template <class Matrix>
bool Elimination<Matrix>::replay() {
  EquationSystem::Workspace& w = w_;
  std::vector<double>& rhs = sys_.rhs_;
  const int n = sys_.n_;
  double* b = w.rhs_work.data();
  for (int i = 1; i <= n; ++i) b[i] = rhs[i];
  int t = 0;
  for (int s = 0; s < w.step_count; ++s) {
    const EquationSystem::Workspace::Step& step = w.steps[s];
    const double bp = b[step.row] = b[step.row] / step.pivot;
    if (!std::isfinite(bp)) return false;
    for (; t < step.end; ++t) b[w.target_rows[t]] = b[w.target_rows[t]] - w.factors[t] * bp;
  }
  for (int i = 1; i <= n; ++i) rhs[i] = b[i];
  m_.clear(sys_.extent_);
  for (int e = 0; e < w.final_count; ++e) {
    const Coefficient& c = w.final_entries[e];
    m_.insert(c.row, c.col, c.value);
  }
  read_off();
  return true;
}

template <class Matrix>
void Elimination<Matrix>::read_off() {
  const int n = sys_.n_;
  for (int i = 1; i <= n; ++i) {
    int first = n + 1;
    double value = 0;
    for (int e = 0; e < m_.row_len(i); ++e) {
      const int c = m_.col_at(i, e);
      if (c < first && m_.value_at(i, e) != 0) {
        first = c;
        value = m_.value_at(i, e);
      }
    }
    if (first <= n) sys_.solution_[first] = sys_.rhs_[i] / value;
  }
}

template <class Matrix>
void Elimination<Matrix>::finish_densely(int used, int prow, int pcol) {
  if constexpr (Matrix::KEEPS_EVERY_CELL) {
    eliminate_plainly(used, prow, pcol);
  } else {
    // The plain elimination would need every coefficient of a large system;
    // a bench with values that are not numbers gets no solution instead.
    sys_.gave_up_ = true;
    for (int r = 0; r <= sys_.n_; ++r) sys_.solution_[r] = 0;
  }
}

template <class Matrix>
void Elimination<Matrix>::eliminate_plainly(int used, int prow, int pcol) {
  EquationSystem::Workspace& w = w_;
  std::vector<double>& rhs = sys_.rhs_;
  const int n = sys_.n_;
  sys_.dense_ = true;
  for (;;) {
    if (prow != 0) {
      for (int j = 1; j <= n; ++j) {
        if (j == prow) continue;
        const double f = m_.at(j, pcol);
        for (int k = 1; k <= n; ++k) m_.at(j, k) = m_.at(j, k) - f * m_.at(prow, k);
        rhs[j] = rhs[j] - f * rhs[prow];
      }
      if (used >= n) break;
    }
    double best = 0, pivot = 0;
    prow = 0;
    for (int j = 1; j <= n; ++j) {
      if (w.used[j]) continue;
      for (int l = 1; l <= n; ++l) {
        const double a = std::fabs(m_.at(j, l));
        if (a >= best) {
          best = a;
          pivot = m_.at(j, l);
          prow = j;
          pcol = l;
        }
      }
    }
    if (best == 0) break;
    w.used[prow] = 1;
    ++used;
    for (int k = 1; k <= n; ++k) m_.at(prow, k) = m_.at(prow, k) / pivot;
    rhs[prow] = rhs[prow] / pivot;
  }
  read_off_dense();
}

template <class Matrix>
void Elimination<Matrix>::read_off_dense() {
  const int n = sys_.n_;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (m_.at(i, j) != 0) {
        sys_.solution_[j] = sys_.rhs_[i] / m_.at(i, j);
        break;
      }
    }
  }
}

template <class Matrix>
SolveStatus Elimination<Matrix>::classify() const {
  const int n = sys_.n_;
  for (int i = 1; i <= n; ++i) {
    int count = 0;
    if (sys_.dense_) {
      for (int j = 1; j <= n; ++j) count += m_.get(i, j) != 0;
    } else {
      for (int e = 0; e < m_.row_len(i); ++e) count += m_.value_at(i, e) != 0;
    }
    if (count == 0) return STATUS_DEPENDENT;
    if (count >= 2) return STATUS_COUPLED;
  }
  return STATUS_SOLVED;
}

}  // namespace solver

EquationSystem::EquationSystem()
    : m_(std::make_unique<Storage>()), w_(std::make_unique<Workspace>()) {
  reset(0);
}

EquationSystem::~EquationSystem() = default;

double EquationSystem::get(int row, int col) const {
  return rows_kept_ ? m_->rows.get(row, col) : m_->dense.get(row, col);
}

void EquationSystem::clear_written() {
  if (rows_kept_) {
    m_->rows.clear(extent_);
  } else if (dense_) {
    // The plain elimination may have left signed zeros anywhere.
    m_->dense.zero_rows(extent_);
  } else {
    m_->dense.clear(extent_);
  }
  extent_ = 0;
  dense_ = false;
}

void EquationSystem::reset(int n) {
  clear_written();
  n_ = n;
  rows_kept_ = n > DENSE_LIMIT;
  if (rows_kept_) {
    m_->rows.reserve(n);
  } else {
    m_->dense.reserve(n);
  }
  Workspace& w = *w_;
  w.reserve(n);
  if (!rows_kept_) {
    // A system of this size gets everything any elimination of it can need,
    // so that a bench analysed once is analysed again without touching the
    // heap; larger ones grow as their fill needs.
    w.target_rows.reserve(static_cast<size_t>(n + 1) * (n + 1));
    w.factors.reserve(static_cast<size_t>(n + 1) * (n + 1));
  }
  Reserve(rhs_, n + 1);
  Reserve(solution_, n + 1);
  for (int r = 0; r <= n; ++r) rhs_[r] = solution_[r] = 0;
  extent_ = n + 1;
  gave_up_ = false;
  w.log_pos = 0;
  w.log_same = w.recorded && n == w.recorded_n;
  w.fresh = true;
}

void EquationSystem::set(int row, int col, double value) {
  // The elimination sees rows and columns 1..n only.
  if (row < 1 || row > n_ || col < 1 || col > n_) return;
  Workspace& w = *w_;
  const int k = w.log_pos++;
  w.log.reserve(k + 1);
  Coefficient& c = w.log[k];
  if (k >= w.log_count || c.row != row || c.col != col ||
      std::bit_cast<uint64_t>(c.value) != std::bit_cast<uint64_t>(value)) {
    w.log_same = false;
    c = {static_cast<int16_t>(row), static_cast<int16_t>(col), value};
  }
  if (rows_kept_) {
    solver::Elimination(*this, m_->rows).set(row, col, value);
  } else {
    solver::Elimination(*this, m_->dense).set(row, col, value);
  }
}

void EquationSystem::solve() {
  if (rows_kept_) {
    solver::Elimination(*this, m_->rows).solve();
  } else {
    solver::Elimination(*this, m_->dense).solve();
  }
}

SolveStatus EquationSystem::classify() const {
  auto& self = const_cast<EquationSystem&>(*this);
  return rows_kept_ ? solver::Elimination(self, self.m_->rows).classify()
                    : solver::Elimination(self, self.m_->dense).classify();
}

}  // namespace voltaro
