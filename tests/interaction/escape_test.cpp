// Escape on the bench: the wire being drawn is dropped, and so is what was
// picked in the components box, so that the next press does what a press
// in select mode does.

#include <functional>

#include "fakes.h"
#include "model/tables.h"

namespace voltaro {
namespace {

using testing::MouseBench;

struct Case {
  const char* name;
  std::function<void(MouseBench&)> before;  // what the pupil was doing
};

const Case CASES[] = {
    {"a wire with a bend",
     [](MouseBench& t) {
       t.click(163, 200);  // terminal A of the resistor at (200, 200)
       t.click(163, 400);
       t.move(300, 450);
     }},
    {"a wire just started", [](MouseBench& t) { t.click(237, 200); }},
    {"a bulb picked in the box", [](MouseBench& t) { t.mouse.set_pending_kind(KIND_BULB); }},
    {"the magnifier picked", [](MouseBench& t) { t.mouse.set_pending_kind(KIND_MAGNIFIER); }},
    {"a black box being drawn",
     [](MouseBench& t) {
       t.mouse.set_pending_kind(KIND_BLACK_BOX);
       t.press(600, 100);
       t.move(700, 150);
     }},
    {"a wire, with a cell picked in the box",
     [](MouseBench& t) {
       t.click(163, 200);
       t.mouse.set_pending_kind(KIND_DRY_CELL);
     }},
};

TEST(Escape, DropsTheWireAndWhatWasPicked) {
  for (const Case& c : CASES) {
    SCOPED_TRACE(c.name);
    MouseBench t;
    t.place(KIND_FIXED_RESISTOR, 200, 200);
    t.place(KIND_FIXED_RESISTOR, 500, 400);
    t.renderer.Draw_obj();
    const QImage bench_before = t.renderer.image().copy();
    c.before(t);
    const int resets = t.ui.box_resets;
    const bool picked = t.mouse.view().pending_kind != 0;
    t.mouse.Escape();
    EXPECT_FALSE(t.mouse.view().wire_in_progress);
    EXPECT_EQ(t.mouse.view().pending_kind, 0);
    EXPECT_FALSE(t.mouse.view().band_active);
    EXPECT_EQ(t.ui.box_resets > resets, picked);  // the box back to Select
    // No rubber line, bend dot or band is left on the bench.
    EXPECT_EQ(t.renderer.image(), bench_before);

    // The next press on the other resistor selects it: no bend, no wire,
    // nothing placed.
    t.click(500, 400);
    EXPECT_EQ(t.mouse.view().selected_kind, KIND_FIXED_RESISTOR);
    EXPECT_EQ(t.mouse.view().selected_index, 1);
    EXPECT_EQ(CountWires(t.bench), 0);
    EXPECT_EQ(CountElements(t.bench), 2);
    EXPECT_EQ(CountBlackBoxes(t.bench), 0);
    EXPECT_FALSE(t.ui.magnifier);
  }
}

}  // namespace
}  // namespace voltaro
