// Placing components: defaults, fresh ids, hidden links and table limits.

#include <gtest/gtest.h>

#include "model/kinds.h"
#include "model/tables.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

struct ElementCase {
  int32_t kind;
  const char* name;
  double resistance, emf, max_current, param1, param2;
  int32_t is_open;
  Offset size0, size2;  // half_size entries 0 and 2
  Offset a0, a1;        // terminal A, object and circuit view
};

TEST(Placement, TwoTerminalKindsGetTheirDefaults) {
  const ElementCase cases[] = {
      {KIND_FIXED_RESISTOR, "电阻", 1, 0, 0, 0, 0, 0, {42, 11}, {11, 41}, {-37, 0}, {-37, 0}},
      {KIND_BULB, "电灯1", 10, 0, 1.5, 10, 8, 0, {30, 30}, {30, 30}, {-11, 8}, {-25, 0}},
      {KIND_SPST_SWITCH,
       "单刀单掷开关",
       1e-80,
       0,
       0,
       0,
       0,
       1,
       {47, 28},
       {28, 47},
       {-36, 15},
       {-36, 15}},
      {KIND_FUSE, "保险丝", 1e-80, 0, 1, 0, 0, 0, {34, 7}, {7, 34}, {-30, 0}, {-30, 0}},
      {KIND_RESISTANCE_BOX,
       "变阻箱",
       999999,
       0,
       0,
       0,
       0,
       0,
       {61, 38},
       {38, 61},
       {-56, -18},
       {0, -30}},
      {KIND_STORAGE_BATTERY, "蓄电池", 0, 2, 0, 0, 0, 0, {32, 41}, {32, 41}, {-12, -33}, {-12, 0}},
      {KIND_STORAGE_BATTERY_SET,
       "蓄电池组",
       0,
       6,
       0,
       3,
       0,
       0,
       {43, 49},
       {43, 49},
       {-22, -29},
       {-35, 0}},
      {KIND_DIGITAL_VOLTMETER,
       "数字电压表",
       1e12,
       0,
       0,
       0,
       0,
       0,
       {36, 35},
       {0, 0},
       {-17, 29},
       {-17, 29}},
      {KIND_DIGITAL_AMMETER,
       "数字电流表",
       1e-50,
       0,
       0,
       0,
       0,
       0,
       {36, 35},
       {0, 0},
       {-17, 29},
       {-17, 29}},
      {KIND_MULTIMETER, "万用表", 0, 0, 0, 6, 0, 1, {156, 160}, {156, 160}, {148, 85}, {148, 85}},
      {KIND_SIGNAL_LIGHT, "信号灯", 1, 0, 0, 0.1, 65280, 0, {31, 13}, {13, 31}, {-24, 0}, {-24, 0}},
      {KIND_CUTTING_ROD,
       "金属杆切割磁力线",
       0.1,
       0,
       0,
       135,
       0.1,
       0,
       {135, 44},
       {135, 44},
       {126, -40},
       {126, -40}},
      {KIND_DC_MOTOR, "直流电动机", 1, 0, 0, 0, 5, 0, {83, 57}, {83, 57}, {3, 72}, {3, 72}},
  };
  for (const ElementCase& c : cases) {
    SCOPED_TRACE(c.kind);
    TestBench t;
    t.bench.next_id = 10;
    const int i = t.place(c.kind, 321, 123);
    const ElementRecord& e = t.el(i);
    EXPECT_EQ(e.name, c.name);
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_EQ(e.pose, 1);
    EXPECT_EQ(e.x, 321);
    EXPECT_EQ(e.y, 123);
    EXPECT_EQ(e.node_a, 11);
    EXPECT_EQ(e.node_b, 12);
    EXPECT_EQ(e.branch_id, 13);
    EXPECT_EQ(e.resistance, c.resistance);
    EXPECT_EQ(e.emf, c.emf);
    EXPECT_EQ(e.max_current, c.max_current);
    EXPECT_EQ(e.param1, c.param1);
    EXPECT_EQ(e.param2, c.param2);
    EXPECT_EQ(e.is_open, c.is_open);
    EXPECT_EQ(e.half_size[0], c.size0);
    EXPECT_EQ(e.half_size[2], c.size2);
    EXPECT_EQ(e.term_a_offset[0], c.a0);
    EXPECT_EQ(e.term_a_offset[1], c.a1);
  }
}

TEST(Placement, RheostatTakesTwelveIdsAndThreeHiddenLinks) {
  TestBench t;
  const int i = t.place(KIND_SLIDE_RHEOSTAT, 400, 300);
  const RheostatRecord& r = t.bench.rheostats[i];
  EXPECT_EQ(r.name, "电阻1");
  EXPECT_EQ(r.resistance, 50);
  EXPECT_EQ(r.slider, 0.5);
  const int32_t ids[] = {r.node_bar_a,   r.node_bar_a_in, r.branch_id[0], r.node_bar_b_in,
                         r.node_bar_b,   r.branch_id[1],  r.node_coil_a,  r.node_coil_a_in,
                         r.branch_id[2], r.node_slider,   r.node_coil_b,  r.branch_id[3]};
  for (int k = 0; k < 12; ++k) EXPECT_EQ(ids[k], k + 1);
  ASSERT_EQ(CountWires(t.bench), 3);
  EXPECT_EQ(t.bench.wires[0].node_a, r.node_bar_a_in);
  EXPECT_EQ(t.bench.wires[1].node_a, r.node_bar_b_in);
  EXPECT_EQ(t.bench.wires[2].node_a, r.node_coil_a_in);
  for (int w = 0; w < 3; ++w) {
    EXPECT_EQ(t.bench.wires[w].state, WIRE_HIDDEN_LINK);
    EXPECT_EQ(t.bench.wires[w].node_b, r.node_slider);
    EXPECT_EQ(t.bench.wires[w].wire_id, 13 + w);
  }
}

TEST(Placement, MetersSwitchesAndRelays) {
  TestBench t;
  const int v = t.place(KIND_POINTER_VOLTMETER);
  const int a = t.place(KIND_POINTER_AMMETER);
  EXPECT_EQ(t.bench.voltmeters[v].range_in_use, 4);
  EXPECT_EQ(t.bench.ammeters[a].range_in_use, 0);
  EXPECT_EQ(t.bench.voltmeters[v].name, "R1");
  EXPECT_EQ(t.bench.wires[0].node_a, t.bench.voltmeters[v].node_common_in);
  EXPECT_EQ(t.bench.wires[0].node_b, t.bench.voltmeters[v].node_mid);
  const int s = t.place(KIND_SPDT_SWITCH);
  EXPECT_EQ(t.bench.wires[2].node_a, t.bench.spdts[s].node_common);
  EXPECT_EQ(t.bench.wires[2].node_b, t.bench.spdts[s].node_common_in);
  const int r = t.place(KIND_RELAY);
  EXPECT_EQ(t.bench.relays[r].coil_resistance, 1);
  EXPECT_EQ(t.bench.relays[r].pickup_current, 0.1);
  EXPECT_EQ(t.bench.relays[r].contact_branch_id, t.bench.next_id);
  EXPECT_EQ(CountWires(t.bench), 3);
}

struct LimitCase {
  int32_t kind;
  int placeable;  // how many fit before placement refuses
};

TEST(Placement, TablesRefuseNewRecordsNearTheirEnd) {
  const LimitCase cases[] = {
      {KIND_FIXED_RESISTOR, 198}, {KIND_RELAY, 49}, {KIND_POINTER_AMMETER, 198}};
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.kind);
    TestBench t;
    for (int i = 0; i < c.placeable; ++i) t.place(c.kind);
    const int32_t ids = t.bench.next_id;
    const int wires = CountWires(t.bench);
    EXPECT_EQ(PlaceComponent(t.bench, c.kind, 5, 5).outcome, PlaceOutcome::TableFull);
    EXPECT_EQ(t.bench.next_id, ids);
    EXPECT_EQ(CountWires(t.bench), wires);
  }
}

TEST(Placement, KindsWithHiddenLinksNeedRoomInTheWireTable) {
  TestBench t;
  for (int i = 0; i < WIRE_SLOTS - 2; ++i) t.bench.wires[i].state = WIRE_DRAWN;
  EXPECT_EQ(PlaceComponent(t.bench, KIND_SLIDE_RHEOSTAT, 5, 5).outcome, PlaceOutcome::NoWireRoom);
  EXPECT_EQ(CountRheostats(t.bench), 0);
  EXPECT_EQ(t.bench.next_id, 0);
  t.place(KIND_SPDT_SWITCH);
  t.place(KIND_POINTER_VOLTMETER);
  EXPECT_EQ(PlaceComponent(t.bench, KIND_POINTER_AMMETER, 5, 5).outcome, PlaceOutcome::NoWireRoom);
  t.place(KIND_RELAY);  // needs no link
  t.place(KIND_FIXED_RESISTOR);
}

TEST(Placement, BatteriesPlacedIntoAFreedSlotGetNoOldResistance) {
  for (int32_t kind : {KIND_STORAGE_BATTERY, KIND_9V_BATTERY}) {
    TestBench t;
    const int r = t.element(KIND_FIXED_RESISTOR, 470);
    t.el(r).pose = 0;
    CompactElements(t.bench);
    const int b = t.place(kind);
    EXPECT_EQ(t.el(b).resistance, 0) << kind;
  }
}

TEST(Placement, NotesBlackBoxesAndUnknownCodesAreNotPlacedHere) {
  TestBench t;
  for (int32_t kind : {int32_t{KIND_NOTE}, int32_t{KIND_BLACK_BOX}, 3, 0, -2, 96}) {
    EXPECT_EQ(PlaceComponent(t.bench, kind, 5, 5).outcome, PlaceOutcome::NotPlaceable) << kind;
  }
  EXPECT_EQ(t.bench.next_id, 0);
}

TEST(Placement, WiresJoinTwoDifferentTerminalsWithAtMost99Bends) {
  TestBench t;
  const int r = t.place(KIND_FIXED_RESISTOR);
  EXPECT_EQ(ConnectTerminals(t.bench, t.a(r), t.a(r)), -1);
  const int w = ConnectTerminals(t.bench, t.a(r), t.b(r), {{1, 2}, {3, 4}}, 255);
  ASSERT_EQ(w, 0);
  EXPECT_EQ(t.bench.wires[w].point_count, 2);
  EXPECT_EQ(t.bench.wires[w].points[1], (Point{3, 4}));
  EXPECT_EQ(t.bench.wires[w].color, 255);
  EXPECT_EQ(t.bench.wires[w].wire_id, t.bench.next_id);
}

}  // namespace
}  // namespace voltaro
