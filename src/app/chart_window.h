#pragma once
// "Chart": the readings of the bench drawn against time, a point per trace
// at every tick of the bench's timer, so that the AC generator's current
// draws a sine and the coil-and-magnet pulse a spike.

#include <QWidget>
#include <optional>
#include <vector>

#include "app/measurement_prompts.h"
#include "app/quantity_chooser.h"
#include "document/csv.h"
#include "model/recording.h"

class QChart;
class QChartView;
class QComboBox;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace voltaro {

class PlotLayer;

class ChartWindow : public QWidget {
  Q_OBJECT
 public:
  // A tool window of `owner`, the bench window.
  ChartWindow(const Bench& bench, MeasurementPrompts& prompts, QWidget* owner = nullptr);
  ~ChartWindow() override;

  // After each tick of the bench's timer, at `seconds` on the bench's
  // clock: a point for every trace while the window shows and runs.
  void on_tick(double seconds);
  // New or Open replaced the bench: nothing recorded, nothing chosen.
  void bench_replaced();

  // What the buttons do, for the tool bar of the window and for tests.
  void set_paused(bool paused);
  bool paused() const { return paused_; }
  void clear();
  // The span of time shown, in seconds: 5 to 300.
  void set_time_window(double seconds);
  double time_window() const { return window_; }
  void export_csv();
  void export_png();

  QuantityChooser* chooser() const { return chooser_; }
  // The traces as written by Export CSV: the time and each trace, over the
  // time shown.
  CsvTable traces_table() const;
  // The legend's entries, trace by trace.
  QStringList legend() const;
  // The axis of a unit ("A", "V", "Ω"), shown when a trace is in it.
  QValueAxis* value_axis(const QString& unit) const;
  QValueAxis* time_axis() const { return time_axis_; }
  QChartView* view() const { return view_; }
  const Recording& recording() const { return recording_; }

  // Longest time kept: the widest time window.
  static constexpr double LONGEST = 300;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Trace {
    Quantity quantity;
    QLineSeries* legend_entry;  // no points: the chart's legend and colour
    bool on_bench = true;
  };
  void traces_changed();
  void bench_changed();
  void update_axes();
  void arrange_axes();
  QValueAxis* value_axis_of(Unit unit) const;
  void draw_traces(QPainter& painter, const QRectF& area) const;
  // Rows from the first one the time window shows.
  size_t first_shown_row() const;
  double now() const;

  const Bench& bench_;
  MeasurementPrompts& prompts_;
  Recording recording_;
  BenchQuantities quantities_;
  std::vector<Trace> traces_;
  std::optional<double> origin_;  // the bench's clock at time 0 of the chart
  bool paused_ = false;
  double window_ = 30;

  QuantityChooser* chooser_;
  QPushButton* pause_;
  QComboBox* windows_;
  QChart* chart_;
  QChartView* view_;
  PlotLayer* layer_;
  QValueAxis* time_axis_;
  std::vector<std::pair<Unit, QValueAxis*>> value_axes_;
};

}  // namespace voltaro
