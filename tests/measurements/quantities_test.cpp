// What the bench offers to measure: names, units, scales, and the numbers
// a teacher would check on each instrument.

#include "model/quantities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/kinds.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

const Quantity* Find(const std::vector<Quantity>& list, const std::string& label) {
  for (const Quantity& q : list) {
    if (q.label() == label) return &q;
  }
  return nullptr;
}

double Value(QuantityReader& reader, const Bench& bench, const QuantityKey& key) {
  for (const Sample& s : reader.read(bench)) {
    if (s.key == key) return s.value;
  }
  ADD_FAILURE() << "no sample for the key";
  return NAN;
}

// A 1.5 V supply drives a named 10 ohm resistor through a digital ammeter;
// a digital voltmeter stands across the resistor.
TEST(Quantities, NamesUnitsAndNumbersOfASeriesLoop) {
  TestBench t;
  const int supply = t.element(KIND_VOLTAGE_SUPPLY, 0, 1.5);
  const int resistor = t.element(KIND_FIXED_RESISTOR, 10);
  t.el(resistor).name = "Rx";
  const int ammeter = t.place(KIND_DIGITAL_AMMETER);
  const int voltmeter = t.place(KIND_DIGITAL_VOLTMETER);
  t.wire(t.b(supply), t.b(ammeter));  // + pole into the ammeter's B
  t.wire(t.a(ammeter), t.a(resistor));
  t.wire(t.b(resistor), t.a(supply));
  t.wire(t.b(voltmeter), t.a(resistor));
  t.wire(t.a(voltmeter), t.b(resistor));
  t.settle();

  QuantityReader reader;
  const std::vector<Quantity> list = reader.list(t.bench);
  struct Expected {
    const char* label;
    const char* unit;
  };
  // Readings first, then every component's current and voltage, in table
  // order; the instruments count as components too.
  const Expected expected[] = {
      {"Digital ammeter 1", "A"},
      {"Digital voltmeter 1", "V"},
      {"Voltage supply 1 current", "A"},
      {"Voltage supply 1 voltage", "V"},
      {"Rx current", "A"},
      {"Rx voltage", "V"},
      {"Digital ammeter 1 current", "A"},
      {"Digital ammeter 1 voltage", "V"},
      {"Digital voltmeter 1 current", "A"},
      {"Digital voltmeter 1 voltage", "V"},
  };
  ASSERT_EQ(list.size(), std::size(expected));
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].label(), expected[i].label) << i;
    EXPECT_EQ(list[i].unit, expected[i].unit) << i;
  }

  const double amps = Value(reader, t.bench, list[0].key);
  const double volts = Value(reader, t.bench, list[1].key);
  const double current = Value(reader, t.bench, list[4].key);
  const double voltage = Value(reader, t.bench, list[5].key);
  EXPECT_NEAR(amps, 0.15, 1e-6);
  // The ammeter carries the resistor's current and the voltmeter's trickle.
  EXPECT_NEAR(amps, current, 1e-9 * current);
  EXPECT_DOUBLE_EQ(volts, voltage);
  // Current from A to B and voltage A minus B: Ohm's law with a plus sign.
  EXPECT_NEAR(voltage / current, 10, 1e-12);
}

enum class Post { Middle, Other, Both, Neither };

// The pointer meters are read on the scale of the post their wire goes to.
TEST(Quantities, PointerMetersAreReadOnTheScaleOfTheirWiredPost) {
  struct Case {
    const char* name;
    bool voltmeter;
    Post wired;
    int32_t range_in_use;
    const char* scale;
  };
  const Case cases[] = {
      {"voltmeter on its 3 V post", true, Post::Middle, 4, "3V"},
      {"voltmeter on its 15 V post", true, Post::Other, 3, "15V"},
      {"voltmeter not wired, low range chosen", true, Post::Neither, 3, "3V"},
      {"voltmeter not wired, high range chosen", true, Post::Neither, 4, "15V"},
      {"voltmeter on both posts, high range chosen", true, Post::Both, 4, "15V"},
      {"ammeter on its 3 A post", false, Post::Middle, 3, "3A"},
      {"ammeter on its 0.6 A post", false, Post::Other, 4, "0.6A"},
      {"ammeter never set up, not wired", false, Post::Neither, 0, "3A"},
      {"ammeter not wired, low range chosen", false, Post::Neither, 3, "0.6A"},
      {"ammeter on both posts, low range chosen", false, Post::Both, 3, "0.6A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestBench t;
    // 2 V straight across the voltmeter; 1 V through 10 ohm and the ammeter.
    const int supply = t.element(KIND_VOLTAGE_SUPPLY, 0, c.voltmeter ? 2 : 1);
    const int meter = t.place(c.voltmeter ? KIND_POINTER_VOLTMETER : KIND_POINTER_AMMETER);
    DualMeterRecord& m = c.voltmeter ? t.bench.voltmeters[meter] : t.bench.ammeters[meter];
    m.range_in_use = c.range_in_use;
    // The two sections split 1 : 4, as the Properties dialog sets them.
    m.range_resistance_1 = c.voltmeter ? 1000 : 0.025;
    m.range_resistance_2 = 4 * m.range_resistance_1;
    int32_t plus = t.b(supply);
    int resistor = -1;
    if (!c.voltmeter) {
      resistor = t.element(KIND_FIXED_RESISTOR, 10);
      t.wire(plus, t.a(resistor));
      plus = t.b(resistor);
    }
    if (c.wired == Post::Middle || c.wired == Post::Both) t.wire(plus, m.node_mid);
    if (c.wired == Post::Other || c.wired == Post::Both) t.wire(plus, m.node_high);
    t.wire(m.node_common, t.a(supply));
    t.settle();

    QuantityReader reader;
    const std::vector<Quantity> list = reader.list(t.bench);
    const Quantity* q = Find(list, c.voltmeter ? "Pointer voltmeter 1" : "Pointer ammeter 1");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->scale, c.scale);
    EXPECT_EQ(q->unit, c.voltmeter ? "V" : "A");
    if (c.wired == Post::Middle || c.wired == Post::Other) {
      // On the right scale the pupil reads the true voltage or current.
      const double truth = c.voltmeter ? 2 : t.el(resistor).current;
      EXPECT_NEAR(Value(reader, t.bench, q->key), truth, 1e-9 * std::fabs(truth));
    }
  }
}

// Moving the wire from one post to the other between two readings of the
// same reader: the second reading is on the other scale.
TEST(Quantities, APointerVoltmeterRewiredToItsOtherPost) {
  TestBench t;
  const int supply = t.element(KIND_VOLTAGE_SUPPLY, 0, 2);
  DualMeterRecord& m = t.bench.voltmeters[t.place(KIND_POINTER_VOLTMETER)];
  m.range_resistance_1 = 1000;
  m.range_resistance_2 = 4000;
  t.wire(m.node_common, t.a(supply));
  const int moved = t.wire(t.b(supply), m.node_mid);
  t.settle();
  QuantityReader reader;
  const QuantityKey key = reader.list(t.bench).front().key;
  EXPECT_NEAR(Value(reader, t.bench, key), 2, 1e-12);

  t.bench.wires[moved].node_b = m.node_high;
  t.settle();
  EXPECT_NEAR(Value(reader, t.bench, key), 2, 1e-12);
  EXPECT_EQ(reader.list(t.bench).front().scale, "15V");
}

// The multimeter reads ohms, amperes or volts by its knob, on scales that
// the dial labels; switched off it reads nothing.
TEST(Quantities, MultimeterReadsByItsRange) {
  enum class Circuit { Resistor100, Supply5V, Loop1V5Through10 };
  struct Case {
    int position;
    Circuit circuit;
    const char* scale;
    const char* unit;
    double reads;
  };
  const Case cases[] = {
      {0, Circuit::Resistor100, "Ω×10", "Ω", 100},
      {1, Circuit::Resistor100, "Ω×1", "Ω", 100},
      {7, Circuit::Resistor100, "Ω×100", "Ω", 100},
      {2, Circuit::Loop1V5Through10, "100mA", "A", 0.15},
      {3, Circuit::Supply5V, "10V", "V", 5},
      {4, Circuit::Supply5V, "50V", "V", 5},
      {5, Circuit::Supply5V, "250V", "V", 5},
      {6, Circuit::Supply5V, "", "", NAN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("position " + std::to_string(c.position));
    TestBench t;
    const int meter = t.place(KIND_MULTIMETER);
    t.el(meter).param1 = c.position;
    switch (c.circuit) {
      case Circuit::Resistor100: {
        const int r = t.element(KIND_FIXED_RESISTOR, 100);
        t.wire(t.a(meter), t.a(r));
        t.wire(t.b(meter), t.b(r));
        break;
      }
      case Circuit::Supply5V: {
        const int s = t.element(KIND_VOLTAGE_SUPPLY, 0, 5);
        t.wire(t.a(meter), t.b(s));  // "+" socket on the + pole
        t.wire(t.b(meter), t.a(s));
        break;
      }
      case Circuit::Loop1V5Through10: {
        const int s = t.element(KIND_VOLTAGE_SUPPLY, 0, 1.5);
        const int r = t.element(KIND_FIXED_RESISTOR, 10);
        t.wire(t.b(s), t.a(meter));
        t.wire(t.b(meter), t.a(r));
        t.wire(t.b(r), t.a(s));
        break;
      }
    }
    t.settle();
    QuantityReader reader;
    const std::vector<Quantity> list = reader.list(t.bench);
    const Quantity* q = Find(list, "Multimeter 1");
    if (std::isnan(c.reads)) {
      EXPECT_EQ(q, nullptr);
      continue;
    }
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->scale, c.scale);
    EXPECT_EQ(q->unit, c.unit);
    EXPECT_NEAR(Value(reader, t.bench, q->key), c.reads, 1e-9 * c.reads);
  }
}

// The galvanometer's scale is its rate; the parts of the components with
// several branches are named, and their currents are the solver's.
TEST(Quantities, PartsOfRheostatsRelaysAndSwitchesAndTheGalvanometersRate) {
  TestBench t;
  const int supply = t.element(KIND_VOLTAGE_SUPPLY, 0, 3);
  const int rheostat = t.place(KIND_SLIDE_RHEOSTAT);
  RheostatRecord& r = t.bench.rheostats[rheostat];
  r.resistance = 30;
  r.slider = 1.0 / 3;  // 10 ohm between terminal A and the slider
  const int g = t.place(KIND_GALVANOMETER);
  t.el(g).param1 = 0.1;
  t.place(KIND_RELAY);
  t.place(KIND_SPDT_SWITCH);
  t.wire(t.b(supply), r.node_coil_a);
  t.wire(r.node_bar_b, t.a(supply));
  t.settle();

  QuantityReader reader;
  const std::vector<Quantity> list = reader.list(t.bench);
  const Quantity* galvanometer = Find(list, "Galvanometer 1");
  ASSERT_NE(galvanometer, nullptr);
  EXPECT_EQ(galvanometer->scale, "×0.1");
  for (const char* label :
       {"Slide resistor 1 slider to coil B current", "Electromagnetic relay 1 coil current",
        "Electromagnetic relay 1 contact voltage",
        "Two-way switch 1 throw 1 current",
        "Two-way switch 1 throw 2 voltage"}) {
    EXPECT_NE(Find(list, label), nullptr) << label;
  }
  const Quantity* coil = Find(list, "Slide resistor 1 coil A to slider current");
  const Quantity* drop = Find(list, "Slide resistor 1 coil A to slider voltage");
  ASSERT_NE(coil, nullptr);
  ASSERT_NE(drop, nullptr);
  EXPECT_NEAR(Value(reader, t.bench, coil->key), 0.3, 1e-12);
  EXPECT_NEAR(Value(reader, t.bench, drop->key), 3, 1e-12);
}

}  // namespace
}  // namespace voltaro
