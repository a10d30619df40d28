#pragma once
// The bench's quantities as a list to tick, for the chart and the table of
// measurements: every instrument's reading and every component's current
// and voltage now on the bench, and below them the quantities ticked
// before whose component has left it, marked.

#include <QListWidget>
#include <functional>
#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/quantities.h"

namespace voltaro {

// What the bench measures now, read again only when it changes.
class BenchQuantities {
 public:
  // Reads the bench; true when its quantities are not the ones of the last
  // call (a component placed or deleted, a multimeter turned to another
  // kind of range). The names are read afresh at every change.
  bool refresh(const Bench& bench);
  // Names afresh even when nothing was added or removed: a pupil may have
  // renamed a component in its Properties dialog.
  void rename(const Bench& bench);
  const std::vector<Quantity>& now() const { return list_; }
  bool on_bench(const QuantityKey& key) const;
  // Whether its component is on the bench, measured or not: a multimeter
  // turned from volts to amperes no longer gives its voltage reading.
  bool record_on_bench(const RecordKey& record) const;
  // Forgets the bench: the next refresh reads it anew.
  void reset();

 private:
  QuantityReader reader_;
  std::vector<QuantityKey> keys_;
  std::vector<Quantity> list_;
  std::unordered_set<QuantityKey, QuantityKeyHash> present_;
  std::set<std::pair<int32_t, int32_t>> records_;  // kind and id
  bool read_ = false;
};

// "Bulb 1 current (A)", with what became of it when the bench no longer
// measures it.
QString QuantityHeading(const Quantity& quantity, const BenchQuantities& bench);

class QuantityChooser : public QListWidget {
  Q_OBJECT
 public:
  explicit QuantityChooser(QWidget* parent = nullptr);

  // Lists the bench's quantities now and, after them, the chosen ones that
  // are gone; the ticks stay where they were.
  void show_quantities(const BenchQuantities& bench);
  // The ticked quantities in the order they were ticked.
  const std::vector<Quantity>& chosen() const { return chosen_; }
  // Ticks or unticks a quantity as a pupil would (for a choice made on the
  // pupil's behalf, and for tests); false when it is not in the list.
  bool set_chosen(const QuantityKey& key, bool on);
  // The quantity labelled `label` in the list, for tests.
  QListWidgetItem* item_labelled(const std::string& label) const;
  // Nothing ticked and nothing listed.
  void forget();

  // After every change of the ticks.
  std::function<void()> changed;

 private:
  void item_toggled(QListWidgetItem* item);

  std::vector<Quantity> listed_;  // row by row
  std::vector<Quantity> chosen_;
  bool filling_ = false;
};

}  // namespace voltaro
