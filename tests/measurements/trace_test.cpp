// The example experiments run by the timer without a window and recorded
// tick by tick, as a physics teacher would check them.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/experiment_file.h"
#include "document/line_fit.h"
#include "model/analysis.h"
#include "model/headless_timer.h"
#include "model/kinds.h"
#include "model/recording.h"

namespace voltaro {
namespace {

// An example opened as the window opens it, with the timer's redraw.
struct Example {
  std::unique_ptr<Bench> bench = std::make_unique<Bench>();
  std::optional<HeadlessTimer> timer;
  Recording recording;

  explicit Example(const char* file) {
    timer.emplace(*bench);
    const std::string path = std::string(VOLTARO_EXAMPLES) + "/" + file;
    EXPECT_EQ(ReadExperimentFile(*bench, path), OpenOutcome::Opened) << path;
    recording.follow([](const QuantityKey&) { return true; });
  }
  void run(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      timer->tick();
      recording.record(*bench, timer->seconds());
    }
  }
  std::vector<std::optional<double>> column(const std::string& label) const {
    for (size_t c = 0; c < recording.columns().size(); ++c) {
      if (recording.columns()[c].label() == label) return recording.values(c);
    }
    ADD_FAILURE() << "no column " << label;
    return {};
  }
  std::vector<double> numbers(const std::string& label) const {
    std::vector<double> out;
    for (const std::optional<double>& v : column(label)) out.push_back(v.value_or(NAN));
    return out;
  }
  int slot_of(int32_t kind) const {
    for (int i = 0; i < TWO_TERMINAL_SLOTS && bench->elements[i].in_use(); ++i) {
      if (bench->elements[i].kind == kind) return i;
    }
    ADD_FAILURE() << "no kind " << kind;
    return 0;
  }
};

// Ticks the generator needs for one turn: each tick turns it 0.04 rad per
// unit of speed, and an angle of a full turn or more starts again at 0.
int TicksPerTurn(double speed) {
  const double step = 0.04 * speed;
  double angle = 0;
  int ticks = 0;
  do {
    angle += step;
    ++ticks;
  } while (angle < 6.283185307179586);
  return ticks;
}

TEST(Trace, TheGeneratorsCurrentAlternatesWithThePeriodOfItsSpeed) {
  Example e("ac_generator.ele");
  const double speed = e.bench->elements[e.slot_of(KIND_AC_GENERATOR)].param3;
  const int turn = TicksPerTurn(speed);
  ASSERT_GT(turn, 4);
  e.run(2 * turn + 4);

  const std::vector<std::optional<double>> bulb = e.column("Bulb 1 current");
  std::vector<int> up, down;  // rows where the current turns positive or negative
  double largest = 0;
  for (size_t i = 1; i < bulb.size(); ++i) {
    ASSERT_TRUE(bulb[i] && bulb[i - 1]);
    largest = std::max(largest, std::fabs(*bulb[i]));
    if (*bulb[i - 1] < 0 && *bulb[i] > 0) up.push_back(static_cast<int>(i));
    if (*bulb[i - 1] > 0 && *bulb[i] < 0) down.push_back(static_cast<int>(i));
  }
  EXPECT_GT(largest, 0.1);
  // Two turns: each direction begins twice, a whole turn apart, and the
  // other direction half a turn later.
  ASSERT_EQ(up.size(), 2u);
  ASSERT_EQ(down.size(), 2u);
  EXPECT_EQ(up[1] - up[0], turn);
  EXPECT_EQ(down[1] - down[0], turn);
  EXPECT_NEAR(std::abs(up[0] - down[0]), turn / 2.0, 1);
  // The generator's own current is the bulb's, the other way round the loop.
  const std::vector<std::optional<double>> generator = e.column("AC generator 1 current");
  for (size_t i = 0; i < bulb.size(); ++i) EXPECT_DOUBLE_EQ(*generator[i], -*bulb[i]);
}

// A still magnet induces nothing; one push gives a kick of one tick, which
// the next tick ends, and the tick after that analyses to rest again.
TEST(Trace, TheCoilAndMagnetRestsAtZeroAndKicksOnePush) {
  Example e("coil_and_magnet.ele");
  e.run(20);
  for (size_t c = 0; c < e.recording.columns().size(); ++c) {
    for (const std::optional<double>& v : e.recording.values(c)) {
      EXPECT_EQ(v, 0.0) << e.recording.columns()[c].label();
    }
  }

  // The magnet pushed 10 pixels into the coil, as a drag does it.
  ElementRecord& coil = e.bench->elements[e.slot_of(KIND_COIL_AND_MAGNET)];
  coil.param1 -= 10;
  coil.emf = -10 * coil.param2 * coil.param3 * 0.005;
  DoingWhileDragging(*e.bench);
  e.run(3);
  const std::vector<std::optional<double>> g = e.column("Galvanometer 1");
  EXPECT_NE(*g[20], 0);
  EXPECT_EQ(*g[21], 0);
  EXPECT_EQ(*g[22], 0);
}

// The Ohm's-law lab: three slider positions, V and I written down each
// time, and the resistance read from the slope of I against V.
TEST(Trace, OhmsLawFromThreeSliderPositions) {
  Example e("ohms_law.ele");
  for (double slider : {0.2, 0.5, 0.8}) {
    e.bench->rheostats[0].slider = slider;
    Settle(*e.bench);
    e.recording.record(*e.bench, slider);
  }
  const double resistor = e.bench->elements[e.slot_of(KIND_FIXED_RESISTOR)].resistance;
  const double voltmeter = e.bench->voltmeters[0].range_resistance_1;
  struct Case {
    const char* volts;
    const char* amps;
    double resistance;
  };
  const Case cases[] = {
      // The resistor's own voltage and current give its resistance.
      {"Fixed resistor 1 voltage", "Fixed resistor 1 current", resistor},
      // The ammeter also carries the voltmeter's current: the meters give
      // the resistor and the voltmeter in parallel, as on a real bench.
      {"Pointer voltmeter 1", "Pointer ammeter 1", resistor * voltmeter / (resistor + voltmeter)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amps);
    const std::optional<LineFit> fit = FitLine(e.numbers(c.volts), e.numbers(c.amps));
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->points, 3u);
    EXPECT_NEAR(1 / fit->slope, c.resistance, 1e-9 * c.resistance);
    EXPECT_NEAR(fit->intercept, 0, 1e-12);
  }
  // Three different readings, not one reading three times.
  const std::vector<std::optional<double>> v = e.column("Pointer voltmeter 1");
  EXPECT_GT(std::fabs(*v[0] - *v[1]), 0.1);
  EXPECT_GT(std::fabs(*v[1] - *v[2]), 0.1);
}

}  // namespace
}  // namespace voltaro
