#include "dialogs/meter_dialogs.h"

#include <QButtonGroup>

#include "model/kinds.h"
#include "model/parameters.h"

namespace voltaro {
namespace {
const QString OHM = QString::fromUtf8("Ω");
}

// ---- Pointer meters ---------------------------------------------------------------

PointerMeterDialog::PointerMeterDialog(QWidget* parent, const PictureSet& pictures,
                                       DualMeterRecord& meter, bool voltmeter, bool& low_range_last)
    : BenchDialog(parent, voltmeter ? QStringLiteral("Pointer voltmeters")
                                    : QStringLiteral("Pointer ammeters")),
      record_(meter),
      voltmeter_(voltmeter),
      low_range_last_(low_range_last) {
  set_picture(
      ComponentPicture(pictures, voltmeter ? KIND_POINTER_VOLTMETER : KIND_POINTER_AMMETER));
  RadioButton1 =
      new QRadioButton(voltmeter ? QStringLiteral("use 0~3V") : QStringLiteral("use 0~0.6A"));
  RadioButton2 =
      new QRadioButton(voltmeter ? QStringLiteral("use 0~15V") : QStringLiteral("use 0~3A"));
  auto* ranges = new QButtonGroup(this);
  ranges->addButton(RadioButton1);
  ranges->addButton(RadioButton2);
  add_wide(RadioButton1);
  add_wide(RadioButton2);
  // One box per range in the same place; the words and unit of a row go
  // with its box (they are its buddies).
  for (QLineEdit** box : {&Edit1, &Edit2}) {
    *box = new QLineEdit;
    auto* unit = new QLabel(OHM);
    unit->setBuddy(*box);
    add_row(QStringLiteral("Internal resistance:"), *box, unit);
  }
  Default = add_side_button(QStringLiteral("Default"));

  bool low = low_range_last_;
  if (record_.range_in_use == LOW_RANGE) low = true;
  if (record_.range_in_use == HIGH_RANGE) low = false;
  // Neither radio button checked behaves as the high range, so the high
  // range is the one shown.
  (low ? RadioButton1 : RadioButton2)->setChecked(true);
  Edit1->setText(QString::fromStdString(ShownMeterResistance(record_, voltmeter_, true)));
  Edit2->setText(QString::fromStdString(ShownMeterResistance(record_, voltmeter_, false)));
  show_range();

  connect(RadioButton1, &QRadioButton::toggled, this, [this] { show_range(); });
  connect(Default, &QPushButton::clicked, this, [this] {
    const bool low = RadioButton1->isChecked();
    (low ? Edit1 : Edit2)->setText(QString::fromStdString(DefaultMeterResistance(voltmeter_, low)));
  });
}

void PointerMeterDialog::show_range() {
  const bool low = RadioButton1->isChecked();
  for (auto [box, visible] : {std::pair{Edit1, low}, std::pair{Edit2, !low}}) {
    box->setVisible(visible);
    for (QLabel* words : findChildren<QLabel*>()) {
      if (words->buddy() == box) words->setVisible(visible);
    }
  }
}

void PointerMeterDialog::ok() {
  const bool low = RadioButton1->isChecked();
  const DualMeterInput in{Text(low ? Edit1 : Edit2), low};
  const auto r = voltmeter_ ? CheckPointerVoltmeter(in) : CheckPointerAmmeter(in);
  if (report(r.error, {Edit1, Edit2})) return;
  Store(r.values, record_);
  accept();
}

void PointerMeterDialog::done(int result) {
  low_range_last_ = RadioButton1->isChecked();
  BenchDialog::done(result);
}

Form24::Form24(QWidget* parent, const PictureSet& pictures, DualMeterRecord& meter, bool& low_last)
    : PointerMeterDialog(parent, pictures, meter, true, low_last) {}

Form25::Form25(QWidget* parent, const PictureSet& pictures, DualMeterRecord& meter, bool& low_last)
    : PointerMeterDialog(parent, pictures, meter, false, low_last) {}

// ---- Galvanometer ---------------------------------------------------------------

Form13::Form13(QWidget* parent, const PictureSet& pictures, ElementRecord& galvanometer)
    : BenchDialog(parent, QStringLiteral("Microdetectors")), record_(galvanometer) {
  set_picture(ComponentPicture(pictures, KIND_GALVANOMETER));
  Edit1 = add_edit(QStringLiteral("Internal resistance:"), OHM);
  ComboBox1 = add_row(QStringLiteral("Rate:"), new QComboBox);
  for (const char* rate : RATE_CAPTIONS) ComboBox1->addItem(QString::fromUtf8(rate));

  Edit1->setText(ValueString(record_.resistance));
  ComboBox1->setCurrentIndex(RateIndexOf(NeedleRate(record_)));
  ok_button()->setFocus();
}

void Form13::ok() {
  const auto r = CheckGalvanometer({Text(Edit1), ComboBox1->currentIndex()});
  if (report(r.error, {Edit1})) return;
  Store(r.values, record_);
  accept();
}

}  // namespace voltaro
