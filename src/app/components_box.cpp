#include "app/components_box.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QScrollArea>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <string_view>

#include "app/icons.h"
#include "model/kinds.h"

namespace voltaro {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
  for (const GroupInfo& g : KindGroups()) {
    // Two columns with the captions wrapped under small pictures: the
    // induction group fits the box that way without a scroll bar.
    const bool two_columns = g.group == KindGroup::Induction;
    const int first_in_group = static_cast<int>(buttons_.size());
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(4);
    auto* grid = two_columns ? new QGridLayout : nullptr;
    if (grid) {
      grid->setSpacing(2);
      column->addLayout(grid);
    }
    for (const KindInfo* k : KindsInGroup(g.group)) {
      const QString hint = Text(k->box_hint.empty() ? k->caption : k->box_hint);
      const QString caption = Text(k->box_caption);
      const bool own = k->box_picture.own != BoxPic::Count;
      auto* button = new QToolButton;
      button->setCheckable(true);
      button->setAutoRaise(true);
      button->setToolTip(hint);
      button->setStatusTip(hint);
      const QImage& image = BoxButtonPicture(pictures, k->box_picture);
      QImage icon = image.isNull() || own
                        ? image
                        : image.scaled(100, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation);
      if (grid && !icon.isNull()) icon = CaptionedPicture(icon, caption, button->font());
      button->setIcon(QIcon(QPixmap::fromImage(icon)));
      button->setIconSize(icon.size());
      if (grid) {
        // The caption is in the picture; the text stays for the hint line
        // and screen readers.
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      } else if (!caption.isEmpty()) {
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      }
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      const int32_t kind = k->kind;
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
    bar->addItem(scroll, Text(g.box_title));
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
