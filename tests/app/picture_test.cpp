// Save as Picture and Export Drawing: the ending a bare name gets from the
// dialog's filter, and what the status bar says when nothing is written.

#include <QDir>
#include <QFile>
#include <QStatusBar>

#include "app/drawing_dialog.h"
#include "app/picture_dialog.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

TEST(PictureDialog, ABareNameGetsTheEndingOfTheChosenFilter) {
  const QString dir = QString::fromStdString(::testing::TempDir());
  const struct {
    bool jpeg_filter;
    const char* typed;
    const char* saved;
  } cases[] = {
      {false, "bench_pic", "bench_pic.bmp"},
      {true, "bench_pic", "bench_pic.jpg"},
      {false, "bench_pic.jpg", "bench_pic.jpg"},
      {true, "bench.BMP", "bench.BMP"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    PictureFileDialog d(nullptr);
    EXPECT_EQ(d.windowTitle(), "保存为图片");
    d.setDirectory(dir);
    if (c.jpeg_filter) d.selectNameFilter(d.nameFilters().at(1));
    d.selectFile(c.typed);
    d.show();
    QMetaObject::invokeMethod(&d, "accept");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.selectedFiles().value(0), QDir(dir).filePath(c.saved));
  }
}

TEST_F(WindowFixture, SavePictureSaysWhenNothingWasWritten) {
  window.OpenAtStart(example("ohms_law.ele"));
  const struct {
    const char* name;
    bool written;
    const char* status;
  } cases[] = {
      {"bench.bmp", true, ""},
      {"bench.txt", false, PICTURE_NAME_REFUSED},
      {"no such folder/bench.jpg", false, PICTURE_NOT_WRITTEN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window.statusBar()->clearMessage();
    modal.picture = dir + "/" + c.name;
    QFile::remove(modal.picture);
    window.SavePicture();
    EXPECT_EQ(QFile::exists(modal.picture), c.written);
    EXPECT_EQ(window.statusBar()->currentMessage(), c.status);
  }
}

TEST(DrawingDialog, ABareNameGetsTheEndingOfTheChosenFilter) {
  const QString dir = QString::fromStdString(::testing::TempDir());
  const struct {
    int filter;
    const char* typed;
    const char* saved;
  } cases[] = {
      {0, "circuit", "circuit.svg"},
      {1, "circuit", "circuit.pdf"},
      {2, "circuit", "circuit.png"},
      {0, "circuit.pdf", "circuit.pdf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    DrawingFileDialog d(nullptr);
    EXPECT_EQ(d.windowTitle(), "Export Drawing");
    d.setDirectory(dir);
    d.selectNameFilter(d.nameFilters().at(c.filter));
    d.selectFile(c.typed);
    d.show();
    QMetaObject::invokeMethod(&d, "accept");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.selectedFiles().value(0), QDir(dir).filePath(c.saved));
  }
  EXPECT_EQ(DrawingFileDialog::PictureSizes().size(), 4);
}

TEST_F(WindowFixture, ExportDrawingSaysWhenNothingWasWritten) {
  window.OpenAtStart(example("ohms_law.ele"));
  const struct {
    const char* name;  // empty: the dialog was cancelled
    bool written;
    const char* status;
  } cases[] = {
      {"bench.svg", true, ""},
      {"bench.pdf", true, ""},
      {"bench.gif", false, DRAWING_NAME_REFUSED},
      {"no such folder/bench.svg", false, DRAWING_NOT_WRITTEN},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window.statusBar()->clearMessage();
    modal.drawing = {*c.name ? dir + "/" + c.name : QString(), 2};
    if (*c.name) QFile::remove(modal.drawing.path);
    window.ExportBenchDrawing();
    if (*c.name) {
      EXPECT_EQ(QFile::exists(modal.drawing.path), c.written);
    }
    EXPECT_EQ(window.statusBar()->currentMessage(), c.status);
  }
}

}  // namespace
}  // namespace voltaro
