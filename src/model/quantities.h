#pragma once
// What can be measured on the bench: what each instrument's face shows, and
// the current through and the voltage across each component. A chart or a
// table of readings follows these from tick to tick by their keys, which
// are made of the records' own ids: a record keeps its ids when the tables
// close up after a delete, and ids are never given out twice, so a key that
// is no longer found means the component has left the bench.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/bench.h"

namespace voltaro {

// One record on the bench: its kind and the first branch id it was given at
// placement. `occurrence` tells apart records of a damaged file that share
// their ids (0 for the first, 1 for the next, ...); it is set by Recording.
struct RecordKey {
  int32_t kind = 0;
  int32_t id = 0;
  int32_t occurrence = 0;
  friend bool operator==(const RecordKey&, const RecordKey&) = default;
};

enum class Measure : uint8_t {
  Reading,  // the number the instrument's face shows, on the scale in use
  Current,  // through the component (or part) from its terminal A to B
  Voltage,  // potential of terminal A minus potential of terminal B
};

enum class Unit : uint8_t { Volt, Ampere, Ohm };

// Parts of the components with more than one branch.
enum class Part : uint8_t {
  Whole,
  SliderToA,  // slide rheostat: the coil between terminal A and the slider
  SliderToB,  // slide rheostat: the coil between the slider and terminal B
  Coil,       // relay
  Contact,    // relay
  Throw1,     // double-throw switch: terminal 1 to the common terminal
  Throw2,     // double-throw switch: the common terminal to terminal 2
};

// A quantity's identity. The unit belongs to it: a multimeter turned from a
// voltage range to the current range measures something else, while one
// turned from 10 V to 50 V measures the same voltage on another scale.
struct QuantityKey {
  RecordKey record;
  Part part = Part::Whole;
  Measure measure = Measure::Reading;
  Unit unit = Unit::Volt;
  friend bool operator==(const QuantityKey&, const QuantityKey&) = default;
};

struct QuantityKeyHash {
  size_t operator()(const QuantityKey& k) const;
};

// A quantity as a pupil meets it in a legend or a column heading.
struct Quantity {
  QuantityKey key;
  // "Pointer ammeter 1", "Bulb 2", "Slide resistor 1", or the name a pupil
  // gave the component; UTF-8.
  std::string name;
  // "current" or "voltage"; empty for an instrument's reading.
  std::string measured;
  // "coil A to slider", "throw 1", ...: the part of the component; empty for
  // a whole one.
  std::string part;
  // The scale a reading is on, as the instrument labels it: "0.6A", "15V",
  // "Ω×10", "×0.1"; empty for currents and voltages.
  std::string scale;
  // "V", "A" or "Ω".
  std::string unit;

  // "Pointer ammeter 1", "Bulb 1 current", "Slide resistor 1 coil A to
  // slider current".
  std::string label() const;
};

// One value of one quantity at the moment it was read.
struct Sample {
  QuantityKey key;
  double value = 0;
};

const char* UnitSymbol(Unit unit);

// Reads the bench. Every quantity, in this order: the instruments' readings
// (the two-terminal instruments in table order, then the pointer voltmeters
// and the pointer ammeters), then the current and voltage of every
// two-terminal component (instruments included), of each coil section of
// the slide rheostats, of the relays' coils and contacts and of the throws
// of the double-throw switches. The pointer meters have only their reading:
// their sections are the inside of the instrument. The two calls below give
// the same quantities in the same order for the same bench.
class QuantityReader {
 public:
  // With the names: for choosing what to chart and for column headings.
  std::vector<Quantity> list(const Bench& bench);
  // Keys and values only, into storage kept from the last call: what every
  // timer tick records.
  const std::vector<Sample>& read(const Bench& bench);

 private:
  std::vector<Sample> samples_;
  std::vector<int32_t> wire_ends_;  // of the drawn wires, in table order
  std::vector<int32_t> wired_;      // the same, sorted
};

// Whether a record with this key is on the bench.
bool RecordOnBench(const Bench& bench, const RecordKey& key);

}  // namespace voltaro
