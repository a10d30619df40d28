// The components box belongs to its bench window: a tool window of that
// window, never above other programs, opened beside it and moving with it.

#include <QScreen>
#include <QTest>

#include "window_fixture.h"

namespace voltaro {
namespace {

TEST_F(WindowFixture, ComponentsBoxIsAToolWindowOfItsBenchWindowOnly) {
  const TForm8& box = window.components_box();
  EXPECT_EQ(box.parentWidget(), &window);
  EXPECT_EQ(box.windowType(), Qt::Tool);
  EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(ComponentsBox, OpensBesideItsWindowAndMovesWithIt) {
  enum Side { RIGHT, LEFT, OVER_THE_BENCH };
  const struct {
    const char* name;
    double left;  // of the screen's width
    double width;
    Side side;
  } cases[] = {
      {"room on the right", 0.02, 0.5, RIGHT},
      {"room on the left only", 0.45, 0.5, LEFT},
      {"no room beside it", 0, 1, OVER_THE_BENCH},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeModal modal;
    NoClipboard clipboard;
    TForm1 window(VOLTARO_PROGRAM_DIR, Pictures(), modal, clipboard);
    const QRect screen = window.screen()->availableGeometry();
    window.setGeometry(screen.left() + int(c.left * screen.width()), screen.top() + 20,
                       int(c.width * screen.width()) - 20, screen.height() - 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.documents().New();
    const TForm8& box = window.components_box();
    ASSERT_TRUE(box.isVisible());
    const QRect frame = window.frameGeometry(), boxed = box.frameGeometry();
    EXPECT_TRUE(screen.contains(boxed));
    switch (c.side) {
      case RIGHT:
        EXPECT_GT(boxed.left(), frame.right());
        break;
      case LEFT:
        EXPECT_LT(boxed.right(), frame.left());
        break;
      case OVER_THE_BENCH:
        EXPECT_TRUE(window.geometry().contains(box.geometry()));
        break;
    }
    // Level with the top of the bench, give or take its frame.
    EXPECT_NEAR(box.y(), window.findChild<BenchView*>()->mapToGlobal(QPoint(0, 0)).y(), 3);

    const QPoint before = box.pos();
    window.move(window.pos() + QPoint(-10, 25));
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.pos() == before + QPoint(-10, 25); }, 30000));
  }
}

}  // namespace
}  // namespace voltaro
