#pragma once
// Stands in for the window's drawing: records what the bench tells its
// observer.

#include <utility>
#include <vector>

#include "model/behaviour.h"
#include "model/bench.h"
#include "model/bench_observer.h"
#include "model/tables.h"

namespace voltaro::testing {

class RecordingObserver : public BenchObserver {
 public:
  // With `state_rules`, each analysis is followed by the state rules, as the
  // drawing would run them; without, nothing changes after a solution.
  explicit RecordingObserver(Bench& bench, bool state_rules = false)
      : state_rules(state_rules), bench_(bench) {
    bench.observer = this;
  }
  ~RecordingObserver() {
    if (bench_.observer == this) bench_.observer = nullptr;
  }
  RecordingObserver(const RecordingObserver&) = delete;
  RecordingObserver& operator=(const RecordingObserver&) = delete;

  void analysed(Bench& bench) override {
    ++analyses;
    if (state_rules) ApplyStateRules(bench);
  }
  void element_moved(int from, int to) override { moves.push_back({from, to}); }
  void replaced(Bench& bench) override {
    ++replacements;
    elements_when_replaced = CountElements(bench);
  }

  bool state_rules;
  int analyses = 0;
  int replacements = 0;
  int elements_when_replaced = 0;
  std::vector<std::pair<int, int>> moves;

 private:
  Bench& bench_;
};

}  // namespace voltaro::testing
