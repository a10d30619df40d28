// A closed black box cannot be wrecked from outside: what reaches under it
// cannot be taken hold of, deleted or cut until the box is opened.

#include <functional>

#include "fakes.h"
#include "interaction/black_box_guard.h"
#include "model/tables.h"

namespace voltaro {
namespace {

using testing::MouseBench;

// A box over (400, 300) .. (600, 450) hiding a resistor, and outside it a
// lead at (250, 375) and a cell at (750, 600).
struct BoxBench : MouseBench {
  int hidden, lead, cell;
  BoxBench() {
    hidden = place(KIND_FIXED_RESISTOR, 500, 375);  // A (463, 375), B (535, 375)
    lead = place(KIND_STRAIGHT_LEAD, 250, 375);     // A (214, 375), B (286, 375)
    cell = place(KIND_DRY_CELL, 750, 600);          // A (707, 600), B (793, 600)
    BlackBoxRecord& box = bench.black_boxes[0];
    box.in_use = 1;
    box.x = 400;
    box.y = 300;
    box.width = 200;
    box.height = 150;
  }
  int wire(int32_t a, int32_t b, std::vector<Point> bends = {}) {
    const int w = TestBench::wire(a, b);
    for (Point p : bends) bench.wires[w].points[bench.wires[w].point_count++] = p;
    return w;
  }
  // "Open Black Box" on a box without a password.
  void open_box() {
    release(500, 320, RIGHT_BUTTON);
    mouse.OpenBlackBox();
    ASSERT_EQ(CountBlackBoxes(bench), 0);
  }
};

struct WireCase {
  const char* name;
  std::function<void(BoxBench&)> wire_up;  // one drawn wire
  Point visible;                           // a point on it outside the box
  bool open_box;
  bool held;  // it can be selected and deleted
};

const WireCase WIRE_CASES[] = {
    {"an end under the box",
     [](BoxBench& t) { t.wire(t.b(t.lead), t.a(t.hidden)); },
     {350, 375},
     false,
     false},
    {"a bend under the box",
     [](BoxBench& t) {
       t.wire(t.b(t.lead), t.a(t.cell), {{500, 375}, {707, 375}});
     },
     {350, 375},
     false,
     false},
    {"a bend outside, another under the box",
     [](BoxBench& t) {
       t.wire(t.b(t.lead), t.a(t.cell), {{500, 375}, {707, 375}});
     },
     {707, 375},
     false,
     false},
    {"passing over the box, both ends outside",
     [](BoxBench& t) {
       t.wire(t.b(t.lead), t.a(t.cell), {{707, 375}});
     },
     {350, 375},
     false,
     true},
    {"an end under the box, opened",
     [](BoxBench& t) { t.wire(t.b(t.lead), t.a(t.hidden)); },
     {350, 375},
     true,
     true},
    {"a bend under the box, opened",
     [](BoxBench& t) {
       t.wire(t.b(t.lead), t.a(t.cell), {{500, 375}, {707, 375}});
     },
     {350, 375},
     true,
     true},
};

TEST(BlackBoxGuard, WiresThatReachUnderAClosedBoxCannotBeTakenHoldOf) {
  for (const WireCase& c : WIRE_CASES) {
    SCOPED_TRACE(c.name);
    BoxBench t;
    c.wire_up(t);
    if (c.open_box) t.open_box();
    const int wires = CountWires(t.bench);
    const Point bends[2] = {t.bench.wires[0].points[0], t.bench.wires[0].points[1]};

    // A left press (and a drag, when it lands on a bend).
    t.press(c.visible.x, c.visible.y);
    EXPECT_EQ(t.mouse.view().wire_selected, c.held);
    t.move(c.visible.x + 30, c.visible.y + 40);
    t.release(c.visible.x + 30, c.visible.y + 40);
    if (!c.held) {
      EXPECT_EQ(t.bench.wires[0].points[0], bends[0]);
      EXPECT_EQ(t.bench.wires[0].points[1], bends[1]);
    }
    t.mouse.Delete();
    EXPECT_EQ(CountWires(t.bench), c.held ? wires - 1 : wires);

    // A right release on it.
    if (!c.held) {
      t.release(c.visible.x, c.visible.y, RIGHT_BUTTON);
      EXPECT_FALSE(t.mouse.view().wire_selected);
      t.mouse.Delete();
      EXPECT_EQ(CountWires(t.bench), wires);
    }
  }
}

struct PartCase {
  const char* name;
  std::function<void(BoxBench&)> wire_up;
  Point grab;  // on the part, outside the box
  bool open_box;
  bool removable;  // Delete and Cut take it
};

const PartCase PART_CASES[] = {
    {"wired to a part under the box",
     [](BoxBench& t) { t.wire(t.b(t.lead), t.a(t.hidden)); },
     {250, 375},
     false,
     false},
    {"wired by a wire that bends under the box",
     [](BoxBench& t) {
       t.wire(t.b(t.lead), t.a(t.cell), {{500, 375}, {707, 375}});
     },
     {250, 375},
     false,
     false},
    {"a terminal of its own under the box",
     [](BoxBench& t) { t.el(t.lead).x = 370; },  // B at (406, 375)
     {340, 375},
     false,
     false},
    {"wired to parts outside only",
     [](BoxBench& t) { t.wire(t.b(t.lead), t.a(t.cell)); },
     {250, 375},
     false,
     true},
    {"wired to a part under the box, opened",
     [](BoxBench& t) { t.wire(t.b(t.lead), t.a(t.hidden)); },
     {250, 375},
     true,
     true},
};

TEST(BlackBoxGuard, PartsWiredIntoAClosedBoxMoveButAreNotDeletedOrCut) {
  for (const PartCase& c : PART_CASES) {
    for (const bool cut : {false, true}) {
      SCOPED_TRACE(::testing::Message() << c.name << (cut ? ", Cut" : ", Delete"));
      BoxBench t;
      c.wire_up(t);
      if (c.open_box) t.open_box();
      const int parts = CountElements(t.bench), wires = CountWires(t.bench);

      t.press(c.grab.x, c.grab.y);
      t.release(c.grab.x, c.grab.y);
      ASSERT_EQ(t.mouse.view().selected_kind, KIND_STRAIGHT_LEAD);
      cut ? t.mouse.Cut() : t.mouse.Delete();
      EXPECT_EQ(CountElements(t.bench), c.removable ? parts - 1 : parts);
      EXPECT_EQ(t.clipboard.content.empty(), !(cut && c.removable));
      if (c.removable) {
        EXPECT_TRUE(t.ui.messages.empty());
        continue;
      }
      EXPECT_EQ(CountWires(t.bench), wires);
      EXPECT_EQ(t.ui.messages, std::vector<std::string>{WIRED_INTO_BLACK_BOX});

      // Still moved: 100 pixels down, its wires following, none cut.
      t.press(c.grab.x, c.grab.y);
      t.move(c.grab.x, c.grab.y + 100);
      t.release(c.grab.x, c.grab.y + 100);
      EXPECT_EQ(t.el(t.lead).y, 475);
      EXPECT_EQ(CountWires(t.bench), wires);
    }
  }
}

}  // namespace
}  // namespace voltaro
