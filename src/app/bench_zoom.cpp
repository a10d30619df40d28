#include "app/bench_zoom.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace voltaro {
namespace {

// The zooms the steps go through, as a browser's do.
constexpr double STEPS[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 3.5, 4};

}  // namespace

BenchZoom::BenchZoom(QScrollArea& scroll, BenchView& view, BenchRenderer& renderer)
    : QObject(&view), scroll_(scroll), view_(view), renderer_(renderer) {
  scroll_.viewport()->installEventFilter(this);
  view_.wheel_zoom = [this](int steps, QPointF at) { zoom_about(steps, at); };
  view_.screen_changed = [this] { screen_changed(); };
}

double BenchZoom::step_from(double zoom, int steps) const {
  // From a zoom between two steps (a fitted one), the first step in either
  // direction goes to the neighbour on that side.
  for (; steps > 0; --steps) {
    const double* next = std::upper_bound(std::begin(STEPS), std::end(STEPS), zoom + 1e-6);
    zoom = next == std::end(STEPS) ? MAX_ZOOM : *next;
  }
  for (; steps < 0; ++steps) {
    const double* next = std::lower_bound(std::begin(STEPS), std::end(STEPS), zoom - 1e-6);
    zoom = next == std::begin(STEPS) ? MIN_ZOOM : *(next - 1);
  }
  return zoom;
}

QPointF BenchZoom::middle() const {
  return QRectF(scroll_.viewport()->rect()).center();
}

void BenchZoom::zoom_in() {
  set_zoom(step_from(zoom(), 1), middle());
}

void BenchZoom::zoom_out() {
  set_zoom(step_from(zoom(), -1), middle());
}

void BenchZoom::actual_size() {
  set_zoom(1, middle());
}

void BenchZoom::zoom_about(int steps, QPointF at) {
  set_zoom(step_from(zoom(), steps), view_.mapTo(scroll_.viewport(), at));
}

double BenchZoom::fitting_zoom() const {
  const QSize room = scroll_.maximumViewportSize();
  // A hair less, so that rounding the view's size up never makes it a
  // pixel too big and brings the scroll bars.
  return std::min(static_cast<double>(room.width()) / BenchRenderer::WIDTH,
                  static_cast<double>(room.height()) / BenchRenderer::HEIGHT) -
         1e-9;
}

void BenchZoom::fit_to_window() {
  set_zoom(fitting_zoom(), middle());
  fitted_ = true;
}

void BenchZoom::set_zoom(double zoom, QPointF anchor) {
  fitted_ = false;
  zoom = std::clamp(zoom, MIN_ZOOM, MAX_ZOOM);
  const QPointF bench = view_.mapFrom(scroll_.viewport(), anchor) / view_.zoom();
  apply(zoom);
  // The scroll box has laid the view out for its new size; bring the bench
  // point back under the anchor as far as the scroll bars reach.
  const QPointF shown = bench * zoom;
  scroll_.horizontalScrollBar()->setValue(static_cast<int>(std::lround(shown.x() - anchor.x())));
  scroll_.verticalScrollBar()->setValue(static_cast<int>(std::lround(shown.y() - anchor.y())));
}

void BenchZoom::apply(double zoom) {
  // At most four screen pixels per bench pixel: beyond that (400 % on a
  // screen of pixel ratio 2) the picture would take hundreds of megabytes
  // for detail no eye sees, and the screen enlarges the last step.
  const double scale = std::min(zoom * view_.devicePixelRatioF(), MAX_ZOOM);
  if (scale != renderer_.view_scale() && before_change) before_change();
  view_.set_zoom(zoom);
  renderer_.set_view_scale(scale);
}

void BenchZoom::screen_changed() {
  apply(zoom());
}

bool BenchZoom::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_.viewport() && event->type() == QEvent::Resize && fitted_) {
    apply(std::clamp(fitting_zoom(), MIN_ZOOM, MAX_ZOOM));
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace voltaro
