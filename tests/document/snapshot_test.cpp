// Snapshots of a bench for the undo history: put back exactly, and sharing
// what did not change.

#include <gtest/gtest.h>

#include <algorithm>

#include "document/bench_snapshot.h"
#include "document/experiment_file.h"
#include "document/geometry.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "support/recording_observer.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::RecordingObserver;
using testing::TestBench;

// A bench with every kind on it, a wire with bends, a note and a black box;
// the storage battery turned, and the id counter past every id in use.
void BuildMixedBench(TestBench& t) {
  int x = 60;
  for (const KindInfo& k : AllKinds()) {
    if (k.family == Family::Note || k.family == Family::BlackBox) continue;
    t.place(k.kind, x % 1000, 100 + 150 * (x / 1000));
    x += 130;
  }
  for (int i = 0; i < CountElements(t.bench); ++i) {
    if (t.bench.elements[i].kind == KIND_STORAGE_BATTERY) t.bench.elements[i].pose = 3;
  }
  DerivePoseGeometry(t.bench);
  ConnectTerminals(t.bench, t.bench.elements[0].node_a, t.bench.elements[1].node_b,
                   {{300, 600}, {400, 620}});
  NoteRecord& note = t.bench.notes[0];
  note.in_use = 1;
  note.lines = {"Ohm's law", "U = R · I"};
  t.bench.black_boxes[0] = BlackBoxRecord{1, 700, 600, 120, 80, 255, "ohm"};
  t.bench.next_id += 40;
}

// Where two texts part, for a readable failure.
std::string Parting(const std::string& a, const std::string& b) {
  const size_t at = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
  if (at == a.size() && at == b.size()) return "";
  return "at byte " + std::to_string(at) + ": " + a.substr(at, 40) + " | " + b.substr(at, 40);
}

TEST(Snapshot, PutsTheBenchBackExactly) {
  TestBench t;
  BuildMixedBench(t);
  doing(t.bench);
  // Readings no analysis of this bench gives, and an analysis to come: both
  // come back as they were.
  t.bench.elements[3].current = 123.25;
  t.bench.relays[0].coil_current = -0.5;
  t.bench.analysis_pending = 1;
  SnapshotStore store;
  const Snapshot snapshot = store.capture(t.bench);
  EXPECT_EQ(Parting(snapshot.text(), ExperimentText(t.bench)), "");

  TestBench other;
  RecordingObserver seen(other.bench);
  other.bench.circuit_view = 1;
  ASSERT_TRUE(RestoreSnapshot(other.bench, snapshot));
  EXPECT_EQ(Parting(ExperimentText(other.bench), snapshot.text()), "");
  EXPECT_EQ(other.bench.next_id, t.bench.next_id);
  EXPECT_EQ(other.bench.elements[3].current, 123.25);
  EXPECT_EQ(other.bench.relays[0].coil_current, -0.5);
  EXPECT_EQ(other.bench.rheostats[0].potential, t.bench.rheostats[0].potential);
  EXPECT_EQ(other.bench.wires[6].current, t.bench.wires[6].current);
  EXPECT_EQ(other.bench.analysis_pending, 1);
  EXPECT_EQ(other.bench.circuit_view, 1);  // the view is no part of the experiment
  // Shown at once: pictures made, then painted with the readings it has.
  EXPECT_EQ(seen.replacements, 1);
  EXPECT_EQ(seen.analyses, 1);
}

TEST(Snapshot, AnEmptySnapshotPutsBackAnEmptyBench) {
  TestBench t;
  BuildMixedBench(t);
  EXPECT_FALSE(RestoreSnapshot(t.bench, Snapshot()));
  EXPECT_EQ(CountElements(t.bench), 0);
}

TEST(Snapshot, SnapshotsShareWhatDidNotChange) {
  TestBench t;
  for (int i = 0; i < 50; ++i) t.place(KIND_FIXED_RESISTOR, 50 + 18 * i, 300);
  SnapshotStore store;
  const Snapshot first = store.capture(t.bench);
  const size_t one = store.bytes();
  EXPECT_GT(one, first.text().size());

  // The same bench again costs only its list of pieces.
  const Snapshot again = store.capture(t.bench);
  EXPECT_TRUE(again == first);
  const size_t list = store.bytes() - one;
  EXPECT_LT(list, one / 10);

  // One record changed: one new piece, of about a record's size.
  t.bench.elements[20].x += 5;
  const Snapshot moved = store.capture(t.bench);
  EXPECT_FALSE(moved == first);
  EXPECT_LT(store.bytes() - one - 2 * list, one / 20);

  // Deleting the first record moves every other one up a slot: their
  // pieces stay the same and are shared all the same; only the section's
  // count and the readings of the shorter table are new.
  const size_t before_delete = store.bytes();
  t.bench.elements[0].pose = 0;
  CompactElements(t.bench);
  const Snapshot compacted = store.capture(t.bench);
  EXPECT_LT(store.bytes() - before_delete - list, one / 5);
}

TEST(Snapshot, MemoryGoesWithTheLastSnapshotHoldingIt) {
  TestBench t;
  BuildMixedBench(t);
  SnapshotStore store;
  {
    const Snapshot a = store.capture(t.bench);
    t.bench.notes[0].lines.push_back("and once more");
    const Snapshot b = store.capture(t.bench);
    const Snapshot copy = b;
    EXPECT_GT(store.bytes(), 0u);
  }
  EXPECT_EQ(store.bytes(), 0u);
}

TEST(Snapshot, SnapshotsOfTwoStoresCompareByText) {
  TestBench t;
  BuildMixedBench(t);
  SnapshotStore one, two;
  EXPECT_TRUE(one.capture(t.bench) == two.capture(t.bench));
  const Snapshot before = one.capture(t.bench);
  ++t.bench.next_id;
  EXPECT_FALSE(before == two.capture(t.bench));  // the id counter is part of it
}

}  // namespace
}  // namespace voltaro
