#pragma once
// The frame every property dialog shares, so they look like one program:
// the component's picture on the left, the settings as rows of label, box
// and unit on the right, the "Display parameter" check box under them, and
// OK and Cancel at the bottom right.

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>
#include <optional>

#include "dialogs/validation.h"

namespace voltaro {

class PictureSet;

// A bench colour value (red in the low byte) and back.
QColor ColorOfBenchValue(int32_t value);
int32_t BenchValueOfColor(const QColor& color);

// The text of a box, as the validation reads it.
std::string Text(const QLineEdit* box);
// A value as a box shows it.
QString ValueString(double value);

// Shows a message the way every dialog of the bench does. Tests replace it.
using MessageSink = std::function<void(QWidget* parent, const QString& text)>;
void ShowBenchMessage(QWidget* parent, const QString& text);

// The colour dialog, starting at `initial`. Tests replace it.
using ColorPicker = std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)>;
std::optional<QColor> PickColor(QWidget* parent, const QColor& initial);

// One row of settings in a grid: label, control, unit (any may be empty).
void AddRow(QGridLayout* grid, const QString& label, QWidget* control, QWidget* unit = nullptr);
QGridLayout* SettingsGrid();

// A colour the pupil clicks to change: a round lamp colour or a square
// box colour.
class ColorSwatch : public QWidget {
  Q_OBJECT
 public:
  enum class Shape { Round, Square };
  ColorSwatch(const QColor& color, Shape shape, QWidget* parent = nullptr);
  QColor color() const { return color_; }
  void set_color(const QColor& color);
  QSize sizeHint() const override { return {40, 26}; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor color_;
  Shape shape_;
};

// A track bar with the words of its two ends (and its middle) under it.
class TrackBar : public QWidget {
  Q_OBJECT
 public:
  TrackBar(int maximum, const QString& low, const QString& high, const QString& middle = {},
           QWidget* parent = nullptr);
  QSlider* slider() const { return slider_; }
  int value() const { return slider_->value(); }
  void setValue(int v) { slider_->setValue(v); }

 private:
  QSlider* slider_;
};

class BenchDialog : public QDialog {
  Q_OBJECT
 public:
  BenchDialog(QWidget* parent, const QString& caption);

  // Where the messages of this dialog go.
  MessageSink show_message = ShowBenchMessage;
  // Where its colour swatches get their colours.
  ColorPicker pick_color = PickColor;

  QPushButton* ok_button() const { return ok_; }

 protected:
  // The picture beside the settings; a null image leaves the place empty.
  void set_picture(const QImage& picture);
  // A row of the settings: label, control, unit. Returns the control.
  template <class W>
  W* add_row(const QString& label, W* control, const QString& unit = {}) {
    add_row_widget(label, control, unit.isEmpty() ? nullptr : new QLabel(unit));
    return control;
  }
  // The same with a widget of its own in the unit column.
  template <class W>
  W* add_row(const QString& label, W* control, QWidget* unit) {
    add_row_widget(label, control, unit);
    return control;
  }
  QLineEdit* add_edit(const QString& label, const QString& unit = {});
  // A framed group of settings in the settings column, with its own grid.
  QGridLayout* add_group(const QString& title);
  // Dialogs without a component picture, or without OK and Cancel.
  void hide_picture();
  void hide_buttons();
  // A line of text over the whole width of the settings.
  QLabel* add_note(const QString& text);
  // Any control over the whole width of the settings rows.
  void add_wide(QWidget* w);
  // Anything else in the settings column (groups, formulas).
  void add_widget(QWidget* w);
  // The "Display   parameter :" check box.
  QCheckBox* add_show_params(int32_t show_params);
  // A button at the left end of the button row ("Default", "Compute").
  QPushButton* add_side_button(const QString& caption);

  // Shows the failure and puts the keyboard back into the box that failed.
  // Returns true when there was one.
  bool report(const std::optional<FieldError>& error, std::initializer_list<QLineEdit*> boxes);

  // OK pressed: check, store, accept.
  virtual void ok() = 0;

  // Lines the boxes of all groups up under each other before showing.
  void showEvent(QShowEvent* event) override;

 private:
  void add_row_widget(const QString& label, QWidget* control, QWidget* unit);

  QWidget* picture_panel_ = nullptr;
  QFrame* rule_ = nullptr;
  QLabel* picture_ = nullptr;
  QVBoxLayout* column_ = nullptr;
  QGridLayout* rows_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// The picture of a component for its dialog: the apparatus as it stands on
// the bench.
QImage ComponentPicture(const PictureSet& pictures, int32_t kind);

}  // namespace voltaro
