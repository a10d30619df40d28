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
// there, so places never need clearing.
//
// A small system keeps each line in a fixed stretch of one array, room for
// every index; a large one gives each line a list that grows.
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

  char* data() { return data_; }

 private:
  size_t bytes_;
  char* data_ = nullptr;
};

class GrowingLists {
 public:
  void reserve(int lines, int) {
    if (static_cast<int>(items_.size()) < lines) items_.resize(lines);
  }
  const int16_t* begin(int line) const { return items_[line].data(); }
  const int16_t* end(int line) const { return items_[line].data() + items_[line].size(); }
  int len(int line) const { return static_cast<int>(items_[line].size()); }
  int add(int line, int i) {
    items_[line].push_back(static_cast<int16_t>(i));
    return static_cast<int>(items_[line].size()) - 1;
  }
  int remove(int line, int place) {
    std::vector<int16_t>& items = items_[line];
    const int16_t last = items.back();
    items[place] = last;
    items.pop_back();
    return last;
  }
  void clear(int line) { items_[line].clear(); }

 private:
  std::vector<std::vector<int16_t>> items_;
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

// The coefficients of a system small enough to keep whole: one row after
// the other, made once for the largest such system. Memory that no entry is
// ever written to is never touched, so a small bench costs little.
class DenseMatrix {
 public:
  static constexpr int STRIDE = 512;

  FlatLists<STRIDE> rows;  // per row: its columns
  FlatLists<STRIDE> cols;  // per column: its rows

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
    rows.attach(reinterpret_cast<int16_t*>(p + values + 2 * places));
    cols.attach(reinterpret_cast<int16_t*>(p + values + 2 * places + FlatLists<STRIDE>::BYTES));
  }
  double get(int r, int c) const {
    return value_ && r >= 0 && c >= 0 && r < STRIDE && c < STRIDE ? value_[index(r, c)] : 0.0;
  }
  double& at(int r, int c) { return value_[index(r, c)]; }
  double* row(int r) { return &value_[index(r, 0)]; }
  int16_t& row_pos(int r, int c) { return row_pos_[index(r, c)]; }
  int16_t& col_pos(int r, int c) { return col_pos_[index(r, c)]; }
  // Rows 0..rows-1 all +0 again.
  void zero_rows(int rows) { std::memset(value_, 0, sizeof(double) * STRIDE * rows); }

 private:
  static int index(int r, int c) { return r * STRIDE + c; }
  std::unique_ptr<ZeroedPages> memory_;
  double* value_ = nullptr;
  int16_t *row_pos_ = nullptr, *col_pos_ = nullptr;
};

// The coefficients of a large system in tiles of 16 x 16, each made when an
// entry in it is first written and kept for later systems: a bench's tableau
// fills only a few tiles of each row, so a large bench costs memory by its
// entries, not by the square of its size.
class TiledMatrix {
 public:
  static constexpr int SHIFT = 4;
  static constexpr int SIDE = 1 << SHIFT;
  struct Tile {
    double value[SIDE * SIDE] = {};
    int16_t row_pos[SIDE * SIDE];  // the entry's place in its row's list
    int16_t col_pos[SIDE * SIDE];  // the entry's place in its column's list
  };

  GrowingLists rows;  // per row: its columns
  GrowingLists cols;  // per column: its rows

  // Room for rows and columns 0..n.
  void reserve(int n) {
    rows.reserve(n + 1, 0);
    cols.reserve(n + 1, 0);
    const int bands = (n >> SHIFT) + 1;
    if (bands <= bands_) return;
    std::vector<Tile*> table(static_cast<size_t>(bands) * bands, nullptr);
    for (int r = 0; r < bands_; ++r) {
      for (int c = 0; c < bands_; ++c) table[r * bands + c] = table_[r * bands_ + c];
    }
    table_.swap(table);
    bands_ = bands;
  }
  double get(int r, int c) const {
    if (r < 0 || c < 0 || (r >> SHIFT) >= bands_ || (c >> SHIFT) >= bands_) return 0;
    const Tile* t = table_[(r >> SHIFT) * bands_ + (c >> SHIFT)];
    return t ? t->value[cell(r, c)] : 0.0;
  }
  double& at(int r, int c) { return tile(r, c).value[cell(r, c)]; }
  int16_t& row_pos(int r, int c) { return tile(r, c).row_pos[cell(r, c)]; }
  int16_t& col_pos(int r, int c) { return tile(r, c).col_pos[cell(r, c)]; }

  // One row, for walking along it; tiles are made as entries are written.
  class Row {
   public:
    Row(TiledMatrix& m, int r)
        : m_(m), tiles_(&m.table_[(r >> SHIFT) * m.bands_]), cells_(cell(r, 0)) {}
    double& operator[](int c) {
      return m_.made(tiles_[c >> SHIFT]).value[cells_ | (c & (SIDE - 1))];
    }

   private:
    TiledMatrix& m_;
    Tile** tiles_;
    int cells_;
  };
  Row row(int r) { return Row(*this, r); }

  // Every value +0 again, in every tile ever made.
  void zero_all() {
    for (auto& t : pool_) std::memset(t->value, 0, sizeof(t->value));
  }

 private:
  static int cell(int r, int c) { return ((r & (SIDE - 1)) << SHIFT) | (c & (SIDE - 1)); }
  Tile& tile(int r, int c) { return made(table_[(r >> SHIFT) * bands_ + (c >> SHIFT)]); }
  Tile& made(Tile*& t) {
    if (!t) {
      pool_.push_back(std::unique_ptr<Tile>(new Tile));
      t = pool_.back().get();
    }
    return *t;
  }

  int bands_ = 0;
  std::vector<Tile*> table_;  // tile of each pair of bands, or none
  std::vector<std::unique_ptr<Tile>> pool_;
};

}  // namespace voltaro::solver
