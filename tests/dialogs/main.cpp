// The dialogs are opened offscreen, in a real application.
#include <gtest/gtest.h>

#include <QApplication>

#include "dialog_fixture.h"

namespace voltaro::testing {

const PictureSet& Pictures() {
  static PictureSet* pictures = [] {
    auto* set = new PictureSet;
    const auto missing = set->load(std::string(VOLTARO_BIN_DIR) + "/obj");
    EXPECT_FALSE(missing.has_value()) << *missing;
    return set;
  }();
  return *pictures;
}

}  // namespace voltaro::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
