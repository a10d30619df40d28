#include "app/guide_window.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

namespace voltaro {

QVariant GuideBrowser::loadResource(int type, const QUrl& name) {
  const QVariant loaded = QTextBrowser::loadResource(type, name);
  if (type == QTextDocument::HtmlResource) {
    // Unknown to the rich text, a figure would run its picture and caption
    // into the paragraph before it, on one line as tall as the picture.
    QString page = QString::fromUtf8(loaded.toByteArray());
    page.replace("<figure", "<div").replace("</figure>", "</div>");
    page.replace("<figcaption", "<p").replace("</figcaption>", "</p>");
    return page;
  }
  if (type == QTextDocument::ImageResource) {
    QImage picture = QImage::fromData(loaded.toByteArray());
    if (picture.width() > PICTURE_WIDTH) {
      picture = picture.scaledToWidth(PICTURE_WIDTH, Qt::SmoothTransformation);
    }
    if (!picture.isNull()) return picture;
  }
  return loaded;
}

void GuideBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  QTextBrowser::doSetSource(name, type);
  // The page's line spacing is meant for its text; on a line that holds a
  // picture it would add half the picture's height as empty space.
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    bool picture = false;
    for (auto it = b.begin(); !it.atEnd() && !picture; ++it) {
      picture = it.fragment().charFormat().isImageFormat();
    }
    if (!picture) continue;
    QTextBlockFormat format = b.blockFormat();
    format.setLineHeight(0, QTextBlockFormat::SingleHeight);
    QTextCursor(b).setBlockFormat(format);
  }
}

GuideWindow::GuideWindow(const QString& page, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("GuideWindow");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new GuideBrowser;
  // Pages of the guide open here; addresses on the internet go to the
  // desktop, which may have a way to show them after all.
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl::fromLocalFile(page));
  layout->addWidget(browser_);
  const auto take_title = [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("User guide") : title);
  };
  take_title();
  connect(browser_, &QTextBrowser::sourceChanged, this, take_title);
  resize(GuideBrowser::PICTURE_WIDTH + 100, 700);
}

}  // namespace voltaro
