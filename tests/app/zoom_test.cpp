// The bench zoomed: the view turns its pixels into bench pixels once, so the
// terminal catch, the strict boxes and the drop clamp hold in bench pixels
// at 200 % and 300 % exactly as at 100 %; the mouse's XOR feedback lands on
// the zoomed picture where the bench puts it; and the zoom steps, fits and
// follows the wheel.

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"
#include "window_fixture.h"

namespace voltaro {
namespace {

QScrollArea* BenchScrollBox(TForm1& window) {
  for (auto* scroll : window.findChildren<QScrollArea*>()) {
    if (scroll->widget() == &window.view()) return scroll;
  }
  return nullptr;
}

// A fixed resistor at (300, 200): half size (42, 11), terminal A at
// (263, 200), B at (335, 200); a black box from (620, 500), 100 x 60,
// over part of a second resistor at (650, 530).
struct ZoomedBench {
  FakeModal modal;
  NoClipboard clipboard;
  TForm1 window{VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard};
  BenchView& view = window.view();

  explicit ZoomedBench(double zoom) {
    window.documents().New();
    PlaceComponent(window.bench(), KIND_FIXED_RESISTOR, 300, 200);
    PlaceComponent(window.bench(), KIND_FIXED_RESISTOR, 650, 530);
    BlackBoxRecord& box = window.bench().black_boxes[0];
    box.in_use = 1;
    box.x = 620;
    box.y = 500;
    box.width = 100;
    box.height = 60;
    window.renderer().rebuild_all_pictures();
    window.zoom().set_zoom(zoom, QPointF());
    window.renderer().Draw_obj();
  }

  void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPointF at) {
    QMouseEvent e(type, at, view.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &e);
  }
  void press(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, button, button, at);
  }
  void move(QPointF at, Qt::MouseButtons held = Qt::LeftButton) {
    send(QEvent::MouseMove, Qt::NoButton, held, at);
  }
  void release(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonRelease, button, Qt::NoButton, at);
  }
  const InteractionView& mouse() { return window.mouse().view(); }
  const ElementRecord& resistor() { return window.bench().elements[0]; }
};

// Widget pixels at either side of a bench pixel's edge: the first widget
// pixel of bench pixel b is b * zoom, the last (b + 1) * zoom - 1, and half
// a widget pixel before b * zoom still lies in b - 1.
QPointF FirstOf(int bx, int by, double zoom) {
  return {bx * zoom, by * zoom};
}
QPointF LastOf(int bx, int by, double zoom) {
  return {(bx + 1) * zoom - 1, (by + 1) * zoom - 1};
}
QPointF JustBefore(int bx, int by, double zoom) {
  return {bx * zoom - 0.5, by * zoom};
}

enum class Expect { Wire, NoWire, Selects, Misses };

struct Case {
  const char* what;
  QPointF (*at)(int, int, double);
  int bx, by;
  Expect expect;
  int lands_at_x;  // the bench x the press is seen at
};

// A press is caught by a terminal within 5 bench pixels, never 6; a
// component's box is strict at its edges; a press on the edge of a black
// box is not inside it.
const Case PRESSES[] = {
    {"5 left of terminal A, first pixel", FirstOf, 258, 200, Expect::Wire, 258},
    {"5 left of terminal A, last pixel", LastOf, 258, 200, Expect::Wire, 258},
    {"6 left of terminal A, last pixel", LastOf, 257, 200, Expect::NoWire, 257},
    {"6 left of terminal A, half a pixel short of 5", JustBefore, 258, 200, Expect::NoWire, 257},
    {"5 right of terminal B", LastOf, 340, 200, Expect::Wire, 340},
    {"6 right of terminal B", FirstOf, 341, 200, Expect::NoWire, 341},
    {"inside the right edge of the body", LastOf, 341, 205, Expect::Selects, 341},
    {"on the right edge of the body", FirstOf, 342, 205, Expect::Misses, 342},
    {"inside the bottom edge of the body", LastOf, 300, 210, Expect::Selects, 300},
    {"on the bottom edge of the body", FirstOf, 300, 211, Expect::Misses, 300},
    {"on the black box's left edge", LastOf, 620, 530, Expect::Selects, 620},
    {"just inside the black box", FirstOf, 621, 530, Expect::Misses, 621},
};

TEST(Zoomed, PressesHoldInBenchPixels) {
  for (double zoom : {2.0, 3.0}) {
    for (const Case& c : PRESSES) {
      SCOPED_TRACE(testing::Message() << zoom * 100 << " %: " << c.what);
      ZoomedBench t(zoom);
      t.press(c.at(c.bx, c.by, zoom));
      EXPECT_EQ(t.mouse().mouse_pos.x, c.lands_at_x);
      switch (c.expect) {
        case Expect::Wire:
        case Expect::NoWire:
          EXPECT_EQ(t.mouse().wire_in_progress, c.expect == Expect::Wire);
          break;
        case Expect::Selects:
        case Expect::Misses:
          EXPECT_EQ(t.mouse().selected_kind, c.expect == Expect::Selects ? KIND_FIXED_RESISTOR : 0);
          break;
      }
    }
  }
}

// A drop outside the picture lands 10 bench pixels inside its edge; one on
// its last pixel is not clamped.
TEST(Zoomed, DropsAreClampedInBenchPixels) {
  struct Drop {
    double wx, wy;  // in bench pixels, multiplied by the zoom for the widget
    int x, y;
  };
  const Drop drops[] = {
      {-2.5, 100, 10, 100},        // left of the picture
      {500, -0.2, 500, 10},        // above it, by less than a bench pixel
      {1030, 600, 1014, 600},      // right of it
      {1023.9, 767.9, 1023, 767},  // its last pixels
      {400, 768, 400, 758},        // on its bottom edge
  };
  for (double zoom : {2.0, 3.0}) {
    for (const Drop& d : drops) {
      SCOPED_TRACE(testing::Message() << zoom * 100 << " %: (" << d.wx << ", " << d.wy << ")");
      ZoomedBench t(zoom);
      t.press(FirstOf(300, 200, zoom));
      ASSERT_EQ(t.mouse().selected_kind, KIND_FIXED_RESISTOR);
      const QPointF at(d.wx * zoom, d.wy * zoom);
      t.move(at);
      t.release(at);
      EXPECT_EQ(t.resistor().x, d.x);
      EXPECT_EQ(t.resistor().y, d.y);
    }
  }
}

// The drag outline and the rubber line are drawn in bench pixels onto the
// picture the window shows, at the zoom, and taken off again by XOR.
TEST(Zoomed, FeedbackLandsOnTheZoomedPicture) {
  const QRgb xor_on_white = qRgb(255, 0, 0);  // the outline's cyan on white
  ZoomedBench t(2);
  const QImage& shown = t.window.renderer().view_image();
  ASSERT_EQ(shown.size(), QSize(2048, 1536));
  t.press(FirstOf(300, 200, 2));
  t.move(FirstOf(400, 300, 2));
  // The outline's top-left corner is at (400 - 42, 300 - 11) on the bench.
  EXPECT_EQ(shown.pixel(358 * 2, 289 * 2), xor_on_white);
  t.move(FirstOf(450, 300, 2));
  EXPECT_EQ(shown.pixel(358 * 2, 289 * 2), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(408 * 2, 289 * 2), xor_on_white);
  t.release(FirstOf(450, 300, 2));

  // A wire from terminal A of the moved resistor (413, 300) to the
  // pointer at (413, 400): the rubber line runs down between them.
  t.press(FirstOf(413, 300, 2));
  ASSERT_TRUE(t.mouse().wire_in_progress);
  const QImage before = shown.copy();
  t.move(FirstOf(413, 400, 2), Qt::NoButton);
  EXPECT_NE(shown.pixel(413 * 2, 350 * 2), before.pixel(413 * 2, 350 * 2));
  EXPECT_EQ(shown.pixel(420 * 2, 350 * 2), before.pixel(420 * 2, 350 * 2));
}

TEST_F(WindowFixture, ZoomStepsStayWithinHalfAndFourTimes) {
  window.documents().New();
  BenchZoom& zoom = window.zoom();
  zoom.zoom_in();
  EXPECT_DOUBLE_EQ(zoom.zoom(), 1.1);
  zoom.actual_size();
  zoom.zoom_out();
  EXPECT_DOUBLE_EQ(zoom.zoom(), 0.9);
  for (int i = 0; i < 20; ++i) zoom.zoom_out();
  EXPECT_DOUBLE_EQ(zoom.zoom(), 0.5);
  for (int i = 0; i < 20; ++i) zoom.zoom_in();
  EXPECT_DOUBLE_EQ(zoom.zoom(), 4);
  EXPECT_EQ(window.view().size(), QSize(4096, 3072));
  EXPECT_DOUBLE_EQ(window.renderer().view_scale(), 4);
  zoom.actual_size();
  EXPECT_EQ(window.view().size(), QSize(1024, 768));
  EXPECT_EQ(&window.renderer().view_image(), &window.renderer().image());
}

TEST_F(WindowFixture, FitToWindowShowsTheWholeBenchAndFollowsTheWindow) {
  window.documents().New();
  window.resize(900, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QScrollArea* scroll = BenchScrollBox(window);
  for (QSize size : {QSize(900, 700), QSize(1500, 1000)}) {
    SCOPED_TRACE(size.width());
    window.resize(size);
    QCoreApplication::processEvents();
    window.zoom().fit_to_window();
    QCoreApplication::processEvents();
    const QSize room = scroll->maximumViewportSize();
    EXPECT_LE(window.view().width(), room.width());
    EXPECT_LE(window.view().height(), room.height());
    EXPECT_TRUE(window.view().width() >= room.width() - 1 ||
                window.view().height() >= room.height() - 1);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  }
  // Fitted, the bench follows the window as it grows.
  const double fitted = window.zoom().zoom();
  window.resize(1900, 1400);
  QCoreApplication::processEvents();
  EXPECT_GT(window.zoom().zoom(), fitted);
  window.zoom().actual_size();
  EXPECT_FALSE(window.zoom().fitted());
}

// Ctrl and the wheel zoom one step per notch about the pointer: the bench
// point under it stays under it. Without Ctrl the wheel scrolls.
TEST_F(WindowFixture, CtrlWheelZoomsAboutThePointer) {
  window.documents().New();
  window.resize(900, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  BenchView& view = window.view();
  QWidget* viewport = BenchScrollBox(window)->viewport();
  const auto wheel = [&](QPointF at, int notches, Qt::KeyboardModifiers keys) {
    QWheelEvent e(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, keys,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &e);
  };
  const QPointF pointer(400, 300);  // in the viewport
  const Point under = BenchView::ToBench(view.mapFrom(viewport, pointer), view.zoom());
  wheel(view.mapFrom(viewport, pointer), 3, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(window.zoom().zoom(), 1.5);
  const Point now = BenchView::ToBench(view.mapFrom(viewport, pointer), view.zoom());
  EXPECT_NEAR(now.x, under.x, 1);
  EXPECT_NEAR(now.y, under.y, 1);
  wheel(view.mapFrom(viewport, pointer), -1, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(window.zoom().zoom(), 1.25);
  wheel(view.mapFrom(viewport, pointer), -1, Qt::NoModifier);
  EXPECT_DOUBLE_EQ(window.zoom().zoom(), 1.25);
}

// A zoomed window repaints only what it shows; what it scrolls into view
// afterwards is painted then, and shows the bench as it stands: here a
// resistor placed in the far corner while the window showed the near one.
TEST_F(WindowFixture, WhatScrollsIntoViewShowsTheBenchAsItStands) {
  window.documents().New();
  window.resize(900, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.zoom().set_zoom(2, QPointF());
  QCoreApplication::processEvents();
  ASSERT_EQ(window.renderer().view_scale(), 2) << "a screen of pixel ratio 1 is needed";
  PlaceComponent(window.bench(), KIND_FIXED_RESISTOR, 900, 700);
  window.renderer().rebuild_all_pictures();
  window.renderer().Draw_obj();
  QCoreApplication::processEvents();

  QScrollArea* scroll = BenchScrollBox(window);
  scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  QCoreApplication::processEvents();
  const QImage shown = scroll->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);

  // The same bench painted whole by a picture of its own.
  BenchRenderer whole(window.bench(), Pictures(), nullptr);
  whole.rebuild_all_pictures();
  whole.set_view_scale(2);
  const QPoint corner(scroll->horizontalScrollBar()->value(), scroll->verticalScrollBar()->value());
  const QImage expected = whole.view_image().copy(QRect(corner, shown.size()));
  ASSERT_GT(corner.x(), 1024);
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != expected.pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
}

// On a screen of pixel ratio 2 (the CTest HighDensityScreen runs this with
// QT_SCALE_FACTOR=2) the bench is painted with the screen's pixels from its
// first showing, up to four of them per bench pixel.
TEST(HighDensity, TheWindowsPictureHasTheScreensPixels) {
  FakeModal modal;
  NoClipboard clipboard;
  TForm1 window{VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard};
  window.OpenAtStart(QString(VOLTARO_EXAMPLES) + "/ohms_law.ele");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const double ratio = window.view().devicePixelRatioF();
  if (ratio == 1) GTEST_SKIP() << "the screen has a pixel ratio of 1";
  EXPECT_DOUBLE_EQ(window.renderer().view_scale(), ratio);
  EXPECT_EQ(window.renderer().view_image().width(), static_cast<int>(1024 * ratio));
  window.zoom().set_zoom(4, QPointF());
  EXPECT_DOUBLE_EQ(window.renderer().view_scale(), 4);
  EXPECT_EQ(window.view().width(), 4096);
}

// The magnifier paints its 140 x 140 bench pixels as large as its window
// is, afresh when the window grows: the selected resistor's red outline,
// its left edge 28 bench pixels right of the square's, lands 28 times the
// magnification into the square.
TEST(Magnifier, PaintsTheBenchAtItsMagnification) {
  ZoomedBench t(2);
  t.window.mouse().set_pending_kind(KIND_MAGNIFIER);
  t.window.mouse().Image1MouseDown(LEFT_BUTTON, 0, 300, 200);
  Form_big& magnifier = t.window.magnifier();
  ASSERT_TRUE(magnifier.isVisible());
  // Every repaint of the bench refreshes the magnifier.
  t.window.mouse().Select(KIND_FIXED_RESISTOR, 0);
  t.window.renderer().Draw_obj();
  for (int side : {300, 420}) {
    SCOPED_TRACE(side);
    magnifier.resize(side, side);
    const QImage& square = magnifier.square();
    ASSERT_EQ(square.size(), QSize(side, side));
    const double k = side / 140.0;
    // The outline's left edge at bench x 258, the square's at 230.
    const int edge = static_cast<int>(28 * k);
    const int row = static_cast<int>(70 * k);
    bool red = false;
    for (int x = edge - 2; x <= edge + 2; ++x) red = red || square.pixel(x, row) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
    EXPECT_EQ(square.pixel(edge - 8, row), qRgb(255, 255, 255));
  }
}

}  // namespace
}  // namespace voltaro
