#pragma once
// The bulb's settings, the picker of its brightness at rated power, and the
// ratings offered when a bulb is placed.

#include <QToolButton>

#include "dialogs/dialog_frame.h"
#include "model/bench.h"

namespace voltaro {

class PictureSet;

// "Effect at rated capacity": the eleven bulb pictures; releasing the mouse
// on one of pictures 3 .. 10 chooses it and closes.
class Form20 : public BenchDialog {
  Q_OBJECT
 public:
  Form20(QWidget* parent, const PictureSet& pictures);
  // Image1 .. Image11 (Image11 is the burnt bulb).
  QLabel* image(int number) const { return images_[number - 1]; }
  std::optional<int> chosen() const { return chosen_; }
  void choose(int number);

 protected:
  void ok() override {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, 11> images_{};
  std::optional<int> chosen_;
};

// "Bulb seting" (kind 6).
class Form10 : public BenchDialog {
  Q_OBJECT
 public:
  Form10(QWidget* parent, const PictureSet& pictures, ElementRecord& bulb);
  QLineEdit* Edit1;           // rated voltage
  QLineEdit* Edit2;           // rated power
  QLineEdit* Edit3;           // maximum current
  QToolButton* SpeedButton1;  // the effect picture; opens Form20
  QCheckBox* CheckBox1;
  int effect() const { return effect_; }
  void set_effect(int effect);

 protected:
  void ok() override;

 private:
  const PictureSet& pictures_;
  ElementRecord& record_;
  int effect_;
};

// "Choice bulbs ": shown when a bulb is placed. Each button writes its
// rating into the bulb and closes; closing the window keeps the defaults.
class Form32 : public BenchDialog {
  Q_OBJECT
 public:
  Form32(QWidget* parent, const PictureSet& pictures, ElementRecord& bulb);
  QPushButton* button(int choice) const { return buttons_[choice]; }

 protected:
  void ok() override {}

 private:
  ElementRecord& record_;
  std::array<QPushButton*, 6> buttons_{};
};

}  // namespace voltaro
