// Help > User guide: the desktop's opener first, the program's own window
// when there is none or it finds no browser.

#include <QAbstractTextDocumentLayout>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>

#include "window_fixture.h"

namespace voltaro {
namespace {

// Every picture the guide's page shows, as the browser loads it.
QList<QImage> PicturesOf(QTextBrowser& browser) {
  QList<QImage> pictures;
  for (QTextBlock b = browser.document()->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      if (!f.isImageFormat()) continue;
      pictures << browser.loadResource(QTextDocument::ImageResource, QUrl(f.toImageFormat().name()))
                      .value<QImage>();
    }
  }
  return pictures;
}

TEST_F(WindowFixture, UserGuideOpensInTheProgramsOwnWindowWithoutABrowser) {
  const struct {
    const char* opener;
    bool own_window;
  } cases[] = {
      {"no-such-opener-anywhere", true},  // no opener on the desktop
      {"false", true},                    // an opener that found no browser
      {"true", false},                    // a browser took the guide
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener);
    if (window.guide_window()) window.guide_window()->hide();
    window.guide_opener = c.opener;
    window.open_user_guide();
    // Generous: the opener is a process of its own on a machine that may
    // be busy.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChildren<QProcess*>().isEmpty(); }, 60000));
    const bool shown = window.guide_window() && window.guide_window()->isVisible();
    EXPECT_EQ(shown, c.own_window);
  }
  QTextBrowser& browser = *window.guide_window()->browser();
  EXPECT_TRUE(browser.source().toLocalFile().endsWith("/ehelp/index.htm"));
  EXPECT_EQ(window.guide_window()->windowTitle(), browser.documentTitle());
  EXPECT_FALSE(browser.toPlainText().isEmpty());
  const QList<QImage> pictures = PicturesOf(browser);
  EXPECT_FALSE(pictures.isEmpty());
  for (const QImage& p : pictures) EXPECT_FALSE(p.isNull());
  // Read from top to bottom: nothing to scroll sideways, no line of text
  // stretched to the height of a picture beside it, and no empty space
  // around a picture.
  EXPECT_LE(browser.document()->size().width(), browser.viewport()->width());
  for (QTextBlock b = browser.document()->begin(); b.isValid(); b = b.next()) {
    QTextLayout& layout = *b.layout();
    for (int i = 0; i < layout.lineCount(); ++i) {
      const QTextLine line = layout.lineAt(i);
      const QString text = b.text().mid(line.textStart(), line.textLength()).trimmed();
      const bool picture = text.contains(QChar::ObjectReplacementCharacter);
      if (!picture && !text.isEmpty()) {
        EXPECT_LT(line.height(), 60) << text.toStdString();
      }
      if (picture) {
        const auto* l = browser.document()->documentLayout();
        EXPECT_LE(l->blockBoundingRect(b.next()).y() - l->blockBoundingRect(b).y(),
                  line.height() + 30);
      }
    }
  }
}

}  // namespace
}  // namespace voltaro
