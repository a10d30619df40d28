#pragma once
// The dialogs of the pointer meters and the galvanometer.

#include <QComboBox>
#include <QRadioButton>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// The 0-3-15 V voltmeter and the 0-0.6-3 A ammeter: a radio button and an
// "Internal resistance:" box per range; only the chosen range's box shows.
class PointerMeterDialog : public BenchDialog {
  Q_OBJECT
 public:
  // `low_range_last` is how the radio buttons stood when this dialog was
  // last closed; it is used for a meter whose range no dialog has set yet,
  // and updated when the dialog closes.
  PointerMeterDialog(QWidget* parent, const PictureSet& pictures, DualMeterRecord& meter,
                     bool voltmeter, bool& low_range_last);
  QRadioButton* RadioButton1;  // low range
  QRadioButton* RadioButton2;  // high range
  QLineEdit* Edit1;            // low range resistance
  QLineEdit* Edit2;            // high range resistance
  QPushButton* Default;

  void done(int result) override;

 protected:
  void ok() override;

 private:
  void show_range();
  DualMeterRecord& record_;
  bool voltmeter_;
  bool& low_range_last_;
};

// "Pointer voltmeters" (kind 41) and "Pointer ammeters" (kind 51).
class Form24 : public PointerMeterDialog {
 public:
  Form24(QWidget* parent, const PictureSet& pictures, DualMeterRecord& meter, bool& low_last);
};
class Form25 : public PointerMeterDialog {
 public:
  Form25(QWidget* parent, const PictureSet& pictures, DualMeterRecord& meter, bool& low_last);
};

// "Microdetectors" (kind 52): internal resistance and the needle's rate.
class Form13 : public BenchDialog {
  Q_OBJECT
 public:
  Form13(QWidget* parent, const PictureSet& pictures, ElementRecord& galvanometer);
  QLineEdit* Edit1;
  QComboBox* ComboBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

}  // namespace voltaro
