#pragma once
// The teacher's black box: its colour and password when it is drawn, and
// the password asked before it is opened.

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

// A closed box with two leads coming out of it, in the box's colour.
QImage BlackBoxPicture(const QColor& color);

// "Black box setting": shown when a black box has just been drawn.
class Form30 : public BenchDialog {
  Q_OBJECT
 public:
  Form30(QWidget* parent, BlackBoxRecord& box);
  ColorSwatch* Shape1;  // the box's colour
  QLineEdit* Edit1;     // password, typed unseen

 protected:
  void ok() override;

 private:
  BlackBoxRecord& record_;
};

// "Open black box": accepted only with the box's password. The caller
// removes the box.
class Form31 : public BenchDialog {
  Q_OBJECT
 public:
  Form31(QWidget* parent, const BlackBoxRecord& box);
  QLineEdit* Edit1;  // password, typed unseen

 protected:
  void ok() override;

 private:
  const BlackBoxRecord& record_;
};

}  // namespace voltaro
