// What the bulb and meter dialogs accept and write.

#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/validation.h"

namespace voltaro {
namespace {

// ---- Bulbs -------------------------------------------------------------------------------

ElementRecord BulbRecord(double resistance, double power, double effect) {
  ElementRecord e;
  e.resistance = resistance;
  e.param1 = power;
  e.param2 = effect;
  e.max_current = 1.5;
  return e;
}

TEST(BulbDialog, RatingGivesTheResistanceAtRatedPower) {
  const ElementRecord bulb = BulbRecord(10, 10, 8);
  const auto r = CheckBulb({"2.5", "0.75", "0.6", 8, true}, bulb);
  ASSERT_TRUE(r.ok());
  ElementRecord e = bulb;
  Store(r.values, e);
  EXPECT_DOUBLE_EQ(e.resistance, 2.5 * 2.5 / 0.75);  // 8.333..., not the button's 8.3
  EXPECT_EQ(e.param1, 0.75);
  EXPECT_EQ(e.max_current, 0.6);
  EXPECT_EQ(e.param2, 8);
  EXPECT_EQ(e.show_params, 1);
}

TEST(BulbDialog, RatedVoltageShowsThreeDigits) {
  EXPECT_EQ(RatedVoltageText(BulbRecord(10, 10, 8)), "10");
  EXPECT_EQ(RatedVoltageText(BulbRecord(8.3, 0.75, 3)), "2.49");
  EXPECT_EQ(RatedVoltageText(BulbRecord(806.7, 60, 6)), "220");
  EXPECT_EQ(RatedVoltageText(BulbRecord(42, 0.95, 4)), "6.32");
}

TEST(BulbDialog, OkWithoutTouchingTheVoltageKeepsTheBulb) {
  // The box shows three digits; squaring them back would move 806.7 ohm
  // to 806.67 each time the dialog is confirmed.
  const ElementRecord bulb = BulbRecord(806.7, 60, 6);
  const std::string shown = RatedVoltageText(bulb);
  auto r = CheckBulb({shown, "60", "0.54", 6, false}, bulb);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.values.resistance, 806.7);
  // A new power at the same untouched voltage.
  r = CheckBulb({shown, "30", "0.54", 6, false}, bulb);
  EXPECT_DOUBLE_EQ(r.values.resistance, 806.7 * 2);
  // Another voltage is taken as typed.
  r = CheckBulb({"230", "60", "0.54", 6, false}, bulb);
  EXPECT_DOUBLE_EQ(r.values.resistance, 230.0 * 230 / 60);
}

TEST(BulbDialog, EffectPictures) {
  struct Case {
    double param2;
    int index, picture;
  } cases[] = {{8, 8, 8}, {0, 0, 1}, {1, 1, 1}, {2.9, 2, 2}, {15, 10, 10}, {-1, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.param2);
    EXPECT_EQ(EffectIndex(c.param2), c.index);
    EXPECT_EQ(EffectPicture(EffectIndex(c.param2)), c.picture);
  }
}

TEST(BulbDialog, PlacementChoicesWriteTheirRatings) {
  const auto choices = BulbChoices();
  ASSERT_EQ(choices.size(), 6u);
  ElementRecord e = BulbRecord(10, 10, 8);
  Store(choices[2], e);
  EXPECT_EQ(std::string(choices[2].caption), "6.3V  0.15A  0.95W");
  EXPECT_EQ(e.resistance, 42);
  EXPECT_EQ(e.param1, 0.95);
  EXPECT_EQ(e.param2, 4);
  EXPECT_EQ(e.max_current, 0.3);
  EXPECT_EQ(std::count_if(choices.begin(), choices.end(),
                          [](const BulbChoice& c) { return c.for_lighting; }),
            3);
}

// ---- Meters ---------------------------------------------------------------------------------

TEST(MeterDialogs, RangesSplitTheTypedResistance) {
  struct Case {
    const char* name;
    bool voltmeter, low;
    const char* typed;
    int32_t range;
    double r1, r2;
  } cases[] = {
      {"voltmeter 0-3 V", true, true, "990", LOW_RANGE, 990, 3960},
      {"voltmeter 0-15 V", true, false, "5000", HIGH_RANGE, 1000, 4000},
      {"ammeter 0-0.6 A", false, true, "0.125", LOW_RANGE, 0.025, 0.1},
      {"ammeter 0-3 A", false, false, "0.025", HIGH_RANGE, 0.025, 0.1},
      {"ammeter at its limit", false, false, "100", HIGH_RANGE, 100, 400},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DualMeterInput in{c.typed, c.low};
    const auto r = c.voltmeter ? CheckPointerVoltmeter(in) : CheckPointerAmmeter(in);
    ASSERT_TRUE(r.ok());
    DualMeterRecord m;
    Store(r.values, m);
    EXPECT_EQ(m.range_in_use, c.range);
    EXPECT_DOUBLE_EQ(m.range_resistance_1, c.r1);
    EXPECT_DOUBLE_EQ(m.range_resistance_2, c.r2);
    // Reopened, the range's box shows what was typed.
    EXPECT_EQ(ShownMeterResistance(m, c.voltmeter, c.low), c.typed);
  }
}

TEST(MeterDialogs, DefaultsAreTheMetersAsPlaced) {
  EXPECT_EQ(DefaultMeterResistance(true, true), "990");
  EXPECT_EQ(DefaultMeterResistance(true, false), "4990");
  EXPECT_EQ(DefaultMeterResistance(false, true), "0.125");
  EXPECT_EQ(DefaultMeterResistance(false, false), "0.025");
}

TEST(MeterDialogs, GalvanometerRates) {
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(RATE_CAPTIONS[i]);
    EXPECT_EQ(RateIndexOf(RateValue(i)), i);
  }
  ElementRecord g;
  g.param1 = 1;
  Store(CheckGalvanometer({"95", 5}).values, g);
  EXPECT_EQ(g.param1, 1000);
  EXPECT_EQ(g.resistance, 95);
  // A rate that is not in the list (read from a file) is kept until one is
  // chosen, not turned into 0.001.
  EXPECT_EQ(RateIndexOf(2), -1);
  g.param1 = 2;
  Store(CheckGalvanometer({"95", -1}).values, g);
  EXPECT_EQ(g.param1, 2);
}

}  // namespace
}  // namespace voltaro
