#include "app/plot_layer.h"

#include <QChart>
#include <QPainter>
#include <cmath>

namespace voltaro {

PlotLayer::PlotLayer(QChart* chart) : QGraphicsItem(chart) {
  setZValue(10);  // above the grid and the chart's own series
  area_ = chart->plotArea();
  QObject::connect(chart, &QChart::plotAreaChanged, chart, [this](const QRectF& area) {
    prepareGeometryChange();
    area_ = area;
  });
}

void PlotLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  if (!draw || area_.isEmpty()) return;
  painter->save();
  painter->setClipRect(area_);
  draw(*painter, area_);
  painter->restore();
}

AxisRange RoundRange(double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high) || low > high) return {};
  if (low == high) {
    const double room = low == 0 ? 1 : std::fabs(low) * 0.1;
    low -= room;
    high += room;
  }
  // About five steps across the range.
  const double rough = (high - low) / 5;
  const double power = std::pow(10, std::floor(std::log10(rough)));
  double step = power * 10;
  for (const double f : {1.0, 2.0, 5.0}) {
    if (power * f >= rough) {
      step = power * f;
      break;
    }
  }
  AxisRange r;
  r.low = std::floor(low / step) * step;
  r.high = std::ceil(high / step) * step;
  if (!std::isfinite(r.low) || !std::isfinite(r.high) || r.high <= r.low) return {low, high, 2};
  r.ticks = static_cast<int>(std::lround((r.high - r.low) / step)) + 1;
  return r;
}

void PixelColumns::add(const QPointF& p) {
  const double column = std::floor(p.x());
  if (column != column_ || !count_) {
    finish();
    column_ = column;
    low_ = high_ = p;
    low_later_ = false;
    count_ = 1;
    return;
  }
  ++count_;
  if (p.y() < low_.y()) {
    low_ = p;
    low_later_ = true;
  } else if (p.y() > high_.y()) {
    high_ = p;
    low_later_ = false;
  }
}

void PixelColumns::finish() {
  if (!count_) return;
  out_.append(low_later_ ? high_ : low_);
  if (low_ != high_) out_.append(low_later_ ? low_ : high_);
  count_ = 0;
}

}  // namespace voltaro
