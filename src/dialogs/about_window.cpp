#include "dialogs/about_window.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace voltaro {

Form5::Form5(QWidget* parent, const QString& program_dir) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(PROGRAM_NAME));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(14, 14, 14, 12);
  v->setSpacing(8);

  Image1 = new QLabel;
  Image1->setAlignment(Qt::AlignCenter);
  QImage show;
  if (show.load(program_dir + QStringLiteral("/show.bmp"), "BMP")) {
    Image1->setPixmap(QPixmap::fromImage(show));
  }
  v->addWidget(Image1);

  auto* name = new QLabel(QString::fromLatin1(PROGRAM_NAME) + QStringLiteral("  ") +
                          QString::fromLatin1(PROGRAM_VERSION));
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  v->addWidget(name);

  auto* what = new QLabel(QStringLiteral("Circuit bench for school physics"));
  what->setAlignment(Qt::AlignCenter);
  v->addWidget(what);

  HomePage = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(HOME_PAGE));
  HomePage->setAlignment(Qt::AlignCenter);
  HomePage->setTextInteractionFlags(Qt::NoTextInteraction);
  HomePage->setCursor(Qt::PointingHandCursor);
  v->addWidget(HomePage);

  auto* hint = new QLabel(QStringLiteral("Click anywhere to close."));
  QFont small = hint->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  hint->setFont(small);
  hint->setEnabled(false);
  hint->setAlignment(Qt::AlignCenter);
  v->addWidget(hint);

  HomePage->installEventFilter(this);
  setFixedSize(sizeHint());
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HomePage && event->type() == QEvent::MouseButtonRelease) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HOME_PAGE)));
    return true;
  }
  if (watched == HomePage && event->type() == QEvent::MouseButtonPress) return true;
  return QDialog::eventFilter(watched, event);
}

void Form5::mousePressEvent(QMouseEvent* event) {
  // Labels pass their clicks on to the window, so the picture closes it too.
  if (event->button() == Qt::LeftButton) accept();
}

}  // namespace voltaro
