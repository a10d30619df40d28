// What each property dialog accepts and what it writes, checked without a
// screen.

#include "dialogs/validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace voltaro {
namespace {

// ---- Numbers typed into boxes -------------------------------------------------------

TEST(BoxNumbers, RealsAreReadWithoutLocaleAndOnlyWhenFinite) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"2.5", 2.5},  {" 2.5 ", 2.5}, {"+3", 3},   {"-3", -3},  {"1E-6", 1e-6}, {"1e+3", 1000},
      {".5", 0.5},   {"5.", 5},      {"0", 0},    {"2,5", {}}, {"abc", {}},    {"", {}},
      {"  ", {}},    {"-", {}},      {"--1", {}}, {"+-1", {}}, {"1e", {}},     {"0x10", {}},
      {"1 2", {}},   {"nan", {}},    {"NaN", {}}, {"inf", {}}, {"-inf", {}},   {"infinity", {}},
      {"1e999", {}}, {"-1e999", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TypedReal(c.text), c.value);
  }
}

TEST(BoxNumbers, IntegersTakeDigitsOnly) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"4", 4},    {"+4", 4},   {"-1", -1}, {" 7 ", 7},          {"2.5", {}},
      {"3.0", {}}, {"1e2", {}}, {"", {}},   {"99999999999", {}}, {"four", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TypedInteger(c.text), c.value);
  }
}

// ---- Every message of every box -----------------------------------------------------

// One dialog's check run on its valid inputs with one box changed.
struct MessageCase {
  const char* name;
  std::function<std::optional<FieldError>()> check;
  int field;
  const char* message;
};

template <class F, class In>
std::function<std::optional<FieldError>()> With(F check, In in) {
  return [check, in] { return check(in).error; };
}

FixedResistorInput Resistor(const char* r) {
  return {r, "R1", false};
}
SupplyInput Supply(const char* v, const char* r) {
  return {v, r, false};
}
BatterySetInput Set(const char* single, const char* count) {
  return {single, count, false};
}
ResistanceWireInput Wire(const char* rho, const char* l, const char* s) {
  return {rho, l, s, false};
}
BulbInput Bulb(const char* v, const char* p, const char* i) {
  return {v, p, i, 8, false};
}
RodInput Rod(const char* r, const char* b, const char* v, const char* l) {
  return RodInput{r, b, v, l};
}

Checked<BulbValues> CheckFreshBulb(const BulbInput& in) {
  return CheckBulb(in, ElementRecord{});
}

const MessageCase MESSAGE_CASES[] = {
    {"resistor zero", With(CheckFixedResistor, Resistor("0")), 0, MSG_POSITIVE},
    {"resistor words", With(CheckFixedResistor, Resistor("ten")), 0, MSG_POSITIVE},
    {"resistor beyond double", With(CheckFixedResistor, Resistor("1e999")), 0, MSG_POSITIVE},
    {"supply voltage words", With(CheckVoltageSupply, Supply("abc", "0")), 0, MSG_REAL},
    {"supply voltage nan", With(CheckVoltageSupply, Supply("nan", "0")), 0, MSG_REAL},
    {"supply resistance negative", With(CheckVoltageSupply, Supply("6", "-1")), 1,
     MSG_NON_NEGATIVE_SPACED},
    {"supply resistance inf", With(CheckVoltageSupply, Supply("6", "inf")), 1,
     MSG_NON_NEGATIVE_SPACED},
    {"1.5 V cell", With(CheckDryCell, CellInput{"-0.1", false}), 0, MSG_NON_NEGATIVE_BARE},
    {"storage battery", With(CheckStorageBattery, CellInput{"x", false}), 0, MSG_NON_NEGATIVE},
    {"9 V battery", With(CheckNineVoltBattery, CellInput{"-2", false}), 0, MSG_NON_NEGATIVE},
    {"set single negative", With(CheckBatterySet, Set("-1", "4")), 0, MSG_NON_NEGATIVE},
    {"set count 2.5", With(CheckBatterySet, Set("0.5", "2.5")), 1, MSG_INTEGER},
    {"set count negative", With(CheckBatterySet, Set("0.5", "-1")), 1, MSG_INTEGER},
    {"storage set single", With(CheckStorageBatterySet, Set("nan", "3")), 0, MSG_NON_NEGATIVE},
    {"storage set count 2.5", With(CheckStorageBatterySet, Set("0.5", "2.5")), 1, MSG_NON_NEGATIVE},
    // Values worked out from boxes that passed must still be numbers.
    {"set resistance overflows", With(CheckBatterySet, Set("1e308", "4")), 0, MSG_NON_NEGATIVE},
    {"storage set resistance overflows", With(CheckStorageBatterySet, Set("1e300", "2000000000")),
     0, MSG_NON_NEGATIVE},
    {"slide resistor zero", With(CheckSlideResistor, SlideResistorInput{"0", 50, false}), 0,
     MSG_POSITIVE_SPACED},
    {"wire resistivity", With(CheckResistanceWire, Wire("0", "1", "1e-6")), 0, MSG_POSITIVE},
    {"wire length", With(CheckResistanceWire, Wire("1e-6", "-1", "1e-6")), 1, MSG_POSITIVE},
    {"wire section", With(CheckResistanceWire, Wire("1e-6", "1", "zero")), 2, MSG_POSITIVE},
    {"wire rho l overflows", With(CheckResistanceWire, Wire("1e300", "1e300", "1")), 1,
     MSG_POSITIVE},
    {"wire rho l underflows", With(CheckResistanceWire, Wire("1e-200", "1e-200", "1")), 1,
     MSG_POSITIVE},
    {"wire thin section overflows", With(CheckResistanceWire, Wire("1", "1e10", "1e-300")), 2,
     MSG_POSITIVE},
    {"bulb voltage words", With(CheckFreshBulb, Bulb("abc", "1", "1")), 0, MSG_POSITIVE},
    // All three boxes are read before any is tested: the power's words are
    // found before the voltage's sign.
    {"bulb power read first", With(CheckFreshBulb, Bulb("-1", "x", "1")), 1, MSG_POSITIVE},
    {"bulb voltage negative", With(CheckFreshBulb, Bulb("-1", "1", "1")), 0, MSG_POSITIVE},
    {"bulb current zero", With(CheckFreshBulb, Bulb("2.5", "0.75", "0")), 2, MSG_POSITIVE},
    {"bulb voltage 1e300", With(CheckFreshBulb, Bulb("1e300", "1", "1")), 0, MSG_POSITIVE},
    {"bulb voltage 1e-300", With(CheckFreshBulb, Bulb("1e-300", "1", "1")), 0, MSG_POSITIVE},
    {"bulb power 1e-320", With(CheckFreshBulb, Bulb("10", "1e-320", "1")), 1, MSG_POSITIVE},
    {"bulb power 1e300", With(CheckFreshBulb, Bulb("1e-100", "1e300", "1")), 1, MSG_POSITIVE},
    {"fuse", With(CheckFuse, FuseInput{"0", false}), 0, MSG_POSITIVE},
    {"bell resistance", With(CheckBell, BellInput{"-5", "0.5", false}), 0, MSG_POSITIVE},
    {"bell current", With(CheckBell, BellInput{"20", "", false}), 1, MSG_POSITIVE},
    {"light resistance", With(CheckSignalLight, SignalLightInput{"0", "0.1", 0, false}), 0,
     MSG_POSITIVE},
    {"light current", With(CheckSignalLight, SignalLightInput{"1", "-0.1", 0, false}), 1,
     MSG_POSITIVE},
    {"relay coil", With(CheckRelay, RelayInput{"x", "0.1", false}), 0, MSG_POSITIVE},
    {"relay pick-up", With(CheckRelay, RelayInput{"1", "0", false}), 1, MSG_POSITIVE},
    {"galvanometer", With(CheckGalvanometer, GalvanometerInput{"-95", 2}), 0, MSG_NON_NEGATIVE},
    {"voltmeter low words", With(CheckPointerVoltmeter, DualMeterInput{"abc", true}), 0, MSG_REAL},
    {"voltmeter high zero", With(CheckPointerVoltmeter, DualMeterInput{"0", false}), 1,
     MSG_POSITIVE_SPACED},
    {"voltmeter over 1e12", With(CheckPointerVoltmeter, DualMeterInput{"2e12", true}), 0,
     MSG_POSITIVE_SPACED},
    {"ammeter 150", With(CheckPointerAmmeter, DualMeterInput{"150", false}), 1, MSG_AMMETER_RANGE},
    {"ammeter low zero", With(CheckPointerAmmeter, DualMeterInput{"0", true}), 0,
     MSG_AMMETER_RANGE},
    {"ammeter words", With(CheckPointerAmmeter, DualMeterInput{"inf", true}), 0, MSG_REAL},
    {"voltmeter fifth underflows", With(CheckPointerVoltmeter, DualMeterInput{"5e-324", false}), 1,
     MSG_POSITIVE_SPACED},
    {"ammeter fifth underflows", With(CheckPointerAmmeter, DualMeterInput{"5e-324", true}), 0,
     MSG_AMMETER_RANGE},
    {"coil words", With(CheckCoilAndMagnet, CoilInput{"x", {}}), 0, MSG_POSITIVE_SPACED},
    {"coil zero", With(CheckCoilAndMagnet, CoilInput{"0", {}}), 0, MSG_POSITIVE_SPACED},
    {"rod resistance words", With(CheckCuttingRod, Rod("x", "0.1", "0", "0.5")), ROD_RESISTANCE,
     MSG_REAL},
    {"rod resistance zero", With(CheckCuttingRod, Rod("0", "0.1", "0", "0.5")), ROD_RESISTANCE,
     MSG_POSITIVE_SPACED},
    {"rod induction zero", With(CheckCuttingRod, Rod("0.1", "0", "0", "0.5")), ROD_INDUCTION,
     MSG_POSITIVE_SPACED},
    {"rod induction words", With(CheckCuttingRod, Rod("0.1", "B", "0", "0.5")), ROD_INDUCTION,
     MSG_REAL},
    {"rod speed words", With(CheckCuttingRod, Rod("0.1", "0.1", "fast", "0.5")), ROD_SPEED,
     MSG_REAL},
    {"rod length negative", With(CheckCuttingRod, Rod("0.1", "0.1", "0", "-1")), ROD_LENGTH,
     MSG_POSITIVE_SPACED},
    {"rod length inf", With(CheckCuttingRod, Rod("0.1", "0.1", "0", "inf")), ROD_LENGTH, MSG_REAL},
};

TEST(DialogMessages, EachBoxFailsWithItsOwnMessage) {
  for (const MessageCase& c : MESSAGE_CASES) {
    SCOPED_TRACE(c.name);
    const auto error = c.check();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->field, c.field);
    EXPECT_EQ(error->message, c.message);
  }
}

TEST(DialogMessages, OnlyTheSupplyVoltagePutsZeroInItsBox) {
  for (const MessageCase& c : MESSAGE_CASES) {
    SCOPED_TRACE(c.name);
    const bool supply_voltage = std::string(c.name).rfind("supply voltage", 0) == 0;
    EXPECT_EQ(c.check()->reset_to_zero, supply_voltage);
  }
}

// ---- Sources and resistors ----------------------------------------------------------

TEST(SourceDialogs, FixedResistorTakesAnyPositiveTypedValueAndItsName) {
  const auto r = CheckFixedResistor({"33.3", "R7", true});
  ASSERT_TRUE(r.ok());
  ElementRecord e;
  Store(r.values, e);
  EXPECT_EQ(e.resistance, 33.3);
  EXPECT_EQ(e.name, "R7");
  EXPECT_EQ(e.show_params, 1);
}

TEST(SourceDialogs, SupplyKeepsItsVoltageWhenTheResistanceIsRefused) {
  ElementRecord e;
  e.emf = 1;
  e.resistance = 0.5;
  const auto r = CheckVoltageSupply({"-12", "-1", true});
  Store(r.values, e);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(e.emf, -12);         // any voltage, either way round, is taken at once
  EXPECT_EQ(e.resistance, 0.5);  // the refused value never reaches the bench
  EXPECT_EQ(e.show_params, 0);
}

TEST(SourceDialogs, BatterySetsAddTheirCellsInSeries) {
  struct Case {
    const char* name;
    Checked<BatterySetValues> (*check)(const BatterySetInput&);
    const char *single, *count;
    double resistance, emf;
  } cases[] = {
      {"four dry cells", CheckBatterySet, "0.5", "4", 2, 6},
      {"no dry cells", CheckBatterySet, "0.5", "0", 0, 0},
      {"three storage cells", CheckStorageBatterySet, "0.1", "3", 0.30000000000000004, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = c.check({c.single, c.count, false});
    ASSERT_TRUE(r.ok());
    ElementRecord e;
    Store(r.values, e);
    EXPECT_EQ(e.resistance, c.resistance);
    EXPECT_EQ(e.emf, c.emf);
    EXPECT_EQ(e.param1, *TypedInteger(c.count));
    EXPECT_EQ(e.param2, *TypedReal(c.single));
  }
}

TEST(SourceDialogs, SlideResistorSplitsItsCoilAtTheSlipper) {
  struct Case {
    int position;
    double slider, coil_1, coil_2;
  } cases[] = {{100, 1, 50, 0}, {0, 0, 0, 50}, {30, 0.3, 15, 35}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    const auto r = CheckSlideResistor({"50", c.position, false});
    ASSERT_TRUE(r.ok());
    RheostatRecord h;
    h.bar_resistance_1 = 7;
    Store(r.values, h);
    EXPECT_DOUBLE_EQ(h.slider, c.slider);
    EXPECT_DOUBLE_EQ(h.coil_resistance_1, c.coil_1);
    EXPECT_DOUBLE_EQ(h.coil_resistance_2, c.coil_2);
    EXPECT_EQ(h.bar_resistance_1, 0);
    EXPECT_EQ(h.in_use, 1);
  }
}

TEST(SourceDialogs, SlipperMovingWithAHalfTypedTotalKeepsTheRecordsTotal) {
  RheostatRecord h;
  h.resistance = 20;
  h.show_params = 1;
  for (const char* typed : {"-5", "", "1e999", "0"}) {
    SCOPED_TRACE(typed);
    const SlideResistorValues v = SlipperMoved({typed, 25, false}, h);
    EXPECT_EQ(v.resistance, 20);
    EXPECT_EQ(v.coil_resistance_1, 5);
    EXPECT_EQ(v.show_params, 1);  // moving the slipper leaves the caption alone
  }
  EXPECT_EQ(SlipperMoved({"80", 25, false}, h).resistance, 80);
}

TEST(SourceDialogs, SlipperReopensWhereItWasLeft) {
  // 0.29 x 100 is a hair under 29; a truncating dialog would move it to 28.
  for (int position = 0; position <= 100; ++position) {
    SCOPED_TRACE(position);
    EXPECT_EQ(SlipperPosition(position * 0.01), position);
  }
  EXPECT_EQ(SlipperPosition(1.7), 100);
  EXPECT_EQ(SlipperPosition(std::nan("")), 0);
}

TEST(SourceDialogs, ResistanceWireIsResistivityTimesLengthOverSection) {
  const auto r = CheckResistanceWire({"1.7e-8", "10", "1e-6", false});
  ASSERT_TRUE(r.ok());
  EXPECT_DOUBLE_EQ(r.values.resistance, 0.17);
  EXPECT_EQ(WireAnswerText(12.5), "12.5 ohm");
}

TEST(ResistanceBox, DialsEncodeTheirDigitsInTheirAngles) {
  const int angles[] = {90, 54, 18, 342, 306, 270, 234, 198, 162, 126};
  for (int digit = 0; digit < 10; ++digit) {
    SCOPED_TRACE(digit);
    EXPECT_EQ(DialAngle(digit), angles[digit]);
    EXPECT_EQ(DialDigit(angles[digit]), digit);
  }
}

TEST(ResistanceBox, DialsWrapBothWays) {
  EXPECT_EQ(DialDigit(TurnDial(DialAngle(9), true)), 0);
  EXPECT_EQ(DialDigit(TurnDial(DialAngle(0), false)), 9);
  for (int digit = 0; digit < 10; ++digit) {
    SCOPED_TRACE(digit);
    EXPECT_EQ(DialDigit(TurnDial(DialAngle(digit), true)), (digit + 1) % 10);
    EXPECT_EQ(DialDigit(TurnDial(DialAngle(digit), false)), (digit + 9) % 10);
  }
}

TEST(ResistanceBox, DialsShowTheWholeOhmsWithinTheirRange) {
  struct Case {
    double resistance;
    int value;
  } cases[] = {{123456.7, 123456}, {999999, 999999}, {5e6, 999999}, {-3, 0},
               {0.4, 0},           {std::nan(""), 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.resistance);
    EXPECT_EQ(DialValue(DialDigitsOf(c.resistance)), c.value);
  }
  EXPECT_EQ(DialDigitsOf(123456), (DialDigits{6, 5, 4, 3, 2, 1}));
}

}  // namespace
}  // namespace voltaro
