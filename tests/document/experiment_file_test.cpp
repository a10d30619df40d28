// Saving and opening experiments: layout, old versions, damaged files and
// saves that must not destroy the file they replace.

#include "document/experiment_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "document/gbk.h"
#include "document/geometry.h"
#include "document/lines.h"
#include "model/kinds.h"
#include "model/netlist.h"
#include "model/tables.h"
#include "support/recording_observer.h"
#include "support/temp_folder.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;
using testing::Spit;
using testing::TempFolder;
using testing::TestBench;

std::string Fixture(const char* name) {
  return Slurp(fs::path(VOLTARO_TEST_DATA) / name);
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Index of the first line equal to `utf8` in GBK.
size_t Find(const std::vector<std::string>& lines, std::string_view utf8) {
  const auto it = std::find(lines.begin(), lines.end(), Utf8ToGbk(utf8));
  EXPECT_NE(it, lines.end()) << utf8;
  return static_cast<size_t>(it - lines.begin());
}

bool BenchIsEmpty(const Bench& b) {
  return CountElements(b) == 0 && CountRheostats(b) == 0 && CountWires(b) == 0 &&
         CountMeters(b.voltmeters) == 0 && CountMeters(b.ammeters) == 0 && CountSpdts(b) == 0 &&
         CountRelays(b) == 0 && CountNotes(b) == 0 && CountBlackBoxes(b) == 0 && b.next_id == 0;
}

using testing::RecordingObserver;

void AddNote(Bench& b, std::vector<std::string> lines, std::string font = "宋体") {
  NoteRecord& n = b.notes[CountNotes(b)];
  n.in_use = 1;
  n.x = 40;
  n.y = 500;
  n.width = 120;
  n.height = 42;
  n.font_charset = 134;
  n.font_color = 255;
  n.font_height = -13;
  n.font_pitch = -2;
  n.font_size = 10;
  n.font_style = FONT_BOLD | FONT_UNDERLINE;
  n.font_name = std::move(font);
  n.lines = std::move(lines);
}

void AddBlackBox(Bench& b, std::string password) {
  BlackBoxRecord& box = b.black_boxes[CountBlackBoxes(b)];
  box = {1, 10, 20, 100, 80, 12345, std::move(password)};
}

// One component of every kind, wired in pairs, with names and values that
// test the encodings, two notes and two black boxes.
void BuildEveryKind(TestBench& t) {
  for (const KindInfo& k : AllKinds()) {
    if (k.family != Family::Note && k.family != Family::BlackBox)
      t.place(k.kind, 100 + k.kind, 300);
  }
  Bench& b = t.bench;
  // A stored storage battery turned twice has its terminals on the case.
  for (ElementRecord& e : b.elements) {
    if (e.kind == KIND_STORAGE_BATTERY) {
      e.term_a_offset[4] = {-12, -33};
      e.term_b_offset[4] = {12, -33};
    } else if (e.kind == KIND_STORAGE_BATTERY_SET) {
      e.term_a_offset[4] = {-35, -29};
      e.term_b_offset[4] = {35, -29};
    }
  }
  DerivePoseGeometry(b);
  ElementRecord& first = b.elements[0];
  first.name = GbkToUtf8("\xB5\xE7\xFF");  // a name damaged by another program
  first.resistance = 1e-5;
  first.emf = -0.5;
  first.param4 = 1e15;
  first.pose = 3;
  first.show_params = 1;
  b.elements[1].max_current = 0.0001;
  b.elements[2].param2 = std::numeric_limits<double>::infinity();
  b.rheostats[0].slider = 0.25;
  b.spdts[0].position = 2;
  b.relays[0].contact_closed = 1;
  b.voltmeters[0].range_in_use = 3;
  t.wire(t.a(0), t.b(1));
  ConnectTerminals(b, t.a(2), t.b(3), {{10, 20}, {30, 40}}, 255);
  WireRecord& full = b.wires[ConnectTerminals(b, t.a(4), t.b(5))];
  full.point_count = WIRE_POINTS;
  for (int i = 0; i < WIRE_POINTS; ++i) full.points[i] = {i, -i};
  AddNote(b, {"第一行", "", "R = U / I"});
  AddNote(b, {});
  AddBlackBox(b, "密码");
  AddBlackBox(b, "");
}

TEST(ExperimentFile, EmptyBenchIsTwentyLines) {
  TestBench t;
  const std::vector<std::string> want = {"Brenvoltastica 电路部分 v3.2 Omaris Tevlin",
                                         "fact_two_obj",
                                         "0",
                                         "hdbzq",
                                         "0",
                                         "dianxian",
                                         "0",
                                         "0_3_15Vbiao",
                                         "0",
                                         "0_06_3abiao",
                                         "0",
                                         "ddszkg",
                                         "0",
                                         "电磁继电器",
                                         "0",
                                         "多行注释",
                                         "0",
                                         "黑盒子",
                                         "0",
                                         "over"};
  std::string bytes;
  for (const std::string& line : want) bytes += Utf8ToGbk(line) + "\r\n";
  EXPECT_EQ(ExperimentText(t.bench), bytes);
}

TEST(ExperimentFile, EachRecordTakesItsLines) {
  struct Case {
    const char* what;
    std::function<void(TestBench&)> build;
    size_t lines;
  } const cases[] = {
      {"fixed resistor", [](TestBench& t) { t.place(KIND_FIXED_RESISTOR); }, 20 + 65},
      {"rheostat and its three links", [](TestBench& t) { t.place(KIND_SLIDE_RHEOSTAT); },
       20 + 24 + 3 * 7},
      {"voltmeter and its link", [](TestBench& t) { t.place(KIND_POINTER_VOLTMETER); },
       20 + 13 + 7},
      {"switch and its link", [](TestBench& t) { t.place(KIND_SPDT_SWITCH); }, 20 + 12 + 7},
      {"relay", [](TestBench& t) { t.place(KIND_RELAY); }, 20 + 14},
      {"wire with two bends",
       [](TestBench& t) {
         t.place(KIND_FIXED_RESISTOR);
         ConnectTerminals(t.bench, t.a(0), t.b(0), {{1, 2}, {3, 4}});
       },
       20 + 65 + 7 + 4},
      {"note without text", [](TestBench& t) { AddNote(t.bench, {}); }, 20 + 16},
      {"note with two lines",
       [](TestBench& t) {
         AddNote(t.bench, {"a", "b"});
       },
       20 + 18},
      {"black box", [](TestBench& t) { AddBlackBox(t.bench, "x"); }, 20 + 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestBench t;
    c.build(t);
    EXPECT_EQ(SplitLines(ExperimentText(t.bench)).size(), c.lines);
  }
}

TEST(ExperimentFile, AFreeSlotEndsTheTable) {
  TestBench t;
  for (int i = 0; i < 5; ++i) t.place(KIND_FIXED_RESISTOR);
  t.el(3).pose = 0;
  const std::vector<std::string> lines = SplitLines(ExperimentText(t.bench));
  EXPECT_EQ(lines[2], "3");
  EXPECT_EQ(lines.size(), 20u + 3 * 65);
}

TEST(ExperimentFile, EveryKindReadsBackEqualAndWritesBackByteForByte) {
  TestBench t;
  BuildEveryKind(t);
  const std::string text = ExperimentText(t.bench);

  TestBench back;
  ASSERT_EQ(DecodeExperiment(back.bench, text), OpenOutcome::Opened);
  EXPECT_EQ(ExperimentText(back.bench), text);
  EXPECT_EQ(back.bench.next_id, t.bench.next_id);

  const Bench& a = t.bench;
  const Bench& b = back.bench;
  EXPECT_EQ(CountElements(b), CountElements(a));
  EXPECT_EQ(b.elements[0].name, a.elements[0].name);
  EXPECT_EQ(DisplayText(b.elements[0].name), "电\xEF\xBF\xBD");
  EXPECT_EQ(b.elements[0].resistance, 1e-5);
  EXPECT_EQ(b.elements[0].param4, 1e15);
  EXPECT_EQ(b.elements[1].max_current, 0.0001);
  EXPECT_TRUE(std::isinf(b.elements[2].param2));
  EXPECT_EQ(b.elements[5].term_b_offset, a.elements[5].term_b_offset);
  EXPECT_EQ(b.rheostats[0].slider, 0.25);
  EXPECT_EQ(b.rheostats[0].node_slider, a.rheostats[0].node_slider);
  EXPECT_EQ(b.voltmeters[0].range_resistance_2, 4000);
  EXPECT_EQ(b.ammeters[0].range_resistance_1, 0.025);
  EXPECT_EQ(b.spdts[0].position, 2);
  EXPECT_EQ(b.relays[0].contact_closed, 1);
  EXPECT_EQ(b.wires[CountWires(a) - 1].points[99], (Point{99, -99}));
  EXPECT_EQ(b.notes[0].lines, a.notes[0].lines);
  EXPECT_EQ(b.notes[0].font_style, FONT_BOLD | FONT_UNDERLINE);
  EXPECT_EQ(b.notes[0].font_pitch, -2);
  EXPECT_EQ(b.black_boxes[0].password, "密码");
  EXPECT_EQ(CountBlackBoxes(b), 2);
}

// A bench has room for 500 wires of 100 points; reading and settling an
// experiment builds only the slots of its records and the free slot that
// ends each table, so the pages of the others are never touched. (The
// analysis also passes through the slots of its ground links, at most one
// per branch, and rebuilds the branch list whole.)
TEST(ExperimentFile, ReadingAndSettlingBuildOnlyTheSlotsInUse) {
  TestBench t;
  BuildEveryKind(t);
  TestBench back;
  ASSERT_EQ(DecodeExperiment(back.bench, ExperimentText(t.bench)), OpenOutcome::Opened);
  const Bench& b = back.bench;
  for (const bool settled : {false, true}) {
    if (settled) back.settle();
    const struct {
      const char* table;
      int reached, in_use;
    } tables[] = {
        {"elements", b.elements.reached(), CountElements(b)},
        {"rheostats", b.rheostats.reached(), CountRheostats(b)},
        {"wires", b.wires.reached(), CountWires(b) + (settled ? CountBranches(b) : 0)},
        {"voltmeters", b.voltmeters.reached(), CountMeters(b.voltmeters)},
        {"ammeters", b.ammeters.reached(), CountMeters(b.ammeters)},
        {"spdts", b.spdts.reached(), CountSpdts(b)},
        {"relays", b.relays.reached(), CountRelays(b)},
        {"notes", b.notes.reached(), CountNotes(b)},
        {"black boxes", b.black_boxes.reached(), CountBlackBoxes(b)},
    };
    for (const auto& table : tables) {
      EXPECT_GT(table.in_use, 0) << table.table;
      EXPECT_LE(table.reached, table.in_use + 1) << table.table << (settled ? " settled" : "");
    }
  }
}

TEST(ExperimentFile, OpeningRefreshesGeometryAsksForPicturesAndAnalyses) {
  TestBench t;
  BuildEveryKind(t);
  const int elements = CountElements(t.bench);
  const std::string text = ExperimentText(t.bench);

  TestBench back;
  RecordingObserver observer(back.bench);
  ASSERT_EQ(ReadExperimentText(back.bench, text), OpenOutcome::Opened);
  // Told once, with every component read, then shown once.
  EXPECT_EQ(observer.replacements, 1);
  EXPECT_EQ(observer.elements_when_replaced, elements);
  EXPECT_EQ(observer.analyses, 1);
  // Placement and files disagree by a pixel on the storage battery set.
  for (const ElementRecord& e : back.bench.elements) {
    if (e.kind == KIND_STORAGE_BATTERY_SET) {
      EXPECT_EQ(e.term_a_offset[0], (Offset{-23, -29}));
    }
  }
}

TEST(ExperimentFile, Version2FileGetsMeterDefaultsAndIsSavedAs32) {
  TestBench t;
  RecordingObserver observer(t.bench, true);
  ASSERT_EQ(ReadExperimentText(t.bench, Fixture("cell_and_meters_v2.ele")), OpenOutcome::Opened);
  const Bench& b = t.bench;
  EXPECT_EQ(b.voltmeters[0].range_resistance_1, 1e8);
  EXPECT_EQ(b.voltmeters[0].range_resistance_2, 4e8);
  EXPECT_EQ(b.ammeters[0].range_resistance_1, 1e-8);
  EXPECT_EQ(b.ammeters[0].range_resistance_2, 4e-8);
  EXPECT_EQ(observer.elements_when_replaced, 3);

  // 1.5 V across 10 ohm through the ammeter.
  EXPECT_NEAR(std::fabs(b.elements[1].current), 0.15, 1e-6);
  // The cell's old geometry is replaced; the storage battery's upside-down
  // terminals are put back on its case, its stored body size kept.
  EXPECT_EQ(b.elements[0].term_a_offset[0], (Offset{-43, 0}));
  EXPECT_EQ(b.elements[2].term_a_offset[4], (Offset{-12, -33}));
  EXPECT_EQ(b.elements[2].term_b_offset[4], (Offset{12, -33}));
  EXPECT_EQ(b.elements[2].half_size[6], (Offset{7, 7}));
  EXPECT_EQ(b.notes[0].lines, (std::vector<std::string>{"串联电路", "U = I R"}));
  EXPECT_EQ(b.notes[0].font_style, FONT_BOLD);
  EXPECT_EQ(b.relays[0].pickup_current, 0.2);

  // Ids go on from the relay's contact branch, the largest id in the file;
  // the ground links that tie the loose parts down give theirs back.
  TestBench decoded;
  ASSERT_EQ(DecodeExperiment(decoded.bench, Fixture("cell_and_meters_v2.ele")),
            OpenOutcome::Opened);
  EXPECT_EQ(decoded.bench.next_id, 41);
  EXPECT_EQ(b.next_id, 41);

  TempFolder folder;
  ASSERT_TRUE(WriteExperimentFile(t.bench, folder.path / "saved.ele"));
  const std::vector<std::string> lines = SplitLines(Slurp(folder.path / "saved.ele"));
  EXPECT_EQ(lines.front(), Utf8ToGbk(HEADER_V32));
  const size_t voltmeter = Find(lines, "0_3_15Vbiao");
  EXPECT_EQ(lines[voltmeter + 5], "100000000");
  EXPECT_EQ(lines[voltmeter + 6], "400000000");
  EXPECT_EQ(lines[Find(lines, "0_06_3abiao") + 5], "1E-8");
}

TEST(ExperimentFile, Version3FileLoadsWithoutBlackBoxes) {
  TestBench t;
  ASSERT_EQ(ReadExperimentText(t.bench, Fixture("rheostat_v3.ele")), OpenOutcome::Opened);
  const Bench& b = t.bench;
  EXPECT_EQ(CountBlackBoxes(b), 0);
  EXPECT_EQ(CountRheostats(b), 1);
  EXPECT_EQ(CountWires(b), 5);
  EXPECT_EQ(b.rheostats[0].name, "滑动变阻器");
  // Everything is wired together, so the analysis takes no ids and the next
  // component goes on from the largest id in the file.
  EXPECT_EQ(b.next_id, 20);
  EXPECT_EQ(t.el(t.place(KIND_FIXED_RESISTOR)).node_a, 21);
  EXPECT_EQ(b.elements[0].term_a_offset[4], (Offset{-35, -29}));
  EXPECT_EQ(b.elements[0].term_b_offset[4], (Offset{35, -29}));
  // 6 V across the 35 ohm of coil between the slider and the far end.
  EXPECT_NEAR(std::fabs(b.elements[0].current), 6.0 / 35.0, 1e-9);

  const std::vector<std::string> lines = SplitLines(ExperimentText(b));
  EXPECT_EQ(lines[Find(lines, "黑盒子") + 1], "0");
}

TEST(ExperimentFile, OnlyTheFourKnownHeadersAreAccepted) {
  struct Case {
    std::string header;  // GBK
    int version;
  } const cases[] = {
      {Utf8ToGbk("Brenvoltastica 电路部分 v2.0.0.0"), 2},
      {Utf8ToGbk("Brenvoltastica 电路部分 v3.0.0.0"), 3},
      {Utf8ToGbk("Brenvoltastica 电路部分 v3.0 Omaris Tevlin"), 3},
      {Utf8ToGbk("Brenvoltastica 电路部分 v3.2 Omaris Tevlin"), 32},
      {Utf8ToGbk("Brenvoltastica 电路部分 v3.2 Omaris Tevlin "), 0},
      {Utf8ToGbk("Brenvoltastica 电路部分 v3.2.0.0"), 0},
      {Utf8ToGbk("brenvoltastica 电路部分 v3.2 Omaris Tevlin"), 0},
      {"Brenvoltastica 电路部分 v3.2 Omaris Tevlin", 0},  // UTF-8, not GBK
      {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(GbkToUtf8(c.header));
    EXPECT_EQ(HeaderVersion(c.header), c.version);
  }

  TestBench t;
  t.place(KIND_FIXED_RESISTOR);
  RecordingObserver observer(t.bench);
  std::vector<std::string> lines = SplitLines(ExperimentText(t.bench));
  lines[0] += " ";
  EXPECT_EQ(ReadExperimentText(t.bench, Join(lines)), OpenOutcome::BadHeader);
  EXPECT_TRUE(BenchIsEmpty(t.bench));
  EXPECT_EQ(observer.replacements + observer.analyses, 0);
  EXPECT_EQ(ReadExperimentText(t.bench, ""), OpenOutcome::BadHeader);
}

TEST(ExperimentFile, AnyLineEndReadsTheSame) {
  const std::string crlf = Fixture("cell_and_meters_v2.ele");
  std::string lf, cr;
  for (char c : crlf) {
    if (c != '\r') lf += c;
    if (c != '\n') cr += c;
  }
  TestBench a, b, c;
  ASSERT_EQ(DecodeExperiment(a.bench, crlf), OpenOutcome::Opened);
  ASSERT_EQ(DecodeExperiment(b.bench, lf), OpenOutcome::Opened);
  ASSERT_EQ(DecodeExperiment(c.bench, cr), OpenOutcome::Opened);
  EXPECT_EQ(ExperimentText(b.bench), ExperimentText(a.bench));
  EXPECT_EQ(ExperimentText(c.bench), ExperimentText(a.bench));
}

TEST(ExperimentFile, TagsEndLineAndStyleFlagsAreNotChecked) {
  TestBench t;
  t.place(KIND_FIXED_RESISTOR);
  AddNote(t.bench, {"x"});
  std::vector<std::string> lines = SplitLines(ExperimentText(t.bench));
  lines[Find(lines, "hdbzq")] = "hdbzx";
  const size_t bold = Find(lines, "宋体") - 4;
  lines[bold] = "2";
  lines.pop_back();  // "over"
  TestBench back;
  ASSERT_EQ(DecodeExperiment(back.bench, Join(lines)), OpenOutcome::Opened);
  EXPECT_EQ(CountElements(back.bench), 1);
  EXPECT_EQ(back.bench.notes[0].font_style, FONT_UNDERLINE);
}

// Every way a file can be damaged leaves an empty bench, so the damaged
// file cannot be saved over with half an experiment.
TEST(ExperimentFile, DamagedFileLeavesAnEmptyBench) {
  TestBench source;
  const int r = source.place(KIND_FIXED_RESISTOR);
  source.el(r).x = 4321;
  source.el(r).resistance = 2.75;
  const int relay = source.place(KIND_RELAY);
  source.bench.relays[relay].y = 777;
  ConnectTerminals(source.bench, source.a(r), source.b(r), {{1, 2}, {3, 4}}, 13579);
  AddNote(source.bench, {"a"}, "Marker");
  AddBlackBox(source.bench, "");
  const std::vector<std::string> good = SplitLines(ExperimentText(source.bench));

  using Lines = std::vector<std::string>;
  // Repeats the record that follows a count line until the count is `n`.
  auto repeat_first = [](Lines& l, size_t count_line, size_t record_lines, int n) {
    const Lines record(l.begin() + count_line + 1, l.begin() + count_line + 1 + record_lines);
    for (int i = 1; i < n; ++i) l.insert(l.begin() + count_line + 1, record.begin(), record.end());
    l[count_line] = std::to_string(n);
  };
  struct Case {
    const char* what;
    std::function<void(Lines&)> damage;
    OpenOutcome outcome;
  } const cases[] = {
      {"integer line with letters", [](Lines& l) { l[Find(l, "4321")] = "4321x"; },
       OpenOutcome::Damaged},
      {"real line with two points", [](Lines& l) { l[Find(l, "2.75")] = "2.7.5"; },
       OpenOutcome::Damaged},
      {"integer beyond 32 bits", [](Lines& l) { l[Find(l, "777")] = "3000000000"; },
       OpenOutcome::Damaged},
      {"lines run out inside a wire", [](Lines& l) { l.resize(Find(l, "13579") + 3); },
       OpenOutcome::Damaged},
      {"file ends after the header", [](Lines& l) { l.resize(1); }, OpenOutcome::Damaged},
      {"version 3.2 file without black boxes", [](Lines& l) { l.resize(Find(l, "黑盒子")); },
       OpenOutcome::Damaged},
      {"negative wire count", [](Lines& l) { l[Find(l, "dianxian") + 1] = "-1"; },
       OpenOutcome::Damaged},
      {"negative note line count", [](Lines& l) { l[Find(l, "Marker") + 1] = "-1"; },
       OpenOutcome::Damaged},
      {"201 two-terminal records",
       [&](Lines& l) { repeat_first(l, Find(l, "fact_two_obj") + 1, 65, 201); },
       OpenOutcome::Damaged},
      {"200 two-terminal records fill the table",
       [&](Lines& l) { repeat_first(l, Find(l, "fact_two_obj") + 1, 65, 200); },
       OpenOutcome::Opened},
      {"101 notes", [&](Lines& l) { repeat_first(l, Find(l, "多行注释") + 1, 17, 101); },
       OpenOutcome::Damaged},
      {"wire with 101 points",
       [](Lines& l) {
         const size_t count = Find(l, "13579") + 3;
         l[count] = "101";
         for (int i = 2; i < 101; ++i) l.insert(l.begin() + count + 1, {"5", "6"});
       },
       OpenOutcome::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Lines lines = good;
    c.damage(lines);
    TestBench t;
    t.place(KIND_BULB);
    t.place(KIND_SLIDE_RHEOSTAT);
    RecordingObserver observer(t.bench);
    EXPECT_EQ(ReadExperimentText(t.bench, Join(lines)), c.outcome);
    if (c.outcome == OpenOutcome::Opened) continue;
    EXPECT_TRUE(BenchIsEmpty(t.bench));
    EXPECT_EQ(observer.replacements + observer.analyses, 0);
  }
}

TEST(ExperimentFile, MissingFileCannotBeRead) {
  TempFolder folder;
  TestBench t;
  t.place(KIND_FIXED_RESISTOR);
  EXPECT_EQ(ReadExperimentFile(t.bench, folder.path / "none.ele"), OpenOutcome::CannotRead);
  EXPECT_TRUE(BenchIsEmpty(t.bench));
}

TEST(SaveExperiment, ReplacesTheOldFileAndKeepsItsPermissions) {
  TempFolder folder;
  const fs::path target = folder.path / "circuit.ele";
  Spit(target, "old experiment");
  ::chmod(target.c_str(), 0640);
  TestBench t;
  t.place(KIND_BULB);
  ASSERT_TRUE(WriteExperimentFile(t.bench, target));
  EXPECT_EQ(Slurp(target), ExperimentText(t.bench));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder.entries(), std::vector<fs::path>{"circuit.ele"});

  TestBench back;
  EXPECT_EQ(ReadExperimentFile(back.bench, target), OpenOutcome::Opened);
  EXPECT_EQ(back.bench.elements[0].kind, KIND_BULB);
}

TEST(SaveExperiment, FailedSaveLeavesTheOldFileUntouched) {
  TestBench t;
  for (int i = 0; i < 40; ++i) t.place(KIND_FIXED_RESISTOR);  // well over 4 KiB

  TempFolder folder;
  fs::create_directory(folder.path / "a folder");
  Spit(folder.path / "circuit.ele", "old experiment");

  EXPECT_FALSE(WriteExperimentFile(t.bench, folder.path / "no such folder" / "x.ele"));
  EXPECT_FALSE(WriteExperimentFile(t.bench, folder.path / "a folder"));
  EXPECT_TRUE(fs::is_directory(folder.path / "a folder"));

  // The disk fills up half way through the file.
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  rlimit small = before;
  small.rlim_cur = 4096;
  const auto old_handler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = WriteExperimentFile(t.bench, folder.path / "circuit.ele");
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(Slurp(folder.path / "circuit.ele"), "old experiment");

  std::vector<fs::path> left = folder.entries();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<fs::path>{"a folder", "circuit.ele"}));
}

}  // namespace
}  // namespace voltaro
