#pragma once
// The dialogs of the induction apparatus: the coil with its magnet, the rod
// cutting magnetic lines, and the two generators.

#include <QRadioButton>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// "Coil and magnet" (kind 91).
class Form26 : public BenchDialog {
  Q_OBJECT
 public:
  Form26(QWidget* parent, const PictureSet& pictures, ElementRecord& coil);
  QRadioButton* RadioButton1;  // coil 1
  QRadioButton* RadioButton2;  // coil 2
  TrackBar* TrackBar1;         // coil turns
  QLineEdit* Edit1;            // coil resistance
  QRadioButton* RadioButton3;  // magnet1
  QRadioButton* RadioButton4;  // magnet2
  TrackBar* TrackBar2;         // magnet strength

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// "Cutting magnetic line of force" (kind 92).
class Form27 : public BenchDialog {
  Q_OBJECT
 public:
  Form27(QWidget* parent, const PictureSet& pictures, ElementRecord& rod);
  QRadioButton* RadioButton1;  // perpendicular inward
  QRadioButton* RadioButton2;  // perpendicular outward
  QLineEdit* Edit2;            // magnetic induction
  QLineEdit* Edit4;            // length
  QLineEdit* Edit3;            // speed
  QLineEdit* Edit1;            // resistance
  QCheckBox* CheckBox1;        // display speed
  QCheckBox* CheckBox2;        // display force

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// "AC generator" (kind 93) and "DC generator" (kind 95). Every control
// writes the generator as soon as it moves, so the turning coil follows;
// Cancel keeps what was moved.
class GeneratorDialog : public BenchDialog {
  Q_OBJECT
 public:
  GeneratorDialog(QWidget* parent, const PictureSet& pictures, ElementRecord& generator,
                  const QString& caption);
  TrackBar* TrackBar1;   // magnetic induction
  TrackBar* TrackBar2;   // turning speed
  TrackBar* TrackBar3;   // coil angle
  QCheckBox* CheckBox1;  // display motor direction

 protected:
  void ok() override;

 private:
  GeneratorControls controls() const;
  ElementRecord& record_;
};

class Form28 : public GeneratorDialog {
 public:
  Form28(QWidget* parent, const PictureSet& pictures, ElementRecord& generator);
};
class Form29 : public GeneratorDialog {
 public:
  Form29(QWidget* parent, const PictureSet& pictures, ElementRecord& generator);
};

}  // namespace voltaro
