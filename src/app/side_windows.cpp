#include "app/side_windows.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

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
Form_big::Form_big(QWidget* parent)
    : QWidget(parent, Qt::Tool), square_(140, 140, QImage::Format_RGB32) {
  setObjectName("Form_big");
  setWindowTitle("Zoom");
  resize(300, 300);
  square_.fill(Qt::white);
}

void Form_big::copy_from(const QImage& bench, QPoint c) {
  // Unscaled: the part of the square off the bench stays white.
  square_.fill(Qt::white);
  QPainter p(&square_);
  p.drawImage(QPoint(0, 0), bench, QRect(c.x() - 70, c.y() - 70, 140, 140));
  p.end();
  update();
}

void Form_big::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const int side = std::min(width(), height());
  p.drawImage(QRect(0, 0, side, side), square_);
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

BenchView::BenchView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setObjectName("Image1");
  setFixedSize(image.size());
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
}

void BenchView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), image_, event->rect());
}

void BenchView::mousePressEvent(QMouseEvent* e) {
  if (pressed) pressed(ButtonCode(e->button()), e->position().x(), e->position().y());
}

void BenchView::mouseMoveEvent(QMouseEvent* e) {
  if (moved) moved(e->position().x(), e->position().y());
}

void BenchView::mouseReleaseEvent(QMouseEvent* e) {
  if (released) released(ButtonCode(e->button()), e->position().x(), e->position().y());
}

void BenchView::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double click: the switch is thrown first, then the
  // press goes on as any other.
  if (e->button() == Qt::LeftButton && double_clicked) double_clicked();
  mousePressEvent(e);
}

}  // namespace voltaro
