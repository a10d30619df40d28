#include "app/side_windows.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace voltaro {
namespace {

int ButtonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return 0;
    case Qt::RightButton:
      return 1;
    default:
      return 2;
  }
}

}  // namespace

// A tool window of its bench window: above that window only, not above the
// windows of other programs or of another bench.
Form_big::Form_big(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("Form_big");
  setWindowTitle("Zoom");
  resize(300, 300);
}

void Form_big::look_at(QPoint centre) {
  centre_ = centre;
  const int side = std::max(1, std::min(width(), height()));
  const double ratio = devicePixelRatioF();
  if (paint_bench) {
    square_ = paint_bench(centre, 140, static_cast<int>(std::ceil(side * ratio)));
    square_.setDevicePixelRatio(ratio);
  }
  update();
}

void Form_big::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const int side = std::min(width(), height());
  p.drawImage(QRect(0, 0, side, side), square_);
}

void Form_big::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Painted afresh for the new size, not stretched.
  if (!square_.isNull()) look_at(centre_);
}

Form4::Form4(const QString& program_dir, QWidget* parent)
    : QDialog(parent), program_dir_(program_dir) {
  setObjectName("Form4");
  setWindowTitle("Waring");
  auto* layout = new QVBoxLayout(this);
  Image1 = new QLabel;
  Image1->setAlignment(Qt::AlignCenter);
  Label1 = new QLabel("Short-circuited ! ! !");
  Label1->setAlignment(Qt::AlignCenter);
  QFont f = Label1->font();
  f.setPixelSize(16);
  f.setBold(true);
  Label1->setFont(f);
  Label1->setStyleSheet("color: #b00000;");
  layout->addWidget(Image1);
  layout->addWidget(Label1);
}

void Form4::showEvent(QShowEvent* event) {
  Image1->setPixmap(QPixmap(program_dir_ + "/warning.bmp"));
  QDialog::showEvent(event);
}

void Form4::mouseReleaseEvent(QMouseEvent* event) {
  // A click on the picture closes the warning.
  if (Image1->geometry().contains(event->position().toPoint())) accept();
  QDialog::mouseReleaseEvent(event);
}

BenchView::BenchView(BenchRenderer& renderer, QWidget* parent)
    : QWidget(parent), renderer_(renderer) {
  setObjectName("Image1");
  setFixedSize(BenchRenderer::WIDTH, BenchRenderer::HEIGHT);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
}

void BenchView::set_zoom(double zoom) {
  zoom_ = zoom;
  setFixedSize(static_cast<int>(std::ceil(BenchRenderer::WIDTH * zoom)),
               static_cast<int>(std::ceil(BenchRenderer::HEIGHT * zoom)));
  update();
}

Point BenchView::ToBench(QPointF widget, double zoom) {
  return {static_cast<int32_t>(widget.x() / zoom), static_cast<int32_t>(widget.y() / zoom)};
}

bool BenchView::event(QEvent* event) {
  const bool on_screen =
      event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal;
  const bool handled = QWidget::event(event);
  if (on_screen && screen_changed) screen_changed();
  return handled;
}

void BenchView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // The picture's pixels per widget pixel: the screen's pixel ratio, as
  // the picture is painted at the zoom times that ratio.
  const double k = renderer_.view_scale() / zoom_;
  const auto in_picture = [k](const QRect& r) {
    // A pixel more all round, for the smoothing between picture pixels.
    return QRectF(QPointF(r.topLeft()) * k, QSizeF(r.size()) * k)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
  };
  // What the scroll box shows of the bench is all a redraw needs to paint.
  renderer_.set_shown(in_picture(visibleRegion().boundingRect()));
  const QRectF target = event->rect();
  p.drawImage(target, renderer_.view_image(in_picture(event->rect())),
              QRectF(target.topLeft() * k, target.size() * k));
}

void BenchView::mousePressEvent(QMouseEvent* e) {
  const Point at = ToBench(e->position(), zoom_);
  if (pressed) pressed(ButtonCode(e->button()), at.x, at.y);
}

void BenchView::mouseMoveEvent(QMouseEvent* e) {
  const Point at = ToBench(e->position(), zoom_);
  if (moved) moved(at.x, at.y);
}

void BenchView::mouseReleaseEvent(QMouseEvent* e) {
  const Point at = ToBench(e->position(), zoom_);
  if (released) released(ButtonCode(e->button()), at.x, at.y);
}

void BenchView::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double click: the switch is thrown first, then the
  // press goes on as any other.
  if (e->button() == Qt::LeftButton && double_clicked) double_clicked();
  mousePressEvent(e);
}

void BenchView::wheelEvent(QWheelEvent* e) {
  if (!(e->modifiers() & Qt::ControlModifier) || !wheel_zoom) {
    // The scroll box scrolls.
    e->ignore();
    return;
  }
  // One step per notch; fine-grained wheels add up to a notch first.
  wheel_angle_ += e->angleDelta().y();
  const int steps = wheel_angle_ / 120;
  wheel_angle_ -= steps * 120;
  if (steps != 0) wheel_zoom(steps, e->position());
  e->accept();
}

}  // namespace voltaro
