// Hand-edited files and clipboard texts with the most extreme 32-bit
// numbers: ids that leave no room for new ones are refused, and positions
// a thousand million pixels away open without any sum overflowing.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <string>

#include "document/clipboard.h"
#include "document/experiment_file.h"
#include "document/lines.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "support/temp_folder.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;
using testing::TestBench;

fs::path Fixture(const char* name) {
  return fs::path(VOLTARO_TEST_DATA) / name;
}

// Every terminal of the bench, in both views, must stand within reach of
// the drawing's and the mouse's arithmetic.
void ExpectTerminalsWithinReach(const Bench& b) {
  for (int view : {0, 1}) {
    int terminals = 0;
    ForEachTerminal(b, view, [&](int32_t, Point p) {
      EXPECT_LE(std::abs(int64_t{p.x}), 2 * int64_t{LARGEST_COORDINATE});
      EXPECT_LE(std::abs(int64_t{p.y}), 2 * int64_t{LARGEST_COORDINATE});
      ++terminals;
      return false;
    });
    EXPECT_GT(terminals, 0);
  }
}

TEST(ExtremeValues, IdsAboveTheLimitLeaveNoRoomAndAreRefused) {
  using SetId = std::function<void(Bench&, int32_t)>;
  struct Case {
    const char* field;
    SetId set;
    bool sets_counter;  // one of the fields the id counter goes on from
  } const cases[] = {
      {"branch id of a resistor", [](Bench& b, int32_t id) { b.elements[0].branch_id = id; }, true},
      {"node of a resistor", [](Bench& b, int32_t id) { b.elements[0].node_a = id; }, false},
      {"last branch of a rheostat", [](Bench& b, int32_t id) { b.rheostats[0].branch_id[3] = id; },
       true},
      {"slider node of a rheostat", [](Bench& b, int32_t id) { b.rheostats[0].node_slider = id; },
       false},
      {"wire id", [](Bench& b, int32_t id) { b.wires[CountWires(b) - 1].wire_id = id; }, true},
      {"wire end", [](Bench& b, int32_t id) { b.wires[0].node_b = id; }, false},
      {"voltmeter branch", [](Bench& b, int32_t id) { b.voltmeters[0].branch_id_2 = id; }, true},
      {"ammeter terminal", [](Bench& b, int32_t id) { b.ammeters[0].node_high = id; }, false},
      {"switch branch", [](Bench& b, int32_t id) { b.spdts[0].branch_id_2 = id; }, true},
      {"relay contact branch", [](Bench& b, int32_t id) { b.relays[0].contact_branch_id = id; },
       true},
  };
  for (const Case& c : cases) {
    for (const int64_t id : {int64_t{LARGEST_ID}, int64_t{LARGEST_ID} + 1, int64_t{INT32_MAX}}) {
      SCOPED_TRACE(std::string(c.field) + " " + std::to_string(id));
      TestBench source;
      for (int32_t kind : {KIND_FIXED_RESISTOR, KIND_SLIDE_RHEOSTAT, KIND_POINTER_VOLTMETER,
                           KIND_POINTER_AMMETER, KIND_SPDT_SWITCH, KIND_RELAY}) {
        source.place(kind);
      }
      source.wire(source.el(0).node_a, source.el(0).node_b);
      c.set(source.bench, static_cast<int32_t>(id));

      TestBench t;
      const OpenOutcome outcome = DecodeExperiment(t.bench, ExperimentText(source.bench));
      if (id > LARGEST_ID) {
        EXPECT_EQ(outcome, OpenOutcome::Damaged);
        EXPECT_EQ(CountElements(t.bench), 0);
        continue;
      }
      ASSERT_EQ(outcome, OpenOutcome::Opened);
      if (c.sets_counter) {
        EXPECT_EQ(t.bench.next_id, LARGEST_ID);
        // A rheostat takes the most ids of any placement: 12 and 3 links.
        t.place(KIND_SLIDE_RHEOSTAT);
        EXPECT_EQ(t.bench.next_id, LARGEST_ID + 15);
      }
    }
  }
  // The fixture: a resistor whose branch id is the largest 32-bit number.
  TestBench t;
  EXPECT_EQ(ReadExperimentFile(t.bench, Fixture("largest_id.ele")), OpenOutcome::Damaged);
}

TEST(ExtremeValues, TheCounterStopsAtTheTopInsteadOfOverflowing) {
  TestBench t;
  t.bench.next_id = INT32_MAX - 1;
  EXPECT_EQ(t.bench.take_id(), INT32_MAX);
  EXPECT_EQ(t.bench.take_id(), INT32_MAX);
}

TEST(ExtremeValues, PoseEntriesStayInTheTableForAnyPose) {
  struct Case {
    int32_t pose;
    int object, circuit;
  } const cases[] = {
      {INT32_MIN, 0, 0}, {-3, 0, 0}, {1, 0, 1}, {3, 2, 3},
      {7, 6, 7},         {8, 7, 7},  {9, 7, 7}, {INT32_MAX, 7, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pose);
    EXPECT_EQ(PoseEntry(c.pose, 0), c.object);
    EXPECT_EQ(PoseEntry(c.pose, 1), c.circuit);
  }
}

// far_away.ele: every family at the corners of the 32-bit range, poses of
// the most negative and largest numbers, offsets and half sizes to match,
// wires between them, notes and black boxes with extreme extents.
TEST(ExtremeValues, AFileFromTheFarCornersOpensWithinReach) {
  TestBench t;
  ASSERT_EQ(ReadExperimentFile(t.bench, Fixture("far_away.ele")), OpenOutcome::Opened);
  const Bench& b = t.bench;
  EXPECT_EQ(b.elements[0].x, LARGEST_COORDINATE);
  EXPECT_EQ(b.elements[0].y, -LARGEST_COORDINATE);
  EXPECT_EQ(b.elements[0].pose, INT32_MIN);  // kept: only the arithmetic must be safe
  EXPECT_EQ(b.elements[1].term_a_offset[1], (Offset{LARGEST_COORDINATE, -LARGEST_COORDINATE}));
  EXPECT_EQ(b.elements[1].half_size[0], (Offset{LARGEST_COORDINATE, LARGEST_COORDINATE}));
  EXPECT_EQ(b.wires[0].points[0], (Point{LARGEST_COORDINATE, -LARGEST_COORDINATE}));
  EXPECT_EQ(b.rheostats[0].x, LARGEST_COORDINATE);
  EXPECT_EQ(b.voltmeters[0].x, -LARGEST_COORDINATE);
  EXPECT_EQ(b.spdts[0].y, -LARGEST_COORDINATE);
  EXPECT_EQ(b.relays[0].y, -LARGEST_COORDINATE);
  EXPECT_EQ(b.notes[0].width, LARGEST_COORDINATE);
  EXPECT_EQ(b.notes[1].font_size, -LARGEST_COORDINATE);
  EXPECT_EQ(b.notes[2].font_height, -LARGEST_COORDINATE);
  EXPECT_EQ(b.black_boxes[1].width, -LARGEST_COORDINATE);
  ExpectTerminalsWithinReach(b);
  for (int w = 0; w < CountWires(b); ++w) WireEndPosition(b, w, 1);

  // It saves as read from then on, and the bench goes on taking parts.
  const std::string saved = ExperimentText(b);
  TestBench back;
  ASSERT_EQ(ReadExperimentText(back.bench, saved), OpenOutcome::Opened);
  EXPECT_EQ(ExperimentText(back.bench), saved);
  back.place(KIND_BULB);
}

// A bench built in code rather than read may hold anything at all.
TEST(ExtremeValues, TerminalPositionsOfABenchBuiltInCodeSaturate) {
  TestBench t;
  const int r = t.place(KIND_FIXED_RESISTOR);
  ElementRecord& e = t.el(r);
  e.x = INT32_MAX;
  e.y = INT32_MIN;
  e.pose = INT32_MIN;
  e.term_a_offset.fill({INT32_MAX, INT32_MIN});
  EXPECT_EQ(TerminalPosition(t.bench, e.node_a, 1), (Point{INT32_MAX, INT32_MIN}));
}

TEST(ExtremeValues, PastedTextFromTheFarCornersLandsWithinReach) {
  const std::string max = std::to_string(INT32_MAX), min = std::to_string(INT32_MIN);
  auto text = [](std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
  };
  std::string element = text({std::string(CLIPBOARD_TAG), "fact_two_obj", "1", "R", min, "1", "0",
                              max, min, "10", "0", "1", "0", "0", "0", "0"});
  for (int i = 0; i < 24; ++i) element += max + "\r\n" + min + "\r\n";
  const std::string note = text({std::string(CLIPBOARD_TAG),
                                 "zhu_shi_s",
                                 "1000",
                                 "1",
                                 max,
                                 min,
                                 max,
                                 min,
                                 "134",
                                 "255",
                                 min,
                                 "-2",
                                 max,
                                 "1",
                                 "0",
                                 "0",
                                 "0",
                                 "Marker",
                                 "1",
                                 "far"});
  TestBench t;
  ASSERT_EQ(PasteText(t.bench, element, {300, 200}, nullptr).outcome, PasteOutcome::Pasted);
  ASSERT_EQ(PasteText(t.bench, note, {300, 200}, nullptr).outcome, PasteOutcome::Pasted);
  const ElementRecord& e = t.el(0);
  EXPECT_EQ(e.pose, 1);
  EXPECT_EQ(e.term_b_offset[3], (Offset{LARGEST_COORDINATE, -LARGEST_COORDINATE}));
  ExpectTerminalsWithinReach(t.bench);
  const NoteRecord& n = t.bench.notes[0];
  EXPECT_EQ((Point{n.x, n.y}), (Point{300, 200}));
  EXPECT_EQ(n.width, LARGEST_COORDINATE);
  EXPECT_EQ(n.height, -LARGEST_COORDINATE);
  EXPECT_EQ(n.font_height, -LARGEST_COORDINATE);
}

}  // namespace
}  // namespace voltaro
