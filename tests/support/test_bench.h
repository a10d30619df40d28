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

  int settle() { return Settle(bench); }
};

}  // namespace voltaro::testing
