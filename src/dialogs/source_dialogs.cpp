#include "dialogs/source_dialogs.h"

#include "model/kinds.h"
#include "model/parameters.h"

namespace voltaro {
namespace {
const QString OHM = QString::fromUtf8("Ω");
}

// ---- Fixed resistor ----------------------------------------------------------------

Form2::Form2(QWidget* parent, const PictureSet& pictures, ElementRecord& resistor)
    : BenchDialog(parent, QStringLiteral("Fixed resistor")), record_(resistor) {
  set_picture(ComponentPicture(pictures, KIND_FIXED_RESISTOR));
  ComboBox1 = add_row(QStringLiteral("Resistance:"), new QComboBox, OHM);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  for (const char* r :
       {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000", "2000", "5000", "10000"}) {
    ComboBox1->addItem(QString::fromLatin1(r));
  }
  Edit2 = add_edit(QStringLiteral("Name:"));
  CheckBox1 = add_show_params(record_.show_params);

  ComboBox1->setEditText(ValueString(record_.resistance));
  Edit2->setText(QString::fromStdString(record_.name));
}

void Form2::ok() {
  const auto r = CheckFixedResistor(
      {ComboBox1->currentText().toStdString(), Text(Edit2), CheckBox1->isChecked()});
  if (report(r.error, {ComboBox1->lineEdit()})) return;
  Store(r.values, record_);
  accept();
}

// ---- Voltage supply ----------------------------------------------------------------

Form3::Form3(QWidget* parent, const PictureSet& pictures, ElementRecord& supply)
    : BenchDialog(parent, QStringLiteral("self-defined voltage supply")), record_(supply) {
  set_picture(ComponentPicture(pictures, KIND_VOLTAGE_SUPPLY));
  Edit1 = add_edit(QStringLiteral("Voltage:"), QStringLiteral("V"));
  Edit2 = add_edit(QStringLiteral("Internal resistance:"), OHM);
  CheckBox1 = add_show_params(record_.show_params);

  Edit1->setText(ValueString(record_.emf));
  Edit2->setText(ValueString(record_.resistance));
}

void Form3::ok() {
  const auto r = CheckVoltageSupply({Text(Edit1), Text(Edit2), CheckBox1->isChecked()});
  // The voltage is taken even when the resistance below it is refused.
  Store(r.values, record_);
  if (report(r.error, {Edit1, Edit2})) return;
  accept();
}

// ---- Single cells --------------------------------------------------------------------

CellDialog::CellDialog(QWidget* parent, const PictureSet& pictures, ElementRecord& cell,
                       const QString& caption, const QString& voltage, Check check)
    : BenchDialog(parent, caption), record_(cell), check_(check) {
  set_picture(ComponentPicture(pictures, cell.kind));
  add_note(voltage);
  Edit1 = add_edit(QStringLiteral("Internal resistance:"), OHM);
  CheckBox1 = add_show_params(record_.show_params);
  Edit1->setText(ValueString(record_.resistance));
}

void CellDialog::ok() {
  const auto r = check_({Text(Edit1), CheckBox1->isChecked()});
  if (report(r.error, {Edit1})) return;
  Store(r.values, record_);
  accept();
}

Form9::Form9(QWidget* parent, const PictureSet& pictures, ElementRecord& cell)
    : CellDialog(parent, pictures, cell, QStringLiteral("1.5V Battery"),
                 QStringLiteral("Voltage: 1.5 V"), CheckDryCell) {}

Form14::Form14(QWidget* parent, const PictureSet& pictures, ElementRecord& cell)
    : CellDialog(parent, pictures, cell, QStringLiteral("Storage battery"),
                 QStringLiteral("Voltage: 2 V"), CheckStorageBattery) {}

Form16::Form16(QWidget* parent, const PictureSet& pictures, ElementRecord& cell)
    : CellDialog(parent, pictures, cell, QStringLiteral("9V battery"),
                 QStringLiteral("Voltage: 9 V"), CheckNineVoltBattery) {}

// ---- Battery sets ----------------------------------------------------------------------

BatterySetDialog::BatterySetDialog(QWidget* parent, const PictureSet& pictures, ElementRecord& set,
                                   const QString& caption, const QString& count_label,
                                   const QString& cell_voltage, Check check)
    : BenchDialog(parent, caption), record_(set), check_(check) {
  set_picture(ComponentPicture(pictures, set.kind));
  add_note(cell_voltage);
  Edit1 = add_edit(QStringLiteral("Single Internal resistance:"), OHM);
  Edit2 = add_edit(count_label);
  CheckBox1 = add_show_params(record_.show_params);
  Edit1->setText(ValueString(CellResistance(record_)));
  Edit2->setText(ValueString(CellCount(record_)));
}

void BatterySetDialog::ok() {
  const auto r = check_({Text(Edit1), Text(Edit2), CheckBox1->isChecked()});
  if (report(r.error, {Edit1, Edit2})) return;
  Store(r.values, record_);
  accept();
}

Form18::Form18(QWidget* parent, const PictureSet& pictures, ElementRecord& set)
    : BatterySetDialog(parent, pictures, set, QStringLiteral("Battery set"),
                       QStringLiteral("Number of the batteries:"),
                       QStringLiteral("Single voltage: 1.5 V"), CheckBatterySet) {}

Form19::Form19(QWidget* parent, const PictureSet& pictures, ElementRecord& set)
    : BatterySetDialog(parent, pictures, set, QStringLiteral("Storage battery set"),
                       QStringLiteral("Number of the Storage batteries:"),
                       QStringLiteral("Single voltage: 2 V"), CheckStorageBatterySet) {}

}  // namespace voltaro
