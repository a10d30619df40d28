#include "model/solver.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace voltaro {
namespace {

constexpr int S = EquationSystem::STORAGE;

// The dense matrix is the one truth about every value; an entry whose bits
// are those of +0 is "empty". Only the sign of a zero could tell a skipped
// "x - 0 * y" from a done one, and no zero is ever a divisor here, so no
// empty entry can change any other value.
bool empty(double v) {
  return std::bit_cast<uint64_t>(v) == 0;
}

// For each line (a row, or a column) the indices of its entries that are not
// empty, in no particular order; `pos` gives an index's place in its list so
// that it can be taken out at once. A place is trusted only when the list
// holds that index there, so `pos` never needs clearing.
struct SparseLists {
  std::unique_ptr<int16_t[]> items{new int16_t[S * S]()};
  std::unique_ptr<int16_t[]> pos{new int16_t[S * S]()};
  std::unique_ptr<int[]> len{new int[S]()};

  const int16_t* begin(int line) const { return &items[line * S]; }
  const int16_t* end(int line) const { return &items[line * S] + len[line]; }
  void add(int line, int i) {
    items[line * S + len[line]] = static_cast<int16_t>(i);
    pos[line * S + i] = static_cast<int16_t>(len[line]++);
  }
  void remove(int line, int i) {
    const int at = pos[line * S + i];
    const int16_t last = items[line * S + --len[line]];
    items[line * S + at] = last;
    pos[line * S + last] = static_cast<int16_t>(at);
  }
};

// A tournament over the rows for the pivot search: every node holds the row
// with the larger coefficient maximum of its two halves, the later row on a
// tie, just as a row-major scan with ">=" ends on the last of equal values.
struct PivotTree {
  static constexpr int LEAVES = 512;
  static_assert(LEAVES >= S);
  std::unique_ptr<int[]> node{new int[2 * LEAVES]()};

  int winner() const { return node[1]; }
  void build(const double* row_max) {
    for (int r = 0; r < LEAVES; ++r) node[LEAVES + r] = r;
    for (int i = LEAVES - 1; i >= 1; --i) node[i] = pick(row_max, node[2 * i], node[2 * i + 1]);
  }
  // After row's maximum changed. Above a node whose winner stays the same
  // other row, nothing changes.
  void update(const double* row_max, int row) {
    for (int i = (LEAVES + row) / 2; i >= 1; i /= 2) {
      const int before = node[i];
      node[i] = pick(row_max, node[2 * i], node[2 * i + 1]);
      if (node[i] == before && before != row) return;
    }
  }
  // `left` comes from the half with the smaller row numbers.
  static int pick(const double* row_max, int left, int right) {
    return row_max[left] > row_max[right] ? left : right;
  }
};

struct Coefficient {
  int16_t row, col;
  double value;
};

}  // namespace

struct EquationSystem::Workspace {
  SparseLists rows;  // per row: its columns
  SparseLists cols;  // per column: its rows
  // Largest absolute coefficient of each row not yet used as a pivot row and
  // the last column holding it; -1 for used rows and rows outside 1..n.
  std::unique_ptr<double[]> row_max{new double[PivotTree::LEAVES]()};
  std::unique_ptr<int[]> row_arg{new int[PivotTree::LEAVES]()};
  std::unique_ptr<uint8_t[]> used{new uint8_t[S]()};
  PivotTree tree;
  // The divided pivot row's non-zero entries.
  std::unique_ptr<int[]> pivot_cols{new int[S]()};
  std::unique_ptr<double[]> pivot_vals{new double[S]()};

  // The last elimination done in full, as far as the right-hand side sees
  // it: per step the pivot row, the pivot and where its targets end; per
  // target the row and its factor. At most n targets in each of n steps.
  struct Step {
    int row;
    double pivot;
    int end;
  };
  std::unique_ptr<Step[]> steps{new Step[S]};
  int step_count = 0;
  std::unique_ptr<int[]> target_rows{new int[S * S]};
  std::unique_ptr<double[]> factors{new double[S * S]};
  // The matrix it left behind (each row holds little once eliminated).
  static constexpr int FINAL_ENTRIES = 16 * S;
  std::unique_ptr<Coefficient[]> final_entries{new Coefficient[FINAL_ENTRIES]};
  int final_count = 0;
  bool recorded = false;
  int recorded_n = -1;
  std::unique_ptr<double[]> rhs_work{new double[S]};

  // The coefficients written since reset(), in order, compared as they come
  // with those of the last system; a bench builds the same sequence for the
  // same network.
  static constexpr int LOG_ENTRIES = 16 * S;
  std::unique_ptr<Coefficient[]> log{new Coefficient[LOG_ENTRIES]};
  int log_count = -1;  // length of the last complete sequence; -1 none
  int log_pos = 0;
  bool log_same = false;
  // Set by reset(): a second solve() would eliminate an eliminated matrix,
  // which is no record of the system built.
  bool fresh = false;
};

EquationSystem::EquationSystem()
    : m_(new double[S * S]()),
      rhs_(new double[S]()),
      solution_(new double[S]()),
      w_(std::make_unique<Workspace>()) {}

EquationSystem::~EquationSystem() = default;

void EquationSystem::clear_entries() {
  Workspace& w = *w_;
  for (int r = 0; r < extent_; ++r) {
    for (const int16_t* c = w.rows.begin(r); c != w.rows.end(r); ++c) m_[index(r, *c)] = 0;
  }
  for (int i = 0; i < extent_; ++i) w.rows.len[i] = w.cols.len[i] = 0;
}

void EquationSystem::clear_written() {
  if (dense_) {
    // The plain elimination may have left signed zeros anywhere.
    for (int r = 0; r < extent_; ++r) std::memset(&m_[index(r, 0)], 0, sizeof(double) * S);
    for (int i = 0; i < extent_; ++i) w_->rows.len[i] = w_->cols.len[i] = 0;
  } else {
    clear_entries();
  }
  extent_ = 0;
  dense_ = false;
}

void EquationSystem::reset(int n) {
  clear_written();
  n_ = n;
  for (int r = 0; r <= n && r < S; ++r) rhs_[r] = solution_[r] = 0;
  extent_ = n + 1 < S ? n + 1 : S;
  w_->log_pos = 0;
  w_->log_same = w_->recorded && n == w_->recorded_n;
  w_->fresh = true;
}

void EquationSystem::add_entry(int row, int col) {
  w_->rows.add(row, col);
  w_->cols.add(col, row);
}

void EquationSystem::remove_entry(int row, int col) {
  w_->rows.remove(row, col);
  w_->cols.remove(col, row);
}

void EquationSystem::log_coefficient(int row, int col, double value) {
  Workspace& w = *w_;
  const int k = w.log_pos++;
  if (k >= Workspace::LOG_ENTRIES) {
    w.log_same = false;
    return;
  }
  Coefficient& c = w.log[k];
  if (k < w.log_count && c.row == row && c.col == col &&
      std::bit_cast<uint64_t>(c.value) == std::bit_cast<uint64_t>(value)) {
    return;
  }
  w.log_same = false;
  c = {static_cast<int16_t>(row), static_cast<int16_t>(col), value};
}

void EquationSystem::set(int row, int col, double value) {
  // The elimination sees rows and columns 1..n only.
  if (row < 1 || row > n_ || col < 1 || col > n_) return;
  log_coefficient(row, col, value);
  double& e = m_[index(row, col)];
  const bool was_empty = empty(e);
  e = value;
  if (dense_) return;
  if (was_empty && !empty(value)) add_entry(row, col);
  if (!was_empty && empty(value)) remove_entry(row, col);
}

void EquationSystem::rescan_row_max(int row) {
  Workspace& w = *w_;
  double best = 0;
  int arg = 0;
  const double* mr = &m_[index(row, 0)];
  for (const int16_t* c = w.rows.begin(row); c != w.rows.end(row); ++c) {
    const double a = std::fabs(mr[*c]);
    if (a > best || (a == best && *c > arg)) {
      best = a;
      arg = *c;
    }
  }
  w.row_max[row] = best;
  w.row_arg[row] = arg;
}

void EquationSystem::solve() {
  Workspace& w = *w_;
  const int n = n_;
  const bool fresh = w.fresh;
  const bool same_system = fresh && w.log_same && w.log_pos == w.log_count;
  w.log_count = w.log_pos <= Workspace::LOG_ENTRIES ? w.log_pos : -1;
  w.fresh = w.log_same = false;
  replayed_ = same_system && replay();
  if (replayed_) return;
  w.recorded = false;
  if (dense_) {
    // Values were written behind the lists' back; start from scratch.
    for (int r = 0; r <= n; ++r) w.used[r] = 0;
    finish_densely(0, 0, 0);
    return;
  }
  for (int r = 0; r < PivotTree::LEAVES; ++r) w.row_max[r] = -1;
  for (int r = 1; r <= n; ++r) {
    w.used[r] = 0;
    rescan_row_max(r);
  }
  w.tree.build(w.row_max.get());

  w.step_count = 0;
  int targets_end = 0;
  for (int used = 0; used < n;) {
    const int p = w.tree.winner();
    if (!(w.row_max[p] > 0)) break;
    const int pcol = w.row_arg[p];
    const double pivot = m_[index(p, pcol)];
    w.used[p] = 1;
    ++used;
    w.row_max[p] = -1;
    w.tree.update(w.row_max.get(), p);

    // Divide the pivot row; zeros stay zeros. Every divided entry is at most
    // 1 in size (the pivot is the row's largest), so only an infinite or
    // undefined coefficient can make a value that is not finite.
    bool finite = true;
    int np = 0;
    double* mp = &m_[index(p, 0)];
    for (int i = w.rows.len[p] - 1; i >= 0; --i) {
      const int k = w.rows.begin(p)[i];
      const double v = mp[k] / pivot;
      mp[k] = v;
      finite &= std::isfinite(v);
      if (empty(v)) {
        remove_entry(p, k);
      } else if (v != 0) {
        w.pivot_cols[np] = k;
        w.pivot_vals[np++] = v;
      }
    }
    rhs_[p] = rhs_[p] / pivot;
    finite &= std::isfinite(rhs_[p]);

    int* const target_rows = &w.target_rows[targets_end];
    double* const factors = &w.factors[targets_end];
    int nt = 0;
    for (const int16_t* r = w.cols.begin(pcol); r != w.cols.end(pcol); ++r) {
      const double f = m_[index(*r, pcol)];
      if (*r == p || f == 0) continue;
      finite &= std::isfinite(f);
      target_rows[nt] = *r;
      factors[nt++] = f;
    }
    // 0 x inf is undefined: with such values about, skipping is not exact.
    if (!finite) {
      finish_densely(used, p, pcol);
      return;
    }
    targets_end += nt;
    w.steps[w.step_count++] = {p, pivot, targets_end};

    const double rhs_p = rhs_[p];
    for (int t = 0; t < nt; ++t) {
      const int j = target_rows[t];
      const double f = factors[t];
      double* mj = &m_[index(j, 0)];
      // The largest changed entry, and what became of the row's old largest.
      const int old_arg = w.row_arg[j];
      double best = -1, at_old_arg = -1;
      int arg = 0;
      bool old_arg_changed = false;
      for (int i = 0; i < np; ++i) {
        const int k = w.pivot_cols[i];
        const double before = mj[k];
        const double after = before - f * w.pivot_vals[i];
        mj[k] = after;
        if (empty(before)) {
          if (!empty(after)) add_entry(j, k);
        } else if (empty(after)) {
          remove_entry(j, k);
        }
        const double a = std::fabs(after);
        if (a > best || (a == best && k > arg)) {
          best = a;
          arg = k;
        }
        if (k == old_arg) {
          old_arg_changed = true;
          at_old_arg = a;
        }
      }
      rhs_[j] = rhs_[j] - f * rhs_p;
      if (w.used[j]) continue;

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
      if (w.row_max[j] != old_max) w.tree.update(w.row_max.get(), j);
    }
  }
  if (fresh) record_result();
  read_off();
}

void EquationSystem::record_result() {
  Workspace& w = *w_;
  int count = 0;
  for (int r = 1; r <= n_; ++r) {
    if (count + w.rows.len[r] > Workspace::FINAL_ENTRIES) return;
    for (const int16_t* c = w.rows.begin(r); c != w.rows.end(r); ++c) {
      w.final_entries[count++] = {static_cast<int16_t>(r), *c, m_[index(r, *c)]};
    }
  }
  w.final_count = count;
  w.recorded = true;
  w.recorded_n = n_;
}

// The matrix is that of the recorded elimination, so its pivots and factors
// are too; only the right-hand side is carried through them. A right-hand
// value that is not finite would make the skipped zero factors count (0 x
// inf), so then the elimination is done in full after all.
bool EquationSystem::replay() {
  Workspace& w = *w_;
  double* b = w.rhs_work.get();
  for (int i = 1; i <= n_; ++i) b[i] = rhs_[i];
  int t = 0;
  for (int s = 0; s < w.step_count; ++s) {
    const Workspace::Step& step = w.steps[s];
    const double bp = b[step.row] = b[step.row] / step.pivot;
    if (!std::isfinite(bp)) return false;
    for (; t < step.end; ++t) b[w.target_rows[t]] = b[w.target_rows[t]] - w.factors[t] * bp;
  }
  for (int i = 1; i <= n_; ++i) rhs_[i] = b[i];
  clear_entries();
  for (int e = 0; e < w.final_count; ++e) {
    const Coefficient& c = w.final_entries[e];
    m_[index(c.row, c.col)] = c.value;
    add_entry(c.row, c.col);
  }
  read_off();
  return true;
}

void EquationSystem::read_off() {
  for (int i = 1; i <= n_; ++i) {
    int first = S;
    for (const int16_t* c = w_->rows.begin(i); c != w_->rows.end(i); ++c) {
      if (*c < first && m_[index(i, *c)] != 0) first = *c;
    }
    if (first < S) solution_[first] = rhs_[i] / m_[index(i, first)];
  }
}

void EquationSystem::finish_densely(int used, int prow, int pcol) {
  Workspace& w = *w_;
  const int n = n_;
  dense_ = true;
  for (;;) {
    if (prow != 0) {
      for (int j = 1; j <= n; ++j) {
        if (j == prow) continue;
        const double f = m_[index(j, pcol)];
        for (int k = 1; k <= n; ++k) m_[index(j, k)] = m_[index(j, k)] - f * m_[index(prow, k)];
        rhs_[j] = rhs_[j] - f * rhs_[prow];
      }
      if (used >= n) break;
    }
    double best = 0, pivot = 0;
    prow = 0;
    for (int j = 1; j <= n; ++j) {
      if (w.used[j]) continue;
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
    w.used[prow] = 1;
    ++used;
    for (int k = 1; k <= n; ++k) m_[index(prow, k)] = m_[index(prow, k)] / pivot;
    rhs_[prow] = rhs_[prow] / pivot;
  }
  read_off_dense();
}

void EquationSystem::read_off_dense() {
  for (int i = 1; i <= n_; ++i) {
    for (int j = 1; j <= n_; ++j) {
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
    if (dense_) {
      for (int j = 1; j <= n_; ++j) count += m_[index(i, j)] != 0;
    } else {
      for (const int16_t* c = w_->rows.begin(i); c != w_->rows.end(i); ++c) {
        count += m_[index(i, *c)] != 0;
      }
    }
    if (count == 0) return 1;
    if (count >= 2) return 2;
  }
  return 0;
}

}  // namespace voltaro
