#pragma once
// The bench window's companions: the magnifier, the short-circuit warning
// and the widget that shows the bench picture and hears the mouse.

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;

namespace voltaro {

// "Zoom": a 140 x 140 square of the bench, stretched to the window.
class Form_big : public QWidget {
  Q_OBJECT
 public:
  explicit Form_big(QWidget* parent = nullptr);
  // Copies the square centred on `centre` from the bench picture.
  void copy_from(const QImage& bench, QPoint centre);
  const QImage& square() const { return square_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
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

// The bench picture (Image1) in its scroll box.
class BenchView : public QWidget {
  Q_OBJECT
 public:
  explicit BenchView(const QImage& image, QWidget* parent = nullptr);

  std::function<void(int button, int x, int y)> pressed, released;
  std::function<void(int x, int y)> moved;
  std::function<void()> double_clicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const QImage& image_;
};

}  // namespace voltaro
