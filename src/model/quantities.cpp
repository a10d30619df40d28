#include "model/quantities.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/format.h"
#include "model/kinds.h"
#include "model/readings.h"

namespace voltaro {
namespace {

// What list() needs to name a quantity; read() ignores it, so it only
// points at what the bench holds already.
struct Description {
  int32_t kind = 0;
  int number = 0;  // 1 for the first component of its kind in table order
  const std::string* record_name = nullptr;
  const char* scale = "";
  const double* rate = nullptr;  // the galvanometer's scale factor
};

// The multimeter's knob positions, as the dial labels them. An ohm range is
// a 1 V cell behind `inside` ohm, so the needle's share of full deflection
// b / 90 is inside / (R + inside); the others are linear to `full`.
struct MultimeterRange {
  bool on;
  Unit unit;
  double full_or_inside;
  const char* label;
};
constexpr std::array<MultimeterRange, 8> MULTIMETER_RANGES{{
    {true, Unit::Ohm, 148, "Ω×10"},
    {true, Unit::Ohm, 14.8, "Ω×1"},
    {true, Unit::Ampere, 0.1, "100mA"},
    {true, Unit::Volt, 10, "10V"},
    {true, Unit::Volt, 50, "50V"},
    {true, Unit::Volt, 250, "250V"},
    {false, Unit::Volt, 0, "OFF"},
    {true, Unit::Ohm, 1480, "Ω×100"},
}};

// Numbers the components of each kind in table order. Kind codes outside
// the known range (a damaged file) share one count.
class KindCounter {
 public:
  int next(int32_t kind) { return ++counts_[kind > 0 && kind < SIZE ? kind : 0]; }

 private:
  static constexpr int SIZE = 100;
  std::array<int, SIZE> counts_{};
};

// A pointer meter is read on the scale of the terminal its wire goes to:
// the middle post is the 3 V or 3 A post, the other one 15 V on the
// voltmeter and 0.6 A on the ammeter. With both or neither wired the range
// chosen in its Properties dialog tells.
bool OnOtherScale(const DualMeterRecord& m, bool voltmeter, const std::vector<int32_t>& wired) {
  const bool mid = std::binary_search(wired.begin(), wired.end(), m.node_mid);
  const bool high = std::binary_search(wired.begin(), wired.end(), m.node_high);
  if (mid != high) return high;
  // The voltmeter's low range and the ammeter's high range use the middle post.
  return voltmeter ? m.range_in_use == 4 : m.range_in_use == 3;
}

// Current of the branch with this id from the last analysis. Branches are
// written in a fixed order, so `hint` is almost always where it is; a list
// from before an edit is searched, and a branch not in it carries nothing.
double BranchCurrent(const Bench& bench, int32_t id, int hint) {
  if (hint >= 0 && hint < BRANCH_SLOTS && bench.branches[hint].in_use &&
      bench.branches[hint].branch_id == id) {
    return bench.branches[hint].current;
  }
  for (const BranchRecord& b : bench.branches) {
    if (!b.in_use) break;
    if (b.branch_id == id) return b.current;
  }
  return 0;
}

template <class Table>
int InUse(const Table& table) {
  int n = 0;
  for (const auto& r : table) {
    if constexpr (requires { r.in_use(); }) {
      if (!r.in_use()) break;
    } else {
      if (!r.in_use) break;
    }
    ++n;
  }
  return n;
}

template <class Visit>
void EachReading(const Bench& bench, const std::vector<int32_t>& wired, Visit&& visit) {
  KindCounter counter;
  for (const ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    Description d{e.kind, counter.next(e.kind), &e.name};
    const RecordKey record{e.kind, e.branch_id};
    const auto reading = [&](Unit unit, double value) {
      visit(QuantityKey{record, Part::Whole, Measure::Reading, unit}, value, d);
    };
    switch (e.kind) {
      case KIND_DIGITAL_VOLTMETER:
        reading(Unit::Volt, DigitalVoltmeterValue(e));
        break;
      case KIND_DIGITAL_AMMETER:
        reading(Unit::Ampere, DigitalAmmeterValue(e));
        break;
      case KIND_DIGITAL_OHMMETER:
        // The display shows the size of the resistance, never a sign.
        reading(Unit::Ohm, std::fabs(OhmmeterResistance(e)));
        break;
      case KIND_GALVANOMETER:
        d.rate = &e.param1;
        reading(Unit::Ampere, GalvanometerReading(e));
        break;
      case KIND_MULTIMETER: {
        const int position = MultimeterPosition(e);
        if (position < 0 || position >= 8 || !MULTIMETER_RANGES[position].on) break;
        const MultimeterRange& r = MULTIMETER_RANGES[position];
        const double share = MultimeterDeflection(e) / 90;
        d.scale = r.label;
        reading(r.unit, r.unit == Unit::Ohm ? r.full_or_inside * (1 / share - 1)
                                            : share * r.full_or_inside);
        break;
      }
      default:
        break;
    }
  }
  for (const bool voltmeter : {true, false}) {
    const MeterTable& meters = voltmeter ? bench.voltmeters : bench.ammeters;
    const int32_t kind = voltmeter ? KIND_POINTER_VOLTMETER : KIND_POINTER_AMMETER;
    for (int i = 0; i < METER_SLOTS && meters[i].in_use; ++i) {
      const DualMeterRecord& m = meters[i];
      Description d{kind, i + 1, &m.name};
      const bool other = OnOtherScale(m, voltmeter, wired);
      double value = 0;
      if (voltmeter) {
        value = PointerVoltmeterValue(m) * (other ? 5 : 1);
        d.scale = other ? "15V" : "3V";
      } else {
        value = PointerAmmeterValue(m) / (other ? 5 : 1);
        d.scale = other ? "0.6A" : "3A";
      }
      const Unit unit = voltmeter ? Unit::Volt : Unit::Ampere;
      visit(QuantityKey{{kind, m.branch_id_1}, Part::Whole, Measure::Reading, unit}, value, d);
    }
  }
}

template <class Visit>
void EachComponent(const Bench& bench, Visit&& visit) {
  const auto both = [&](RecordKey record, Part part, double current, double voltage,
                        const Description& d) {
    visit(QuantityKey{record, part, Measure::Current, Unit::Ampere}, current, d);
    visit(QuantityKey{record, part, Measure::Voltage, Unit::Volt}, voltage, d);
  };
  const int spdts = InUse(bench.spdts);
  const int elements = InUse(bench.elements);
  const int relays = InUse(bench.relays);

  KindCounter counter;
  for (int i = 0; i < elements; ++i) {
    const ElementRecord& e = bench.elements[i];
    both({e.kind, e.branch_id}, Part::Whole, e.current, e.potential_a - e.potential_b,
         {e.kind, counter.next(e.kind), &e.name});
  }
  for (int i = 0; i < RHEOSTAT_SLOTS && bench.rheostats[i].in_use; ++i) {
    const RheostatRecord& r = bench.rheostats[i];
    const RecordKey record{KIND_SLIDE_RHEOSTAT, r.branch_id[0]};
    const Description d{KIND_SLIDE_RHEOSTAT, i + 1, &r.name};
    const int first = 2 * spdts + elements + 2 * relays + 4 * i;
    both(record, Part::SliderToA, BranchCurrent(bench, r.branch_id[2], first + 2),
         r.potential[4] - r.potential[5], d);
    both(record, Part::SliderToB, BranchCurrent(bench, r.branch_id[3], first + 3),
         r.potential[6] - r.potential[7], d);
  }
  for (int i = 0; i < relays; ++i) {
    const RelayRecord& r = bench.relays[i];
    const RecordKey record{KIND_RELAY, r.coil_branch_id};
    const Description d{KIND_RELAY, i + 1, &r.name};
    const int first = 2 * spdts + elements + 2 * i;
    both(record, Part::Coil, r.coil_current, r.potential[0] - r.potential[1], d);
    both(record, Part::Contact, BranchCurrent(bench, r.contact_branch_id, first + 1),
         r.potential[2] - r.potential[3], d);
  }
  for (int i = 0; i < spdts; ++i) {
    const SpdtRecord& s = bench.spdts[i];
    const RecordKey record{KIND_SPDT_SWITCH, s.branch_id_1};
    const Description d{KIND_SPDT_SWITCH, i + 1, &s.name};
    both(record, Part::Throw1, BranchCurrent(bench, s.branch_id_1, 2 * i),
         s.potential[0] - s.potential[1], d);
    both(record, Part::Throw2, BranchCurrent(bench, s.branch_id_2, 2 * i + 1),
         s.potential[2] - s.potential[3], d);
  }
}

const char* PartText(Part part) {
  switch (part) {
    case Part::Whole:
      return "";
    case Part::SliderToA:
      return "coil A to slider";
    case Part::SliderToB:
      return "slider to coil B";
    case Part::Coil:
      return "coil";
    case Part::Contact:
      return "contact";
    case Part::Throw1:
      return "throw 1";
    case Part::Throw2:
      return "throw 2";
  }
  return "";
}

// The name a pupil gave the component, or its kind's name and number. Every
// record starts with its kind's designation as its name, which the bench
// never shows and which says nothing to tell two of a kind apart.
std::string NameOf(const Description& d) {
  const KindInfo* info = FindKind(d.kind);
  const std::string& own = *d.record_name;
  if (!own.empty() && (!info || own != info->designation)) return own;
  const std::string_view kind_name = !info                        ? "Component"
                                     : info->reading_name.empty() ? info->caption
                                                                  : info->reading_name;
  return std::string(kind_name) + " " + std::to_string(d.number);
}

Quantity Describe(const QuantityKey& key, const Description& d) {
  Quantity q;
  q.key = key;
  q.name = NameOf(d);
  if (key.measure == Measure::Current) q.measured = "current";
  if (key.measure == Measure::Voltage) q.measured = "voltage";
  q.part = PartText(key.part);
  q.scale = d.rate ? "×" + FormatGeneral(*d.rate, 15) : d.scale;
  q.unit = UnitSymbol(key.unit);
  return q;
}

// The terminals drawn wires end on, sorted, from the ends of every drawn
// wire in table order. Wiring changes far less often than readings are
// taken, so the sorted list is kept while the ends stay the same.
void WiredTerminals(const Bench& bench, std::vector<int32_t>& ends, std::vector<int32_t>& sorted) {
  const size_t before = ends.size();
  size_t n = 0;
  bool same = true;
  const auto add = [&](int32_t id) {
    if (n < ends.size()) {
      same = same && ends[n] == id;
      ends[n] = id;
    } else {
      same = false;
      ends.push_back(id);
    }
    ++n;
  };
  if (bench.voltmeters[0].in_use || bench.ammeters[0].in_use) {
    for (const WireRecord& w : bench.wires) {
      if (w.state == WIRE_FREE) break;
      if (w.state != WIRE_DRAWN) continue;
      add(w.node_a);
      add(w.node_b);
    }
  }
  ends.resize(n);
  if (same && n == before) return;
  sorted = ends;
  std::sort(sorted.begin(), sorted.end());
}

}  // namespace

size_t QuantityKeyHash::operator()(const QuantityKey& k) const {
  uint64_t h = static_cast<uint32_t>(k.record.id);
  h = h * 1000003 + static_cast<uint32_t>(k.record.kind);
  h = h * 1000003 + static_cast<uint32_t>(k.record.occurrence);
  h = h * 31 + static_cast<uint8_t>(k.part);
  h = h * 31 + static_cast<uint8_t>(k.measure);
  h = h * 31 + static_cast<uint8_t>(k.unit);
  return std::hash<uint64_t>()(h);
}

std::string Quantity::label() const {
  std::string out = name;
  if (!part.empty()) out += " " + part;
  if (!measured.empty()) out += " " + measured;
  return out;
}

const char* UnitSymbol(Unit unit) {
  switch (unit) {
    case Unit::Volt:
      return "V";
    case Unit::Ampere:
      return "A";
    case Unit::Ohm:
      return "Ω";
  }
  return "";
}

std::vector<Quantity> QuantityReader::list(const Bench& bench) {
  std::vector<Quantity> out;
  const auto add = [&](const QuantityKey& key, double, const Description& d) {
    out.push_back(Describe(key, d));
  };
  WiredTerminals(bench, wire_ends_, wired_);
  EachReading(bench, wired_, add);
  EachComponent(bench, add);
  return out;
}

const std::vector<Sample>& QuantityReader::read(const Bench& bench) {
  samples_.clear();
  const auto add = [&](const QuantityKey& key, double value, const Description&) {
    samples_.push_back({key, value});
  };
  WiredTerminals(bench, wire_ends_, wired_);
  EachReading(bench, wired_, add);
  EachComponent(bench, add);
  return samples_;
}

bool RecordOnBench(const Bench& bench, const RecordKey& key) {
  int seen = 0;
  const auto match = [&](int32_t id) { return id == key.id && seen++ == key.occurrence; };
  switch (key.kind) {
    case KIND_SLIDE_RHEOSTAT:
      for (int i = 0; i < RHEOSTAT_SLOTS && bench.rheostats[i].in_use; ++i) {
        if (match(bench.rheostats[i].branch_id[0])) return true;
      }
      return false;
    case KIND_RELAY:
      for (int i = 0; i < RELAY_SLOTS && bench.relays[i].in_use; ++i) {
        if (match(bench.relays[i].coil_branch_id)) return true;
      }
      return false;
    case KIND_SPDT_SWITCH:
      for (int i = 0; i < SPDT_SLOTS && bench.spdts[i].in_use; ++i) {
        if (match(bench.spdts[i].branch_id_1)) return true;
      }
      return false;
    case KIND_POINTER_VOLTMETER:
    case KIND_POINTER_AMMETER: {
      const MeterTable& meters =
          key.kind == KIND_POINTER_VOLTMETER ? bench.voltmeters : bench.ammeters;
      for (int i = 0; i < METER_SLOTS && meters[i].in_use; ++i) {
        if (match(meters[i].branch_id_1)) return true;
      }
      return false;
    }
    default:
      for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
        const ElementRecord& e = bench.elements[i];
        if (e.kind == key.kind && match(e.branch_id)) return true;
      }
      return false;
  }
}

}  // namespace voltaro
