#pragma once
// The dialogs of the fuse, the electric bell, the signal light and the
// electromagnetic relay.

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// "Fuses" (kind 8).
class Form17 : public BenchDialog {
  Q_OBJECT
 public:
  Form17(QWidget* parent, const PictureSet& pictures, ElementRecord& fuse);
  QLineEdit* Edit1;  // rated current
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// "Electric rings" (kind 62).
class Form15 : public BenchDialog {
  Q_OBJECT
 public:
  Form15(QWidget* parent, const PictureSet& pictures, ElementRecord& bell);
  QLineEdit* Edit1;  // resistance
  QLineEdit* Edit2;  // rated current
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// "Signal lights" (kind 61).
class Form21 : public BenchDialog {
  Q_OBJECT
 public:
  Form21(QWidget* parent, const PictureSet& pictures, ElementRecord& light);
  QLineEdit* Edit1;   // resistance
  QLineEdit* Edit2;   // rated current
  ColorSwatch* Pie1;  // light colour
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  ElementRecord& record_;
};

// "Electromagnetic relays" (kind 81), on a record of the relay table.
class Form22 : public BenchDialog {
  Q_OBJECT
 public:
  Form22(QWidget* parent, const PictureSet& pictures, RelayRecord& relay);
  QLineEdit* Edit1;  // coil resistance
  QLineEdit* Edit2;  // pick-up current
  QCheckBox* CheckBox1;

 protected:
  void ok() override;

 private:
  RelayRecord& record_;
};

}  // namespace voltaro
