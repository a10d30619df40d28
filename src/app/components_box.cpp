#include "app/components_box.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QScrollArea>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "app/icons.h"
#include "model/kinds.h"

namespace voltaro {
namespace {

struct BoxButton {
  int32_t kind;
  Pic picture;
  int bulb_step;  // > 0: a bulb picture instead
  const char* caption;
  const char* hint;
  std::optional<BoxPic> own = std::nullopt;  // the box's own picture instead
};

struct Group {
  const char* title;
  std::vector<BoxButton> buttons;
  // Two columns with the captions wrapped under small pictures: the
  // induction group fits the box that way without a scroll bar.
  bool two_columns = false;
};

const std::vector<Group>& Groups() {
  static const std::vector<Group> groups = {
      {"Power supply",
       {{KIND_DRY_CELL, Pic::DryCell, 0, "", "1.5 V battery"},
        {KIND_BATTERY_SET, Pic::BatterySet, 0, "", "Batter set"},
        {KIND_STORAGE_BATTERY, Pic::StorageBattery, 0, "", "Storage battery"},
        {KIND_STORAGE_BATTERY_SET, Pic::StorageBatterySet, 0, "", "Storage battery set"},
        {KIND_9V_BATTERY, Pic::NineVoltBattery, 0, "", "9V battery"},
        {KIND_VOLTAGE_SUPPLY, Pic::VoltageSupply, 0, "", "Self-defined voltage supply"}}},
      {"Resistors",
       {{KIND_FIXED_RESISTOR, Pic::Resistor, 0, "", "Fixed resistor"},
        {KIND_SLIDE_RHEOSTAT, Pic::Rheostat, 0, "", "Slide resistor"},
        {KIND_RESISTANCE_WIRE, Pic::ResistanceWire, 0, "", "Wire resistor"},
        {KIND_RESISTANCE_BOX, Pic::ResistanceBox, 0, "", "Rehostat"}}},
      {"Instruments",
       {{KIND_POINTER_AMMETER, Pic::PointerAmmeter, 0, "", "Pointer ammeter"},
        {KIND_POINTER_VOLTMETER, Pic::PointerVoltmeter, 0, "", "Pointer voltmeter"},
        {KIND_GALVANOMETER, Pic::Galvanometer, 0, "", "Microdetector"},
        {KIND_DIGITAL_AMMETER, Pic::DigitalAmmeter, 0, "", "Digital ammeter"},
        {KIND_DIGITAL_VOLTMETER, Pic::DigitalVoltmeter, 0, "", "Digital voltmeter"},
        {KIND_DIGITAL_OHMMETER, Pic::DigitalOhmmeter, 0, "", "Digital ohmmeter"},
        {KIND_MULTIMETER, Pic::Multimeter, 0, "", "Multimeter"}}},
      {"Switches",
       {{KIND_SPST_SWITCH, Pic::SwitchOpen, 0, "", "Single-pole single-throw switche"},
        {KIND_SPDT_SWITCH, Pic::SpdtMiddle, 0, "", "Single-pole double-throw switche"}}},
      {"Outputs",
       {{KIND_BULB, Pic::Resistor, 8, "", "Bulb"},
        {KIND_SIGNAL_LIGHT, Pic::SignalLight, 0, "", "Signal light"},
        {KIND_BELL, Pic::Bell, 0, "", "Electric ring"}}},
      {"Electr induction",
       {{KIND_COIL_AND_MAGNET, Pic::Coil0, 0, "coil and magnet", "coil and magnet",
         BoxPic::CoilAndMagnet},
        {KIND_CUTTING_ROD, Pic::Rails0, 0, "cut magnetic line", "cutting magnetic line of force",
         BoxPic::CuttingRod},
        {KIND_DC_MOTOR, Pic::PoleN, 0, "DC electr motor", "DC electr motor", BoxPic::DcMotor},
        {KIND_DC_GENERATOR, Pic::PoleN, 0, "DC generator", "DC generator", BoxPic::DcGenerator},
        {KIND_AC_GENERATOR, Pic::PoleN, 0, "AC generator", "AC generator", BoxPic::AcGenerator}},
       true},
      {"Others",
       {{KIND_FUSE, Pic::FuseIntact, 0, "", "Fuse"},
        {KIND_DIODE, Pic::Diode, 0, "", "Diode"},
        {KIND_RELAY, Pic::RelayOpen, 0, "", "electromagnetic relays"},
        {KIND_STRAIGHT_LEAD, Pic::StraightLead, 0, "Straight wire", "Straight wire"}}},
  };
  return groups;
}

}  // namespace

// A tool window of its bench window: kept above that window only, never
// above other programs (or another bench window of this one).
TForm8::TForm8(const PictureSet& pictures, QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("TForm8");
  setWindowTitle("Components box");
  setAutoFillBackground(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(silver);
  resize(126, 465);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  all_up_key_ = new QToolButton;
  all_up_key_->setObjectName("all_up_key");
  all_up_key_->setText("Select");
  all_up_key_->setToolTip("Select and operate");
  all_up_key_->setCheckable(true);
  all_up_key_->setChecked(true);
  all_up_key_->setFixedHeight(33);
  all_up_key_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(all_up_key_, &QToolButton::clicked, this, [this] {
    all_up_keyClick();
    if (kind_chosen) kind_chosen(0);
  });
  layout->addWidget(all_up_key_);

  auto* bar = new QToolBox;
  for (const Group& g : Groups()) {
    const int first_in_group = static_cast<int>(buttons_.size());
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(4);
    auto* grid = g.two_columns ? new QGridLayout : nullptr;
    if (grid) {
      grid->setSpacing(2);
      column->addLayout(grid);
    }
    for (const BoxButton& b : g.buttons) {
      auto* button = new QToolButton;
      button->setCheckable(true);
      button->setAutoRaise(true);
      button->setToolTip(b.hint);
      button->setStatusTip(b.hint);
      const QImage& image = b.own             ? pictures.box(*b.own)
                            : b.bulb_step > 0 ? pictures.bulb(b.bulb_step)
                                              : pictures.keyed(b.picture);
      QImage icon = image.isNull() || b.own
                        ? image
                        : image.scaled(100, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation);
      if (grid && !icon.isNull()) icon = CaptionedPicture(icon, b.caption, button->font());
      button->setIcon(QIcon(QPixmap::fromImage(icon)));
      button->setIconSize(icon.size());
      if (grid) {
        // The caption is in the picture; the text stays for the hint line
        // and screen readers.
        button->setText(b.caption);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      } else if (*b.caption) {
        button->setText(b.caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      }
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      const int32_t kind = b.kind;
      connect(button, &QToolButton::clicked, this, [this, button, kind] {
        all_up();
        button->setChecked(true);
        if (kind_chosen) kind_chosen(kind);
      });
      if (grid) {
        const int n = static_cast<int>(buttons_.size()) - first_in_group;
        grid->addWidget(button, n / 2, n % 2);
      } else {
        column->addWidget(button);
      }
      buttons_.push_back({kind, button});
    }
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    bar->addItem(scroll, g.title);
  }
  layout->addWidget(bar, 1);
}

void TForm8::all_up() {
  all_up_key_->setChecked(false);
  for (auto& [kind, button] : buttons_) button->setChecked(false);
}

void TForm8::all_up_keyClick() {
  all_up();
  all_up_key_->setChecked(true);
}

QToolButton* TForm8::button_for(int32_t kind) const {
  for (const auto& [k, button] : buttons_) {
    if (k == kind) return button;
  }
  return nullptr;
}

void TForm8::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (visibility_changed) visibility_changed(true);
}

void TForm8::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (visibility_changed) visibility_changed(false);
}

}  // namespace voltaro
