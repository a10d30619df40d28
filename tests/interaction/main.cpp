// The bench's mouse handling draws into images; no screen is needed.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "fakes.h"

namespace voltaro::testing {

const PictureSet& Pictures() {
  static PictureSet* pictures = [] {
    auto* set = new PictureSet;
    const auto missing = set->load(VOLTARO_OBJ_DIR);
    EXPECT_FALSE(missing.has_value()) << *missing;
    return set;
  }();
  return *pictures;
}

}  // namespace voltaro::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
