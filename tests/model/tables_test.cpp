// The bench tables: defaults, compaction on delete, ground-link removal and
// the look-up of wire ends.

#include "model/tables.h"

#include <gtest/gtest.h>

#include "model/kinds.h"
#include "support/recording_observer.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

TEST(Tables, InitialiserWritesEachTablesDefaults) {
  TestBench t;
  t.place(KIND_SPDT_SWITCH);
  t.bench.next_id = 77;
  InitBenchTables(t.bench);
  EXPECT_EQ(t.bench.next_id, 0);
  EXPECT_EQ(CountSpdts(t.bench), 0);
  EXPECT_EQ(CountWires(t.bench), 0);
  const SpdtRecord& s = t.bench.spdts[0];
  EXPECT_EQ(s.t1_offset, (Offset{-48, 9}));
  EXPECT_EQ(s.common_offset, (Offset{0, 27}));
  EXPECT_EQ(s.t2_offset, (Offset{46, 9}));
  const RelayRecord& r = t.bench.relays[49];
  EXPECT_EQ(r.coil_a_offset, (Offset{-36, 24}));
  EXPECT_EQ(r.contact_b_offset, (Offset{38, 12}));
  EXPECT_EQ(t.bench.voltmeters[3].range_resistance_1, 990);
  EXPECT_EQ(t.bench.voltmeters[3].range_resistance_2, 4000);
  EXPECT_EQ(t.bench.voltmeters[3].mid_offset, (Offset{6, 50}));
  EXPECT_EQ(t.bench.ammeters[3].range_resistance_1, 0.025);
  EXPECT_EQ(t.bench.ammeters[3].range_resistance_2, 0.1);
  EXPECT_EQ(t.bench.ammeters[3].mid_offset, (Offset{33, 50}));
  EXPECT_EQ(t.bench.ammeters[3].high_offset, (Offset{6, 50}));
  EXPECT_EQ(t.bench.wires[499].color, DEFAULT_WIRE_COLOR);
  EXPECT_EQ(t.bench.rheostats[0].coil_a_offset, (Offset{-30, 15}));
  t.bench.circuit_view = 1;
  InitBenchTables(t.bench);
  EXPECT_EQ(t.bench.rheostats[0].coil_a_offset, (Offset{-63, 6}));
  EXPECT_EQ(t.bench.rheostats[0].coil_b_offset, (Offset{62, 6}));
}

// A slot nothing has written yet is not built, yet reads as the table's
// defaults, and follows every change of them: the circuit view moves the
// terminals of every rheostat slot, built or not.
TEST(Tables, SlotsNotBuiltYetReadAsTheDefaults) {
  TestBench t;
  const Bench& read = t.bench;
  EXPECT_EQ(read.wires[499].color, DEFAULT_WIRE_COLOR);
  EXPECT_EQ(read.voltmeters[150].range_resistance_2, 4000);
  EXPECT_EQ(read.ammeters[150].range_resistance_2, 0.1);
  EXPECT_EQ(read.rheostats[7].coil_a_offset, (Offset{-30, 15}));
  EXPECT_EQ(read.wires.reached() + read.voltmeters.reached() + read.rheostats.reached(), 0);

  t.place(KIND_SLIDE_RHEOSTAT);
  t.bench.rheostats[1].slider = 0.5;  // a free slot written, as a pupil never does
  t.bench.circuit_view = 1;
  ApplyRheostatOffsets(t.bench);
  for (const int slot : {0, 1, 2, 49}) {
    EXPECT_EQ(read.rheostats[slot].coil_a_offset, (Offset{-63, 6})) << slot;
    EXPECT_EQ(t.bench.rheostats[slot].coil_b_offset, (Offset{62, 6})) << slot;
  }
  EXPECT_EQ(read.rheostats[1].slider, 0.5);
  InitBenchTables(t.bench);
  EXPECT_EQ(read.rheostats[1].slider, 0);
  EXPECT_EQ(read.rheostats[1].coil_a_offset, (Offset{-63, 6}));
}

TEST(Tables, DeletingTheFirstOfThreeResistorsKeepsTheOthersIds) {
  TestBench t;
  for (int i = 0; i < 3; ++i) t.place(KIND_FIXED_RESISTOR, 100 * i, 50);
  const int32_t id1 = t.a(1), id2 = t.b(2);
  const int w = t.wire(t.b(1), t.a(2));
  testing::RecordingObserver observer(t.bench);
  const std::vector<std::pair<int, int>>& moves = observer.moves;
  t.el(0).pose = 0;
  CompactElements(t.bench);
  EXPECT_EQ(CountElements(t.bench), 2);
  EXPECT_EQ(t.el(0).node_a, id1);
  EXPECT_EQ(t.el(1).node_b, id2);
  EXPECT_EQ(t.el(1).x, 200);
  EXPECT_EQ(t.el(2).pose, 0);
  EXPECT_EQ(t.el(2).node_a, 0);  // the slot that fell free is cleared whole
  EXPECT_EQ(t.bench.wires[w].node_a, t.b(0));
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}}));
}

TEST(Tables, CompactingAFullTableClearsItsLastSlot) {
  TestBench t;
  for (int i = 0; i < WIRE_SLOTS; ++i) {
    WireRecord& w = t.bench.wires[i];
    w.state = WIRE_DRAWN;
    w.node_a = i;
    w.wire_id = 1000 + i;
  }
  t.bench.wires[10].state = WIRE_FREE;
  CompactWires(t.bench);
  EXPECT_EQ(CountWires(t.bench), WIRE_SLOTS - 1);
  EXPECT_EQ(t.bench.wires[10].node_a, 11);
  EXPECT_EQ(t.bench.wires[498].node_a, 499);
  EXPECT_EQ(t.bench.wires[499].state, WIRE_FREE);
  EXPECT_EQ(t.bench.wires[499].wire_id, 0);
}

struct HiddenLinkCase {
  const char* name;
  int32_t kind;
  int links;
};

class DeletingRemovesHiddenLinks : public ::testing::TestWithParam<HiddenLinkCase> {};

TEST_P(DeletingRemovesHiddenLinks, OnlyTheDeletedComponentsLinksGo) {
  const HiddenLinkCase& c = GetParam();
  TestBench t;
  const int keep = t.place(c.kind, 100, 100);
  const int gone = t.place(c.kind, 300, 300);
  const int r = t.place(KIND_FIXED_RESISTOR);
  t.wire(t.a(r), t.b(r));
  ASSERT_EQ(CountWires(t.bench), 2 * c.links + 1);
  switch (c.kind) {
    case KIND_SLIDE_RHEOSTAT:
      t.bench.rheostats[gone].in_use = 0;
      CompactRheostats(t.bench);
      EXPECT_EQ(CountRheostats(t.bench), 1);
      EXPECT_EQ(t.bench.wires[0].node_b, t.bench.rheostats[keep].node_slider);
      break;
    case KIND_POINTER_VOLTMETER:
      t.bench.voltmeters[gone].in_use = 0;
      CompactVoltmeters(t.bench);
      EXPECT_EQ(t.bench.wires[0].node_a, t.bench.voltmeters[keep].node_common_in);
      break;
    case KIND_POINTER_AMMETER:
      t.bench.ammeters[gone].in_use = 0;
      CompactAmmeters(t.bench);
      EXPECT_EQ(t.bench.wires[0].node_a, t.bench.ammeters[keep].node_common_in);
      break;
    case KIND_SPDT_SWITCH:
      t.bench.spdts[gone].in_use = 0;
      CompactSpdts(t.bench);
      EXPECT_EQ(t.bench.wires[0].node_a, t.bench.spdts[keep].node_common);
      break;
  }
  EXPECT_EQ(CountWires(t.bench), c.links + 1);
  EXPECT_EQ(t.bench.wires[c.links].state, WIRE_DRAWN);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DeletingRemovesHiddenLinks,
                         ::testing::Values(HiddenLinkCase{"Rheostat", KIND_SLIDE_RHEOSTAT, 3},
                                           HiddenLinkCase{"Voltmeter", KIND_POINTER_VOLTMETER, 1},
                                           HiddenLinkCase{"Ammeter", KIND_POINTER_AMMETER, 1},
                                           HiddenLinkCase{"DoubleThrow", KIND_SPDT_SWITCH, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Tables, GroundLinksAreRemovedWhereverTheyStand) {
  TestBench t;
  const int states[] = {WIRE_GROUND_LINK, WIRE_DRAWN,       WIRE_GROUND_LINK,
                        WIRE_GROUND_LINK, WIRE_HIDDEN_LINK, WIRE_GROUND_LINK};
  for (int i = 0; i < 6; ++i) {
    t.bench.wires[i].state = states[i];
    t.bench.wires[i].wire_id = i + 1;
  }
  RemoveGroundLinks(t.bench);
  ASSERT_EQ(CountWires(t.bench), 2);
  EXPECT_EQ(t.bench.wires[0].wire_id, 2);
  EXPECT_EQ(t.bench.wires[1].wire_id, 5);
}

TEST(Tables, WireEndsAreFoundInTableOrder) {
  TestBench t;
  const int r = t.place(KIND_FIXED_RESISTOR, 100, 50);
  const int s = t.place(KIND_SPDT_SWITCH, 300, 300);
  const int v = t.place(KIND_POINTER_VOLTMETER, 500, 400);
  const int w = t.wire(t.b(r), t.bench.spdts[s].node_t2);
  const int w2 = t.wire(t.bench.voltmeters[v].node_high, t.a(r));
  EXPECT_EQ(WireEndPosition(t.bench, w, 1), (Point{135, 50}));
  EXPECT_EQ(WireEndPosition(t.bench, w, 2), (Point{346, 309}));
  EXPECT_EQ(WireEndPosition(t.bench, w2, 1), (Point{533, 450}));
  t.el(r).pose = 3;  // turned a quarter: entry 2 of the offsets
  t.el(r).term_b_offset[2] = {0, -35};
  EXPECT_EQ(WireEndPosition(t.bench, w, 1), (Point{100, 15}));
  t.bench.wires[w].node_a = 999999;
  EXPECT_EQ(WireEndPosition(t.bench, w, 1), (Point{0, 0}));
}

TEST(Tables, IdsKeepRisingAfterDeletes) {
  TestBench t;
  const int r0 = t.place(KIND_FIXED_RESISTOR);
  const int r1 = t.place(KIND_FIXED_RESISTOR);
  const int32_t wired = t.b(r1);
  t.wire(t.a(r0), wired);
  t.el(r1).pose = 0;
  CompactElements(t.bench);
  const int r2 = t.place(KIND_FIXED_RESISTOR);
  EXPECT_GT(t.a(r2), wired);
  EXPECT_NE(t.a(r2), wired);
  EXPECT_NE(t.b(r2), wired);
}

}  // namespace
}  // namespace voltaro
