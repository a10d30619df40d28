#pragma once
// A bench with its picture, painted from the pictures the build generated.

#include <gtest/gtest.h>

#include <cmath>

#include "model/kinds.h"
#include "render/bench_renderer.h"
#include "support/test_bench.h"

namespace voltaro::testing {

class FakeClock : public Clock {
 public:
  int64_t now = 1000;
  int64_t now_ms() override { return now; }
};

const PictureSet& Pictures();

struct RenderBench : TestBench {
  FakeClock clock;
  BenchRenderer renderer{bench, Pictures(), &clock};

  RenderBench() { renderer.attach(); }
  const QImage& image() const { return renderer.image(); }
  QColor at(int x, int y) const { return image().pixelColor(x, y); }
  // Places a component and prepares its picture, as the mouse would.
  int put(int32_t kind, int x, int y) {
    const int i = place(kind, x, y);
    if (FindKind(kind)->family == Family::TwoTerminal) renderer.make_fact_two_obj_pic(i);
    return i;
  }
  void draw() { renderer.Draw_obj(); }
};

inline bool IsRed(const QColor& c) {
  return c.red() == 255 && c.green() == 0 && c.blue() == 0;
}

}  // namespace voltaro::testing
