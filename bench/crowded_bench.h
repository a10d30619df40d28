#pragma once
// What painting the crowded bench in a benchmark needs: a GUI application,
// the pictures, a clock.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/geometry.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/ports.h"
#include "model/tables.h"
#include "render/pictures.h"
#include "support/crowded_bench.h"

namespace voltaro::crowded {

// Painting needs a GUI application; without a screen it paints offscreen.
// Made once and kept for the whole run.
inline void EnsureGuiApplication() {
  static const QGuiApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "voltaro_bench";
    static char* argv[] = {name, nullptr};
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}

// The pictures beside the program, as the bench window reads them.
inline const PictureSet* Pictures(benchmark::State& state) {
  static PictureSet pictures;
  static const std::optional<std::string> missing =
      pictures.load(QCoreApplication::applicationDirPath().toStdString() + "/obj");
  if (missing) {
    state.SkipWithError(("cannot read the picture " + *missing).c_str());
    return nullptr;
  }
  return &pictures;
}

// Every timer tick finds the moving apparatus due for its next step.
class TickingClock : public Clock {
 public:
  int64_t now_ms() override { return now_ += 100; }

 private:
  int64_t now_ = 0;
};

// The bench itself is the tests' crowded bench.
using testing::BuildCrowdedBench;

}  // namespace voltaro::crowded
