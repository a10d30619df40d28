#include "dialogs/resistor_dialogs.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/analysis.h"
#include "model/kinds.h"
#include "model/parameters.h"
#include "model/tables.h"

namespace voltaro {
namespace {

const QString OHM = QString::fromUtf8("Ω");

// R = rho l / S, written as on the blackboard.
class WireFormula : public QWidget {
 public:
  explicit WireFormula(QWidget* parent = nullptr) : QWidget(parent) {
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.25);
    setFont(f);
  }
  QSize sizeHint() const override {
    const QFontMetrics m(font());
    return {m.horizontalAdvance(LEFT) + 6 + FRACTION, 2 * m.height() + 6};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics m(font());
    const int mid = height() / 2;
    const int left = m.horizontalAdvance(LEFT);
    p.drawText(QRect(0, 0, left, height()), Qt::AlignVCenter | Qt::AlignLeft, LEFT);
    QFont italic = font();
    italic.setItalic(true);
    p.setFont(italic);
    const int x = left + 6;
    p.drawText(QRect(x, mid - m.height() - 1, FRACTION, m.height()), Qt::AlignCenter, "l");
    p.drawLine(x, mid, x + FRACTION, mid);
    p.drawText(QRect(x, mid + 1, FRACTION, m.height()), Qt::AlignCenter, "S");
  }

 private:
  static constexpr int FRACTION = 16;
  inline static const QString LEFT = QString::fromUtf8("R = ρ");
};

}  // namespace

// ---- Slide resistor ---------------------------------------------------------------

Form7::Form7(QWidget* parent, const PictureSet& pictures, Bench& bench, int index)
    : BenchDialog(parent, QStringLiteral("Slide resistor")), bench_(bench), index_(index) {
  set_picture(ComponentPicture(pictures, KIND_SLIDE_RHEOSTAT));
  const RheostatRecord& r = bench_.rheostats[index_];
  Edit1 = add_edit(QStringLiteral("Total Resistance:"), OHM);
  TrackBar1 = new QSlider(Qt::Horizontal);
  TrackBar1->setRange(0, 100);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setTickInterval(10);
  Label5 = new QLabel;
  Label5->setMinimumWidth(QFontMetrics(Label5->font()).horizontalAdvance("100 %"));
  add_row(QStringLiteral("Slipper  Position:"), TrackBar1, Label5);
  CheckBox1 = add_show_params(r.show_params);

  Edit1->setText(ValueString(r.resistance));
  TrackBar1->setValue(SlipperPosition(r.slider));
  Label5->setText(QString::number(TrackBar1->value()) + " %");
  connect(TrackBar1, &QSlider::valueChanged, this, &Form7::slipper_moved);
}

void Form7::slipper_moved(int position) {
  Label5->setText(QString::number(position) + " %");
  RheostatRecord& r = bench_.rheostats[index_];
  Store(SlipperMoved({Text(Edit1), position, false}, r), r);
  doing(bench_);
}

void Form7::ok() {
  const auto r = CheckSlideResistor({Text(Edit1), TrackBar1->value(), CheckBox1->isChecked()});
  if (report(r.error, {Edit1})) return;
  Store(r.values, bench_.rheostats[index_]);
  accept();
}

void Form7::reject() {
  // A rheostat that is not in use must not leave a hole in the table.
  if (!bench_.rheostats[index_].in_use) CompactRheostats(bench_);
  BenchDialog::reject();
}

// ---- Resistance wire -------------------------------------------------------------

Form11::Form11(QWidget* parent, const PictureSet& pictures, ElementRecord& wire)
    : BenchDialog(parent, QStringLiteral("Resistance wire")), record_(wire) {
  set_picture(ComponentPicture(pictures, KIND_RESISTANCE_WIRE));
  Edit1 = add_edit(QStringLiteral("Resistance rate:"), QString::fromUtf8("Ω·m"));
  Edit2 = add_edit(QStringLiteral("Length of wires:"), QStringLiteral("m"));
  Edit3 = add_edit(QStringLiteral("Section of wires:"), QString::fromUtf8("m²"));

  auto* answer_row = new QWidget;
  auto* h = new QHBoxLayout(answer_row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new WireFormula);
  h->addWidget(new QLabel(QStringLiteral("=")));
  Label14 = new QLabel;
  Label14->setObjectName(QStringLiteral("answer"));
  QFont bold = Label14->font();
  bold.setBold(true);
  Label14->setFont(bold);
  h->addWidget(Label14, 1);
  add_widget(answer_row);
  CheckBox1 = add_show_params(record_.show_params);
  BitBtn1 = add_side_button(QStringLiteral("Compute"));
  connect(BitBtn1, &QPushButton::clicked, this, [this] { compute(false); });

  Edit1->setText(ValueString(Resistivity(record_)));
  Edit2->setText(ValueString(WireLength(record_)));
  Edit3->setText(ValueString(WireSection(record_)));
  // Opening shows the answer without complaining about a wire that a file
  // left without sizes.
  compute(true);
}

void Form11::compute(bool quietly) {
  const auto r = CheckResistanceWire({Text(Edit1), Text(Edit2), Text(Edit3), false});
  if (!r.ok()) {
    Label14->clear();
    if (!quietly) report(r.error, {Edit1, Edit2, Edit3});
    return;
  }
  Label14->setText(QString::fromStdString(WireAnswerText(r.values.resistance)));
}

void Form11::ok() {
  const auto r =
      CheckResistanceWire({Text(Edit1), Text(Edit2), Text(Edit3), CheckBox1->isChecked()});
  if (report(r.error, {Edit1, Edit2, Edit3})) return;
  Store(r.values, record_);
  accept();
}

// ---- Resistance box ---------------------------------------------------------------

namespace {

// The dial faces of the box's front panel, units first; the top row holds
// the three highest decades.
constexpr QPoint DIAL_CENTRES[DECADE_DIALS] = {{300, 186}, {190, 186}, {80, 186},
                                               {300, 76},  {190, 76},  {80, 76}};
constexpr int DIAL_RADIUS = 28;
constexpr int DIAL_REACH = 44;  // a click on the figures round a dial counts too
const QSize FACE_SIZE(380, 250);

}  // namespace

DecadeDials::DecadeDials(const QImage& face, const DialDigits& digits, QWidget* parent)
    : QWidget(parent), face_(face), digits_(digits) {
  for (int i = 0; i < DECADE_DIALS; ++i) angles_[i] = DialAngle(digits_[i]);
  setFixedSize(face_.isNull() ? FACE_SIZE : face_.size());
  setCursor(Qt::PointingHandCursor);
}

QPoint DecadeDials::centre(int dial) {
  return DIAL_CENTRES[dial];
}

QSize DecadeDials::sizeHint() const {
  return face_.isNull() ? FACE_SIZE : face_.size();
}

void DecadeDials::click(int dial, bool left) {
  angles_[dial] = TurnDial(angles_[dial], left);
  digits_[dial] = DialDigit(angles_[dial]);
  update();
  emit turned();
}

void DecadeDials::mousePressEvent(QMouseEvent* event) {
  const bool left = event->button() == Qt::LeftButton;
  if (!left && event->button() != Qt::RightButton) return;
  const QPoint at = event->position().toPoint();
  for (int i = 0; i < DECADE_DIALS; ++i) {
    const QPoint d = at - DIAL_CENTRES[i];
    if (d.x() * d.x() + d.y() * d.y() <= DIAL_REACH * DIAL_REACH) {
      click(i, left);
      return;
    }
  }
}

void DecadeDials::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (face_.isNull()) {
    p.fillRect(rect(), QColor(38, 36, 35));
    p.setBrush(QColor(225, 222, 206));
    p.setPen(Qt::black);
    for (const QPoint& c : DIAL_CENTRES) p.drawEllipse(c, DIAL_RADIUS, DIAL_RADIUS);
  } else {
    p.drawImage(0, 0, face_);
  }
  // Each pointer is a narrow wedge from the dial's centre towards its digit.
  p.setPen(QPen(QColor(150, 0, 0), 1));
  p.setBrush(QColor(215, 20, 20));
  for (int i = 0; i < DECADE_DIALS; ++i) {
    const QRectF disc(DIAL_CENTRES[i] - QPointF(DIAL_RADIUS - 3, DIAL_RADIUS - 3),
                      QSizeF(2 * DIAL_RADIUS - 6, 2 * DIAL_RADIUS - 6));
    p.drawPie(disc, (angles_[i] - 4) * 16, 8 * 16);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 60));
  for (const QPoint& c : DIAL_CENTRES) p.drawEllipse(c, 4, 4);
}

Form12::Form12(QWidget* parent, const PictureSet& pictures, const QString& obj_dir, Bench& bench,
               int index)
    : BenchDialog(parent, QStringLiteral("Rheostats")),
      bench_(bench),
      index_(index),
      opened_with_(bench.elements[index].resistance) {
  set_picture(ComponentPicture(pictures, KIND_RESISTANCE_BOX));
  QImage face;
  face.load(obj_dir + QStringLiteral("/Formbzx.obj"), "BMP");
  Dials = new DecadeDials(face, DialDigitsOf(opened_with_));
  add_widget(Dials);
  auto* value_row = new QWidget;
  auto* h = new QHBoxLayout(value_row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel(QStringLiteral("Resistance:")));
  Label2 = new QLabel;
  QFont bold = Label2->font();
  bold.setBold(true);
  Label2->setFont(bold);
  h->addWidget(Label2);
  h->addWidget(new QLabel(OHM));
  h->addStretch(1);
  add_widget(value_row);
  CheckBox1 = add_show_params(bench_.elements[index_].show_params);
  Label2->setText(QString::number(DialValue(Dials->digits())));
  connect(Dials, &DecadeDials::turned, this, &Form12::dials_turned);
}

void Form12::dials_turned() {
  const int value = DialValue(Dials->digits());
  Label2->setText(QString::number(value));
  bench_.elements[index_].resistance = value;
  doing(bench_);
}

void Form12::ok() {
  ElementRecord& box = bench_.elements[index_];
  box.resistance = DialValue(Dials->digits());
  box.show_params = CheckBox1->isChecked() ? 1 : 0;
  accept();
}

void Form12::reject() {
  bench_.elements[index_].resistance = opened_with_;
  BenchDialog::reject();
}

}  // namespace voltaro
