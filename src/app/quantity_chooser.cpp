#include "app/quantity_chooser.h"

#include <algorithm>

#include "document/recording_table.h"

namespace voltaro {
namespace {

// A chosen quantity of a damaged file's second record with the same ids is
// found among the first's: close enough for a tick box.
QuantityKey First(QuantityKey key) {
  key.record.occurrence = 0;
  return key;
}

}  // namespace

bool BenchQuantities::refresh(const Bench& bench) {
  const std::vector<Sample>& samples = reader_.read(bench);
  const bool same = read_ && samples.size() == keys_.size() &&
                    std::equal(samples.begin(), samples.end(), keys_.begin(),
                               [](const Sample& s, const QuantityKey& k) { return s.key == k; });
  if (same) return false;
  read_ = true;
  keys_.clear();
  present_.clear();
  records_.clear();
  for (const Sample& s : samples) {
    keys_.push_back(s.key);
    present_.insert(s.key);
    records_.emplace(s.key.record.kind, s.key.record.id);
  }
  list_ = reader_.list(bench);
  return true;
}

void BenchQuantities::rename(const Bench& bench) {
  if (!refresh(bench)) list_ = reader_.list(bench);
}

bool BenchQuantities::on_bench(const QuantityKey& key) const {
  return present_.contains(First(key));
}

bool BenchQuantities::record_on_bench(const RecordKey& record) const {
  return records_.contains({record.kind, record.id});
}

void BenchQuantities::reset() {
  read_ = false;
  keys_.clear();
  list_.clear();
  present_.clear();
  records_.clear();
}

QString QuantityHeading(const Quantity& quantity, const BenchQuantities& bench) {
  QString text = QString::fromStdString(ColumnHeading(quantity));
  if (bench.on_bench(quantity.key)) return text;
  return text + (bench.record_on_bench(quantity.key.record) ? " (not measured now)"
                                                            : " (removed from the bench)");
}

QuantityChooser::QuantityChooser(QWidget* parent) : QListWidget(parent) {
  setObjectName("QuantityChooser");
  connect(this, &QListWidget::itemChanged, this,
          [this](QListWidgetItem* item) { item_toggled(item); });
}

void QuantityChooser::show_quantities(const BenchQuantities& bench) {
  listed_ = bench.now();
  for (const Quantity& q : chosen_) {
    if (!bench.on_bench(q.key)) listed_.push_back(q);
  }
  filling_ = true;
  clear();
  for (const Quantity& q : listed_) {
    const bool here = bench.on_bench(q.key);
    auto* item = new QListWidgetItem(QuantityHeading(q, bench), this);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    const bool ticked = std::any_of(chosen_.begin(), chosen_.end(),
                                    [&](const Quantity& c) { return c.key == q.key; });
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    if (!here) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  }
  filling_ = false;
}

void QuantityChooser::item_toggled(QListWidgetItem* item) {
  if (filling_) return;
  const int at = row(item);
  if (at < 0 || at >= static_cast<int>(listed_.size())) return;
  const Quantity& q = listed_[static_cast<size_t>(at)];
  const auto it = std::find_if(chosen_.begin(), chosen_.end(),
                               [&](const Quantity& c) { return c.key == q.key; });
  const bool on = item->checkState() == Qt::Checked;
  if (on == (it != chosen_.end())) return;
  if (on) {
    chosen_.push_back(q);
  } else {
    chosen_.erase(it);
  }
  if (changed) changed();
}

bool QuantityChooser::set_chosen(const QuantityKey& key, bool on) {
  for (size_t i = 0; i < listed_.size(); ++i) {
    if (listed_[i].key == key) {
      item(static_cast<int>(i))->setCheckState(on ? Qt::Checked : Qt::Unchecked);
      return true;
    }
  }
  return false;
}

QListWidgetItem* QuantityChooser::item_labelled(const std::string& label) const {
  for (size_t i = 0; i < listed_.size(); ++i) {
    if (listed_[i].label() == label) return item(static_cast<int>(i));
  }
  return nullptr;
}

void QuantityChooser::forget() {
  filling_ = true;
  clear();
  listed_.clear();
  chosen_.clear();
  filling_ = false;
}

}  // namespace voltaro
