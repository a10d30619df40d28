#pragma once
// The components box: a small tool window of the bench window, above it,
// with one picture button per component kind, in seven groups. Choosing a
// button sets what the next press on the bench places.

#include <QWidget>
#include <functional>
#include <vector>

#include "render/pictures.h"

class QToolButton;

namespace voltaro {

class TForm8 : public QWidget {
  Q_OBJECT
 public:
  TForm8(const PictureSet& pictures, QWidget* parent = nullptr);

  // Every button up.
  void all_up();
  // The select button down and nothing pending.
  void all_up_keyClick();
  // The button of a kind, or nullptr.
  QToolButton* button_for(int32_t kind) const;

  // The kind chosen (0 for select and operate).
  std::function<void(int32_t)> kind_chosen;
  // The box was shown or closed (the View menu's check mark follows).
  std::function<void(bool)> visibility_changed;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QToolButton* all_up_key_;
  std::vector<std::pair<int32_t, QToolButton*>> buttons_;
};

}  // namespace voltaro
