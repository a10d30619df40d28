// What the instruments show for given results.

#include "model/readings.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/format.h"

namespace voltaro {
namespace {

TEST(Format, GeneralFormatWithFifteenDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {50, "50"},
      {0.5, "0.5"},
      {0.0001, "0.0001"},
      {1.5, "1.5"},
      {0.00001, "1E-5"},
      {4e-8, "4E-8"},
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {1e14, "100000000000000"},
      {-0.5, "-0.5"},
      {0, "0"},
      {-0.0, "0"},
      {INFINITY, "INF"},
      {-INFINITY, "-INF"},
      {NAN, "NAN"},
      {1e-80, "1E-80"},
      {0.1 + 0.2, "0.3"},
      {2.0 / 3, "0.666666666666667"},
      {-1e300, "-1E300"},
      {123456789012345678.0, "1.23456789012346E17"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, 15), c.text) << c.value;
}

TEST(DigitalMeters, TextFollowsTheLimitsAndFourDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{0.00009, "0.00"}, {-0.00009, "0.00"}, {12.3456, "12.35"},
                        {2e11, "max err"}, {-1.5, "-1.5"},     {0.0001, "0.0001"},
                        {1e10, "1E10"},    {12346, "1.235E4"}, {0.15, "0.15"},
                        {9999.6, "1E4"}};
  for (const Case& c : cases) EXPECT_EQ(DigitalMeterText(c.value), c.text) << c.value;
}

TEST(DigitalMeters, OhmmeterSeesItsOwnCellBehindTenOhm) {
  struct Case {
    double current;
    const char* text;
  };
  const Case cases[] = {{0.05, "10"},   {0.1, "0.00"},   {1e-11, "1E10"},   {-0.05, "1E10"},
                        {0.001, "990"}, {1e-10, "1E10"}, {0.0003, "3.32E3"}};
  for (const Case& c : cases) {
    ElementRecord m;
    m.current = c.current;
    EXPECT_EQ(OhmmeterText(OhmmeterResistance(m)), c.text) << c.current;
  }
}

TEST(PointerMeters, NeedleAnglesAndStops) {
  struct Case {
    double value, angle;
  };
  const Case cases[] = {{0, 143.664}, {1.5, 90}, {3, 36.336}, {-0.5, 150}, {4, 30}, {NAN, 143.664}};
  for (const Case& c : cases) EXPECT_NEAR(PointerNeedleAngle(c.value), c.angle, 1e-9) << c.value;

  DualMeterRecord volt;
  volt.potential = {1.0, 2.5, 0, 0};
  EXPECT_EQ(PointerVoltmeterValue(volt), 1.5);
  DualMeterRecord amp;
  amp.range_resistance_1 = 0.025;
  amp.potential = {0.0, 0, 0, 0.0125};
  EXPECT_DOUBLE_EQ(PointerAmmeterValue(amp), 0.5);
}

TEST(Galvanometer, CentreZeroNeedle) {
  struct Case {
    double current_times_rate, angle;
  };
  const Case cases[] = {{-1e-4, 71.612}, {1e-4, 108.388}, {0, 90}, {1, 150}, {-1, 30}};
  for (const Case& c : cases) {
    ElementRecord g;
    g.param1 = 1;
    g.current = c.current_times_rate;
    EXPECT_NEAR(GalvanometerNeedleAngle(GalvanometerReading(g)), c.angle, 1e-9);
  }
}

TEST(Multimeter, NeedleByRange) {
  struct Case {
    double position, current, voltage, angle;
  };
  const Case cases[] = {
      {6, 5, 5, 135},       // OFF rests
      {3, 0, 10, 45},       // 10 V on the 10 V range
      {2, 2, 0, 40},        // 2 A pins the needle
      {0, 0.005, 0, 68.4},  // 0.005 * 148 * 90 = 66.6 degrees
      {4, 0, -50, 140},     // reversed pins at the other stop
      {7, 0.0005, 0, 68.4},
  };
  for (const Case& c : cases) {
    ElementRecord m;
    m.param1 = c.position;
    m.current = c.current;
    m.potential_a = c.voltage;
    EXPECT_NEAR(MultimeterNeedleAngle(m), c.angle, 1e-9) << c.position;
  }
}

}  // namespace
}  // namespace voltaro
