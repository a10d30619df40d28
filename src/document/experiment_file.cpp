#include "document/experiment_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "document/atomic_file.h"
#include "document/field_io.h"
#include "document/gbk.h"
#include "document/geometry.h"
#include "document/lines.h"
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

// Fills in the range resistances a version 2 meter record has no lines for.
auto OldMeterRanges(Layout layout, double range_1, double range_2) {
  return [=](DualMeterRecord& m) {
    if (layout != Layout::FileVersion2) return;
    m.range_resistance_1 = range_1;
    m.range_resistance_2 = range_2;
  };
}

// The turned-twice pose of the storage batteries is not covered by the
// built-in geometry, and older files carry it wrong: put both terminals
// back on top of the case.
void ResetStorageBatteryTerminals(ElementRecord& e) {
  if (e.kind == KIND_STORAGE_BATTERY) {
    e.term_a_offset[4] = {-12, -33};
    e.term_b_offset[4] = {12, -33};
  } else if (e.kind == KIND_STORAGE_BATTERY_SET) {
    e.term_a_offset[4] = {-35, -29};
    e.term_b_offset[4] = {35, -29};
  }
}

// Marks where each piece of the text ends, when asked to.
struct PieceEnds {
  const LineWriter& out;
  std::vector<size_t>* ends;
  void mark() const {
    if (ends) ends->push_back(out.bytes().size());
  }
};

template <class Table>
void WriteSection(LineWriter& out, PieceEnds pieces, std::string_view tag, const Table& table,
                  int count) {
  out.text(tag);
  out.integer(count);
  pieces.mark();
  for (int i = 0; i < count; ++i) {
    WriteFields(out, Layout::File, table[i]);
    pieces.mark();
  }
}

// Reads a count and that many records into slots 0 upwards; stops at the
// first bad value. `finish` sees each record once its lines are read.
template <class Table, class Finish>
void ReadSection(LineReader& in, Layout layout, Table& table, Finish finish) {
  const int count = in.count(static_cast<int>(table.size()));
  for (int i = 0; i < count && !in.failed(); ++i) {
    ReadFields(in, layout, table[i]);
    finish(table[i]);
  }
}

template <class Table>
void ReadSection(LineReader& in, Layout layout, Table& table) {
  ReadSection(in, layout, table, [](auto&) {});
}

}  // namespace

int HeaderVersion(std::string_view gbk_line) {
  for (const Header& h : HEADERS) {
    if (gbk_line == Utf8ToGbk(h.utf8)) return h.version;
  }
  return 0;
}

std::string ExperimentText(const Bench& bench, std::vector<size_t>* piece_ends) {
  LineWriter out;
  const PieceEnds pieces{out, piece_ends};
  out.text(HEADER_V32);
  pieces.mark();
  WriteSection(out, pieces, SECTION_TAGS[0], bench.elements, CountElements(bench));
  WriteSection(out, pieces, SECTION_TAGS[1], bench.rheostats, CountRheostats(bench));
  WriteSection(out, pieces, SECTION_TAGS[2], bench.wires, CountWires(bench));
  WriteSection(out, pieces, SECTION_TAGS[3], bench.voltmeters, CountMeters(bench.voltmeters));
  WriteSection(out, pieces, SECTION_TAGS[4], bench.ammeters, CountMeters(bench.ammeters));
  WriteSection(out, pieces, SECTION_TAGS[5], bench.spdts, CountSpdts(bench));
  WriteSection(out, pieces, SECTION_TAGS[6], bench.relays, CountRelays(bench));
  WriteSection(out, pieces, SECTION_TAGS[7], bench.notes, CountNotes(bench));
  WriteSection(out, pieces, SECTION_TAGS[8], bench.black_boxes, CountBlackBoxes(bench));
  out.text("over");
  pieces.mark();
  return out.bytes();
}

OpenOutcome DecodeExperiment(Bench& bench, std::string_view gbk_text, Repairs repairs) {
  InitBenchTables(bench);
  std::vector<std::string> lines = SplitLines(gbk_text);
  const int version = lines.empty() ? 0 : HeaderVersion(lines.front());
  if (version == 0) return OpenOutcome::BadHeader;

  LineReader in(std::move(lines));
  in.skip();  // the header
  in.skip();  // tag of the two-terminal section
  const Layout layout = version == FILE_VERSION_2 ? Layout::FileVersion2 : Layout::File;
  ReadSection(in, layout, bench.elements, [repairs](ElementRecord& e) {
    if (repairs == Repairs::OldFiles) ResetStorageBatteryTerminals(e);
  });
  in.skip();
  ReadSection(in, layout, bench.rheostats);
  in.skip();
  ReadSection(in, layout, bench.wires);
  in.skip();
  ReadSection(in, layout, bench.voltmeters,
              OldMeterRanges(layout, V2_VOLTMETER_RANGE_1, V2_VOLTMETER_RANGE_2));
  in.skip();
  ReadSection(in, layout, bench.ammeters,
              OldMeterRanges(layout, V2_AMMETER_RANGE_1, V2_AMMETER_RANGE_2));
  in.skip();
  ReadSection(in, layout, bench.spdts);
  in.skip();
  ReadSection(in, layout, bench.relays);
  in.skip();
  ReadSection(in, layout, bench.notes);
  // Black boxes came with version 3.2; older files end here, whatever
  // follows.
  if (version == FILE_VERSION_32) {
    in.skip();
    ReadSection(in, layout, bench.black_boxes);
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
