#pragma once
// A layer over a chart's plot area that draws long traces itself. A line
// series of the charts module works out, at every new point, the outline
// of its whole line for the mouse to hit; for eight traces of five minutes
// that is several times the 100 ms between two ticks. The chart still lays
// out the axes, their units, the grid and the legend; this layer draws the
// lines into the plot area the chart leaves for them.

#include <QGraphicsItem>
#include <QPolygonF>
#include <functional>

class QChart;

namespace voltaro {

class PlotLayer : public QGraphicsItem {
 public:
  // Lies over the chart's plot area and follows it.
  explicit PlotLayer(QChart* chart);
  QRectF boundingRect() const override { return area_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

  // Draws the lines into the plot area given, clipped to it.
  std::function<void(QPainter& painter, const QRectF& area)> draw;

 private:
  QRectF area_;
};

// A range for an axis that holds [low, high] and ends on round numbers of a
// step of 1, 2 or 5 times a power of ten, with the number of ticks that
// gives. A single value gets some room around it.
struct AxisRange {
  double low = 0;
  double high = 1;
  int ticks = 2;
  friend bool operator==(const AxisRange&, const AxisRange&) = default;
};
AxisRange RoundRange(double low, double high);

// Of the points of a line that fall into one column of pixels, keeps the
// lowest and the highest, in the order they came: all that the line shows
// at this width. Five minutes of ticks are some five points a column.
class PixelColumns {
 public:
  // Adds the points kept to `out`.
  explicit PixelColumns(QPolygonF& out) : out_(out) {}
  // The next point of the line, from left to right.
  void add(const QPointF& p);
  // Puts in the points of the last column.
  void finish();

 private:
  QPolygonF& out_;
  double column_ = 0;
  QPointF low_, high_;
  bool low_later_ = false;
  int count_ = 0;
};

}  // namespace voltaro
