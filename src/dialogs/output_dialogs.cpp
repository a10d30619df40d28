#include "dialogs/output_dialogs.h"

#include "model/kinds.h"
#include "model/parameters.h"

namespace voltaro {
namespace {
const QString OHM = QString::fromUtf8("Ω");
}

Form17::Form17(QWidget* parent, const PictureSet& pictures, ElementRecord& fuse)
    : BenchDialog(parent, QStringLiteral("Fuses")), record_(fuse) {
  set_picture(ComponentPicture(pictures, KIND_FUSE));
  Edit1 = add_edit(QStringLiteral("Rated  current:"), QStringLiteral("A"));
  CheckBox1 = add_show_params(record_.show_params);
  Edit1->setText(ValueString(record_.max_current));
}

void Form17::ok() {
  const auto r = CheckFuse({Text(Edit1), CheckBox1->isChecked()});
  if (report(r.error, {Edit1})) return;
  Store(r.values, record_);
  accept();
}

Form15::Form15(QWidget* parent, const PictureSet& pictures, ElementRecord& bell)
    : BenchDialog(parent, QStringLiteral("Electric rings")), record_(bell) {
  set_picture(ComponentPicture(pictures, KIND_BELL));
  Edit1 = add_edit(QStringLiteral("Ring's resistance:"), OHM);
  Edit2 = add_edit(QStringLiteral("Rated  current:"), QStringLiteral("A"));
  CheckBox1 = add_show_params(record_.show_params);
  Edit1->setText(ValueString(record_.resistance));
  Edit2->setText(ValueString(RatedCurrent(record_)));
}

void Form15::ok() {
  const auto r = CheckBell({Text(Edit1), Text(Edit2), CheckBox1->isChecked()});
  if (report(r.error, {Edit1, Edit2})) return;
  Store(r.values, record_);
  accept();
}

Form21::Form21(QWidget* parent, const PictureSet& pictures, ElementRecord& light)
    : BenchDialog(parent, QStringLiteral("Signal lights")), record_(light) {
  set_picture(ComponentPicture(pictures, KIND_SIGNAL_LIGHT));
  Edit1 = add_edit(QStringLiteral("Resistance:"), OHM);
  Edit2 = add_edit(QStringLiteral("Rated  current:"), QStringLiteral("A"));
  Pie1 = new ColorSwatch(ColorOfBenchValue(static_cast<int32_t>(LightColor(record_))),
                         ColorSwatch::Shape::Round);
  add_row(QStringLiteral("Color:"), Pie1);
  CheckBox1 = add_show_params(record_.show_params);
  Edit1->setText(ValueString(record_.resistance));
  Edit2->setText(ValueString(RatedCurrent(record_)));
  connect(Pie1, &ColorSwatch::clicked, this, [this] {
    if (const auto c = pick_color(this, Pie1->color())) Pie1->set_color(*c);
  });
}

void Form21::ok() {
  const auto r = CheckSignalLight(
      {Text(Edit1), Text(Edit2), BenchValueOfColor(Pie1->color()), CheckBox1->isChecked()});
  if (report(r.error, {Edit1, Edit2})) return;
  Store(r.values, record_);
  accept();
}

Form22::Form22(QWidget* parent, const PictureSet& pictures, RelayRecord& relay)
    : BenchDialog(parent, QStringLiteral("Electromagnetic relays")), record_(relay) {
  set_picture(ComponentPicture(pictures, KIND_RELAY));
  Edit1 = add_edit(QStringLiteral("Resistance of the coil:"), OHM);
  Edit2 = add_edit(QStringLiteral("Pick-up   current :"), QStringLiteral("A"));
  CheckBox1 = add_show_params(record_.show_params);
  Edit1->setText(ValueString(record_.coil_resistance));
  Edit2->setText(ValueString(record_.pickup_current));
}

void Form22::ok() {
  const auto r = CheckRelay({Text(Edit1), Text(Edit2), CheckBox1->isChecked()});
  if (report(r.error, {Edit1, Edit2})) return;
  Store(r.values, record_);
  accept();
}

}  // namespace voltaro
