#include "app/chart_window.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/plot_layer.h"
#include "document/recording_table.h"
#include "document/values.h"

namespace voltaro {
namespace {

// Traces of a row that lie further apart than this were not taken tick
// after tick (the chart was paused or closed meanwhile): no line joins them.
constexpr double GAP = 1.0;

struct TimeWindow {
  const char* text;
  double seconds;
};
constexpr TimeWindow TIME_WINDOWS[] = {{"5 s", 5},    {"10 s", 10},   {"30 s", 30},
                                       {"1 min", 60}, {"2 min", 120}, {"5 min", 300}};

struct UnitAxis {
  Unit unit;
  const char* title;
};
constexpr UnitAxis UNIT_AXES[] = {
    {Unit::Ampere, "Current (A)"}, {Unit::Volt, "Voltage (V)"}, {Unit::Ohm, "Resistance (Ω)"}};

// Colours that stay apart on a projector and on paper.
const QColor TRACE_COLOURS[] = {{200, 30, 30},  {20, 90, 200}, {20, 140, 50}, {210, 120, 0},
                                {140, 40, 170}, {0, 150, 160}, {120, 80, 30}, {90, 90, 90}};

}  // namespace

ChartWindow::ChartWindow(const Bench& bench, MeasurementPrompts& prompts, QWidget* owner)
    : QWidget(owner, Qt::Tool), bench_(bench), prompts_(prompts) {
  setObjectName("ChartWindow");
  setWindowTitle("Chart");
  recording_.follow([](const QuantityKey&) { return true; });

  chooser_ = new QuantityChooser;
  chooser_->changed = [this] { traces_changed(); };
  auto* left = new QVBoxLayout;
  auto* heading = new QLabel("&Quantities to chart:");
  heading->setBuddy(chooser_);
  left->addWidget(heading);
  left->addWidget(chooser_);

  pause_ = new QPushButton("&Pause");
  pause_->setObjectName("Pause");
  pause_->setCheckable(true);
  connect(pause_, &QPushButton::toggled, this, [this](bool on) { set_paused(on); });
  auto* clear_button = new QPushButton("C&lear");
  clear_button->setObjectName("Clear");
  connect(clear_button, &QPushButton::clicked, this, [this] { clear(); });
  windows_ = new QComboBox;
  windows_->setObjectName("TimeWindow");
  for (const TimeWindow& w : TIME_WINDOWS) windows_->addItem(w.text, w.seconds);
  windows_->setCurrentIndex(2);
  connect(windows_, &QComboBox::currentIndexChanged, this,
          [this](int index) { set_time_window(windows_->itemData(index).toDouble()); });
  auto* csv = new QPushButton("E&xport CSV...");
  connect(csv, &QPushButton::clicked, this, [this] { export_csv(); });
  auto* png = new QPushButton("Save as P&NG...");
  connect(png, &QPushButton::clicked, this, [this] { export_png(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(pause_);
  buttons->addWidget(clear_button);
  buttons->addSpacing(12);
  auto* shown = new QLabel("&Time shown:");
  shown->setBuddy(windows_);
  buttons->addWidget(shown);
  buttons->addWidget(windows_);
  buttons->addStretch();
  buttons->addWidget(csv);
  buttons->addWidget(png);

  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  time_axis_ = new QValueAxis;
  time_axis_->setTitleText("Time (s)");
  time_axis_->setLabelFormat("%g");
  time_axis_->setTickType(QValueAxis::TicksDynamic);
  time_axis_->setTickAnchor(0);
  chart_->addAxis(time_axis_, Qt::AlignBottom);
  for (const UnitAxis& u : UNIT_AXES) {
    auto* axis = new QValueAxis;
    axis->setTitleText(u.title);
    axis->setLabelFormat("%g");
    axis->setVisible(false);
    chart_->addAxis(axis, u.unit == Unit::Ampere ? Qt::AlignLeft : Qt::AlignRight);
    value_axes_.emplace_back(u.unit, axis);
  }
  view_ = new QChartView(chart_);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(480, 320);
  layer_ = new PlotLayer(chart_);
  layer_->draw = [this](QPainter& p, const QRectF& area) { draw_traces(p, area); };

  auto* right = new QVBoxLayout;
  right->addLayout(buttons);
  right->addWidget(view_, 1);
  auto* columns = new QHBoxLayout(this);
  auto* side = new QWidget;
  side->setLayout(left);
  side->setFixedWidth(300);
  columns->addWidget(side);
  columns->addLayout(right, 1);
  resize(1080, 620);
  set_time_window(window_);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  quantities_.rename(bench_);
  bench_changed();
}

double ChartWindow::now() const {
  return recording_.rows() ? recording_.times().back() : 0;
}

void ChartWindow::on_tick(double seconds) {
  if (!isVisible() || paused_) return;
  if (!origin_) origin_ = seconds;
  const double t = seconds - *origin_;
  // Time runs one way on the chart.
  if (recording_.rows() && t < recording_.times().back()) return;
  recording_.record(bench_, t);
  // What the widest window no longer shows goes, a minute's worth at once.
  const std::vector<double>& times = recording_.times();
  if (times.front() < t - LONGEST - 60) {
    const auto kept = std::lower_bound(times.begin(), times.end(), t - LONGEST);
    recording_.erase_rows(0, static_cast<size_t>(kept - times.begin()));
  }
  if (quantities_.refresh(bench_)) bench_changed();
  update_axes();
  layer_->update();
}

void ChartWindow::bench_replaced() {
  recording_.follow([](const QuantityKey&) { return true; });
  origin_.reset();
  quantities_.reset();
  chooser_->forget();
  traces_changed();
  if (isVisible()) {
    quantities_.refresh(bench_);
    bench_changed();
  }
}

void ChartWindow::bench_changed() {
  chooser_->show_quantities(quantities_);
  for (Trace& t : traces_) {
    t.on_bench = quantities_.on_bench(t.quantity.key);
    t.legend_entry->setName(QuantityHeading(t.quantity, quantities_));
  }
}

void ChartWindow::traces_changed() {
  const std::vector<Quantity>& chosen = chooser_->chosen();
  const auto is_chosen = [&](const Trace& t) {
    return std::any_of(chosen.begin(), chosen.end(),
                       [&](const Quantity& q) { return q.key == t.quantity.key; });
  };
  for (auto it = traces_.begin(); it != traces_.end();) {
    if (is_chosen(*it)) {
      ++it;
      continue;
    }
    chart_->removeSeries(it->legend_entry);
    delete it->legend_entry;
    it = traces_.erase(it);
  }
  for (const Quantity& q : chosen) {
    if (std::any_of(traces_.begin(), traces_.end(),
                    [&](const Trace& t) { return t.quantity.key == q.key; })) {
      continue;
    }
    // The first colour no trace has.
    QColor colour = TRACE_COLOURS[traces_.size() % std::size(TRACE_COLOURS)];
    for (const QColor& c : TRACE_COLOURS) {
      if (std::none_of(traces_.begin(), traces_.end(),
                       [&](const Trace& t) { return t.legend_entry->color() == c; })) {
        colour = c;
        break;
      }
    }
    auto* entry = new QLineSeries;
    entry->setColor(colour);
    const bool here = quantities_.on_bench(q.key);
    entry->setName(QuantityHeading(q, quantities_));
    chart_->addSeries(entry);
    entry->attachAxis(time_axis_);
    entry->attachAxis(value_axis_of(q.key.unit));
    traces_.push_back({q, entry, here});
  }
  arrange_axes();
  update_axes();
  layer_->update();
}

// One axis per unit in use, currents on the left and the others on the
// right, each with the units in its title; the grid follows the first.
void ChartWindow::arrange_axes() {
  bool first = true;
  for (auto& [unit, axis] : value_axes_) {
    const bool used = std::any_of(traces_.begin(), traces_.end(),
                                  [&](const Trace& t) { return t.quantity.key.unit == unit; });
    axis->setVisible(used);
    axis->setGridLineVisible(used && first);
    first = first && !used;
  }
}

size_t ChartWindow::first_shown_row() const {
  const std::vector<double>& times = recording_.times();
  const auto it = std::lower_bound(times.begin(), times.end(), time_axis_->min());
  // One row before, so that the line comes in from the left edge.
  return static_cast<size_t>(std::max<std::ptrdiff_t>(0, it - times.begin() - 1));
}

void ChartWindow::update_axes() {
  const double high = std::max(window_, now());
  if (time_axis_->min() != high - window_ || time_axis_->max() != high) {
    time_axis_->setRange(high - window_, high);
  }
  const AxisRange steps = RoundRange(0, window_);
  time_axis_->setTickInterval((steps.high - steps.low) / (steps.ticks - 1));

  const size_t first = first_shown_row();
  for (auto& [unit, axis] : value_axes_) {
    double low = INFINITY, high_value = -INFINITY;
    for (const Trace& t : traces_) {
      if (t.quantity.key.unit != unit) continue;
      const std::optional<size_t> column = recording_.column_of(t.quantity.key);
      if (!column) continue;
      for (size_t row = first; row < recording_.rows(); ++row) {
        const std::optional<double> v = recording_.value(row, *column);
        if (!v || !std::isfinite(*v)) continue;
        low = std::min(low, *v);
        high_value = std::max(high_value, *v);
      }
    }
    const AxisRange r = low <= high_value ? RoundRange(low, high_value) : RoundRange(0, 0);
    if (axis->min() != r.low || axis->max() != r.high) axis->setRange(r.low, r.high);
    if (axis->tickCount() != r.ticks) axis->setTickCount(r.ticks);
  }
}

void ChartWindow::draw_traces(QPainter& painter, const QRectF& area) const {
  const double x_low = time_axis_->min();
  const double x_scale = area.width() / (time_axis_->max() - x_low);
  const size_t first = first_shown_row();
  const std::vector<double>& times = recording_.times();
  QPolygonF line;
  std::vector<QLineF> segments;
  for (const Trace& t : traces_) {
    const std::optional<size_t> column = recording_.column_of(t.quantity.key);
    if (!column) continue;
    const QValueAxis* axis = value_axis_of(t.quantity.key.unit);
    const double y_low = axis->min();
    const double y_scale = area.height() / (axis->max() - y_low);
    QColor colour = t.legend_entry->color();
    if (!t.on_bench) colour.setAlpha(110);  // frozen: its instrument is gone
    painter.setPen(QPen(colour, 1.5));
    PixelColumns columns(line);
    // Segment by segment: a wide line drawn in one piece is outlined as a
    // whole, joins and crossings and all, which takes far longer.
    const auto flush = [&] {
      columns.finish();
      segments.clear();
      for (qsizetype i = 1; i < line.size(); ++i) segments.emplace_back(line[i - 1], line[i]);
      painter.drawLines(segments.data(), static_cast<int>(segments.size()));
      line.clear();
    };
    for (size_t row = first; row < recording_.rows(); ++row) {
      const std::optional<double> v = recording_.value(row, *column);
      if (!v || !std::isfinite(*v) || (row > first && times[row] - times[row - 1] > GAP)) flush();
      if (!v || !std::isfinite(*v)) continue;
      const double y = std::clamp(area.bottom() - (*v - y_low) * y_scale, -1e6, 1e6);
      columns.add(QPointF(area.left() + (times[row] - x_low) * x_scale, y));
    }
    flush();
  }
}

QValueAxis* ChartWindow::value_axis(const QString& unit) const {
  for (const auto& [u, axis] : value_axes_) {
    if (unit == QString::fromUtf8(UnitSymbol(u))) return axis->isVisible() ? axis : nullptr;
  }
  return nullptr;
}

QValueAxis* ChartWindow::value_axis_of(Unit unit) const {
  for (const auto& [u, axis] : value_axes_) {
    if (u == unit) return axis;
  }
  return value_axes_.front().second;
}

QStringList ChartWindow::legend() const {
  QStringList out;
  for (const Trace& t : traces_) out << t.legend_entry->name();
  return out;
}

CsvTable ChartWindow::traces_table() const {
  CsvTable table{{"Time (s)"}};
  for (const Trace& t : traces_) table[0].push_back(ColumnHeading(t.quantity));
  const double shown_from = time_axis_->min();
  for (size_t row = 0; row < recording_.rows(); ++row) {
    if (recording_.times()[row] < shown_from) continue;
    CsvRow cells{FormatReal(recording_.times()[row])};
    for (const Trace& t : traces_) {
      const std::optional<size_t> column = recording_.column_of(t.quantity.key);
      const std::optional<double> v =
          column ? recording_.value(row, *column) : std::optional<double>();
      cells.push_back(v ? FormatReal(*v) : std::string());
    }
    table.push_back(std::move(cells));
  }
  return table;
}

void ChartWindow::set_paused(bool paused) {
  paused_ = paused;
  if (pause_->isChecked() != paused) pause_->setChecked(paused);
}

void ChartWindow::clear() {
  // A trace whose component has gone has nothing left to show.
  for (const Trace& t : std::vector<Trace>(traces_)) {
    if (!t.on_bench) chooser_->set_chosen(t.quantity.key, false);
  }
  recording_.follow([](const QuantityKey&) { return true; });
  origin_.reset();
  chooser_->show_quantities(quantities_);
  update_axes();
  layer_->update();
}

void ChartWindow::set_time_window(double seconds) {
  window_ = std::clamp(seconds, 5.0, LONGEST);
  const int index = windows_->findData(window_);
  if (index >= 0 && index != windows_->currentIndex()) windows_->setCurrentIndex(index);
  update_axes();
  layer_->update();
}

void ChartWindow::export_csv() {
  const QString path = prompts_.save_path(this, "Export the traces as CSV", "csv");
  if (path.isEmpty()) return;
  const std::string bytes = CsvFileBytes(traces_table(), CsvEncoding::Utf8);
  if (!WriteExport(path, QByteArray::fromStdString(bytes))) {
    prompts_.error(this, EXPORT_NOT_WRITTEN);
  }
}

void ChartWindow::export_png() {
  const QString path = prompts_.save_path(this, "Save the chart as a PNG picture", "png");
  if (path.isEmpty()) return;
  // The chart lays itself out anew when traces come or go; the picture
  // shows it laid out.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!view_->grab().toImage().save(&buffer, "PNG") || !WriteExport(path, bytes)) {
    prompts_.error(this, EXPORT_NOT_WRITTEN);
  }
}

}  // namespace voltaro
