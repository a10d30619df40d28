// Pixel probes at the points the drawing computes: needles, outlines, the
// blown fuse's gap, the rod on its rails, the turning coil, current arrows.

#include <QFile>
#include <QImageReader>
#include <QtMath>

#include "model/analysis.h"
#include "model/kinds.h"
#include "model/motion.h"
#include "render/export.h"
#include "render_fixture.h"

namespace voltaro {
namespace testing {

const PictureSet& Pictures() {
  static PictureSet* pictures = [] {
    auto* set = new PictureSet;
    const auto missing = set->load(VOLTARO_OBJ_DIR);
    EXPECT_FALSE(missing.has_value()) << *missing;
    return set;
  }();
  return *pictures;
}

namespace {

QPoint NeedleEnd(int x, int y, double degrees) {
  const double a = qDegreesToRadians(degrees);
  return {static_cast<int>(x - 1 + 60 * std::cos(a)), static_cast<int>(y + 16 - 60 * std::sin(a))};
}

TEST(Drawing, EmptyBenchIsWhite) {
  RenderBench t;
  t.draw();
  for (QPoint p : {QPoint(0, 0), QPoint(512, 384), QPoint(1023, 767)}) {
    EXPECT_EQ(t.at(p.x(), p.y()), QColor(Qt::white));
  }
}

TEST(Drawing, PointerVoltmeterNeedlePointsAtTheReading) {
  for (double volts : {0.0, 1.5, 3.0}) {
    SCOPED_TRACE(volts);
    RenderBench t;
    const int v = t.put(KIND_POINTER_VOLTMETER, 300, 300);
    t.bench.voltmeters[v].potential = {0, volts, 0, 0};
    t.draw();
    const QPoint end = NeedleEnd(300, 300, 143.664 - volts / 3 * 107.328);
    EXPECT_TRUE(IsRed(t.at(end.x(), end.y())));
  }
}

TEST(Drawing, MultimeterNeedleByRange) {
  struct Case {
    double position, current, voltage, degrees;
  };
  for (const Case& c : {Case{6, 0, 0, 135}, Case{3, 0, 10, 45}, Case{2, 2, 0, 40}}) {
    SCOPED_TRACE(c.position);
    RenderBench t;
    const int m = t.put(KIND_MULTIMETER, 400, 400);
    ElementRecord& e = t.el(m);
    e.param1 = c.position;
    e.current = c.current;
    e.potential_a = c.voltage;
    t.draw();
    const double a = qDegreesToRadians(c.degrees);
    const int x = 400 - 12 + static_cast<int>(180 * std::cos(a));
    const int y = 400 + 32 - static_cast<int>(180 * std::sin(a));
    EXPECT_TRUE(IsRed(t.at(x, y))) << x << "," << y;
  }
}

TEST(Drawing, SelectedComponentIsOutlinedAtItsHalfSize) {
  RenderBench t;
  const int r = t.put(KIND_FIXED_RESISTOR, 200, 150);
  const Selection picked{KIND_FIXED_RESISTOR, r};
  t.renderer.follow_selection(&picked);
  t.draw();
  EXPECT_TRUE(IsRed(t.at(200 - 42, 150 - 11)));
  EXPECT_TRUE(IsRed(t.at(200 + 41, 150 + 10)));
  EXPECT_FALSE(IsRed(t.at(200 + 42, 150 + 11)));
}

TEST(Drawing, BlownFuseShowsAGapInTheCircuitView) {
  for (int blown : {0, 1}) {
    RenderBench t;
    t.bench.circuit_view = 1;
    const int f = t.put(KIND_FUSE, 500, 300);
    t.el(f).is_open = blown;
    t.draw();
    // The fuse wire runs through the middle of the symbol, one row below y.
    const QColor middle = t.at(500, 301);
    EXPECT_EQ(middle == QColor(Qt::black), blown == 0) << blown;
    EXPECT_EQ(t.at(500 - 10, 301), QColor(Qt::black));
  }
}

TEST(Drawing, RodComesBackAtTheOtherEndOfTheRails) {
  RenderBench t;
  const int rod = t.put(KIND_CUTTING_ROD, 400, 300);
  t.el(rod).param1 = 236;
  t.el(rod).param3 = 4;  // 2 pixels a step
  t.clock.now = 5000;
  t.draw();
  EXPECT_EQ(t.el(rod).param1, 5);
  const QImage& picture = Pictures().raw(Pic::Rod);
  EXPECT_EQ(t.at(400 - 135 + 5, 300 - 44 + 3), picture.pixelColor(0, 0));
}

TEST(Drawing, GeneratorCoilTurnsWithItsAngle) {
  // The front long side of the loop lies on the red half at angle 0 and on
  // the blue half at angle pi.
  struct Case {
    double angle;
    QColor side;
  };
  for (const Case& c : {Case{0, QColor(250, 150, 150)}, Case{M_PI, QColor(170, 170, 250)}}) {
    RenderBench t;
    const int g = t.put(KIND_AC_GENERATOR, 400, 300);
    t.el(g).param1 = c.angle;
    t.el(g).param3 = 0;
    t.draw();
    EXPECT_EQ(t.at(405, 321), c.side) << c.angle;
  }
}

TEST(Drawing, CommutatorHalvesFaceTheCoilSidesOfTheirColour) {
  // The red side's lead leaves the axis at screen angle t, the blue side's
  // opposite it; each commutator half lies on the side of its coil side.
  const QColor red(250, 120, 120), blue(120, 120, 250);
  struct Case {
    int32_t kind;
    double angle;
    QPoint red_at, blue_at;  // from the commutator's centre
  };
  const Case cases[] = {{KIND_DC_GENERATOR, 0, {5, 0}, {-5, 0}},
                        {KIND_DC_GENERATOR, M_PI, {-5, 0}, {5, 0}},
                        {KIND_DC_MOTOR, M_PI / 2, {0, 5}, {0, -5}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    RenderBench t;
    const int m = t.put(c.kind, 400, 300);
    t.el(m).param1 = c.angle;
    t.el(m).param3 = 0;
    t.draw();
    const QPoint centre(400 - 52, 300 + 64);  // on the axis at (x - 52.8, y + 64.8)
    EXPECT_EQ(t.at(centre.x() + c.red_at.x(), centre.y() + c.red_at.y()), red);
    EXPECT_EQ(t.at(centre.x() + c.blue_at.x(), centre.y() + c.blue_at.y()), blue);
  }
}

TEST(Drawing, CurrentArrowsPointFromEndAToEndB) {
  for (double current : {0.5, -0.5}) {
    RenderBench t;
    t.bench.show_current_direction = 1;
    const int a = t.put(KIND_STRAIGHT_LEAD, 200, 200);
    const int b = t.put(KIND_STRAIGHT_LEAD, 600, 200);
    const int w = t.wire(t.b(a), t.a(b));  // from (236, 200) to (564, 200)
    t.bench.wires[w].current = current;
    t.draw();
    const int mx = (236 + 564) / 2;
    const QColor wire = BenchColor(NEW_WIRE_COLOR);
    int left = 0, right = 0;
    for (int dx = 6; dx <= 14; ++dx) {
      for (int dy = -4; dy <= -2; ++dy) {
        left += t.at(mx - dx, 200 + dy) == wire;
        right += t.at(mx + dx, 200 + dy) == wire;
      }
    }
    EXPECT_EQ(left > 0, current > 0) << current;
    EXPECT_EQ(right > 0, current < 0) << current;
  }
}

TEST(Drawing, TinyCurrentsShowNoArrows) {
  RenderBench t;
  t.bench.show_current_direction = 1;
  const int a = t.put(KIND_STRAIGHT_LEAD, 200, 200);
  const int b = t.put(KIND_STRAIGHT_LEAD, 600, 200);
  const int w = t.wire(t.b(a), t.a(b));
  t.bench.wires[w].current = 5e-9;
  t.draw();
  for (int dx = -14; dx <= 14; ++dx) EXPECT_NE(t.at(400 + dx, 197), BenchColor(NEW_WIRE_COLOR));
}

TEST(Drawing, TogglingTheViewTwiceGivesTheSamePicture) {
  RenderBench t;
  for (int32_t kind : {KIND_FIXED_RESISTOR, KIND_DRY_CELL, KIND_BULB, KIND_SPST_SWITCH, KIND_FUSE,
                       KIND_DIODE, KIND_BELL, KIND_STORAGE_BATTERY, KIND_RESISTANCE_BOX}) {
    t.put(kind, 100 + 90 * (kind % 10), 100 + 60 * (kind / 10));
  }
  t.put(KIND_SLIDE_RHEOSTAT, 700, 600);
  t.put(KIND_SPDT_SWITCH, 500, 600);
  t.wire(t.b(0), t.a(1));
  doing(t.bench);
  const QImage before = t.image().copy();
  t.renderer.toggle_circuit_view();
  EXPECT_NE(t.image(), before);
  t.renderer.toggle_circuit_view();
  EXPECT_EQ(t.image(), before);
}

TEST(Drawing, TurnedResistorPictureStandsUpright) {
  RenderBench t;
  const int r = t.put(KIND_FIXED_RESISTOR, 300, 300);
  t.el(r).pose = 3;
  t.renderer.make_fact_two_obj_pic(r);
  EXPECT_EQ(t.renderer.element_picture(r).size(), QSize(22, 84));
  const QImage flat = t.renderer.element_picture(r).copy();
  t.el(r).pose = 1;
  t.renderer.make_fact_two_obj_pic(r);
  // A quarter turn counter-clockwise: the top-right corner comes to the top-left.
  const QImage& upright = flat;
  EXPECT_EQ(upright.pixel(0, 0), t.renderer.element_picture(r).pixel(83, 0));
}

TEST(Export, LastLetterChoosesTheFormat) {
  QImage image(16, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString dir = QString::fromStdString(::testing::TempDir());
  struct Case {
    const char* name;
    ExportOutcome outcome;
    const char* format;
  };
  const Case cases[] = {{"a.BMP", ExportOutcome::Written, "bmp"},
                        {"b.jpeg", ExportOutcome::Written, "jpeg"},
                        {"c.png", ExportOutcome::Written, "jpeg"},
                        {"d.tif", ExportOutcome::NotAPictureName, nullptr}};
  for (const Case& c : cases) {
    const QString path = dir + "/" + c.name;
    QFile::remove(path);
    EXPECT_EQ(SaveBenchPicture(image, path), c.outcome) << c.name;
    if (c.format) {
      QImageReader reader(path);
      EXPECT_EQ(reader.format(), c.format) << c.name;
    } else {
      EXPECT_FALSE(QFile::exists(path));
    }
  }
}

}  // namespace
}  // namespace testing
}  // namespace voltaro
