#pragma once
// A table of readings taken from the bench: one row each time a reading is
// taken (every timer tick for a chart, every press of Record for a table of
// measurements), one column per quantity, with the time of each row.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/bench.h"
#include "model/quantities.h"

namespace voltaro {

class Recording {
 public:
  // Records these quantities only, in this order, from now on; no rows yet.
  void choose(std::vector<Quantity> quantities);
  // Records every quantity that `wanted` accepts, in bench order, each new
  // one as a new column when it turns up (empty in the rows before); no
  // rows yet.
  void follow(std::function<bool(const QuantityKey&)> wanted);

  // Adds a row: the time in seconds and every column's value now.
  void record(const Bench& bench, double seconds);

  size_t rows() const { return times_.size(); }
  const std::vector<double>& times() const { return times_; }
  // What each column holds, named as the quantity was when it turned up.
  const std::vector<Quantity>& columns() const { return columns_; }
  // The column of a quantity, if it is recorded.
  std::optional<size_t> column_of(const QuantityKey& key) const;

  // Nothing where the quantity was not on the bench when the row was taken
  // (its component deleted, or a multimeter turned to another kind of
  // range). A reading that is not a number is kept as it is.
  std::optional<double> value(size_t row, size_t column) const;
  // A column's values from the first row on.
  std::vector<std::optional<double>> values(size_t column) const;
  // The same with the empty ones as not-a-number, for plotting and fitting.
  std::vector<double> numbers(size_t column) const;
  // Whether the quantity was found at the last row taken. Between rows,
  // RecordOnBench tells whether its component is still there.
  bool on_bench(size_t column) const;

  void erase_row(size_t row) { erase_rows(row, 1); }
  // Rows `first` to `first + count - 1`, as far as they exist: a chart lets
  // go of its oldest minute at once rather than a row at every tick.
  void erase_rows(size_t first, size_t count);
  // Drops every row and keeps the columns.
  void clear_rows();

 private:
  size_t add_column(const Quantity& quantity);
  size_t cell(size_t row, size_t column) const { return row * columns_.size() + column; }

  QuantityReader reader_;
  std::vector<Quantity> columns_;
  std::unordered_map<QuantityKey, size_t, QuantityKeyHash> index_;
  std::function<bool(const QuantityKey&)> wanted_;
  // Where each sample of the last row went, by its place in the bench's
  // list: the column, or NO_COLUMN for a quantity not recorded.
  static constexpr size_t NO_COLUMN = SIZE_MAX;
  struct Route {
    QuantityKey key{{-1, -1, -1}};
    size_t column = NO_COLUMN;
  };
  std::vector<Route> routes_;
  std::vector<double> times_;
  // Row after row, a row being one value per column: a tick appends to one
  // block of memory however many quantities it records.
  std::vector<double> values_;
  std::vector<uint8_t> present_;
};

// Measures a pupil finds in a trace: the instruments' readings and the
// components' currents (the voltages stay out of the table).
bool ReadingOrCurrent(const QuantityKey& key);

}  // namespace voltaro
