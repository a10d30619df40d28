#pragma once
// The monkey: random presses, moves, releases, double-clicks and edit
// commands from a bench with every kind on it, and the soundness the tables
// must keep through all of it.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "interaction/bench_interaction.h"
#include "model/analysis.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "render/bench_renderer.h"

namespace voltaro::testing {

// The bench with its picture and mouse handling, wherever they live.
struct MonkeyHands {
  Bench& bench;
  BenchRenderer& renderer;
  BenchInteraction& mouse;

  void click(int x, int y) {
    mouse.Image1MouseDown(LEFT_BUTTON, 0, x, y);
    mouse.Image1MouseUp(LEFT_BUTTON, 0, x, y);
  }
};

// One component of every kind but notes and black boxes, placed with the
// mouse in rows across the bench.
inline void PutEveryKind(MonkeyHands hands) {
  int x = 40;
  for (const KindInfo& k : AllKinds()) {
    if (k.family == Family::Note || k.family == Family::BlackBox) continue;
    hands.mouse.set_pending_kind(k.kind);
    hands.click(x % 1000 + 12, 120 + 170 * (x / 1000));
    x += 160;
  }
}

// One thing a pupil trying everything might do.
inline void MonkeyAction(MonkeyHands hands, std::mt19937& rng) {
  const auto kinds = AllKinds();
  std::uniform_int_distribution<int> px(-20, 1040), py(-20, 790), action(0, 99);
  const int a = action(rng);
  const int bx = px(rng), by = py(rng);
  BenchInteraction& mouse = hands.mouse;
  if (a < 25) {
    mouse.Image1MouseDown(a % 5 == 0 ? RIGHT_BUTTON : LEFT_BUTTON, 0, bx, by);
  } else if (a < 50) {
    mouse.Image1MouseMove(0, bx, by);
  } else if (a < 75) {
    mouse.Image1MouseUp(a % 7 == 0 ? RIGHT_BUTTON : LEFT_BUTTON, 0, bx, by);
  } else if (a < 80) {
    mouse.Image1DblClick();
  } else if (a < 85) {
    const KindInfo& k = kinds[rng() % kinds.size()];
    mouse.set_pending_kind(k.family == Family::Note ? 0 : k.kind);
  } else if (a < 87) {
    mouse.Rotate();
  } else if (a < 89) {
    mouse.Delete();
  } else if (a < 90) {
    mouse.Repair();
  } else if (a < 92) {
    mouse.Copy();
  } else if (a < 93) {
    mouse.Cut();
  } else if (a < 95) {
    mouse.Paste();
  } else if (a < 96) {
    hands.renderer.toggle_circuit_view();
  } else if (a < 97) {
    hands.renderer.toggle_current_direction();
  } else if (a < 98) {
    mouse.set_pending_kind(KIND_MAGNIFIER);
  } else {
    doing(hands.bench);
  }
}

// Tables dense from slot 0, every wire between two terminals that exist, no
// id used twice, no reading that is not a number.
inline void ExpectSound(const Bench& bench, int step) {
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

}  // namespace voltaro::testing
