#include "model/recording.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace voltaro {

void Recording::choose(std::vector<Quantity> quantities) {
  follow(nullptr);
  for (Quantity& q : quantities) {
    // The same quantity chosen twice is one column.
    if (!index_.contains(q.key)) add_column(q);
  }
}

void Recording::follow(std::function<bool(const QuantityKey&)> wanted) {
  columns_.clear();
  index_.clear();
  routes_.clear();
  clear_rows();
  wanted_ = std::move(wanted);
}

size_t Recording::add_column(const Quantity& quantity) {
  // The rows taken so far are laid out again one value wider, the new
  // column empty in each.
  const size_t width = columns_.size();
  std::vector<double> values(rows() * (width + 1), NAN);
  std::vector<uint8_t> present(values.size(), 0);
  for (size_t row = 0; row < rows(); ++row) {
    for (size_t c = 0; c < width; ++c) {
      values[row * (width + 1) + c] = values_[row * width + c];
      present[row * (width + 1) + c] = present_[row * width + c];
    }
  }
  values_ = std::move(values);
  present_ = std::move(present);
  columns_.push_back(quantity);
  index_.emplace(quantity.key, width);
  return width;
}

void Recording::record(const Bench& bench, double seconds) {
  const std::vector<Sample>& samples = reader_.read(bench);
  const size_t row = times_.size();
  times_.push_back(seconds);
  values_.resize(values_.size() + columns_.size(), NAN);
  present_.resize(values_.size(), 0);

  const auto put = [&](size_t column, double value) {
    values_[cell(row, column)] = value;
    present_[cell(row, column)] = 1;
  };
  std::vector<Quantity> named;  // listed only when a new column needs a name
  if (routes_.size() < samples.size()) routes_.resize(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) {
    // The bench lists its quantities in the same order tick after tick: the
    // sample in this place went to the same column last time, or to none.
    Route& route = routes_[i];
    if (route.key == samples[i].key) {
      if (route.column == NO_COLUMN) continue;
      if (!present_[cell(row, route.column)]) {
        put(route.column, samples[i].value);
        continue;
      }
    }
    QuantityKey key = samples[i].key;
    auto it = index_.find(key);
    // Records of a damaged file may share their ids: the second one met in
    // a row is the next occurrence, not the same quantity again.
    while (it != index_.end() && present_[cell(row, it->second)]) {
      ++key.record.occurrence;
      it = index_.find(key);
    }
    size_t column = NO_COLUMN;
    if (it != index_.end()) {
      column = it->second;
    } else if (wanted_ && wanted_(key)) {
      if (named.empty()) named = reader_.list(bench);
      Quantity q = named[i];
      q.key = key;
      column = add_column(q);
    }
    route = {samples[i].key, column};
    if (column != NO_COLUMN) put(column, samples[i].value);
  }
}

std::optional<size_t> Recording::column_of(const QuantityKey& key) const {
  const auto it = index_.find(key);
  if (it == index_.end()) return std::nullopt;
  return it->second;
}

std::optional<double> Recording::value(size_t row, size_t column) const {
  if (row >= rows() || column >= columns_.size() || !present_[cell(row, column)]) {
    return std::nullopt;
  }
  return values_[cell(row, column)];
}

std::vector<std::optional<double>> Recording::values(size_t column) const {
  std::vector<std::optional<double>> out;
  out.reserve(rows());
  for (size_t row = 0; row < rows(); ++row) out.push_back(value(row, column));
  return out;
}

std::vector<double> Recording::numbers(size_t column) const {
  std::vector<double> out;
  out.reserve(rows());
  for (size_t row = 0; row < rows(); ++row) out.push_back(value(row, column).value_or(NAN));
  return out;
}

bool Recording::on_bench(size_t column) const {
  return rows() > 0 && value(rows() - 1, column).has_value();
}

void Recording::erase_rows(size_t first, size_t count) {
  if (first >= rows()) return;
  const size_t last = first + std::min(count, rows() - first);
  const auto from = static_cast<std::ptrdiff_t>(cell(first, 0));
  const auto to = static_cast<std::ptrdiff_t>(cell(last, 0));
  values_.erase(values_.begin() + from, values_.begin() + to);
  present_.erase(present_.begin() + from, present_.begin() + to);
  times_.erase(times_.begin() + static_cast<std::ptrdiff_t>(first),
               times_.begin() + static_cast<std::ptrdiff_t>(last));
}

void Recording::clear_rows() {
  times_.clear();
  values_.clear();
  present_.clear();
}

bool ReadingOrCurrent(const QuantityKey& key) {
  return key.measure != Measure::Voltage;
}

}  // namespace voltaro
