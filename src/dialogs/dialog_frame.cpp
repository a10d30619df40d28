#include "dialogs/dialog_frame.h"

#include <QColorDialog>
#include <QFrame>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace voltaro {

namespace {
constexpr int PICTURE_PANEL_MIN = 132;
}

QColor ColorOfBenchValue(int32_t value) {
  return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

int32_t BenchValueOfColor(const QColor& color) {
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

std::string Text(const QLineEdit* box) {
  return box->text().toStdString();
}

QString ValueString(double value) {
  return QString::fromStdString(ValueText(value));
}

void ShowBenchMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Zentrik Voltaro"), text, QMessageBox::Ok,
                  parent);
  box.exec();
}

std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return std::nullopt;
  return c;
}

void AddRow(QGridLayout* grid, const QString& label, QWidget* control, QWidget* unit) {
  const int row = grid->rowCount();
  if (!label.isEmpty()) {
    auto* l = new QLabel(label);
    l->setBuddy(control);
    grid->addWidget(l, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (control) grid->addWidget(control, row, 1);
  if (unit) grid->addWidget(unit, row, 2, Qt::AlignLeft | Qt::AlignVCenter);
}

QGridLayout* SettingsGrid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  grid->setColumnMinimumWidth(1, 130);
  grid->setColumnMinimumWidth(2, 28);
  grid->setColumnStretch(1, 1);
  grid->setProperty("labelled", true);
  return grid;
}

ColorSwatch::ColorSwatch(const QColor& color, Shape shape, QWidget* parent)
    : QWidget(parent), color_(color), shape_(shape) {
  setCursor(Qt::PointingHandCursor);
  setFixedSize(sizeHint());
  setToolTip(QStringLiteral("Click to choose a colour"));
}

void ColorSwatch::set_color(const QColor& color) {
  color_ = color;
  update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The chosen colour is both fill and outline, so the swatch is the colour.
  p.setPen(QPen(color_.darker(130), 1));
  p.setBrush(color_);
  const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  if (shape_ == Shape::Round) {
    const double d = std::min(r.width(), r.height());
    p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
  } else {
    p.drawRect(r);
  }
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

TrackBar::TrackBar(int maximum, const QString& low, const QString& high, const QString& middle,
                   QWidget* parent)
    : QWidget(parent) {
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setRange(0, maximum);
  slider_->setPageStep(1);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setTickInterval(1);
  slider_->setMinimumWidth(180);
  v->addWidget(slider_);
  auto* ends = new QHBoxLayout;
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  for (const auto& [text, align] :
       {std::pair{low, Qt::AlignLeft}, std::pair{middle, Qt::AlignHCenter},
        std::pair{high, Qt::AlignRight}}) {
    auto* l = new QLabel(text);
    l->setFont(small);
    l->setAlignment(align);
    ends->addWidget(l, 1);
  }
  v->addLayout(ends);
}

BenchDialog::BenchDialog(QWidget* parent, const QString& caption) : QDialog(parent) {
  setWindowTitle(caption);
  setModal(true);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(14, 14, 14, 12);
  outer->setSpacing(12);

  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  auto* panel = new QFrame;
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::white);
  panel->setPalette(pal);
  panel->setMinimumWidth(PICTURE_PANEL_MIN);
  auto* panel_layout = new QVBoxLayout(panel);
  panel_layout->setContentsMargins(8, 8, 8, 8);
  picture_ = new QLabel;
  picture_->setAlignment(Qt::AlignCenter);
  panel_layout->addWidget(picture_, 1);
  panel->setObjectName(QStringLiteral("picturePanel"));
  body->addWidget(panel);
  picture_panel_ = panel;

  column_ = new QVBoxLayout;
  column_->setSpacing(10);
  rows_ = SettingsGrid();
  column_->addLayout(rows_);
  column_->addStretch(1);
  body->addLayout(column_, 1);
  outer->addLayout(body, 1);

  rule_ = new QFrame;
  rule_->setFrameShape(QFrame::HLine);
  rule_->setFrameShadow(QFrame::Sunken);
  outer->addWidget(rule_);

  buttons_ = new QHBoxLayout;
  buttons_->setSpacing(8);
  buttons_->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("OK"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"));
  for (QPushButton* b : {ok_, cancel_}) b->setMinimumWidth(88);
  buttons_->addWidget(ok_);
  buttons_->addWidget(cancel_);
  outer->addLayout(buttons_);

  connect(ok_, &QPushButton::clicked, this, [this] { ok(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void BenchDialog::set_picture(const QImage& picture) {
  if (picture.isNull()) return;
  // Small apparatus (a bulb, a cell) is shown half as large again.
  const bool small = std::max(picture.width(), picture.height()) < 80;
  picture_->setPixmap(QPixmap::fromImage(
      small ? picture.scaled(picture.size() * 1.5, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : picture));
  picture_->parentWidget()->setMinimumWidth(
      std::max(PICTURE_PANEL_MIN, picture_->pixmap().width() + 18));
}

void BenchDialog::add_row_widget(const QString& label, QWidget* control, QWidget* unit) {
  AddRow(rows_, label, control, unit);
}

QGridLayout* BenchDialog::add_group(const QString& title) {
  auto* group = new QGroupBox(title);
  auto* grid = SettingsGrid();
  group->setLayout(grid);
  add_widget(group);
  return grid;
}

void BenchDialog::hide_picture() {
  picture_panel_->hide();
}

void BenchDialog::hide_buttons() {
  rule_->hide();
  ok_->hide();
  cancel_->hide();
}

QLineEdit* BenchDialog::add_edit(const QString& label, const QString& unit) {
  return add_row(label, new QLineEdit, unit);
}

QLabel* BenchDialog::add_note(const QString& text) {
  auto* l = new QLabel(text);
  rows_->addWidget(l, rows_->rowCount(), 0, 1, 3);
  return l;
}

void BenchDialog::add_wide(QWidget* w) {
  rows_->addWidget(w, rows_->rowCount(), 0, 1, 3);
}

void BenchDialog::showEvent(QShowEvent* event) {
  // The words of every settings grid get the width of the longest, so the
  // boxes of separate groups start at the same place.
  const QList<QGridLayout*> grids = findChildren<QGridLayout*>();
  int widest = 0;
  for (QGridLayout* g : grids) {
    if (!g->property("labelled").toBool()) continue;
    for (int row = 0; row < g->rowCount(); ++row) {
      QLayoutItem* item = g->itemAtPosition(row, 0);
      if (!item || !item->widget() || g->itemAtPosition(row, 1) == item) continue;
      widest = std::max(widest, item->widget()->sizeHint().width());
    }
  }
  for (QGridLayout* g : grids) {
    if (g->property("labelled").toBool()) g->setColumnMinimumWidth(0, widest);
  }
  QDialog::showEvent(event);
}

void BenchDialog::add_widget(QWidget* w) {
  column_->insertWidget(column_->count() - 1, w);
}

QCheckBox* BenchDialog::add_show_params(int32_t show_params) {
  auto* box = new QCheckBox(QStringLiteral("Display   parameter :"));
  box->setLayoutDirection(Qt::RightToLeft);  // the box after its words
  box->setChecked(show_params == 1);
  column_->insertWidget(column_->count() - 1, box, 0, Qt::AlignLeft);
  return box;
}

QPushButton* BenchDialog::add_side_button(const QString& caption) {
  auto* b = new QPushButton(caption);
  b->setMinimumWidth(88);
  buttons_->insertWidget(0, b);
  return b;
}

bool BenchDialog::report(const std::optional<FieldError>& error,
                         std::initializer_list<QLineEdit*> boxes) {
  if (!error) return false;
  QLineEdit* box = nullptr;
  if (error->field >= 0 && error->field < static_cast<int>(boxes.size())) {
    box = boxes.begin()[error->field];
  }
  if (box && error->reset_to_zero) box->setText(QStringLiteral("0"));
  show_message(this, QString::fromStdString(error->message));
  if (box && !error->reset_to_zero) {
    box->setFocus();
    box->selectAll();
  }
  return true;
}

}  // namespace voltaro
