// The coil-and-magnet example as a pupil uses it: the faster the magnet is
// dragged, the bigger the galvanometer's kick, and even a fast drag keeps
// the needle on its scale.

#include <cmath>

#include "document/experiment_file.h"
#include "fakes.h"
#include "model/readings.h"

namespace voltaro::testing {
namespace {

constexpr double DEGREES_PER_DIVISION = 18.388;

// The needle's deflection in scale divisions after one drag step of
// `pixels`: each pointer move induces the emf of its own step and the bench
// is analysed at once.
double KickOfOneStep(int pixels) {
  MouseBench t;
  EXPECT_EQ(ReadExperimentFile(t.bench, VOLTARO_EXAMPLES "/coil_and_magnet.ele"),
            OpenOutcome::Opened);
  t.renderer.rebuild_all_pictures();
  const ElementRecord& coil = t.el(0);
  const ElementRecord& meter = t.el(1);
  EXPECT_EQ(coil.kind, KIND_COIL_AND_MAGNET);
  EXPECT_EQ(meter.kind, KIND_GALVANOMETER);
  const int x = coil.x - 10, y = coil.y - 150;  // on the magnet, above the coil
  t.press(x, y);
  EXPECT_TRUE(t.mouse.view().magnet_drag);
  t.move(x, y + pixels);
  const double degrees = GalvanometerNeedleAngle(GalvanometerReading(meter)) - 90;
  t.release(x, y + pixels);
  return std::fabs(degrees) / DEGREES_PER_DIVISION;
}

TEST(CoilAndMagnetExample, FasterDragBiggerKickWithinTheScale) {
  // One step of the drag induces pixels x 3 turns x strength 3 x 0.005 V;
  // through the coil's 1 ohm and the galvanometer's 95 ohm that is
  // 0.469 mA a pixel, and at the rate x0.1 one division is 1 mA.
  struct Case {
    int pixels_per_step;
    double divisions;
  };
  const Case cases[] = {
      {1, 0.469},  // a slow drag: a small kick
      {3, 1.406},
      {6, 2.813},  // a fast drag: a large kick, still on the scale
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pixels_per_step);
    const double kick = KickOfOneStep(c.pixels_per_step);
    EXPECT_NEAR(kick, c.divisions, 0.001);
    EXPECT_LE(kick, 3.0);  // the scale runs to 3 on either side
  }
}

}  // namespace
}  // namespace voltaro::testing
