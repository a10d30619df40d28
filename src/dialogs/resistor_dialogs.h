#pragma once
// The dialogs of the slide resistor, the resistance wire and the resistance
// box. The slide resistor and the resistance box act on the bench while they
// are open: every move is analysed at once, so the meters follow.

#include <QSlider>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// "Slide resistor" (kind 12), on a record of the rheostat table.
class Form7 : public BenchDialog {
  Q_OBJECT
 public:
  Form7(QWidget* parent, const PictureSet& pictures, Bench& bench, int index);
  QLineEdit* Edit1;    // total resistance
  QSlider* TrackBar1;  // slipper position, percent
  QLabel* Label5;      // the position as text
  QCheckBox* CheckBox1;

  void reject() override;

 protected:
  void ok() override;

 private:
  void slipper_moved(int position);
  Bench& bench_;
  int index_;
};

// "Resistance wire" (kind 13): resistivity, length and section give the
// resistance, shown by Compute before it is taken.
class Form11 : public BenchDialog {
  Q_OBJECT
 public:
  Form11(QWidget* parent, const PictureSet& pictures, ElementRecord& wire);
  QLineEdit* Edit1;      // resistivity
  QLineEdit* Edit2;      // length
  QLineEdit* Edit3;      // section
  QLabel* Label14;       // the answer
  QPushButton* BitBtn1;  // Compute
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  void compute(bool quietly);
  ElementRecord& record_;
};

// The six decade dials on the resistance box's face. A left click turns a
// dial one digit up, a right click one down.
class DecadeDials : public QWidget {
  Q_OBJECT
 public:
  DecadeDials(const QImage& face, const DialDigits& digits, QWidget* parent = nullptr);
  const DialDigits& digits() const { return digits_; }
  // The pointer angle of dial 0 (units) .. 5 (hundred-thousands).
  int angle(int dial) const { return angles_[dial]; }
  // Where dial `dial` sits on the face.
  static QPoint centre(int dial);
  void click(int dial, bool left);

 signals:
  void turned();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  QSize sizeHint() const override;

 private:
  QImage face_;
  std::array<int, DECADE_DIALS> angles_{};
  DialDigits digits_{};
};

// "Rheostats" (kind 14): the resistance box. `obj_dir` holds its face.
class Form12 : public BenchDialog {
  Q_OBJECT
 public:
  Form12(QWidget* parent, const PictureSet& pictures, const QString& obj_dir, Bench& bench,
         int index);
  DecadeDials* Dials;
  QLabel* Label2;  // the dial value
  QCheckBox* CheckBox1;

  void reject() override;

 protected:
  void ok() override;

 private:
  void dials_turned();
  Bench& bench_;
  int index_;
  // What the box had when the dialog opened; Cancel puts it back as it was.
  double opened_with_;
};

}  // namespace voltaro
