#include "app/fit_plot.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/plot_layer.h"
#include "document/recording_table.h"
#include "model/format.h"

namespace voltaro {
namespace {

QString Number(double value) {
  return QString::fromStdString(FormatGeneral(value, 6));
}

// The range of the values with the origin in it: a resistor's line goes
// through it, and the eye checks that at once. What is a billion times
// smaller than the largest value is the rounding of the fit, not a value.
AxisRange RangeWithOrigin(const std::vector<double>& values) {
  double largest = 0;
  for (double v : values) largest = std::isfinite(v) ? std::max(largest, std::fabs(v)) : largest;
  double low = 0, high = 0;
  for (double v : values) {
    if (!std::isfinite(v) || std::fabs(v) < 1e-9 * largest) continue;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  return RoundRange(low, high);
}

void SetRange(QValueAxis* axis, const AxisRange& r) {
  axis->setRange(r.low, r.high);
  axis->setTickCount(r.ticks);
}

}  // namespace

FitPlot::FitPlot(QWidget* parent) : QWidget(parent) {
  x_ = new QComboBox;
  x_->setObjectName("PlotX");
  y_ = new QComboBox;
  y_->setObjectName("PlotY");
  for (QComboBox* box : {x_, y_}) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    connect(box, &QComboBox::activated, this, [this] {
      if (axes_chosen) axes_chosen();
    });
  }
  auto* choice = new QHBoxLayout;
  choice->addWidget(new QLabel("Plot"));
  choice->addWidget(y_, 1);
  choice->addWidget(new QLabel("against"));
  choice->addWidget(x_, 1);

  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->hide();
  points_ = new QScatterSeries;
  points_->setMarkerSize(9);
  line_ = new QLineSeries;
  x_axis_ = new QValueAxis;
  y_axis_ = new QValueAxis;
  for (QValueAxis* axis : {x_axis_, y_axis_}) axis->setLabelFormat("%g");
  chart_->addAxis(x_axis_, Qt::AlignBottom);
  chart_->addAxis(y_axis_, Qt::AlignLeft);
  for (QXYSeries* s : std::initializer_list<QXYSeries*>{line_, points_}) {
    chart_->addSeries(s);
    s->attachAxis(x_axis_);
    s->attachAxis(y_axis_);
  }
  view_ = new QChartView(chart_);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(360, 280);
  result_ = new QLabel;
  result_->setObjectName("FitResult");
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  result_->setWordWrap(true);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(choice);
  column->addWidget(view_, 1);
  column->addWidget(result_);
}

void FitPlot::offer(const std::vector<Quantity>& quantities) {
  const std::optional<Quantity> x = chosen(x_), y = chosen(y_);
  offered_ = quantities;
  const auto index_of = [&](const std::optional<Quantity>& q, int otherwise) {
    for (size_t i = 0; q && i < offered_.size(); ++i) {
      if (offered_[i].key == q->key) return static_cast<int>(i);
    }
    return otherwise < static_cast<int>(offered_.size()) ? otherwise : -1;
  };
  for (QComboBox* box : {x_, y_}) {
    box->clear();
    for (const Quantity& q : offered_) box->addItem(QString::fromStdString(ColumnHeading(q)));
  }
  x_->setCurrentIndex(index_of(x, 0));
  y_->setCurrentIndex(index_of(y, 1));
}

std::optional<Quantity> FitPlot::chosen(const QComboBox* box) const {
  const int i = box->currentIndex();
  if (i < 0 || i >= static_cast<int>(offered_.size())) return std::nullopt;
  return offered_[static_cast<size_t>(i)];
}

void FitPlot::plot(const Recording& recording) {
  const std::optional<Quantity> x = chosen(x_), y = chosen(y_);
  std::vector<double> xs, ys;
  if (x && y) {
    const std::optional<size_t> xc = recording.column_of(x->key);
    const std::optional<size_t> yc = recording.column_of(y->key);
    if (xc && yc) {
      xs = recording.numbers(*xc);
      ys = recording.numbers(*yc);
    }
  }
  QList<QPointF> points;
  for (size_t i = 0; i < xs.size(); ++i) {
    if (std::isfinite(xs[i]) && std::isfinite(ys[i])) points.append(QPointF(xs[i], ys[i]));
  }
  points_->replace(points);
  x_axis_->setTitleText(x ? QString::fromStdString(ColumnHeading(*x)) : QString());
  y_axis_->setTitleText(y ? QString::fromStdString(ColumnHeading(*y)) : QString());
  const AxisRange xr = RangeWithOrigin(xs);
  SetRange(x_axis_, xr);
  fit_ = FitLine(xs, ys);
  std::vector<double> y_shown = ys;
  if (fit_) {
    const QList<QPointF> ends = {QPointF(xr.low, fit_->slope * xr.low + fit_->intercept),
                                 QPointF(xr.high, fit_->slope * xr.high + fit_->intercept)};
    line_->replace(ends);
    // The fitted line may leave the points' range; the axis takes it in.
    for (const QPointF& p : ends) y_shown.push_back(p.y());
  } else {
    line_->clear();
  }
  SetRange(y_axis_, RangeWithOrigin(y_shown));

  if (!x || !y) {
    result_->setText("Choose two readings to record, then plot one against the other.");
  } else if (!fit_) {
    result_->setText("No line yet: it needs two rows or more with different values of " +
                     QString::fromStdString(x->label()) + ".");
  } else {
    const QString yu = QString::fromStdString(y->unit), xu = QString::fromStdString(x->unit);
    // An intercept a billion times smaller than the readings is the
    // rounding of the sums, not a measured offset.
    double largest = 0;
    for (double v : ys) largest = std::isfinite(v) ? std::max(largest, std::fabs(v)) : largest;
    const double intercept = std::fabs(fit_->intercept) < 1e-9 * largest ? 0 : fit_->intercept;
    QString text = QString("Line of best fit through %1 points: slope %2 %3/%4, intercept %5 %3.")
                       .arg(fit_->points)
                       .arg(Number(fit_->slope), yu, xu, Number(intercept));
    if (y->unit == "A" && x->unit == "V" && fit_->slope != 0) {
      text += "\nResistance R = 1 / slope = " + Number(1 / fit_->slope) + " Ω.";
    } else if (y->unit == "V" && x->unit == "A") {
      text += "\nResistance R = slope = " + Number(fit_->slope) + " Ω.";
    }
    result_->setText(text);
  }
}

QString FitPlot::result() const {
  return result_->text();
}

}  // namespace voltaro
