// Tables of readings that follow the bench while a pupil changes it.

#include "model/recording.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "model/kinds.h"
#include "model/tables.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

size_t ColumnLabelled(const Recording& rec, const std::string& label) {
  for (size_t i = 0; i < rec.columns().size(); ++i) {
    if (rec.columns()[i].label() == label) return i;
  }
  ADD_FAILURE() << "no column " << label;
  return 0;
}

// Two bulbs in parallel on a 3 V supply.
struct TwoBulbs : ::testing::Test {
  TestBench t;
  int supply = t.element(KIND_VOLTAGE_SUPPLY, 0, 3);
  int first = t.element(KIND_BULB, 10);
  int second = t.element(KIND_BULB, 30);
  TwoBulbs() {
    for (int bulb : {first, second}) {
      t.el(bulb).max_current = 10;
      t.wire(t.b(supply), t.a(bulb));
      t.wire(t.b(bulb), t.a(supply));
    }
    t.settle();
  }
  void delete_first() {
    t.el(first).pose = 0;
    CompactElements(t.bench);
    t.settle();
  }
};

// Deleting a component closes up the table: the next bulb moves into the
// freed slot and is now the first bulb by number, yet its column goes on.
TEST_F(TwoBulbs, ColumnsFollowTheirComponentThroughADelete) {
  Recording rec;
  rec.follow(ReadingOrCurrent);
  rec.record(t.bench, 0.1);
  const size_t gone = ColumnLabelled(rec, "Bulb 1 current");
  const size_t stays = ColumnLabelled(rec, "Bulb 2 current");
  const RecordKey gone_key = rec.columns()[gone].key.record;
  const RecordKey stays_key = rec.columns()[stays].key.record;

  delete_first();
  rec.record(t.bench, 0.2);
  EXPECT_FALSE(RecordOnBench(t.bench, gone_key));
  EXPECT_TRUE(RecordOnBench(t.bench, stays_key));
  EXPECT_FALSE(rec.on_bench(gone));
  EXPECT_EQ(rec.value(1, gone), std::nullopt);
  EXPECT_NEAR(*rec.value(0, gone), 0.3, 1e-12);
  EXPECT_TRUE(rec.on_bench(stays));
  EXPECT_NEAR(*rec.value(0, stays), 0.1, 1e-12);
  EXPECT_NEAR(*rec.value(1, stays), 0.1, 1e-12);
  EXPECT_EQ(rec.columns()[stays].name, "Bulb 2");  // named as the pupil first saw it
  EXPECT_EQ(rec.columns().size(), 3u) << "no column was added for the moved bulb";
}

TEST_F(TwoBulbs, ChosenColumnsOnlyInTheirOrder) {
  QuantityReader reader;
  std::vector<Quantity> all = reader.list(t.bench);
  std::vector<Quantity> chosen;
  for (const Quantity& q : all) {
    if (q.label() == "Bulb 1 current" || q.label() == "Bulb 2 voltage")
      chosen.insert(chosen.begin(), q);
  }
  chosen.push_back(chosen.front());  // chosen twice, recorded once
  Recording rec;
  rec.choose(chosen);
  rec.record(t.bench, 0);
  delete_first();
  rec.record(t.bench, 1);
  ASSERT_EQ(rec.columns().size(), 2u);
  EXPECT_EQ(rec.columns()[0].label(), "Bulb 2 voltage");
  EXPECT_EQ(rec.columns()[1].label(), "Bulb 1 current");
  EXPECT_NEAR(*rec.value(1, 0), 3, 1e-12);
  EXPECT_EQ(rec.value(1, 1), std::nullopt);
  EXPECT_EQ(rec.column_of(chosen[1].key), 1u);

  rec.erase_row(0);
  ASSERT_EQ(rec.rows(), 1u);
  EXPECT_EQ(rec.times()[0], 1);
  EXPECT_TRUE(std::isnan(rec.numbers(1)[0]));
  rec.erase_row(5);  // no such row: nothing happens
  for (double seconds : {2, 3, 4}) rec.record(t.bench, seconds);
  rec.erase_rows(1, 2);
  ASSERT_EQ(rec.rows(), 2u);
  EXPECT_EQ(rec.times()[1], 4);
  EXPECT_NEAR(*rec.value(1, 0), 3, 1e-12);
  rec.erase_rows(1, 99);  // as far as there are rows
  ASSERT_EQ(rec.rows(), 1u);
  EXPECT_EQ(rec.times()[0], 1);
  rec.clear_rows();
  EXPECT_EQ(rec.rows(), 0u);
  EXPECT_EQ(rec.columns().size(), 2u);
}

// Turning the multimeter from one voltage range to another goes on in the
// same column; turning it to the current range starts a column in amperes.
TEST(Recording, MultimeterTurnedToAnotherKindOfRange) {
  TestBench t;
  const int supply = t.element(KIND_VOLTAGE_SUPPLY, 10, 5);
  const int meter = t.place(KIND_MULTIMETER);
  t.wire(t.b(supply), t.a(meter));
  t.wire(t.b(meter), t.a(supply));
  Recording rec;
  rec.follow([](const QuantityKey& k) { return k.measure == Measure::Reading; });
  for (int position : {3, 4, 2}) {
    t.el(meter).param1 = position;
    t.settle();
    rec.record(t.bench, position);
  }
  ASSERT_EQ(rec.columns().size(), 2u);
  const size_t volts = 0, amps = 1;
  EXPECT_EQ(rec.columns()[volts].unit, "V");
  EXPECT_NEAR(*rec.value(0, volts), 5, 1e-6);
  EXPECT_NEAR(*rec.value(1, volts), 5, 1e-6);
  EXPECT_EQ(rec.value(2, volts), std::nullopt);
  EXPECT_FALSE(rec.on_bench(volts));
  EXPECT_TRUE(RecordOnBench(t.bench, rec.columns()[volts].key.record));  // still there
  EXPECT_EQ(rec.columns()[amps].unit, "A");
  EXPECT_EQ(rec.value(0, amps), std::nullopt);
  EXPECT_NEAR(*rec.value(2, amps), 0.5, 1e-12);
}

// A damaged file may give two records the same ids: they stay two columns.
TEST_F(TwoBulbs, RecordsSharingTheirIdsStayApart) {
  t.el(second).branch_id = t.el(first).branch_id;
  t.el(second).kind = KIND_BULB;
  Recording rec;
  rec.follow(ReadingOrCurrent);
  rec.record(t.bench, 0);
  rec.record(t.bench, 1);
  int bulb_columns = 0;
  for (size_t c = 0; c < rec.columns().size(); ++c) {
    if (rec.columns()[c].key.record.kind != KIND_BULB) continue;
    ++bulb_columns;
    EXPECT_TRUE(rec.value(0, c) && rec.value(1, c)) << rec.columns()[c].label();
  }
  EXPECT_EQ(bulb_columns, 2);
  RecordKey key{KIND_BULB, t.el(first).branch_id, 1};
  EXPECT_TRUE(RecordOnBench(t.bench, key));
  key.occurrence = 2;
  EXPECT_FALSE(RecordOnBench(t.bench, key));
}

}  // namespace
}  // namespace voltaro
