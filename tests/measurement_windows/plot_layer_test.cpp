// The drawing helpers of the chart: round axis ranges and the points of a
// long trace squeezed to what a column of pixels shows.

#include "app/plot_layer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace voltaro {
namespace {

TEST(RoundRange, EndsOnRoundNumbers) {
  struct Case {
    double low, high;
    AxisRange expected;
  };
  const Case cases[] = {
      {0, 0.4278, {0, 0.5, 6}},         // steps of 0.1
      {-0.454, 0.455, {-0.6, 0.6, 7}},  // of 0.2
      {2.28, 4.23, {2, 4.5, 6}},        // of 0.5
      {0, 30, {0, 30, 4}},              // the half minute of time shown: 10 s steps
      {0, 300, {0, 300, 4}},            // five minutes: 100 s steps
      {0, 0, {-1, 1, 5}},               // a trace at rest keeps a scale
      {3, 3, {2.6, 3.4, 5}},            // one value gets room around it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.low << " .. " << c.high);
    const AxisRange r = RoundRange(c.low, c.high);
    EXPECT_NEAR(r.low, c.expected.low, 1e-12);
    EXPECT_NEAR(r.high, c.expected.high, 1e-12);
    EXPECT_EQ(r.ticks, c.expected.ticks);
  }
  // Nothing to scale by: a usable range all the same.
  for (const auto& [low, high] :
       {std::pair{NAN, 1.0}, {-INFINITY, INFINITY}, {2.0, 1.0}, {-1e308, 1e308}}) {
    const AxisRange r = RoundRange(low, high);
    EXPECT_TRUE(std::isfinite(r.low) && std::isfinite(r.high) && r.low < r.high);
    EXPECT_GE(r.ticks, 2);
  }
}

// A spike within one column of pixels survives; so does the order of the
// lowest and highest point, which decides where the line goes next.
TEST(PixelColumns, KeepEachColumnsLowestAndHighestInOrder) {
  struct Case {
    const char* name;
    std::vector<QPointF> in;
    std::vector<QPointF> out;
  };
  const Case cases[] = {
      {"one point a column passes as it is",
       {{0.5, 3}, {1.5, 4}, {2.5, 2}},
       {{0.5, 3}, {1.5, 4}, {2.5, 2}}},
      {"a spike up then down",
       {{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.7, 3}, {1.2, 4}},
       {{0.3, 1}, {0.5, 9}, {1.2, 4}}},
      {"down first, then up", {{0.1, 5}, {0.3, 9}, {0.5, 1}, {0.7, 3}}, {{0.3, 9}, {0.5, 1}}},
      {"a flat column is one point", {{4.1, 2}, {4.4, 2}, {4.8, 2}}, {{4.1, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QPolygonF out;
    PixelColumns columns(out);
    for (const QPointF& p : c.in) columns.add(p);
    columns.finish();
    EXPECT_EQ(std::vector<QPointF>(out.begin(), out.end()), c.out);
  }
}

}  // namespace
}  // namespace voltaro
