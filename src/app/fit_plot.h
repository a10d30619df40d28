#pragma once
// One column of a table of readings plotted against another, with the
// straight line that fits the points best and its slope and intercept: for
// Ohm's law, the current against the voltage gives R = 1 / slope.

#include <QWidget>
#include <optional>
#include <vector>

#include "document/line_fit.h"
#include "model/recording.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace voltaro {

class FitPlot : public QWidget {
  Q_OBJECT
 public:
  explicit FitPlot(QWidget* parent = nullptr);

  // Offers these quantities for the two axes, keeping the ones chosen
  // while they are offered; the first two offered go on X and Y at first.
  void offer(const std::vector<Quantity>& quantities);
  // Plots the chosen columns of the recording and fits the line.
  void plot(const Recording& recording);

  QComboBox* x_choice() const { return x_; }
  QComboBox* y_choice() const { return y_; }
  const std::optional<LineFit>& fit() const { return fit_; }
  // What the plot says under itself: the slope and the intercept, and a
  // resistance where Y and X are a current and a voltage.
  QString result() const;
  QChartView* view() const { return view_; }

  std::function<void()> axes_chosen;

 private:
  std::optional<Quantity> chosen(const QComboBox* box) const;

  std::vector<Quantity> offered_;
  std::optional<LineFit> fit_;
  QComboBox* x_;
  QComboBox* y_;
  QChart* chart_;
  QChartView* view_;
  QScatterSeries* points_;
  QLineSeries* line_;
  QValueAxis* x_axis_;
  QValueAxis* y_axis_;
  QLabel* result_;
};

}  // namespace voltaro
