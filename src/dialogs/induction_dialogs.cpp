#include "dialogs/induction_dialogs.h"

#include <QButtonGroup>

#include "model/kinds.h"
#include "model/parameters.h"
#include "render/pictures.h"

namespace voltaro {
namespace {

const QString OHM = QString::fromUtf8("Ω");

QRadioButton* PictureRadio(const QString& caption, const QImage& picture, QObject* group_owner,
                           QButtonGroup*& group) {
  if (!group) group = new QButtonGroup(group_owner);
  auto* r = new QRadioButton(caption);
  if (!picture.isNull()) {
    r->setIcon(QPixmap::fromImage(picture));
    r->setIconSize(picture.size().scaled(72, 40, Qt::KeepAspectRatio));
  }
  group->addButton(r);
  return r;
}

// Two radio buttons side by side in a group's first row.
void RadioRow(QGridLayout* grid, QRadioButton* a, QRadioButton* b) {
  auto* row = new QHBoxLayout;
  row->addWidget(a);
  row->addSpacing(12);
  row->addWidget(b);
  row->addStretch(1);
  grid->addLayout(row, grid->rowCount(), 0, 1, 3);
}

}  // namespace

// ---- Coil and magnet -----------------------------------------------------------------

Form26::Form26(QWidget* parent, const PictureSet& pictures, ElementRecord& coil)
    : BenchDialog(parent, QStringLiteral("Coil and magnet")), record_(coil) {
  set_picture(ComponentPicture(pictures, KIND_COIL_AND_MAGNET));
  QButtonGroup* coils = nullptr;
  QButtonGroup* magnets = nullptr;
  QGridLayout* c = add_group(QStringLiteral("select coil"));
  RadioButton1 = PictureRadio(QStringLiteral("coil 1"), pictures.keyed(Pic::Coil0), this, coils);
  RadioButton2 = PictureRadio(QStringLiteral("coil 2"), pictures.keyed(Pic::Coil1), this, coils);
  RadioRow(c, RadioButton1, RadioButton2);
  TrackBar1 = new TrackBar(11, QStringLiteral("little"), QStringLiteral("much"));
  AddRow(c, QStringLiteral("coil turns:"), TrackBar1);
  Edit1 = new QLineEdit;
  AddRow(c, QStringLiteral("coil resistance:"), Edit1, new QLabel(OHM));

  QGridLayout* m = add_group(QStringLiteral("select magnet"));
  RadioButton3 =
      PictureRadio(QStringLiteral("magnet1"), pictures.keyed(Pic::Magnet0), this, magnets);
  RadioButton4 =
      PictureRadio(QStringLiteral("magnet2"), pictures.keyed(Pic::Magnet1), this, magnets);
  RadioRow(m, RadioButton3, RadioButton4);
  TrackBar2 = new TrackBar(11, QStringLiteral("weak"), QStringLiteral("strong"));
  AddRow(m, QStringLiteral("property:"), TrackBar2, new QLabel);

  const CoilControls controls = CoilControlsOf(record_);
  (controls.second_coil ? RadioButton2 : RadioButton1)->setChecked(true);
  (controls.second_magnet ? RadioButton4 : RadioButton3)->setChecked(true);
  TrackBar1->setValue(controls.turns);
  TrackBar2->setValue(controls.strength);
  Edit1->setText(ValueString(record_.resistance));
}

void Form26::ok() {
  const CoilControls controls{RadioButton2->isChecked(), TrackBar1->value(),
                              RadioButton4->isChecked(), TrackBar2->value()};
  const auto r = CheckCoilAndMagnet({Text(Edit1), controls});
  if (report(r.error, {Edit1})) return;
  Store(r.values, record_);
  accept();
}

// ---- Metal rod ----------------------------------------------------------------------------

Form27::Form27(QWidget* parent, const PictureSet& pictures, ElementRecord& rod)
    : BenchDialog(parent, QStringLiteral("Cutting magnetic line of force")), record_(rod) {
  set_picture(ComponentPicture(pictures, KIND_CUTTING_ROD));
  QButtonGroup* direction = nullptr;
  QGridLayout* field = add_group(QStringLiteral("magnetic field setting"));
  RadioButton1 = PictureRadio(QStringLiteral("perpendicular inward"), {}, this, direction);
  RadioButton2 = PictureRadio(QStringLiteral("perpendicular outward"), {}, this, direction);
  field->addWidget(RadioButton1, field->rowCount(), 0, 1, 3);
  field->addWidget(RadioButton2, field->rowCount(), 0, 1, 3);
  Edit2 = new QLineEdit;
  AddRow(field, QStringLiteral("magnetic induction:"), Edit2, new QLabel(QStringLiteral("T")));

  QGridLayout* bar = add_group(QStringLiteral("setting of metal rod"));
  Edit4 = new QLineEdit;
  AddRow(bar, QStringLiteral("length:"), Edit4, new QLabel(QStringLiteral("m")));
  Edit3 = new QLineEdit;
  AddRow(bar, QStringLiteral("speed:"), Edit3, new QLabel(QStringLiteral("m/s")));
  Edit1 = new QLineEdit;
  AddRow(bar, QStringLiteral("resistance:"), Edit1, new QLabel(OHM));

  CheckBox1 = new QCheckBox(QStringLiteral("display speed of metal rod"));
  CheckBox2 = new QCheckBox(QStringLiteral("display ampere force on metal rod"));
  add_widget(CheckBox1);
  add_widget(CheckBox2);

  const RodInput shown = RodInputOf(record_);
  Edit1->setText(QString::fromStdString(shown.resistance));
  Edit2->setText(QString::fromStdString(shown.induction));
  Edit3->setText(QString::fromStdString(shown.speed));
  Edit4->setText(QString::fromStdString(shown.length));
  (shown.inward ? RadioButton1 : RadioButton2)->setChecked(true);
  CheckBox1->setChecked(shown.show_speed);
  CheckBox2->setChecked(shown.show_force);
}

void Form27::ok() {
  RodInput in;
  in.resistance = Text(Edit1);
  in.induction = Text(Edit2);
  in.speed = Text(Edit3);
  in.length = Text(Edit4);
  in.inward = RadioButton1->isChecked();
  in.show_speed = CheckBox1->isChecked();
  in.show_force = CheckBox2->isChecked();
  const auto r = CheckCuttingRod(in);
  // Each box is stored as it passes; a later failing box keeps them.
  Store(r.values, record_);
  if (report(r.error, {Edit1, Edit2, Edit3, Edit4})) return;
  accept();
}

// ---- Generators ---------------------------------------------------------------------------

GeneratorDialog::GeneratorDialog(QWidget* parent, const PictureSet& pictures,
                                 ElementRecord& generator, const QString& caption)
    : BenchDialog(parent, caption), record_(generator) {
  set_picture(ComponentPicture(pictures, generator.kind));
  TrackBar1 = add_row(QStringLiteral("magnetic induction:"),
                      new TrackBar(10, QStringLiteral("little"), QStringLiteral("much")));
  TrackBar2 =
      add_row(QStringLiteral("turning speed of coil:"),
              new TrackBar(21, QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("0")));
  TrackBar3 = add_row(QStringLiteral("coil angle:"),
                      new TrackBar(36, QStringLiteral("0"), QStringLiteral("360")));
  CheckBox1 = new QCheckBox(QStringLiteral("display motor direction"));
  add_widget(CheckBox1);

  const GeneratorControls c = GeneratorControlsOf(record_);
  TrackBar1->setValue(c.induction);
  TrackBar2->setValue(c.speed);
  TrackBar3->setValue(c.angle);
  CheckBox1->setChecked(c.show_direction);

  // Each control writes its own field only: the angle of a coil that keeps
  // turning must not be reset by a change of its speed.
  connect(TrackBar1->slider(), &QSlider::valueChanged, this,
          [this] { MagneticInduction(record_) = GeneratorValuesOf(controls()).induction; });
  connect(TrackBar2->slider(), &QSlider::valueChanged, this,
          [this] { TurningSpeed(record_) = GeneratorValuesOf(controls()).speed; });
  connect(TrackBar3->slider(), &QSlider::valueChanged, this,
          [this] { CoilAngle(record_) = GeneratorValuesOf(controls()).angle; });
  connect(CheckBox1, &QCheckBox::toggled, this,
          [this] { record_.show_params = GeneratorValuesOf(controls()).show_params; });
}

GeneratorControls GeneratorDialog::controls() const {
  return {TrackBar1->value(), TrackBar2->value(), TrackBar3->value(), CheckBox1->isChecked()};
}

void GeneratorDialog::ok() {
  Store(GeneratorValuesOf(controls()), record_);
  accept();
}

Form28::Form28(QWidget* parent, const PictureSet& pictures, ElementRecord& generator)
    : GeneratorDialog(parent, pictures, generator, QStringLiteral("AC generator")) {}

Form29::Form29(QWidget* parent, const PictureSet& pictures, ElementRecord& generator)
    : GeneratorDialog(parent, pictures, generator, QStringLiteral("DC generator")) {}

}  // namespace voltaro
