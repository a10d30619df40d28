#pragma once
// Building small benches in tests by placing components and wiring their
// terminals, as a pupil would with the mouse.

#include <gtest/gtest.h>

#include <memory>

#include "model/analysis.h"
#include "model/bench.h"
#include "model/placement.h"
#include "model/ports.h"

namespace voltaro::testing {

// Records what the bench asked to play.
class FakeSound : public SoundPlayer {
 public:
  void play(std::string_view sound) override { played.emplace_back(sound); }
  void stop() override { ++stops; }
  std::vector<std::string> played;
  int stops = 0;
};

struct TestBench {
  std::unique_ptr<Bench> owned = std::make_unique<Bench>();
  Bench& bench = *owned;
  FakeSound sound;

  TestBench() { bench.sound = &sound; }

  // Places a component and returns its slot in its table.
  int place(int32_t kind, int32_t x = 200, int32_t y = 200) {
    const PlaceResult r = PlaceComponent(bench, kind, x, y);
    EXPECT_EQ(r.outcome, PlaceOutcome::Placed) << "kind " << kind;
    return r.index;
  }
  ElementRecord& el(int slot) { return bench.elements[slot]; }

  // Places a two-terminal component with the given resistance and emf.
  int element(int32_t kind, double resistance, double emf = 0) {
    const int i = place(kind);
    el(i).resistance = resistance;
    el(i).emf = emf;
    return i;
  }

  int wire(int32_t a, int32_t b) {
    const int w = ConnectTerminals(bench, a, b);
    EXPECT_GE(w, 0);
    return w;
  }
  int32_t a(int slot) { return el(slot).node_a; }
  int32_t b(int slot) { return el(slot).node_b; }

  // Wires a Wheatstone bridge: the source's terminal B feeds r1 and r3, r1
  // runs on through r2 and r3 through r4 back to the source's terminal A,
  // and `middle` joins the node after r1 (its A) to the node after r3 (its
  // B).
  void bridge(int source, int r1, int r2, int r3, int r4, int middle) {
    wire(b(source), a(r1));
    wire(b(source), a(r3));
    wire(b(r1), a(r2));
    wire(b(r3), a(r4));
    wire(b(r2), a(source));
    wire(b(r4), a(source));
    wire(b(r1), a(middle));
    wire(b(r3), b(middle));
  }

  int settle() { return Settle(bench); }
};

}  // namespace voltaro::testing
