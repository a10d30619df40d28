#pragma once
// The bench window's companions: the magnifier, the short-circuit warning
// and the widget that shows the bench picture and hears the mouse.

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <functional>

#include "model/bench.h"
#include "render/bench_renderer.h"

class QLabel;

namespace voltaro {

// "Zoom": a 140 x 140 square of the bench, shown as large as the window
// allows: the bench painted at that magnification, not its pixels
// enlarged.
class Form_big : public QWidget {
  Q_OBJECT
 public:
  explicit Form_big(QWidget* parent = nullptr);
  // Paints the square of the bench of `span` bench pixels round `centre`,
  // `side` device pixels wide.
  std::function<QImage(QPoint centre, int span, int side)> paint_bench;
  // Shows the square centred on `centre` as the bench stands now.
  void look_at(QPoint centre);
  // The square as last painted, as large as the window shows it.
  const QImage& square() const { return square_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPoint centre_;
  QImage square_;
};

// "Waring": the short-circuit warning with its picture.
class Form4 : public QDialog {
  Q_OBJECT
 public:
  Form4(const QString& program_dir, QWidget* parent = nullptr);
  QLabel* Label1;

 protected:
  void showEvent(QShowEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString program_dir_;
  QLabel* Image1;
};

// The bench picture (Image1) in its scroll box, shown at a zoom. The mouse
// reaches the bench in bench pixels: the widget's pixels divided by the
// zoom and truncated toward zero, as the bench truncates computed points,
// so every catch area and clamp holds in bench pixels at every zoom.
class BenchView : public QWidget {
  Q_OBJECT
 public:
  explicit BenchView(BenchRenderer& renderer, QWidget* parent = nullptr);

  double zoom() const { return zoom_; }
  // Sizes the widget for the zoom; the renderer paints the picture.
  void set_zoom(double zoom);
  // The bench point under a point of a widget shown at `zoom`.
  static Point ToBench(QPointF widget, double zoom);

  std::function<void(int button, int x, int y)> pressed, released;
  std::function<void(int x, int y)> moved;
  std::function<void()> double_clicked;
  // Ctrl and the wheel: zoom `steps` steps in (or out, below 0) about a
  // point of the widget.
  std::function<void(int steps, QPointF at)> wheel_zoom;
  // The widget was shown, or moved to another screen, whose pixel ratio
  // the picture has to be painted for.
  std::function<void()> screen_changed;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  BenchRenderer& renderer_;
  double zoom_ = 1;
  int wheel_angle_ = 0;
};

}  // namespace voltaro
