#include "model/recording.h"

#include <cmath>
#include <utility>

namespace voltaro {

void Recording::choose(std::vector<Quantity> quantities) {
  columns_.clear();
  index_.clear();
  times_.clear();
  wanted_ = nullptr;
  for (Quantity& q : quantities) {
    // The same quantity chosen twice is one column.
    if (!index_.contains(q.key)) add_column(q);
  }
}

void Recording::follow(std::function<bool(const QuantityKey&)> wanted) {
  columns_.clear();
  index_.clear();
  times_.clear();
  wanted_ = std::move(wanted);
}

size_t Recording::add_column(const Quantity& quantity) {
  Column c;
  c.quantity = quantity;
  c.values.assign(times_.size(), std::nullopt);
  columns_.push_back(std::move(c));
  index_.emplace(quantity.key, columns_.size() - 1);
  return columns_.size() - 1;
}

void Recording::record(const Bench& bench, double seconds) {
  const std::vector<Sample>& samples = reader_.read(bench);
  const size_t row = times_.size();
  for (Column& c : columns_) c.values.emplace_back();
  times_.push_back(seconds);

  std::vector<Quantity> named;  // listed only when a new column needs a name
  for (size_t i = 0; i < samples.size(); ++i) {
    QuantityKey key = samples[i].key;
    auto it = index_.find(key);
    // Records of a damaged file may share their ids: the second one met in
    // a row is the next occurrence, not the same quantity again.
    while (it != index_.end() && columns_[it->second].values[row].has_value()) {
      ++key.record.occurrence;
      it = index_.find(key);
    }
    size_t column = 0;
    if (it != index_.end()) {
      column = it->second;
    } else {
      if (!wanted_ || !wanted_(key)) continue;
      if (named.empty()) named = reader_.list(bench);
      Quantity q = named[i];
      q.key = key;
      column = add_column(q);  // empty in every row so far, this one included
    }
    columns_[column].values[row] = samples[i].value;
  }
  for (Column& c : columns_) c.on_bench = c.values[row].has_value();
}

std::optional<size_t> Recording::column_of(const QuantityKey& key) const {
  const auto it = index_.find(key);
  if (it == index_.end()) return std::nullopt;
  return it->second;
}

std::vector<double> Recording::numbers(size_t column) const {
  std::vector<double> out;
  out.reserve(times_.size());
  for (const std::optional<double>& v : columns_.at(column).values) out.push_back(v.value_or(NAN));
  return out;
}

void Recording::erase_row(size_t row) {
  if (row >= times_.size()) return;
  times_.erase(times_.begin() + static_cast<std::ptrdiff_t>(row));
  for (Column& c : columns_) c.values.erase(c.values.begin() + static_cast<std::ptrdiff_t>(row));
}

void Recording::clear_rows() {
  times_.clear();
  for (Column& c : columns_) c.values.clear();
}

bool ReadingOrCurrent(const QuantityKey& key) {
  return key.measure != Measure::Voltage;
}

}  // namespace voltaro
