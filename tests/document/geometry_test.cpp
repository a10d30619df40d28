// The built-in geometry applied to records read from a file.

#include "document/geometry.h"

#include <gtest/gtest.h>

#include "model/kinds.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

TEST(Geometry, FixedResistorTurnsItsTerminalsAroundItsCentre) {
  TestBench t;
  const int r = t.place(KIND_FIXED_RESISTOR);
  t.el(r).term_a_offset.fill({99, 99});
  t.el(r).half_size.fill({1, 1});
  RefreshElementGeometry(t.bench);
  const Offset want[] = {{-37, 0}, {-37, 0}, {0, 37},  {0, 37},
                         {37, 0},  {37, 0},  {0, -37}, {0, -37}};
  for (int e = 0; e < 8; ++e) EXPECT_EQ(t.el(r).term_a_offset[e], want[e]) << e;
  EXPECT_EQ(t.el(r).half_size[2], (Offset{11, 41}));
  EXPECT_EQ(t.el(r).half_size[4], (Offset{42, 11}));
}

TEST(Geometry, BulbTerminalsDifferBetweenPictureAndSymbol) {
  TestBench t;
  const int b = t.place(KIND_BULB);
  RefreshElementGeometry(t.bench);
  EXPECT_EQ(t.el(b).term_a_offset[0], (Offset{-11, 8}));
  EXPECT_EQ(t.el(b).term_a_offset[1], (Offset{-25, 0}));
  EXPECT_EQ(t.el(b).term_a_offset[2], (Offset{8, 11}));
  EXPECT_EQ(t.el(b).term_a_offset[3], (Offset{0, 25}));
}

TEST(Geometry, StorageBatteriesAreMirroredNotTurned) {
  TestBench t;
  const int s = t.place(KIND_STORAGE_BATTERY);
  t.el(s).term_a_offset[4] = {5, 6};
  t.el(s).half_size[4] = {7, 8};
  RefreshElementGeometry(t.bench);
  EXPECT_EQ(t.el(s).term_a_offset[2], (Offset{12, -33}));
  EXPECT_EQ(t.el(s).term_b_offset[2], (Offset{-12, -33}));
  EXPECT_EQ(t.el(s).term_a_offset[3], (Offset{12, 0}));
  EXPECT_EQ(t.el(s).term_a_offset[4], (Offset{5, 6}));
  EXPECT_EQ(t.el(s).half_size[4], (Offset{7, 8}));

  const int set = t.place(KIND_STORAGE_BATTERY_SET);
  RefreshElementGeometry(t.bench);
  EXPECT_EQ(t.el(set).term_a_offset[0], (Offset{-23, -29}));
  EXPECT_EQ(t.el(set).term_b_offset[2], (Offset{-23, -41}));
}

TEST(Geometry, RefreshStopsAtTheFirstFreeSlot) {
  TestBench t;
  for (int i = 0; i < 5; ++i) t.place(KIND_FIXED_RESISTOR);
  t.el(3).pose = 0;
  t.el(4).term_a_offset[0] = {1, 1};
  t.el(2).term_a_offset[2] = {1, 1};
  RefreshElementGeometry(t.bench);
  EXPECT_EQ(t.el(2).term_a_offset[2], (Offset{0, 37}));
  EXPECT_EQ(t.el(4).term_a_offset[0], (Offset{1, 1}));
}

}  // namespace
}  // namespace voltaro
