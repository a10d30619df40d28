#include "model/solver.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace voltaro {
namespace {

// The matrix is the one truth about every value; an entry whose bits are
// those of +0 is "empty". Only the sign of a zero could tell a skipped
// "x - 0 * y" from a done one, and no zero is ever a divisor here, so no
// empty entry can change any other value.
bool empty(double v) {
  return std::bit_cast<uint64_t>(v) == 0;
}

// For each line (a row, or a column) the indices of its entries that are not
// empty, in no particular order. Each entry's place in its row's and its
// column's list is kept with its value, so that it can be taken out at once;
// a place is trusted only when the list holds that index there, so places
// never need clearing.
struct SparseLists {
  std::vector<std::vector<int16_t>> items;

  void reserve(int lines) {
    if (static_cast<int>(items.size()) < lines) items.resize(lines);
  }
  // Room for `entries` in every line up to `lines`.
  void reserve_all(int lines, int entries) {
    for (int i = 0; i < lines; ++i) items[i].reserve(entries);
  }
  const int16_t* begin(int line) const { return items[line].data(); }
  const int16_t* end(int line) const { return items[line].data() + items[line].size(); }
  int len(int line) const { return static_cast<int>(items[line].size()); }
};

// A tournament over the rows for the pivot search: every node holds the row
// with the larger coefficient maximum of its two halves, the later row on a
// tie, just as a row-major scan with ">=" ends on the last of equal values.
struct PivotTree {
  int leaves = 0;
  std::vector<int> node;

  void reserve(int rows) {
    int l = 2;
    while (l < rows) l *= 2;
    if (l > leaves) {
      leaves = l;
      node.assign(2 * l, 0);
    }
  }
  int winner() const { return node[1]; }
  void build(const double* row_max) {
    for (int r = 0; r < leaves; ++r) node[leaves + r] = r;
    for (int i = leaves - 1; i >= 1; --i) node[i] = pick(row_max, node[2 * i], node[2 * i + 1]);
  }
  // After row's maximum changed. Above a node whose winner stays the same
  // other row, nothing changes.
  void update(const double* row_max, int row) {
    for (int i = (leaves + row) / 2; i >= 1; i /= 2) {
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

// Grows `v` to hold at least `size` elements, at least doubling it; what it
// holds is kept.
template <class T>
void Reserve(std::vector<T>& v, size_t size) {
  if (v.size() < size) v.resize(std::max(size, 2 * v.size()));
}

// Like Reserve for a plain array whose new room is left untouched until it
// is written, so that room reserved and never used costs no memory.
template <class T>
struct Buffer {
  std::unique_ptr<T[]> data;
  size_t size = 0;

  void reserve(size_t n) {
    if (n <= size) return;
    const size_t grown = std::max(n, 2 * size);
    std::unique_ptr<T[]> fresh(new T[grown]);
    std::copy(data.get(), data.get() + size, fresh.get());
    data = std::move(fresh);
    size = grown;
  }
  T& operator[](size_t i) { return data[i]; }
  const T& operator[](size_t i) const { return data[i]; }
};

}  // namespace

// The coefficients in tiles of 16 x 16, each made when an entry in it is
// first written and kept for later systems: a bench's tableau fills only a
// few tiles of each row, so a large bench costs memory by its entries, not
// by the square of its size.
class EquationSystem::Matrix {
 public:
  static constexpr int SHIFT = 4;
  static constexpr int SIDE = 1 << SHIFT;
  struct Tile {
    double value[SIDE * SIDE] = {};
    int16_t row_pos[SIDE * SIDE];  // the entry's place in its row's list
    int16_t col_pos[SIDE * SIDE];  // the entry's place in its column's list
  };

  // Room for rows and columns 0..n.
  void reserve(int n) {
    const int bands = (n >> SHIFT) + 1;
    if (bands <= bands_) return;
    std::vector<int32_t> table(static_cast<size_t>(bands) * bands, -1);
    for (int r = 0; r < bands_; ++r) {
      for (int c = 0; c < bands_; ++c) table[r * bands + c] = table_[r * bands_ + c];
    }
    table_.swap(table);
    bands_ = bands;
  }

  // Every tile of rows and columns 0..n made now, rather than while
  // eliminating.
  void make_all(int n) {
    for (int r = 0; r <= n; r += SIDE) {
      for (int c = 0; c <= n; c += SIDE) tile(r, c);
    }
  }

  double get(int r, int c) const {
    if (r < 0 || c < 0 || (r >> SHIFT) >= bands_ || (c >> SHIFT) >= bands_) return 0;
    const int32_t t = table_[(r >> SHIFT) * bands_ + (c >> SHIFT)];
    return t < 0 ? 0.0 : tiles_[t]->value[cell(r, c)];
  }
  Tile& tile(int r, int c) { return tile_at(table_[(r >> SHIFT) * bands_ + (c >> SHIFT)]); }
  double& at(int r, int c) { return tile(r, c).value[cell(r, c)]; }

  // The tiles of one row, for walking along it.
  int32_t* band_row(int r) { return &table_[(r >> SHIFT) * bands_]; }
  Tile& tile_at(int32_t& t) {
    if (t < 0) {
      t = static_cast<int32_t>(tiles_.size());
      tiles_.push_back(std::unique_ptr<Tile>(new Tile));
    }
    return *tiles_[t];
  }
  static int cell(int r, int c) { return ((r & (SIDE - 1)) << SHIFT) | (c & (SIDE - 1)); }

  // Every value +0 again, in every tile ever made.
  void zero_all() {
    for (auto& t : tiles_) std::memset(t->value, 0, sizeof(t->value));
  }

 private:
  int bands_ = 0;
  std::vector<int32_t> table_;  // tile of each pair of bands, -1 none
  std::vector<std::unique_ptr<Tile>> tiles_;
};

struct EquationSystem::Workspace {
  SparseLists rows;  // per row: its columns
  SparseLists cols;  // per column: its rows
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
    rows.reserve(n + 1);
    cols.reserve(n + 1);
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

EquationSystem::EquationSystem()
    : m_(std::make_unique<Matrix>()), w_(std::make_unique<Workspace>()) {
  reset(0);
}

EquationSystem::~EquationSystem() = default;

double EquationSystem::get(int row, int col) const {
  return m_->get(row, col);
}

void EquationSystem::clear_written() {
  Workspace& w = *w_;
  if (dense_) {
    // The plain elimination may have left signed zeros anywhere.
    m_->zero_all();
  } else {
    for (int r = 0; r < extent_; ++r) {
      for (const int16_t* c = w.rows.begin(r); c != w.rows.end(r); ++c) m_->at(r, *c) = 0;
    }
  }
  for (int i = 0; i < extent_; ++i) {
    w.rows.items[i].clear();
    w.cols.items[i].clear();
  }
  extent_ = 0;
  dense_ = false;
}

void EquationSystem::reset(int n) {
  clear_written();
  n_ = n;
  m_->reserve(n);
  w_->reserve(n);
  if (n <= DENSE_LIMIT) {
    // A system of this size gets everything any elimination of it can need,
    // so that a bench analysed once is analysed again without touching the
    // heap; larger ones grow as their fill needs.
    m_->make_all(n);
    w_->rows.reserve_all(n + 1, n + 1);
    w_->cols.reserve_all(n + 1, n + 1);
    w_->target_rows.reserve(static_cast<size_t>(n + 1) * (n + 1));
    w_->factors.reserve(static_cast<size_t>(n + 1) * (n + 1));
  }
  Reserve(rhs_, n + 1);
  Reserve(solution_, n + 1);
  for (int r = 0; r <= n; ++r) rhs_[r] = solution_[r] = 0;
  extent_ = n + 1;
  gave_up_ = false;
  w_->log_pos = 0;
  w_->log_same = w_->recorded && n == w_->recorded_n;
  w_->fresh = true;
}

void EquationSystem::add_entry(int row, int col) {
  Matrix::Tile& t = m_->tile(row, col);
  const int cell = Matrix::cell(row, col);
  std::vector<int16_t>& r = w_->rows.items[row];
  std::vector<int16_t>& c = w_->cols.items[col];
  t.row_pos[cell] = static_cast<int16_t>(r.size());
  r.push_back(static_cast<int16_t>(col));
  t.col_pos[cell] = static_cast<int16_t>(c.size());
  c.push_back(static_cast<int16_t>(row));
}

void EquationSystem::remove_entry(int row, int col) {
  std::vector<int16_t>& r = w_->rows.items[row];
  const int at_r = m_->tile(row, col).row_pos[Matrix::cell(row, col)];
  const int16_t last_col = r.back();
  r[at_r] = last_col;
  m_->tile(row, last_col).row_pos[Matrix::cell(row, last_col)] = static_cast<int16_t>(at_r);
  r.pop_back();
  std::vector<int16_t>& c = w_->cols.items[col];
  const int at_c = m_->tile(row, col).col_pos[Matrix::cell(row, col)];
  const int16_t last_row = c.back();
  c[at_c] = last_row;
  m_->tile(last_row, col).col_pos[Matrix::cell(last_row, col)] = static_cast<int16_t>(at_c);
  c.pop_back();
}

void EquationSystem::log_coefficient(int row, int col, double value) {
  Workspace& w = *w_;
  const int k = w.log_pos++;
  w.log.reserve(k + 1);
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
  double& e = m_->at(row, col);
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
  for (const int16_t* c = w.rows.begin(row); c != w.rows.end(row); ++c) {
    const double a = std::fabs(m_->at(row, *c));
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
  Matrix& m = *m_;
  const int n = n_;
  const bool fresh = w.fresh;
  const bool same_system = fresh && w.log_same && w.log_pos == w.log_count;
  w.log_count = w.log_pos;
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
    const double pivot = m.at(p, pcol);
    w.used[p] = 1;
    ++used;
    w.row_max[p] = -1;
    w.tree.update(w.row_max.data(), p);

    // Divide the pivot row; zeros stay zeros. Every divided entry is at most
    // 1 in size (the pivot is the row's largest), so only an infinite or
    // undefined coefficient can make a value that is not finite.
    bool finite = true;
    int np = 0;
    for (int i = w.rows.len(p) - 1; i >= 0; --i) {
      const int k = w.rows.begin(p)[i];
      double& cell = m.at(p, k);
      const double v = cell / pivot;
      cell = v;
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

    w.target_rows.reserve(targets_end + w.cols.len(pcol));
    w.factors.reserve(targets_end + w.cols.len(pcol));
    int* const target_rows = &w.target_rows[targets_end];
    double* const factors = &w.factors[targets_end];
    int nt = 0;
    for (const int16_t* r = w.cols.begin(pcol); r != w.cols.end(pcol); ++r) {
      const double f = m.at(*r, pcol);
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
      int32_t* const tiles_of_j = m.band_row(j);
      const int cells_of_j = Matrix::cell(j, 0);
      // The largest changed entry, and what became of the row's old largest.
      const int old_arg = w.row_arg[j];
      double best = -1, at_old_arg = -1;
      int arg = 0;
      bool old_arg_changed = false;
      for (int i = 0; i < np; ++i) {
        const int k = w.pivot_cols[i];
        double& cell =
            m.tile_at(tiles_of_j[k >> Matrix::SHIFT]).value[cells_of_j | (k & (Matrix::SIDE - 1))];
        const double before = cell;
        const double after = before - f * w.pivot_vals[i];
        cell = after;
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
      if (w.row_max[j] != old_max) w.tree.update(w.row_max.data(), j);
    }
  }
  if (fresh) record_result();
  read_off();
}

void EquationSystem::record_result() {
  Workspace& w = *w_;
  int count = 0;
  for (int r = 1; r <= n_; ++r) {
    if (count + w.rows.len(r) > Workspace::FINAL_ENTRIES_PER_ROW * (n_ + 1)) return;
    for (const int16_t* c = w.rows.begin(r); c != w.rows.end(r); ++c) {
      w.final_entries[count++] = {static_cast<int16_t>(r), *c, m_->at(r, *c)};
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
  double* b = w.rhs_work.data();
  for (int i = 1; i <= n_; ++i) b[i] = rhs_[i];
  int t = 0;
  for (int s = 0; s < w.step_count; ++s) {
    const Workspace::Step& step = w.steps[s];
    const double bp = b[step.row] = b[step.row] / step.pivot;
    if (!std::isfinite(bp)) return false;
    for (; t < step.end; ++t) b[w.target_rows[t]] = b[w.target_rows[t]] - w.factors[t] * bp;
  }
  for (int i = 1; i <= n_; ++i) rhs_[i] = b[i];
  clear_written();
  extent_ = n_ + 1;
  for (int e = 0; e < w.final_count; ++e) {
    const Coefficient& c = w.final_entries[e];
    m_->at(c.row, c.col) = c.value;
    add_entry(c.row, c.col);
  }
  read_off();
  return true;
}

void EquationSystem::read_off() {
  for (int i = 1; i <= n_; ++i) {
    int first = n_ + 1;
    for (const int16_t* c = w_->rows.begin(i); c != w_->rows.end(i); ++c) {
      if (*c < first && m_->at(i, *c) != 0) first = *c;
    }
    if (first <= n_) solution_[first] = rhs_[i] / m_->at(i, first);
  }
}

void EquationSystem::finish_densely(int used, int prow, int pcol) {
  Workspace& w = *w_;
  Matrix& m = *m_;
  const int n = n_;
  if (n > DENSE_LIMIT) {
    // The plain elimination would need every coefficient of a large system;
    // a bench with values that are not numbers gets no solution instead.
    gave_up_ = true;
    for (int r = 0; r <= n; ++r) solution_[r] = 0;
    return;
  }
  dense_ = true;
  for (;;) {
    if (prow != 0) {
      for (int j = 1; j <= n; ++j) {
        if (j == prow) continue;
        const double f = m.at(j, pcol);
        for (int k = 1; k <= n; ++k) m.at(j, k) = m.at(j, k) - f * m.at(prow, k);
        rhs_[j] = rhs_[j] - f * rhs_[prow];
      }
      if (used >= n) break;
    }
    double best = 0, pivot = 0;
    prow = 0;
    for (int j = 1; j <= n; ++j) {
      if (w.used[j]) continue;
      for (int l = 1; l <= n; ++l) {
        const double a = std::fabs(m.at(j, l));
        if (a >= best) {
          best = a;
          pivot = m.at(j, l);
          prow = j;
          pcol = l;
        }
      }
    }
    if (best == 0) break;
    w.used[prow] = 1;
    ++used;
    for (int k = 1; k <= n; ++k) m.at(prow, k) = m.at(prow, k) / pivot;
    rhs_[prow] = rhs_[prow] / pivot;
  }
  read_off_dense();
}

void EquationSystem::read_off_dense() {
  for (int i = 1; i <= n_; ++i) {
    for (int j = 1; j <= n_; ++j) {
      if (m_->at(i, j) != 0) {
        solution_[j] = rhs_[i] / m_->at(i, j);
        break;
      }
    }
  }
}

int EquationSystem::classify() const {
  for (int i = 1; i <= n_; ++i) {
    int count = 0;
    if (dense_) {
      for (int j = 1; j <= n_; ++j) count += m_->get(i, j) != 0;
    } else {
      for (const int16_t* c = w_->rows.begin(i); c != w_->rows.end(i); ++c) {
        count += m_->get(i, *c) != 0;
      }
    }
    if (count == 0) return 1;
    if (count >= 2) return 2;
  }
  return 0;
}

}  // namespace voltaro
