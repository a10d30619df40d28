#pragma once
// "Measurements": a table of readings taken when the pupil says so, one row
// at each press of Record (or F9), and one column plotted against another
// with the line that fits them: the Ohm's-law lab from the slider to the
// resistance without paper.

#include <QWidget>
#include <optional>

#include "app/measurement_prompts.h"
#include "app/quantity_chooser.h"
#include "document/csv.h"
#include "model/recording.h"

class QTableWidget;

namespace voltaro {

class FitPlot;

class MeasurementsWindow : public QWidget {
  Q_OBJECT
 public:
  // A tool window of `owner`, the bench window.
  MeasurementsWindow(const Bench& bench, MeasurementPrompts& prompts, QWidget* owner = nullptr);

  // After each tick of the bench's timer, at `seconds` on the bench's clock:
  // follows what is on the bench while the window shows.
  void on_tick(double seconds);
  // New or Open replaced the bench: no rows, no columns chosen.
  void bench_replaced();

  // A row with every reading of now.
  void record();
  // The rows selected in the table.
  void delete_rows();
  void copy_table();
  void export_csv();

  QuantityChooser* chooser() const { return chooser_; }
  QTableWidget* table_view() const { return table_; }
  FitPlot* plot() const { return plot_; }
  const Recording& recording() const { return recording_; }
  // The table as copied and exported: "Time (s)", then the chosen
  // readings, one row per press of Record.
  CsvTable table() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void bench_changed();
  void columns_changed();
  void fill_table();

  const Bench& bench_;
  MeasurementPrompts& prompts_;
  Recording recording_;
  BenchQuantities quantities_;
  std::optional<double> origin_;  // the bench's clock at the first row
  double seconds_ = 0;            // the bench's clock at the last tick
  // A bench newly opened gets its instruments' readings ticked.
  bool choose_instruments_ = true;

  QuantityChooser* chooser_;
  QTableWidget* table_;
  FitPlot* plot_;
};

}  // namespace voltaro
