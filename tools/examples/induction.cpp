// The induction experiments: the coil and magnet, the rod on its rails and
// the three machines.

#include "layout.h"

namespace voltaro::examples {

// Coil and magnet: push the magnet in and pull it out, watch the galvanometer.
// Each step of the drag induces (pixels moved) x turns x strength x 0.005 V
// in the coil; with 3 turns, strength 3, the coil's 1 ohm and the
// galvanometer's 95 ohm that is 0.47 mA a pixel. At the rate x0.1 one
// division is 1 mA: a slow drag, a pixel a step, kicks the needle about half
// a division, a fast one of six pixels a step nearly three divisions, just
// inside the scale.
void CoilAndMagnet(Layout& l) {
  const int coil = l.put(KIND_COIL_AND_MAGNET, 300, 460);
  l.el(coil).param2 = 3;  // coil 1, turns at the third step
  l.el(coil).param3 = 3;  // magnet 1, strength at the third step
  const int g = l.put(KIND_GALVANOMETER, 620, 420);
  l.el(g).param1 = 0.1;  // rate x0.1
  l.wire(l.A(coil), l.A(g), {{420, 428}, {420, 520}, {583, 520}});
  l.wire(l.B(coil), l.B(g), {{380, 481}, {380, 560}, {653, 560}});
  l.note(40, 30,
         {"Electromagnetic induction", "Drag the magnet down into the coil and up again.",
          "The galvanometer kicks while the magnet moves, one way in, the other way out,",
          "and rests when the magnet stands still. Move it faster and the kick is bigger."});
}

// A rod sliding on rails across a magnetic field.
void CuttingRod(Layout& l) {
  const int rod = l.put(KIND_CUTTING_ROD, 400, 380);
  l.el(rod).param3 = 2;
  l.el(rod).param2 = 0.5;
  l.el(rod).show_params = 3;
  const int am = l.put(KIND_DIGITAL_AMMETER, 760, 420);
  l.wire(l.A(rod), l.B(am), {{820, 340}, {820, 520}, {777, 520}});
  l.wire(l.B(rod), l.A(am), {{700, 419}, {700, 500}, {743, 500}});
  l.note(40, 30,
         {"A rod cutting magnetic lines of force",
          "The rod moves at 2 m/s through a 0.5 T field: the induced current",
          "flows through the ammeter and the field pushes back on the rod."});
}

// A generator lights a bulb, or a battery set turns the motor through a
// switch; the machine's terminals are at the ends of its brush leads.
void Machine(Layout& l, int32_t kind, const std::vector<std::string>& words) {
  const int m = l.put(kind, 380, 380);
  l.el(m).show_params = 1;
  const int32_t a_y = l.el(m).y + l.el(m).term_a_offset[0].dy;
  if (kind == KIND_DC_MOTOR) {
    const int cell = l.put(KIND_BATTERY_SET, 780, 560);
    l.el(cell).pose = 7;  // + pole down
    const int sw = l.put(KIND_SPST_SWITCH, 600, a_y - 15);
    l.el(sw).is_open = 0;
    l.wire(l.A(m), l.A(sw));
    l.wire(l.B(sw), l.A(cell), {{780, a_y}});
    l.wire(l.B(m), l.B(cell), {{367, 640}, {780, 640}});
  } else {
    const int bulb = l.put(KIND_BULB, 700, 400);
    l.el(bulb).param1 = 0.5;
    l.el(bulb).resistance = 4.5;
    l.el(bulb).max_current = 1;
    l.wire(l.A(m), l.A(bulb), {{675, a_y}, l.bulb_side(bulb)});
    l.wire(l.B(m), l.B(bulb), {{367, 560}, {725, 560}, l.bulb_foot(bulb)});
  }
  l.note(40, 30, words);
}

}  // namespace voltaro::examples
