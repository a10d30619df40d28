#include "dialogs/bulb_dialogs.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPixmap>

#include "model/parameters.h"
#include "render/pictures.h"

namespace voltaro {
namespace {

// Image k of the picker is bulb picture k; Image11 is the burnt bulb.
const QImage& PickerImage(const PictureSet& pictures, int number) {
  return pictures.bulb(number == 11 ? 0 : number);
}

QLabel* Tile(const QImage& picture, bool choosable) {
  auto* l = new QLabel;
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::StyledPanel);
  l->setMinimumSize(64, 64);
  if (!picture.isNull()) l->setPixmap(QPixmap::fromImage(picture));
  l->setAutoFillBackground(true);
  QPalette pal = l->palette();
  pal.setColor(QPalette::Window, choosable ? QColor(Qt::white) : QColor(232, 232, 232));
  l->setPalette(pal);
  if (choosable) l->setCursor(Qt::PointingHandCursor);
  return l;
}

QWidget* Captioned(QLabel* tile, const QString& caption) {
  auto* w = new QWidget;
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);
  v->addWidget(tile);
  auto* c = new QLabel(caption);
  c->setAlignment(Qt::AlignHCenter);
  v->addWidget(c);
  return w;
}

}  // namespace

// ---- Effect picker ------------------------------------------------------------------

namespace {

// A group of equal tiles, not of labelled settings.
QGridLayout* TileGrid(QGridLayout* grid) {
  grid->setProperty("labelled", false);
  for (int c = 0; c < 3; ++c) {
    grid->setColumnStretch(c, 0);
    grid->setColumnMinimumWidth(c, 0);
  }
  return grid;
}

}  // namespace

Form20::Form20(QWidget* parent, const PictureSet& pictures)
    : BenchDialog(parent, QStringLiteral("Effect at rated capacity")) {
  hide_picture();
  hide_buttons();
  // The two dimmest glows and the burnt bulb are shown for comparison only.
  auto* shown = TileGrid(add_group(QStringLiteral("For comparison")));
  int column = 0;
  for (int number : {1, 2, 11}) {
    images_[number - 1] = Tile(PickerImage(pictures, number), false);
    const QString caption = number == 11 ? QStringLiteral("burnt out") : QString::number(number);
    shown->addWidget(Captioned(images_[number - 1], caption), 0, column++);
  }
  shown->setColumnStretch(column, 1);
  auto* panel = TileGrid(add_group(QStringLiteral("Click the brightness at rated capacity")));
  for (int number = FIRST_CHOOSABLE_EFFECT; number <= LAST_CHOOSABLE_EFFECT; ++number) {
    images_[number - 1] = Tile(PickerImage(pictures, number), true);
    images_[number - 1]->installEventFilter(this);
    const int i = number - FIRST_CHOOSABLE_EFFECT;
    panel->addWidget(Captioned(images_[number - 1], QString::number(number)), i / 4, i % 4);
  }
}

void Form20::choose(int number) {
  if (number < FIRST_CHOOSABLE_EFFECT || number > LAST_CHOOSABLE_EFFECT) return;
  chosen_ = number;
  accept();
}

bool Form20::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int number = FIRST_CHOOSABLE_EFFECT; number <= LAST_CHOOSABLE_EFFECT; ++number) {
      if (watched == images_[number - 1]) {
        choose(number);
        return true;
      }
    }
  }
  return BenchDialog::eventFilter(watched, event);
}

// ---- Bulb ---------------------------------------------------------------------------------

Form10::Form10(QWidget* parent, const PictureSet& pictures, ElementRecord& bulb)
    : BenchDialog(parent, QStringLiteral("Bulb seting")),
      pictures_(pictures),
      record_(bulb),
      effect_(EffectIndex(EffectAtRatedPower(bulb))) {
  set_picture(pictures.bulb(1));
  Edit1 = add_edit(QStringLiteral("rated  voltage:"), QStringLiteral("V"));
  Edit2 = add_edit(QStringLiteral("rated capacity:"), QStringLiteral("W"));
  Edit3 = add_edit(QStringLiteral("max current:"), QStringLiteral("A"));
  SpeedButton1 = new QToolButton;
  SpeedButton1->setIconSize(QSize(52, 52));
  SpeedButton1->setToolTip(QStringLiteral("Choose the brightness at rated capacity"));
  add_row(QStringLiteral("Effect :"), SpeedButton1);
  CheckBox1 = add_show_params(record_.show_params);

  Edit1->setText(QString::fromStdString(RatedVoltageText(record_)));
  Edit2->setText(ValueString(RatedPower(record_)));
  Edit3->setText(ValueString(record_.max_current));
  set_effect(effect_);

  connect(SpeedButton1, &QToolButton::clicked, this, [this] {
    Form20 picker(this, pictures_);
    picker.exec();
    if (picker.chosen()) set_effect(*picker.chosen());
  });
}

void Form10::set_effect(int effect) {
  effect_ = effect;
  SpeedButton1->setIcon(QPixmap::fromImage(PickerImage(pictures_, EffectPicture(effect))));
}

void Form10::ok() {
  const auto r =
      CheckBulb({Text(Edit1), Text(Edit2), Text(Edit3), effect_, CheckBox1->isChecked()}, record_);
  if (report(r.error, {Edit1, Edit2, Edit3})) return;
  Store(r.values, record_);
  accept();
}

// ---- Bulb choice -------------------------------------------------------------------------

Form32::Form32(QWidget* parent, const PictureSet& pictures, ElementRecord& bulb)
    : BenchDialog(parent, QStringLiteral("Choice bulbs ")), record_(bulb) {
  set_picture(pictures.bulb(8));
  hide_buttons();
  QGridLayout* lab = add_group(QStringLiteral("Used in Lab"));
  QGridLayout* lighting = add_group(QStringLiteral("Used for lighting"));
  const auto choices = BulbChoices();
  for (size_t i = 0; i < choices.size(); ++i) {
    auto* b = new QPushButton(QString::fromLatin1(choices[i].caption));
    b->setMinimumWidth(190);
    QGridLayout* group = choices[i].for_lighting ? lighting : lab;
    group->addWidget(b, group->rowCount(), 0, 1, 3);
    buttons_[i] = b;
    connect(b, &QPushButton::clicked, this, [this, i] {
      Store(BulbChoices()[i], record_);
      accept();
    });
  }
}

}  // namespace voltaro
