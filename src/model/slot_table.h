#pragma once
// A bench table of fixed capacity whose slots are built when first written.
//
// A bench keeps room for 500 wires of 100 points each, 200 components and
// more, yet an experiment uses a few dozen slots. Every slot not reached yet
// holds the table's fresh record: reading it through a const table gives
// the fresh record itself, and the first access through a non-const table
// builds it (a copy of the fresh record), together with every slot before
// it. Until then a slot takes no memory at all: the pages of slots nobody
// writes are never touched. Reading and writing behave exactly as with a
// plain array of records that all started as the fresh record, but for one
// thing: a const reference to a slot not built yet is the fresh record, so
// it does not follow a later write to that slot through the non-const table.

#include <cassert>
#include <compare>
#include <cstddef>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>

namespace voltaro {

template <class Record, int N>
class SlotTable {
 public:
  using value_type = Record;
  using size_type = std::size_t;
  using difference_type = std::ptrdiff_t;
  using reference = Record&;
  using const_reference = const Record&;

  // The storage is left as it is: untouched pages cost nothing.
  SlotTable() {}
  ~SlotTable() {
    for (int i = 0; i < reached_; ++i) slot(i)->~Record();
  }
  SlotTable(const SlotTable&) = delete;
  SlotTable& operator=(const SlotTable&) = delete;

  static constexpr size_type size() { return N; }

  Record& operator[](size_type i) {
    assert(i < size());
    if (static_cast<int>(i) >= reached_) [[unlikely]]
      build_through(static_cast<int>(i));
    return *slot(i);
  }
  const Record& operator[](size_type i) const {
    assert(i < size());
    return static_cast<int>(i) < reached_ ? *slot(i) : fresh_;
  }

  // What every slot not reached yet holds.
  const Record& fresh() const { return fresh_; }
  void set_fresh(Record record) { fresh_ = std::move(record); }
  // How many leading slots have been built.
  int reached() const { return reached_; }

  template <class Table, class Value>
  class Iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = Record;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    Iterator(Table* table, difference_type i) : table_(table), i_(i) {}
    // A table's iterator turns into its const iterator.
    template <class From, class FromValue>
    requires std::is_const_v<Table> &&
        (!std::is_const_v<From>)Iterator(const Iterator<From, FromValue>& other)
        : table_(other.table_), i_(other.i_) {}

    Value& operator*() const { return (*table_)[i_]; }
    Value* operator->() const { return &(*table_)[i_]; }
    Value& operator[](difference_type n) const { return (*table_)[i_ + n]; }
    Iterator& operator++() { return ++i_, *this; }
    Iterator operator++(int) { return {table_, i_++}; }
    Iterator& operator--() { return --i_, *this; }
    Iterator operator--(int) { return {table_, i_--}; }
    Iterator& operator+=(difference_type n) { return i_ += n, *this; }
    Iterator& operator-=(difference_type n) { return i_ -= n, *this; }
    friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
    friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
    friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const Iterator& a, const Iterator& b) { return a.i_ - b.i_; }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.i_ == b.i_; }
    friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.i_ <=> b.i_; }

   private:
    template <class, class>
    friend class Iterator;
    Table* table_ = nullptr;
    difference_type i_ = 0;
  };
  using iterator = Iterator<SlotTable, Record>;
  using const_iterator = Iterator<const SlotTable, const Record>;

  iterator begin() { return {this, 0}; }
  iterator end() { return {this, N}; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, N}; }

 private:
  void build_through(int i) {
    for (; reached_ <= i; ++reached_) new (slot(reached_)) Record(fresh_);
  }
  Record* slot(size_type i) {
    return std::launder(reinterpret_cast<Record*>(storage_ + i * sizeof(Record)));
  }
  const Record* slot(size_type i) const {
    return std::launder(reinterpret_cast<const Record*>(storage_ + i * sizeof(Record)));
  }

  Record fresh_{};
  int reached_ = 0;
  alignas(Record) std::byte storage_[N * sizeof(Record)];
};

}  // namespace voltaro
