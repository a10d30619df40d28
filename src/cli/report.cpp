#include "cli/report.h"

#include <iomanip>

#include "document/gbk.h"
#include "model/behaviour.h"
#include "model/kinds.h"
#include "model/readings.h"
#include "model/tables.h"

namespace voltaro {
namespace {

using nlohmann::json;

template <size_t N>
json Numbers(const std::array<double, N>& values) {
  return json(std::vector<double>(values.begin(), values.end()));
}

// What the instrument or lamp of this kind shows, if it shows anything.
void AddShown(json& out, const ElementRecord& e) {
  switch (e.kind) {
    case KIND_DIGITAL_VOLTMETER:
      out["display"] = DigitalMeterText(DigitalVoltmeterValue(e));
      break;
    case KIND_DIGITAL_AMMETER:
      out["display"] = DigitalMeterText(DigitalAmmeterValue(e));
      break;
    case KIND_DIGITAL_OHMMETER:
      out["display"] = OhmmeterText(OhmmeterResistance(e));
      break;
    case KIND_GALVANOMETER:
      out["needle_angle"] = GalvanometerNeedleAngle(GalvanometerReading(e));
      break;
    case KIND_MULTIMETER:
      out["needle_angle"] = MultimeterNeedleAngle(e);
      break;
    case KIND_BULB:
      out["picture"] = BulbPicture(e);
      break;
    case KIND_SIGNAL_LIGHT:
      out["lit"] = SignalLightLit(e);
      break;
    case KIND_BELL:
      out["ringing"] = BellRinging(e);
      break;
    default:
      break;
  }
}

json Meters(const MeterTable& meters, bool voltmeter) {
  json list = json::array();
  for (int i = 0; i < METER_SLOTS && meters[i].in_use; ++i) {
    const DualMeterRecord& m = meters[i];
    const double value = voltmeter ? PointerVoltmeterValue(m) : PointerAmmeterValue(m);
    list.push_back({{"slot", i},
                    {"range_in_use", m.range_in_use},
                    {"range_resistance_1", m.range_resistance_1},
                    {"range_resistance_2", m.range_resistance_2},
                    {"potential", Numbers(m.potential)},
                    {"value", value},
                    {"needle_angle", PointerNeedleAngle(value)}});
  }
  return list;
}

}  // namespace

json BenchReport(const Bench& bench, int runs) {
  json elements = json::array();
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    const ElementRecord& e = bench.elements[i];
    json item = {{"slot", i},
                 {"kind", e.kind},
                 {"name", DisplayText(e.name)},
                 {"pose", e.pose},
                 {"is_open", e.is_open},
                 {"resistance", e.resistance},
                 {"emf", e.emf},
                 {"max_current", e.max_current},
                 {"param1", e.param1},
                 {"param2", e.param2},
                 {"param3", e.param3},
                 {"param4", e.param4},
                 {"current", e.current},
                 {"potential_a", e.potential_a},
                 {"potential_b", e.potential_b}};
    AddShown(item, e);
    elements.push_back(std::move(item));
  }
  json rheostats = json::array();
  for (int i = 0; i < RHEOSTAT_SLOTS && bench.rheostats[i].in_use; ++i) {
    const RheostatRecord& r = bench.rheostats[i];
    rheostats.push_back({{"slot", i}, {"slider", r.slider}, {"potential", Numbers(r.potential)}});
  }
  json spdt = json::array();
  for (int i = 0; i < SPDT_SLOTS && bench.spdts[i].in_use; ++i) {
    const SpdtRecord& s = bench.spdts[i];
    spdt.push_back({{"slot", i}, {"position", s.position}, {"potential", Numbers(s.potential)}});
  }
  json relays = json::array();
  for (int i = 0; i < RELAY_SLOTS && bench.relays[i].in_use; ++i) {
    const RelayRecord& r = bench.relays[i];
    relays.push_back({{"slot", i},
                      {"contact_closed", r.contact_closed},
                      {"coil_current", r.coil_current},
                      {"potential", Numbers(r.potential)}});
  }
  json wires = json::array();
  for (int i = 0; i < WIRE_SLOTS && bench.wires[i].state != WIRE_FREE; ++i) {
    const WireRecord& w = bench.wires[i];
    wires.push_back({{"slot", i},
                     {"state", w.state},
                     {"node_a", w.node_a},
                     {"node_b", w.node_b},
                     {"current", w.current}});
  }
  return {{"status", bench.status},
          {"runs", runs},
          {"short_circuit", ShortCircuitedSource(bench) >= 0},
          {"elements", elements},
          {"rheostats", rheostats},
          {"voltmeters", Meters(bench.voltmeters, true)},
          {"ammeters", Meters(bench.ammeters, false)},
          {"spdt", spdt},
          {"relays", relays},
          {"wires", wires}};
}

void PrintBenchTable(std::ostream& out, const Bench& bench, int runs) {
  const json report = BenchReport(bench, runs);
  out << "status " << bench.status << ", settled after " << runs << " run(s)"
      << (report["short_circuit"].get<bool>() ? ", SHORT CIRCUIT" : "") << "\n\n";
  out << std::left << std::setw(5) << "slot" << std::setw(6) << "kind" << std::setw(22) << "name"
      << std::setw(14) << "current/A" << std::setw(14) << "voltage/V"
      << "shows\n";
  for (const json& e : report["elements"]) {
    const double voltage = e["potential_a"].get<double>() - e["potential_b"].get<double>();
    std::string shows;
    for (const char* key : {"display", "needle_angle", "picture", "lit", "ringing"}) {
      if (e.contains(key)) shows += std::string(key) + " " + e[key].dump() + " ";
    }
    if (e["is_open"].get<int>() == 1) shows += "open";
    out << std::setw(5) << e["slot"].get<int>() << std::setw(6) << e["kind"].get<int>()
        << std::setw(22) << e["name"].get<std::string>() << std::setw(14)
        << e["current"].get<double>() << std::setw(14) << voltage << shows << "\n";
  }
  for (const char* table : {"rheostats", "voltmeters", "ammeters", "spdt", "relays"}) {
    for (const json& r : report[table]) out << table << " " << r.dump() << "\n";
  }
  out << CountWires(bench) << " wire(s)\n";
}

}  // namespace voltaro
