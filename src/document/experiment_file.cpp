#include "document/experiment_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "document/atomic_file.h"
#include "document/gbk.h"
#include "document/geometry.h"
#include "document/lines.h"
#include "document/record_lines.h"
#include "document/regular_file.h"
#include "model/analysis.h"
#include "model/bench_observer.h"
#include "model/kinds.h"
#include "model/tables.h"

namespace voltaro {
namespace {

struct Header {
  std::string_view utf8;
  int version;
};

constexpr std::array<Header, 4> HEADERS = {{
    {"Brenvoltastica 电路部分 v2.0.0.0", FILE_VERSION_2},
    {"Brenvoltastica 电路部分 v3.0.0.0", FILE_VERSION_3},
    {"Brenvoltastica 电路部分 v3.0 Omaris Tevlin", FILE_VERSION_3},
    {HEADER_V32, FILE_VERSION_32},
}};

// Section tags in file order. Reading skips them unseen, so a file whose
// tags were mangled by another editor still opens.
constexpr std::array<std::string_view, 9> SECTION_TAGS = {
    "fact_two_obj", "hdbzq",      "dianxian", "0_3_15Vbiao", "0_06_3abiao",
    "ddszkg",       "电磁继电器", "多行注释", "黑盒子",
};

// Version 2 meters had no range resistances; these make an old voltmeter
// draw almost nothing and an old ammeter drop almost no voltage.
constexpr double V2_VOLTMETER_RANGE_1 = 1e8, V2_VOLTMETER_RANGE_2 = 4e8;
constexpr double V2_AMMETER_RANGE_1 = 1e-8, V2_AMMETER_RANGE_2 = 4e-8;

void WriteTag(LineWriter& out, std::string_view utf8) {
  out.text(utf8);
}

void WriteElement(LineWriter& out, const ElementRecord& e) {
  out.text(e.name);
  for (int32_t v :
       {e.kind, e.pose, e.show_params, e.is_open, e.x, e.y, e.node_a, e.node_b, e.branch_id}) {
    out.integer(v);
  }
  for (double v : {e.resistance, e.emf, e.max_current, e.param1, e.param2, e.param3, e.param4}) {
    out.real(v);
  }
  WriteOffsets(out, e.term_a_offset);
  WriteOffsets(out, e.term_b_offset);
  WriteOffsets(out, e.half_size);
}

void ReadElement(LineReader& in, ElementRecord& e) {
  e.name = in.text();
  for (int32_t* v : {&e.kind, &e.pose, &e.show_params, &e.is_open}) *v = in.integer();
  e.x = in.coordinate();
  e.y = in.coordinate();
  for (int32_t* v : {&e.node_a, &e.node_b, &e.branch_id}) *v = in.id();
  for (double* v :
       {&e.resistance, &e.emf, &e.max_current, &e.param1, &e.param2, &e.param3, &e.param4}) {
    *v = in.real();
  }
  ReadOffsets(in, e.term_a_offset);
  ReadOffsets(in, e.term_b_offset);
  ReadOffsets(in, e.half_size);
  // The turned-twice pose of the storage batteries is not covered by the
  // built-in geometry, and older files carry it wrong: put both terminals
  // back on top of the case.
  if (e.kind == KIND_STORAGE_BATTERY) {
    e.term_a_offset[4] = {-12, -33};
    e.term_b_offset[4] = {12, -33};
  } else if (e.kind == KIND_STORAGE_BATTERY_SET) {
    e.term_a_offset[4] = {-35, -29};
    e.term_b_offset[4] = {35, -29};
  }
}

void WriteRheostat(LineWriter& out, const RheostatRecord& r) {
  out.text(r.name);
  for (int32_t v : {r.x, r.y, r.in_use, r.show_params}) out.integer(v);
  for (double v : {r.resistance, r.max_current, r.slider, r.bar_resistance_1, r.bar_resistance_2,
                   r.coil_resistance_1, r.coil_resistance_2}) {
    out.real(v);
  }
  for (int32_t v : r.branch_id) out.integer(v);
  for (int32_t v : {r.node_bar_a, r.node_bar_a_in, r.node_bar_b_in, r.node_bar_b, r.node_coil_a,
                    r.node_coil_a_in, r.node_slider, r.node_coil_b}) {
    out.integer(v);
  }
}

void ReadRheostat(LineReader& in, RheostatRecord& r) {
  r.name = in.text();
  r.x = in.coordinate();
  r.y = in.coordinate();
  for (int32_t* v : {&r.in_use, &r.show_params}) *v = in.integer();
  for (double* v : {&r.resistance, &r.max_current, &r.slider, &r.bar_resistance_1,
                    &r.bar_resistance_2, &r.coil_resistance_1, &r.coil_resistance_2}) {
    *v = in.real();
  }
  for (int32_t& v : r.branch_id) v = in.id();
  for (int32_t* v : {&r.node_bar_a, &r.node_bar_a_in, &r.node_bar_b_in, &r.node_bar_b,
                     &r.node_coil_a, &r.node_coil_a_in, &r.node_slider, &r.node_coil_b}) {
    *v = in.id();
  }
}

void WriteWire(LineWriter& out, const WireRecord& w) {
  out.text(w.name);
  for (int32_t v : {w.color, w.node_a, w.node_b}) out.integer(v);
  const int points = std::clamp(w.point_count, 0, WIRE_POINTS);
  out.integer(points);
  for (int i = 0; i < points; ++i) {
    out.integer(w.points[i].x);
    out.integer(w.points[i].y);
  }
  out.integer(w.state);
  out.integer(w.wire_id);
}

void ReadWire(LineReader& in, WireRecord& w) {
  w.name = in.text();
  w.color = in.integer();
  w.node_a = in.id();
  w.node_b = in.id();
  w.point_count = in.count(WIRE_POINTS);
  for (int i = 0; i < w.point_count; ++i) {
    w.points[i].x = in.coordinate();
    w.points[i].y = in.coordinate();
  }
  w.state = in.integer();
  w.wire_id = in.id();
}

void WriteMeter(LineWriter& out, const DualMeterRecord& m) {
  out.text(m.name);
  out.integer(m.x);
  out.integer(m.y);
  out.real(m.range_resistance_1);
  out.real(m.range_resistance_2);
  for (int32_t v : {m.in_use, m.range_in_use, m.node_common, m.node_common_in, m.node_mid,
                    m.node_high, m.branch_id_1, m.branch_id_2}) {
    out.integer(v);
  }
}

void ReadMeter(LineReader& in, DualMeterRecord& m, int version, double range_1, double range_2) {
  m.name = in.text();
  m.x = in.coordinate();
  m.y = in.coordinate();
  if (version == FILE_VERSION_2) {
    m.range_resistance_1 = range_1;
    m.range_resistance_2 = range_2;
  } else {
    m.range_resistance_1 = in.real();
    m.range_resistance_2 = in.real();
  }
  m.in_use = in.integer();
  m.range_in_use = in.integer();
  for (int32_t* v : {&m.node_common, &m.node_common_in, &m.node_mid, &m.node_high, &m.branch_id_1,
                     &m.branch_id_2}) {
    *v = in.id();
  }
}

void WriteSpdt(LineWriter& out, const SpdtRecord& s) {
  out.text(s.name);
  for (int32_t v : {s.x, s.y, s.in_use, s.show_params, s.position, s.node_t1, s.node_common,
                    s.node_common_in, s.node_t2, s.branch_id_1, s.branch_id_2}) {
    out.integer(v);
  }
}

void ReadSpdt(LineReader& in, SpdtRecord& s) {
  s.name = in.text();
  s.x = in.coordinate();
  s.y = in.coordinate();
  for (int32_t* v : {&s.in_use, &s.show_params, &s.position}) *v = in.integer();
  for (int32_t* v : {&s.node_t1, &s.node_common, &s.node_common_in, &s.node_t2, &s.branch_id_1,
                     &s.branch_id_2}) {
    *v = in.id();
  }
}

void WriteRelay(LineWriter& out, const RelayRecord& r) {
  out.text(r.name);
  for (int32_t v : {r.x, r.y, r.in_use, r.show_params, r.contact_closed}) out.integer(v);
  out.real(r.coil_resistance);
  out.real(r.pickup_current);
  for (int32_t v : {r.node_coil_a, r.node_coil_b, r.node_contact_a, r.node_contact_b,
                    r.coil_branch_id, r.contact_branch_id}) {
    out.integer(v);
  }
}

void ReadRelay(LineReader& in, RelayRecord& r) {
  r.name = in.text();
  r.x = in.coordinate();
  r.y = in.coordinate();
  for (int32_t* v : {&r.in_use, &r.show_params, &r.contact_closed}) *v = in.integer();
  r.coil_resistance = in.real();
  r.pickup_current = in.real();
  for (int32_t* v : {&r.node_coil_a, &r.node_coil_b, &r.node_contact_a, &r.node_contact_b,
                     &r.coil_branch_id, &r.contact_branch_id}) {
    *v = in.id();
  }
}

void WriteBlackBox(LineWriter& out, const BlackBoxRecord& b) {
  for (int32_t v : {b.in_use, b.x, b.y, b.width, b.height, b.color}) out.integer(v);
  out.text(b.password);
}

void ReadBlackBox(LineReader& in, BlackBoxRecord& b) {
  b.in_use = in.integer();
  for (int32_t* v : {&b.x, &b.y, &b.width, &b.height}) *v = in.coordinate();
  b.color = in.integer();
  b.password = in.text();
}

template <class Table, class Write>
void WriteSection(LineWriter& out, std::string_view tag, const Table& table, int count,
                  Write write) {
  WriteTag(out, tag);
  out.integer(count);
  for (int i = 0; i < count; ++i) write(out, table[i]);
}

// Reads a count and that many records into slots 0 upwards; stops at the
// first bad value.
template <class Table, class Read>
void ReadSection(LineReader& in, Table& table, Read read) {
  const int count = in.count(static_cast<int>(table.size()));
  for (int i = 0; i < count && !in.failed(); ++i) read(in, table[i]);
}

}  // namespace

int HeaderVersion(std::string_view gbk_line) {
  for (const Header& h : HEADERS) {
    if (gbk_line == Utf8ToGbk(h.utf8)) return h.version;
  }
  return 0;
}

std::string ExperimentText(const Bench& bench) {
  LineWriter out;
  out.text(HEADER_V32);
  WriteSection(out, SECTION_TAGS[0], bench.elements, CountElements(bench), WriteElement);
  WriteSection(out, SECTION_TAGS[1], bench.rheostats, CountRheostats(bench), WriteRheostat);
  WriteSection(out, SECTION_TAGS[2], bench.wires, CountWires(bench), WriteWire);
  WriteSection(out, SECTION_TAGS[3], bench.voltmeters, CountMeters(bench.voltmeters), WriteMeter);
  WriteSection(out, SECTION_TAGS[4], bench.ammeters, CountMeters(bench.ammeters), WriteMeter);
  WriteSection(out, SECTION_TAGS[5], bench.spdts, CountSpdts(bench), WriteSpdt);
  WriteSection(out, SECTION_TAGS[6], bench.relays, CountRelays(bench), WriteRelay);
  WriteSection(out, SECTION_TAGS[7], bench.notes, CountNotes(bench), WriteNote);
  WriteSection(out, SECTION_TAGS[8], bench.black_boxes, CountBlackBoxes(bench), WriteBlackBox);
  out.text("over");
  return out.bytes();
}

OpenOutcome DecodeExperiment(Bench& bench, std::string_view gbk_text) {
  InitBenchTables(bench);
  std::vector<std::string> lines = SplitLines(gbk_text);
  const int version = lines.empty() ? 0 : HeaderVersion(lines.front());
  if (version == 0) return OpenOutcome::BadHeader;

  LineReader in(std::move(lines));
  in.skip();  // the header
  in.skip();  // tag of the two-terminal section
  ReadSection(in, bench.elements, ReadElement);
  in.skip();
  ReadSection(in, bench.rheostats, ReadRheostat);
  in.skip();
  ReadSection(in, bench.wires, ReadWire);
  in.skip();
  ReadSection(in, bench.voltmeters, [version](LineReader& r, DualMeterRecord& m) {
    ReadMeter(r, m, version, V2_VOLTMETER_RANGE_1, V2_VOLTMETER_RANGE_2);
  });
  in.skip();
  ReadSection(in, bench.ammeters, [version](LineReader& r, DualMeterRecord& m) {
    ReadMeter(r, m, version, V2_AMMETER_RANGE_1, V2_AMMETER_RANGE_2);
  });
  in.skip();
  ReadSection(in, bench.spdts, ReadSpdt);
  in.skip();
  ReadSection(in, bench.relays, ReadRelay);
  in.skip();
  ReadSection(in, bench.notes, ReadNote);
  // Black boxes came with version 3.2; older files end here, whatever
  // follows.
  if (version == FILE_VERSION_32) {
    in.skip();
    ReadSection(in, bench.black_boxes, ReadBlackBox);
  }
  if (in.failed()) {
    InitBenchTables(bench);
    return OpenOutcome::Damaged;
  }

  // Ids go on from the largest one in use, so nothing placed later can
  // collide with a terminal or wire of the file.
  // (Read through a const bench: the free slots are never built.)
  const Bench& read = bench;
  int32_t largest = 0;
  for (const ElementRecord& e : read.elements) largest = std::max(largest, e.branch_id);
  for (const RheostatRecord& r : read.rheostats) largest = std::max(largest, r.branch_id[3]);
  for (const WireRecord& w : read.wires) largest = std::max(largest, w.wire_id);
  for (const DualMeterRecord& m : read.voltmeters) largest = std::max(largest, m.branch_id_2);
  for (const DualMeterRecord& m : read.ammeters) largest = std::max(largest, m.branch_id_2);
  for (const SpdtRecord& s : read.spdts) largest = std::max(largest, s.branch_id_2);
  for (const RelayRecord& r : read.relays) largest = std::max(largest, r.contact_branch_id);
  bench.next_id = largest;
  return OpenOutcome::Opened;
}

OpenOutcome ReadExperimentText(Bench& bench, std::string_view gbk_text) {
  const OpenOutcome outcome = DecodeExperiment(bench, gbk_text);
  if (outcome != OpenOutcome::Opened) return outcome;
  RefreshElementGeometry(bench);
  if (bench.observer) bench.observer->replaced(bench);
  doing(bench);
  return OpenOutcome::Opened;
}

std::optional<std::string> ReadExperimentBytes(const std::filesystem::path& path) {
  return ReadRegularFile(path, LARGEST_EXPERIMENT_FILE);
}

OpenOutcome ReadExperimentFile(Bench& bench, const std::filesystem::path& path) {
  const std::optional<std::string> bytes = ReadExperimentBytes(path);
  if (!bytes) {
    InitBenchTables(bench);
    return OpenOutcome::CannotRead;
  }
  return ReadExperimentText(bench, *bytes);
}

bool WriteExperimentFile(const Bench& bench, const std::filesystem::path& path) {
  const std::string text = ExperimentText(bench);
  if (text.size() > LARGEST_EXPERIMENT_FILE) return false;
  return ReplaceFileAtomically(path, text);
}

}  // namespace voltaro
