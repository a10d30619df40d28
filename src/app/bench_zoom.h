#pragma once
// The zoom of the bench window: the bench shown from 50 % to 400 % of its
// size, painted sharp at the screen's resolution, in steps, fitted to the
// window or zoomed about the pointer with Ctrl and the wheel.

#include <QObject>
#include <QPointF>
#include <functional>

#include "app/side_windows.h"
#include "render/bench_renderer.h"

class QScrollArea;

namespace voltaro {

class BenchZoom : public QObject {
  Q_OBJECT
 public:
  static constexpr double MIN_ZOOM = 0.5;
  static constexpr double MAX_ZOOM = 4;

  BenchZoom(QScrollArea& scroll, BenchView& view, BenchRenderer& renderer);

  double zoom() const { return view_.zoom(); }
  // "Zoom In", "Zoom Out": the next step, about the middle of what shows.
  void zoom_in();
  void zoom_out();
  // "Actual Size": 100 %.
  void actual_size();
  // "Fit to Window": the whole bench as large as the window shows it; it
  // stays fitted as the window changes size until zoomed otherwise.
  void fit_to_window();
  bool fitted() const { return fitted_; }
  // `steps` steps in or out with the bench point under `at` (a point of
  // the view) kept where it is.
  void zoom_about(int steps, QPointF at);
  // Sets the zoom, limited to 50 % to 400 %, keeping the bench point under
  // `anchor` (a point of the scroll box's viewport) in its place.
  void set_zoom(double zoom, QPointF anchor);
  // Paints the picture again for the screen's pixel ratio.
  void screen_changed();
  // Runs before the picture is painted anew for another zoom, which takes
  // the mouse's XOR feedback off it.
  std::function<void()> before_change;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  double step_from(double zoom, int steps) const;
  QPointF middle() const;
  void apply(double zoom);
  double fitting_zoom() const;

  QScrollArea& scroll_;
  BenchView& view_;
  BenchRenderer& renderer_;
  bool fitted_ = false;
};

}  // namespace voltaro
