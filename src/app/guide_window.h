#pragma once
// The user guide in a window of the program's own, for a desktop where no
// web browser opens it.

#include <QString>
#include <QTextBrowser>
#include <QWidget>

namespace voltaro {

// Shows the guide's pages, written for web browsers, with what the
// toolkit's rich text understands: figures become plain blocks and
// pictures are narrowed to the page.
class GuideBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;

  // The widest a picture is shown.
  static constexpr int PICTURE_WIDTH = 760;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
};

class GuideWindow : public QWidget {
  Q_OBJECT
 public:
  // `page` is the guide's index.htm; its pictures and links are found
  // beside it.
  GuideWindow(const QString& page, QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }

 private:
  GuideBrowser* browser_;
};

}  // namespace voltaro
