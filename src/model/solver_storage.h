#pragma once
// Storage of the equation system: the coefficients, the lists of each row's
// and each column's entries, the pivot tournament and growing buffers. Used
// by solver.cpp only.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace voltaro::solver {

// The matrix is the one truth about every value; an entry whose bits are
// those of +0 is "empty". Only the sign of a zero could tell a skipped
// "x - 0 * y" from a done one, and no zero is ever a divisor here, so no
// empty entry can change any other value.
inline bool empty(double v) {
  return std::bit_cast<uint64_t>(v) == 0;
}

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

// For each line (a row, or a column) the indices of its entries that are not
// empty, in no particular order. Each entry's place in its row's and its
// column's list is kept by the matrix beside its value, so that it can be
// taken out at once; a place is trusted only when the list holds that index
// there, so places never need clearing. Each line has a fixed stretch of
// one array, room for every index.
template <int STRIDE>
class FlatLists {
 public:
  static constexpr size_t BYTES = sizeof(int16_t) * STRIDE * STRIDE;

  // Room for STRIDE lines of STRIDE entries in `items` (BYTES long), given
  // once by the matrix that owns the memory.
  void attach(int16_t* items) {
    items_ = items;
    len_.assign(STRIDE, 0);
  }
  const int16_t* begin(int line) const { return &items_[line * STRIDE]; }
  const int16_t* end(int line) const { return begin(line) + len_[line]; }
  int len(int line) const { return len_[line]; }
  // Appends `i`; returns its place.
  int add(int line, int i) {
    items_[line * STRIDE + len_[line]] = static_cast<int16_t>(i);
    return len_[line]++;
  }
  // Takes out the index at `place`, moving the last one there; returns the
  // index moved.
  int remove(int line, int place) {
    int16_t* items = &items_[line * STRIDE];
    const int16_t last = items[--len_[line]];
    items[place] = last;
    return last;
  }
  void clear(int line) { len_[line] = 0; }

 private:
  int16_t* items_ = nullptr;
  std::vector<int> len_;
};

// Zeroed memory straight from the system, aligned to 2 MiB and offered to
// the kernel as huge pages. The whole equation system is written row after
// row at a fixed stride, so even a sparse bench writes a little into every
// 4 KiB page; in huge pages that is a couple of page faults instead of a
// thousand, which is most of what a short run of the command line costs.
// Where the kernel keeps to small pages, the memory behaves as calloc's.
class ZeroedPages {
 public:
  static constexpr size_t ALIGN = size_t{2} << 20;

  explicit ZeroedPages(size_t bytes) : bytes_(bytes) {
#if defined(__linux__)
    // Map more than asked for, keep an aligned stretch and give back the rest.
    const size_t mapped = bytes + ALIGN;
    void* p = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) std::abort();
    const auto base = reinterpret_cast<uintptr_t>(p);
    const uintptr_t aligned = (base + ALIGN - 1) & ~(ALIGN - 1);
    if (aligned > base) munmap(p, aligned - base);
    const size_t tail = base + mapped - (aligned + bytes);
    if (tail > 0) munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    data_ = reinterpret_cast<char*>(aligned);
    madvise(data_, bytes, MADV_HUGEPAGE);
#else
    data_ = static_cast<char*>(std::calloc(bytes, 1));
    if (!data_) std::abort();
#endif
  }
  ~ZeroedPages() {
#if defined(__linux__)
    munmap(data_, bytes_);
#else
    std::free(data_);
#endif
  }
  ZeroedPages(const ZeroedPages&) = delete;
  ZeroedPages& operator=(const ZeroedPages&) = delete;

  char* data() {
    return data_;
  }

 private:
  size_t bytes_;
  char* data_ = nullptr;
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

// What both kinds of storage offer the elimination: each row's entries by
// their place in it (remove_at moves the row's last entry into the place
// taken out), each column's entries, and "subtract f times the pivot row"
// done on one row, which reports every pivot column's new value to `seen` in
// no particular order.

// The coefficients of a system small enough to keep whole: one row after
// the other, made once for the largest such system. Memory that no entry is
// ever written to is never touched, so a small bench costs little. Every
// cell is a coefficient, so the plain elimination can work on it too.
class DenseMatrix {
 public:
  static constexpr int STRIDE = 512;
  static constexpr bool KEEPS_EVERY_CELL = true;

  // Room for rows and columns 0..n, n < STRIDE: the values, each entry's
  // places in its lists and the lists, in one block made once.
  void reserve(int) {
    if (memory_) return;
    constexpr size_t cells = static_cast<size_t>(STRIDE) * STRIDE;
    constexpr size_t values = cells * sizeof(double), places = cells * sizeof(int16_t);
    memory_ = std::make_unique<ZeroedPages>(values + 2 * places + 2 * FlatLists<STRIDE>::BYTES);
    char* p = memory_->data();
    value_ = reinterpret_cast<double*>(p);
    row_pos_ = reinterpret_cast<int16_t*>(p + values);
    col_pos_ = reinterpret_cast<int16_t*>(p + values + places);
    rows_.attach(reinterpret_cast<int16_t*>(p + values + 2 * places));
    cols_.attach(reinterpret_cast<int16_t*>(p + values + 2 * places + FlatLists<STRIDE>::BYTES));
  }
  double get(int r, int c) const {
    return value_ && r >= 0 && c >= 0 && r < STRIDE && c < STRIDE ? value_[index(r, c)] : 0.0;
  }
  double& at(int r, int c) { return value_[index(r, c)]; }

  int row_len(int r) const { return rows_.len(r); }
  int col_at(int r, int i) const { return rows_.begin(r)[i]; }
  double& value_at(int r, int i) { return at(r, col_at(r, i)); }
  int column_len(int c) const { return cols_.len(c); }
  int row_in_column(int c, int i) const { return cols_.begin(c)[i]; }
  double value_in_column(int c, int i) { return at(row_in_column(c, i), c); }

  // Writes one coefficient of a system being built.
  void write(int r, int c, double value) {
    double& e = at(r, c);
    const bool was_empty = empty(e);
    e = value;
    if (was_empty && !empty(value)) add(r, c);
    if (!was_empty && empty(value)) remove(r, c);
  }
  // A coefficient known to be empty so far.
  void insert(int r, int c, double value) {
    at(r, c) = value;
    add(r, c);
  }
  // Takes the row's entry at place i, whose value has become empty, out of
  // the lists.
  void remove_at(int r, int i) { remove(r, col_at(r, i)); }

  void mark_pivot_row(const int*, int, int) {}
  void unmark_pivot_row(const int*, int) {}
  template <class Seen>
  void subtract(int r, double f, const int* cols, const double* vals, int n, Seen&& seen) {
    double* row = &value_[index(r, 0)];
    for (int i = 0; i < n; ++i) {
      const int k = cols[i];
      double& cell = row[k];
      const double before = cell;
      const double after = before - f * vals[i];
      cell = after;
      if (empty(before)) {
        if (!empty(after)) add(r, k);
      } else if (empty(after)) {
        remove(r, k);
      }
      seen(k, after);
    }
  }

  // Every entry of rows and columns 0..lines-1 gone.
  void clear(int lines) {
    for (int r = 0; r < lines; ++r) {
      for (const int16_t* c = rows_.begin(r); c != rows_.end(r); ++c) at(r, *c) = 0;
    }
    forget(lines);
  }
  // After the plain elimination, which may have left signed zeros anywhere:
  // rows 0..lines-1 all +0 again and no entry listed.
  void zero_rows(int lines) {
    std::memset(value_, 0, sizeof(double) * STRIDE * lines);
    forget(lines);
  }

 private:
  static int index(int r, int c) { return r * STRIDE + c; }
  void forget(int lines) {
    for (int i = 0; i < lines; ++i) rows_.clear(i), cols_.clear(i);
  }
  void add(int r, int c) {
    row_pos_[index(r, c)] = static_cast<int16_t>(rows_.add(r, c));
    col_pos_[index(r, c)] = static_cast<int16_t>(cols_.add(c, r));
  }
  void remove(int r, int c) {
    const int at_r = row_pos_[index(r, c)];
    row_pos_[index(r, rows_.remove(r, at_r))] = static_cast<int16_t>(at_r);
    const int at_c = col_pos_[index(r, c)];
    col_pos_[index(cols_.remove(c, at_c), c)] = static_cast<int16_t>(at_c);
  }

  FlatLists<STRIDE> rows_;  // per row: its columns
  FlatLists<STRIDE> cols_;  // per column: its rows
  std::unique_ptr<ZeroedPages> memory_;
  double* value_ = nullptr;
  int16_t *row_pos_ = nullptr, *col_pos_ = nullptr;
};

// The coefficients of a large system, each row holding only its entries,
// side by side, and each column where they are. A bench's tableau, even as
// the elimination fills it, holds a few dozen entries a row, so the whole
// system stays small enough for the processor's caches however many
// variables it has; a matrix laid out by position would spread the same
// entries over megabytes and wait on memory at nearly every one.
class RowMatrix {
 public:
  static constexpr bool KEEPS_EVERY_CELL = false;

  // Room for rows and columns 0..n.
  void reserve(int n) {
    if (static_cast<int>(rows_.size()) < n + 1) {
      rows_.resize(n + 1);
      cols_.resize(n + 1);
      place_.resize(n + 1, -1);
    }
  }
  double get(int r, int c) const {
    if (r < 0 || r >= static_cast<int>(rows_.size())) return 0;
    const int i = find(r, c);
    return i < 0 ? 0.0 : rows_[r][i].value;
  }

  int row_len(int r) const { return static_cast<int>(rows_[r].size()); }
  int col_at(int r, int i) const { return rows_[r][i].col; }
  double& value_at(int r, int i) { return rows_[r][i].value; }
  int column_len(int c) const { return static_cast<int>(cols_[c].size()); }
  int row_in_column(int c, int i) const { return cols_[c][i].line; }
  double value_in_column(int c, int i) {
    const Link& l = cols_[c][i];
    return rows_[l.line][l.place].value;
  }

  void write(int r, int c, double value) {
    const int i = find(r, c);
    if (i >= 0) {
      rows_[r][i].value = value;
      if (empty(value)) remove_at(r, i);
    } else if (!empty(value)) {
      insert(r, c, value);
    }
  }
  void insert(int r, int c, double value) {
    const int i = row_len(r), j = column_len(c);
    rows_[r].push_back({value, c, j});
    cols_[c].push_back({r, i});
  }
  void remove_at(int r, int i) {
    const Entry& gone = rows_[r][i];
    // Out of its column: the column's last link takes its place.
    std::vector<Link>& column = cols_[gone.col];
    if (gone.place != static_cast<int>(column.size()) - 1) {
      const Link last = column.back();
      column[gone.place] = last;
      rows_[last.line][last.place].place = gone.place;
    }
    column.pop_back();
    remove_from_row(r, i);
  }

  // The pivot row's columns are marked once for all the rows it is
  // subtracted from (mark_pivot_row), so that each row is walked once: its
  // entries in those columns change in place, the columns it lacks are
  // added after.
  void mark_pivot_row(const int* cols, int n, int pivot_col) {
    for (int i = 0; i < n; ++i) place_[cols[i]] = i;
    reached_.resize(std::max<size_t>(reached_.size(), n));
    pivot_col_ = pivot_col;
  }
  // Every row the pivot row was subtracted from has lost its entry in the
  // pivot column (f - f x 1 is exactly 0); those entries left their rows
  // only, and the column keeps the links of the rows still holding one.
  void unmark_pivot_row(const int* cols, int n) {
    for (int i = 0; i < n; ++i) place_[cols[i]] = -1;
    std::vector<Link>& column = cols_[pivot_col_];
    int kept = 0;
    for (const Link& l : column) {
      std::vector<Entry>& row = rows_[l.line];
      if (l.place < static_cast<int>(row.size()) && row[l.place].col == pivot_col_) {
        row[l.place].place = kept;
        column[kept++] = l;
      }
    }
    column.resize(kept);
  }
  template <class Seen>
  void subtract(int r, double f, const int* cols, const double* vals, int n, Seen&& seen) {
    std::vector<Entry>& row = rows_[r];
    if (++pass_ == 0) {
      std::fill(reached_.begin(), reached_.end(), 0);
      pass_ = 1;
    }
    // First which of the row's entries lie in the pivot row's columns, without
    // a branch per entry; then those are worked, from the last, so that an
    // entry moved into a place taken out has been worked already.
    const int len = static_cast<int>(row.size());
    if (static_cast<int>(hits_.size()) < len) hits_.resize(2 * len);
    int hits = 0;
    for (int i = 0; i < len; ++i) {
      hits_[hits] = i;
      hits += place_[row[i].col] >= 0;
    }
    for (int h = hits - 1; h >= 0; --h) {
      const int i = hits_[h];
      const int k = row[i].col, at = place_[k];
      reached_[at] = pass_;
      const double after = row[i].value - f * vals[at];
      row[i].value = after;
      if (k == pivot_col_) {
        remove_from_row(r, i);
      } else if (empty(after)) {
        remove_at(r, i);
      }
      seen(k, after);
    }
    if (hits == n) return;  // the row held every column already
    for (int i = 0; i < n; ++i) {
      if (reached_[i] == pass_) continue;
      const double after = 0.0 - f * vals[i];
      if (!empty(after)) insert(r, cols[i], after);
      seen(cols[i], after);
    }
  }

  void clear(int lines) {
    for (int i = 0; i < lines && i < static_cast<int>(rows_.size()); ++i) {
      rows_[i].clear();
      cols_[i].clear();
    }
  }

 private:
  struct Entry {
    double value;
    int32_t col;
    int32_t place;  // in the column's links
  };
  struct Link {
    int32_t line;   // the row
    int32_t place;  // in the row's entries
  };
  // Takes the entry at place i out of its row, the row's last entry taking
  // its place; its column's link is left to the caller.
  void remove_from_row(int r, int i) {
    std::vector<Entry>& row = rows_[r];
    if (i != static_cast<int>(row.size()) - 1) {
      row[i] = row.back();
      cols_[row[i].col][row[i].place].place = i;
    }
    row.pop_back();
  }
  int find(int r, int c) const {
    const std::vector<Entry>& row = rows_[r];
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
      if (row[i].col == c) return i;
    }
    return -1;
  }

  std::vector<std::vector<Entry>> rows_;
  std::vector<std::vector<Link>> cols_;
  // Per column its place in the pivot row being subtracted, or -1.
  std::vector<int> place_;
  // Which of the pivot row's columns the row in hand already held.
  std::vector<uint32_t> reached_;
  // Places in the row in hand of its entries in those columns.
  std::vector<int> hits_;
  uint32_t pass_ = 0;
  int pivot_col_ = 0;
};

}  // namespace voltaro::solver
