// Random presses, moves, releases, double-clicks and edit commands from a
// bench with every kind on it: the tables must stay sound after every step.

#include <random>
#include <set>

#include "fakes.h"
#include "model/analysis.h"
#include "model/tables.h"

namespace voltaro {
namespace {

using testing::MouseBench;

// Tables dense from slot 0, every wire between two terminals that exist, no
// id used twice, no reading that is not a number.
void ExpectSound(const Bench& bench, int step) {
  SCOPED_TRACE(step);
  std::set<int32_t> ids;
  int repeated = 0;
  const auto take = [&](int32_t id) { repeated += !ids.insert(id).second; };
  for (int i = 0; i < TWO_TERMINAL_SLOTS; ++i) {
    const ElementRecord& e = bench.elements[i];
    if (i >= CountElements(bench)) {
      ASSERT_EQ(e.pose, 0) << "gap in the component table at " << i;
      continue;
    }
    take(e.node_a), take(e.node_b), take(e.branch_id);
    ASSERT_FALSE(std::isnan(e.current)) << "slot " << i;
  }
  const int wires = CountWires(bench);
  for (int i = wires; i < WIRE_SLOTS; ++i) ASSERT_EQ(bench.wires[i].state, WIRE_FREE);
  for (int i = 0; i < wires; ++i) {
    const WireRecord& w = bench.wires[i];
    take(w.wire_id);
    ASSERT_FALSE(std::isnan(w.current));
    if (w.state == WIRE_DRAWN) {
      ASSERT_TRUE(IsTerminal(bench, w.node_a)) << "wire " << i << " end A dangles";
      ASSERT_TRUE(IsTerminal(bench, w.node_b)) << "wire " << i << " end B dangles";
    }
  }
  for (int i = 0; i < CountRheostats(bench); ++i) {
    const RheostatRecord& r = bench.rheostats[i];
    for (int32_t id : {r.node_bar_a, r.node_bar_a_in, r.node_bar_b_in, r.node_bar_b, r.node_coil_a,
                       r.node_coil_a_in, r.node_slider, r.node_coil_b}) {
      take(id);
    }
  }
  EXPECT_EQ(repeated, 0);
  EXPECT_LE(bench.next_id, 1 << 30);
}

void Monkey(int steps, unsigned seed) {
  MouseBench t;
  std::mt19937 rng(seed);
  int x = 40;
  for (const KindInfo& k : AllKinds()) {
    if (k.family == Family::Note || k.family == Family::BlackBox) continue;
    t.put(k.kind, x % 1000 + 12, 120 + 170 * (x / 1000));
    x += 160;
  }
  t.clipboard.content.clear();
  const auto kinds = AllKinds();
  std::uniform_int_distribution<int> px(-20, 1040), py(-20, 790), action(0, 99);
  for (int step = 0; step < steps; ++step) {
    const int a = action(rng);
    const int bx = px(rng), by = py(rng);
    if (a < 25) {
      t.press(bx, by, a % 5 == 0 ? RIGHT_BUTTON : LEFT_BUTTON);
    } else if (a < 50) {
      t.move(bx, by);
    } else if (a < 75) {
      t.release(bx, by, a % 7 == 0 ? RIGHT_BUTTON : LEFT_BUTTON);
    } else if (a < 80) {
      t.mouse.Image1DblClick();
    } else if (a < 85) {
      const KindInfo& k = kinds[rng() % kinds.size()];
      t.mouse.set_pending_kind(k.family == Family::Note ? 0 : k.kind);
    } else if (a < 87) {
      t.mouse.Rotate();
    } else if (a < 89) {
      t.mouse.Delete();
    } else if (a < 90) {
      t.mouse.Repair();
    } else if (a < 92) {
      t.mouse.Copy();
    } else if (a < 93) {
      t.mouse.Cut();
    } else if (a < 95) {
      t.mouse.Paste();
    } else if (a < 96) {
      t.renderer.toggle_circuit_view();
    } else if (a < 97) {
      t.renderer.toggle_current_direction();
    } else if (a < 98) {
      t.mouse.set_pending_kind(KIND_MAGNIFIER);
    } else {
      doing(t.bench);
    }
    ExpectSound(t.bench, step);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(Monkey, TablesStaySoundUnderRandomMouseWork) {
  Monkey(3000, 20261209);
}

// The full run, for a sanitizer build: ctest -R MonkeyLong.
TEST(MonkeyLong, DISABLED_HundredThousandSteps) {
  Monkey(100000, 7);
}

}  // namespace
}  // namespace voltaro
