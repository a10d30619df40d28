#pragma once
// The dialogs of the power sources and the fixed resistor: each shows the
// record it was opened on and writes it back on OK.

#include <QComboBox>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// "Fixed resistor" (kind 1).
class Form2 : public BenchDialog {
  Q_OBJECT
 public:
  Form2(QWidget* parent, const PictureSet& pictures, ElementRecord& resistor);
  QComboBox* ComboBox1;  // resistance, typed or picked
  QLineEdit* Edit2;      // name
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// "self-defined voltage supply" (kind 2).
class Form3 : public BenchDialog {
  Q_OBJECT
 public:
  Form3(QWidget* parent, const PictureSet& pictures, ElementRecord& supply);
  QLineEdit* Edit1;  // voltage
  QLineEdit* Edit2;  // internal resistance
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// A single cell of fixed voltage with only its internal resistance to set.
class CellDialog : public BenchDialog {
  Q_OBJECT
 public:
  using Check = Checked<CellValues> (*)(const CellInput&);
  CellDialog(QWidget* parent, const PictureSet& pictures, ElementRecord& cell,
             const QString& caption, const QString& voltage, Check check);
  QLineEdit* Edit1;  // internal resistance
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
  Check check_;
};

// "1.5V Battery" (kind 21), "Storage battery" (kind 22), "9V battery" (kind 25).
class Form9 : public CellDialog {
 public:
  Form9(QWidget* parent, const PictureSet& pictures, ElementRecord& cell);
};
class Form14 : public CellDialog {
 public:
  Form14(QWidget* parent, const PictureSet& pictures, ElementRecord& cell);
};
class Form16 : public CellDialog {
 public:
  Form16(QWidget* parent, const PictureSet& pictures, ElementRecord& cell);
};

// A set of equal cells in series: the resistance of one and how many.
class BatterySetDialog : public BenchDialog {
  Q_OBJECT
 public:
  using Check = Checked<BatterySetValues> (*)(const BatterySetInput&);
  BatterySetDialog(QWidget* parent, const PictureSet& pictures, ElementRecord& set,
                   const QString& caption, const QString& count_label, const QString& cell_voltage,
                   Check check);
  QLineEdit* Edit1;  // single internal resistance
  QLineEdit* Edit2;  // number of cells
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
  Check check_;
};

// "Battery set" (kind 23) and "Storage battery set" (kind 24).
class Form18 : public BatterySetDialog {
 public:
  Form18(QWidget* parent, const PictureSet& pictures, ElementRecord& set);
};
class Form19 : public BatterySetDialog {
 public:
  Form19(QWidget* parent, const PictureSet& pictures, ElementRecord& set);
};

}  // namespace voltaro
