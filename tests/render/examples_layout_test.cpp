// The example experiments as a teacher first sees them: in both views every
// wire runs along or across the bench and meets its terminals squarely,
// though several terminals stand elsewhere on the symbol than on the
// picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/experiment_file.h"
#include "model/bench.h"
#include "model/tables.h"

namespace voltaro {
namespace {

std::vector<std::filesystem::path> Examples() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(VOLTARO_EXAMPLES)) {
    if (entry.path().extension() == ".ele") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(Examples, WiresRunSquareInBothViews) {
  const auto files = Examples();
  ASSERT_GE(files.size(), 13u);
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    auto bench = std::make_unique<Bench>();
    ASSERT_EQ(ReadExperimentFile(*bench, file), OpenOutcome::Opened);
    for (int view : {0, 1}) {
      bench->circuit_view = view;
      ApplyRheostatOffsets(*bench);  // the coil terminals follow the view
      for (int i = 0; i < WIRE_SLOTS && bench->wires[i].state != WIRE_FREE; ++i) {
        const WireRecord& w = bench->wires[i];
        if (w.state != WIRE_DRAWN) continue;
        const auto a = TerminalPosition(*bench, w.node_a, view);
        const auto b = TerminalPosition(*bench, w.node_b, view);
        ASSERT_TRUE(a && b) << "wire " << i;
        std::vector<Point> line{*a};
        line.insert(line.end(), w.points.begin(), w.points.begin() + w.point_count);
        line.push_back(*b);
        for (size_t k = 0; k + 1 < line.size(); ++k) {
          const Point p = line[k], q = line[k + 1];
          EXPECT_TRUE((p.x == q.x) != (p.y == q.y))
              << (view ? "circuit" : "object") << " view, wire " << i << ": (" << p.x << "," << p.y
              << ") to (" << q.x << "," << q.y << ")";
        }
      }
    }
  }
}

}  // namespace
}  // namespace voltaro
