// The bench painted larger and exported: drawn at the scale, not enlarged;
// laid out as at 1:1 in both views; and as SVG and PDF drawings that hold
// shapes and text, on one page, with no selection outlined.

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "document/experiment_file.h"
#include "document/geometry.h"
#include "model/tables.h"
#include "pictures/picture.h"
#include "render/export.h"
#include "render_fixture.h"
#include "support/temp_folder.h"

namespace voltaro {
namespace testing {
namespace {

QImage Painted(BenchRenderer& renderer, int scale) {
  QImage picture(BenchRenderer::WIDTH * scale, BenchRenderer::HEIGHT * scale, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.scale(scale, scale);
  renderer.paint_onto(p, {.scale = static_cast<double>(scale)});
  return picture;
}

// Two resistors joined by a wire along the bench at y = 300, and a third
// whose wire slants up to the second: from (235, 500) to (635, 300).
struct WiredBench : RenderBench {
  const QRgb wire = qRgb(0, 64, 128);
  WiredBench() {
    const int r1 = put(KIND_FIXED_RESISTOR, 200, 300);
    const int r2 = put(KIND_FIXED_RESISTOR, 600, 300);
    const int r3 = put(KIND_FIXED_RESISTOR, 200, 500);
    for (int w : {wire_between(b(r1), a(r2)), wire_between(b(r3), b(r2))}) {
      bench.wires[w].color = 8404992;
    }
  }
  int wire_between(int32_t from, int32_t to) { return TestBench::wire(from, to); }
};

TEST(Scaled, APictureTwiceTheSizeIsDrawnNotEnlarged) {
  WiredBench t;
  t.draw();
  TempFolder folder;
  const QString file = QString::fromStdString((folder.path / "bench.png").string());
  ASSERT_EQ(ExportDrawing(t.renderer, file, 2), ExportOutcome::Written);
  const QImage big = QImageReader(file).read().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(big.size(), QSize(2048, 1536));

  // The wire along the bench is one run of its colour from end to end,
  // four pixels thick.
  for (int y = 598; y <= 601; ++y) {
    for (int x = 2 * 236; x < 2 * 563; ++x) ASSERT_EQ(big.pixel(x, y), t.wire) << x << "," << y;
  }
  EXPECT_NE(big.pixel(500, 597), t.wire);
  EXPECT_NE(big.pixel(500, 602), t.wire);

  // The slanting wire steps one pixel at a time, as a line drawn at this
  // size does; a 1:1 picture enlarged would step two pixels at a time at
  // even columns and rows only.
  std::vector<int> top;
  for (int x = 2 * 300; x < 2 * 560; ++x) {
    const int expected = 2 * 500 - (x - 2 * 235) / 2;
    int y = expected - 8;
    while (y < expected + 8 && big.pixel(x, y) != t.wire) ++y;
    ASSERT_LT(y, expected + 8) << "no wire at column " << x;
    top.push_back(y);
  }
  int odd_rows = 0, steps_within_pairs = 0;
  for (size_t k = 0; k < top.size(); ++k) {
    if (top[k] % 2) ++odd_rows;
    if (k % 2 == 1 && top[k] != top[k - 1]) ++steps_within_pairs;
    if (k > 0) {
      EXPECT_LE(std::abs(top[k] - top[k - 1]), 1) << k;
    }
  }
  EXPECT_GT(odd_rows, 100);
  EXPECT_GT(steps_within_pairs, 50);
}

// Every picture the bench draws larger has a drawing to draw it from, so
// none is its pixels enlarged; drawn larger, it covers the same part of the
// bench.
TEST(Scaled, EveryBenchPictureIsDrawnAtEveryScale) {
  for (int i = 0; i < PICTURE_COUNT; ++i) {
    const Pic pic = static_cast<Pic>(i);
    SCOPED_TRACE(PictureFile(pic));
    EXPECT_NE(pictures::find_picture(PictureFile(pic)), nullptr);
    for (int scale : {2, 3, 4}) {
      const QImage& big = Pictures().keyed(pic, scale);
      EXPECT_EQ(big.size(), Pictures().raw(pic).size() * scale);
      EXPECT_EQ(big.devicePixelRatio(), scale);
    }
  }
  for (int step = 0; step < BULB_PICTURES; ++step) {
    SCOPED_TRACE(BulbPictureFile(step));
    EXPECT_NE(pictures::find_picture(QString::fromStdString(BulbPictureFile(step))), nullptr);
    EXPECT_EQ(Pictures().bulb(step, 2).size(), Pictures().bulb(step).size() * 2);
  }
}

std::vector<std::filesystem::path> Examples() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(VOLTARO_EXAMPLES)) {
    if (entry.path().extension() == ".ele") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool Ink(QRgb c) {
  return qRed(c) + qGreen(c) + qBlue(c) < 3 * 255 - 150;
}

// The share of ink in `a` with no ink near its place in `b`, `b` being
// `scale` times as large (or as small, below 1).
double MissingInk(const QImage& a, const QImage& b, double scale) {
  int ink = 0, missing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (!Ink(a.pixel(x, y))) continue;
      ++ink;
      const int bx = static_cast<int>(x * scale), by = static_cast<int>(y * scale);
      const int reach = static_cast<int>(std::max(scale, 1.0)) + 1;
      bool found = false;
      for (int dy = -reach; dy <= reach && !found; ++dy) {
        for (int dx = -reach; dx <= reach && !found; ++dx) {
          const QPoint p(bx + dx, by + dy);
          found = b.valid(p) && Ink(b.pixel(p));
        }
      }
      if (!found) ++missing;
    }
  }
  return ink ? static_cast<double>(missing) / ink : 0;
}

// Every example, in both views, painted twice as large has its apparatus,
// symbols, wires and text where the 1:1 picture has them, and nothing
// where it has none.
TEST(Scaled, EveryExampleIsLaidOutAsAtOneToOne) {
  for (const auto& file : Examples()) {
    for (int view : {0, 1}) {
      SCOPED_TRACE(file.filename().string() + (view ? ", circuit view" : ", object view"));
      RenderBench t;
      ASSERT_EQ(ReadExperimentFile(t.bench, file), OpenOutcome::Opened);
      RefreshElementGeometry(t.bench);
      t.bench.circuit_view = view;
      t.bench.show_current_direction = 1;
      t.renderer.rebuild_all_pictures();
      t.draw();
      const QImage one = t.image().copy();
      const QImage two = Painted(t.renderer, 2);
      EXPECT_LT(MissingInk(one, two, 2), 0.01);
      EXPECT_LT(MissingInk(two, one, 0.5), 0.01);
    }
  }
}

// A turned component at twice the size: its picture or symbol turned the
// way its 1:1 element picture is, in every pose.
TEST(Scaled, TurnedComponentsMatchTheirElementPictures) {
  for (int view : {0, 1}) {
    for (int32_t kind : {KIND_FIXED_RESISTOR, KIND_DRY_CELL, KIND_STORAGE_BATTERY, KIND_DIODE,
                         KIND_BELL, KIND_SPST_SWITCH, KIND_FUSE, KIND_BULB}) {
      for (int32_t pose : {1, 3, 5, 7}) {
        SCOPED_TRACE(::testing::Message()
                     << "view " << view << ", kind " << kind << ", pose " << pose);
        RenderBench t;
        t.bench.circuit_view = view;
        const int i = t.put(kind, 300, 300);
        t.el(i).pose = pose;
        DerivePoseGeometry(t.bench);
        t.renderer.make_fact_two_obj_pic(i);
        t.draw();
        const QImage one = t.image().copy();
        const QImage two = Painted(t.renderer, 2);
        EXPECT_LT(MissingInk(one, two, 2), 0.02);
        EXPECT_LT(MissingInk(two, one, 0.5), 0.02);
      }
    }
  }
}

// What an SVG file holds: its shape elements by name, and its text.
struct SvgContent {
  std::map<QString, int> elements;
  QString text;
  QStringList strokes;
};

SvgContent ReadSvg(const QString& file) {
  SvgContent svg;
  QFile f(file);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&f);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      ++svg.elements[xml.name().toString()];
      const QString stroke = xml.attributes().value("stroke").toString();
      if (!stroke.isEmpty()) svg.strokes << stroke;
      if (xml.name() == QStringLiteral("text")) svg.text += xml.readElementText() + "\n";
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return svg;
}

// A zoomed window paints only what it shows on each redraw and the rest as
// it scrolls into view; whatever the feedback drawn meanwhile, a picture so
// painted shows exactly what one painted whole would.
TEST(Scaled, APicturePaintedAsItComesIntoViewIsThePictureWhole) {
  struct Case {
    const char* name;
    QRect shown;   // in picture pixels; none: everything
    int feedback;  // times the same rubber line is drawn after the redraw
  };
  const Case cases[] = {
      {"all shown", {}, 1},
      {"left half shown, line drawn", {0, 0, 1024, 1536}, 1},
      {"left half shown, line drawn and taken away", {0, 0, 1024, 1536}, 2},
      {"a strip shown, no line", {300, 700, 900, 200}, 0},
      {"a strip shown, line drawn", {300, 700, 900, 200}, 1},
  };
  const auto rubber_line = [](QPainter& p) {
    p.setPen(QPen(QColor(250, 150, 150), 2));
    p.drawLine(40, 600, 1000, 80);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WiredBench whole, parts;
    for (WiredBench* t : {&whole, &parts}) t->renderer.set_view_scale(2);
    parts.renderer.set_shown(c.shown);
    for (WiredBench* t : {&whole, &parts}) {
      t->draw();
      for (int i = 0; i < c.feedback; ++i) t->renderer.draw_feedback(rubber_line);
    }
    // As a window scrolling down would ask for it: a band at a time.
    for (int y = 0; y < 1536; y += 500) parts.renderer.view_image(QRect(0, y, 2048, 500));
    const QImage& expected = whole.renderer.view_image();
    const QImage& got = parts.renderer.view_image(QRect(0, 0, 2048, 1536));
    ASSERT_EQ(got.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < got.height(); ++y) {
      for (int x = 0; x < got.width(); ++x) differing += got.pixel(x, y) != expected.pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST(Drawings, SvgHoldsShapesAndTextAndNoSelection) {
  for (int view : {0, 1}) {
    SCOPED_TRACE(view ? "circuit view" : "object view");
    WiredBench t;
    t.bench.circuit_view = view;
    t.el(0).show_params = 1;
    t.renderer.rebuild_all_pictures();
    const Selection picked{KIND_FIXED_RESISTOR, 0, true, 0};
    t.renderer.follow_selection(&picked);
    t.draw();
    TempFolder folder;
    const QString file = QString::fromStdString((folder.path / "bench.svg").string());
    ASSERT_EQ(ExportDrawing(t.renderer, file, 1), ExportOutcome::Written);
    EXPECT_TRUE(QSvgRenderer(file).isValid());
    const SvgContent svg = ReadSvg(file);
    // The two wires as lines, not as stripes of filled pixels.
    EXPECT_GE(svg.elements.count("polyline") ? svg.elements.at("polyline") : 0, 2);
    EXPECT_NE(svg.text.indexOf("resistance:1ohm"), -1) << svg.text.toStdString();
    // The selected resistor and wire are not red on paper.
    EXPECT_FALSE(svg.strokes.contains("#ff0000"));
    // Pictures go in only in the object view, drawn four times larger.
    const int images = svg.elements.count("image") ? svg.elements.at("image") : 0;
    EXPECT_EQ(images, view ? 0 : 3);
  }
}

TEST(Drawings, PdfIsOnePageOfTheBenchsShape) {
  WiredBench t;
  t.draw();
  TempFolder folder;
  const QString file = QString::fromStdString((folder.path / "bench.pdf").string());
  ASSERT_EQ(ExportDrawing(t.renderer, file, 1), ExportOutcome::Written);
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString pdf = QString::fromLatin1(f.readAll());
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page\\b")), 1);
  // 1024 x 768 bench pixels of 1/96 inch are 768 x 576 points.
  const QRegularExpressionMatch box =
      QRegularExpression("/MediaBox\\s*\\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]").match(pdf);
  ASSERT_TRUE(box.hasMatch());
  EXPECT_DOUBLE_EQ(box.captured(1).toDouble(), 768);
  EXPECT_DOUBLE_EQ(box.captured(2).toDouble(), 576);
}

TEST(Drawings, WhatIsWrittenByTheNamesEnding) {
  WiredBench t;
  t.draw();
  TempFolder folder;
  const struct {
    const char* name;
    int scale;
    ExportOutcome outcome;
    QSize size;  // of a bitmap written
  } cases[] = {
      {"bench.PNG", 3, ExportOutcome::Written, {3072, 2304}},
      {"bench.bmp", 1, ExportOutcome::Written, {1024, 768}},
      {"bench.jpeg", 9, ExportOutcome::Written, {4096, 3072}},  // at most four times
      {"bench.gif", 1, ExportOutcome::NotAPictureName, {}},
      {"bench", 1, ExportOutcome::NotAPictureName, {}},
      {"no such folder/bench.svg", 1, ExportOutcome::Failed, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString file = QString::fromStdString((folder.path / c.name).string());
    EXPECT_EQ(ExportDrawing(t.renderer, file, c.scale), c.outcome);
    EXPECT_EQ(QFile::exists(file), c.outcome == ExportOutcome::Written);
    if (c.size.isValid()) {
      EXPECT_EQ(QImageReader(file).size(), c.size);
    }
  }
}

// Exporting at scale 1 gives the bench picture itself, less the selection.
TEST(Drawings, AOneToOneBitmapIsTheBenchPictureWithoutSelection) {
  WiredBench t;
  t.draw();
  const QImage unselected = t.image().copy();
  const Selection picked{KIND_FIXED_RESISTOR, 1};
  t.renderer.follow_selection(&picked);
  t.draw();
  ASSERT_NE(t.image(), unselected);
  TempFolder folder;
  const QString file = QString::fromStdString((folder.path / "bench.bmp").string());
  ASSERT_EQ(ExportDrawing(t.renderer, file, 1), ExportOutcome::Written);
  EXPECT_EQ(QImageReader(file).read().convertToFormat(QImage::Format_RGB32), unselected);
}

}  // namespace
}  // namespace testing
}  // namespace voltaro
