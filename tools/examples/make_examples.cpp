// Writes the example experiments of examples/ with the program's own writer.
// Each bench is laid out as a teacher would set it up on a table: the source
// beside or below its circuit, the wires run square, meters where they can
// be read, a note saying what to do.
//
//   make_examples OUT_DIR

#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <string>

#include "document/experiment_file.h"
#include "layout.h"

namespace {

using namespace voltaro;
using namespace voltaro::examples;

// Ohm's law: a battery set drives a fixed resistor through a switch, a slide
// rheostat and a pointer ammeter; a pointer voltmeter reads the resistor.
// The set stands on the left with its + pole up, and the current goes round
// clockwise; both meters stand on the bottom run, where it flows leftwards
// into their range terminals and out of their common ones.
void OhmsLaw(Layout& l) {
  const int cell = l.put(KIND_BATTERY_SET, 120, 430);
  l.el(cell).pose = 3;
  const int sw = l.put(KIND_SPST_SWITCH, 250, 285);
  l.el(sw).is_open = 0;
  const int res = l.put(KIND_FIXED_RESISTOR, 560, 600);
  l.el(res).resistance = 10;
  const int rh = l.put(KIND_SLIDE_RHEOSTAT, 470, 250);
  l.b.rheostats[rh].resistance = 20;
  l.b.rheostats[rh].show_params = 1;
  const int am = l.put(KIND_POINTER_AMMETER, 760, 500);
  const int vm = l.put(KIND_POINTER_VOLTMETER, 560, 450);
  const RheostatRecord& r = l.b.rheostats[rh];
  const DualMeterRecord& a = l.b.ammeters[am];
  const DualMeterRecord& v = l.b.voltmeters[vm];
  l.wire(l.B(cell), l.A(sw), {{120, 300}});
  l.wire(l.B(sw), r.node_coil_a, {{407, 300}, l.coil_a_corner(r)});
  l.wire(r.node_bar_b, a.node_high, {{880, 235}, {880, 600}, {766, 600}});  // 0.6 A
  l.wire(a.node_common, l.B(res), {{723, 600}});
  l.wire(l.A(res), l.A(cell), {{120, 600}});
  l.wire(v.node_mid, l.B(res), {{566, 550}, {595, 550}});  // 3 V terminal
  l.wire(v.node_common, l.A(res));
  l.note(40, 30,
         {"Ohm's law", "Move the slider of the rheostat and read the ammeter and the voltmeter.",
          "Voltage divided by current stays the same: the resistor has 10 ohm.",
          "Try other resistances in the resistor's Properties dialog."});
}

// Two bulbs in series and two in parallel on equal supplies. Each supply
// stands below and to the left of its bulbs, its + pole feeding a run that
// passes under the bulbs; the current comes back over the top to the - pole.
void SeriesParallel(Layout& l) {
  const auto bulb = [&](int x, int y) {
    const int i = l.put(KIND_BULB, x, y);
    l.el(i).param1 = 0.75;  // 2.5 V, 0.75 W
    l.el(i).resistance = 2.5 * 2.5 / 0.75;
    l.el(i).max_current = 0.5;
    return i;
  };
  const auto supply = [&](int x, int y) {
    const int i = l.put(KIND_VOLTAGE_SUPPLY, x, y);
    l.el(i).emf = 2.5;
    return i;
  };
  // In series: each bulb gets half the voltage and glows dimly.
  const int s1 = supply(300, 330);
  const int b1 = bulb(440, 200), b2 = bulb(600, 200);
  l.wire(l.B(s1), l.A(b1), {{323, 270}, {415, 270}, l.bulb_side(b1)});
  l.wire(l.B(b1), l.A(b2), {l.bulb_foot(b1), {465, 270}, {575, 270}, l.bulb_side(b2)});
  l.wire(l.B(b2), l.A(s1), {l.bulb_foot(b2), {680, 219}, {680, 140}, {275, 140}});
  // In parallel: each bulb gets the whole voltage and glows at its rating.
  // Both take their current from the run under them and give it back to a
  // rail above them.
  const int s2 = supply(300, 690);
  const int b3 = bulb(440, 520), b4 = bulb(600, 520);
  l.wire(l.B(s2), l.A(b3), {{323, 600}, {415, 600}, l.bulb_side(b3)});
  l.wire(l.B(s2), l.A(b4), {{323, 600}, {575, 600}, l.bulb_side(b4)});
  l.wire(l.B(b3), l.A(s2), {l.bulb_foot(b3), {520, 539}, {520, 460}, {275, 460}});
  l.wire(l.B(b4), l.A(s2), {l.bulb_foot(b4), {680, 539}, {680, 460}, {275, 460}});
  l.note(40, 30,
         {"Bulbs in series and in parallel",
          "All four bulbs are rated 2.5 V, 0.75 W and both supplies give 2.5 V.",
          "In series (top) each bulb has half the voltage and glows dimly;",
          "in parallel (bottom) each has the full voltage and glows brightly."});
}

// A cell's internal resistance: read the terminal voltage at two currents.
// The voltmeter stands right above the cell, its common terminal straight
// over the cell's - pole; the cell's values are in the note, not over it,
// so the voltmeter's wires come down clear. The current goes round
// anticlockwise: from the + pole up into the rheostat's coil, along the top
// run through the ammeter and the switch, and down into the - pole.
void InternalResistance(Layout& l) {
  const int src = l.put(KIND_DRY_CELL, 260, 580);
  l.el(src).emf = 1.5;
  l.el(src).resistance = 0.5;
  const int sw = l.put(KIND_SPST_SWITCH, 230, 240);
  l.el(sw).is_open = 0;
  const int rh = l.put(KIND_SLIDE_RHEOSTAT, 640, 270);
  l.b.rheostats[rh].resistance = 10;
  l.b.rheostats[rh].show_params = 1;
  const int am = l.put(KIND_POINTER_AMMETER, 400, 170);
  const int vm = l.put(KIND_POINTER_VOLTMETER, 254, 450);
  const RheostatRecord& r = l.b.rheostats[rh];
  const DualMeterRecord& a = l.b.ammeters[am];
  const DualMeterRecord& v = l.b.voltmeters[vm];
  l.wire(l.B(src), r.node_coil_b, {{702, 580}, l.coil_b_corner(r)});
  l.wire(r.node_bar_a, a.node_high, {{406, 255}});  // 0.6 A terminal
  l.wire(a.node_common, l.B(sw), {{363, 255}});
  l.wire(l.A(sw), l.A(src), {{120, 255}, {120, 580}});
  l.wire(v.node_mid, l.B(src), {{260, 535}, {303, 535}});  // 3 V terminal
  l.wire(v.node_common, l.A(src));
  l.note(40, 30,
         {"Measuring a cell's internal resistance",
          "The voltmeter reads the voltage at the cell's terminals.",
          "Change the current with the rheostat: the terminal voltage drops by I x r.",
          "Two readings give r = (U1 - U2) / (I2 - I1). This cell has 1.5 V and r = 0.5 ohm."});
}

// A Wheatstone bridge in balance: the galvanometer stays at zero. The two
// branches run one above the other, the battery set below them, and the
// galvanometer between the branches' middle points.
void Wheatstone(Layout& l) {
  const int cell = l.put(KIND_BATTERY_SET, 460, 640);
  const int r1 = l.put(KIND_FIXED_RESISTOR, 340, 220);
  const int r2 = l.put(KIND_FIXED_RESISTOR, 620, 220);
  const int r3 = l.put(KIND_FIXED_RESISTOR, 340, 460);
  const int r4 = l.put(KIND_FIXED_RESISTOR, 620, 460);
  const double values[] = {100, 200, 50, 100};
  int k = 0;
  for (int r : {r1, r2, r3, r4}) {
    l.el(r).resistance = values[k++];
    l.el(r).show_params = 1;
  }
  const int g = l.put(KIND_GALVANOMETER, 480, 300);
  l.wire(l.B(cell), l.B(r4), {{655, 640}});
  l.wire(l.A(r3), l.A(r1), {{260, 460}, {260, 220}});
  l.wire(l.B(r1), l.A(r2));
  l.wire(l.B(r3), l.A(r4));
  l.wire(l.B(r2), l.B(r4), {{700, 220}, {700, 460}});
  l.wire(l.A(cell), l.A(r3), {{303, 640}});
  l.wire(l.A(g), l.B(r1), {{443, 380}, {375, 380}});
  l.wire(l.B(g), l.A(r4), {{513, 400}, {583, 400}});
  l.note(
      40, 30,
      {"Wheatstone bridge", "R1 : R2 = R3 : R4 (100 : 200 = 50 : 100), so the bridge is in balance",
       "and the galvanometer shows no current. Change one resistance and",
       "watch the needle swing."});
}

// A relay: a small control circuit switches the bell's circuit. The control
// circuit runs below the relay into its coil terminals; the bell's circuit
// leaves the contacts on the right. The bell's wires come up to its screws
// from below, beside its board, and so meet the ends of its symbol's leads
// from below, clear of the dome.
void RelayBell(Layout& l) {
  const int cell = l.put(KIND_DRY_CELL, 180, 600);
  const int sw = l.put(KIND_SPST_SWITCH, 300, 660);
  const int relay = l.put(KIND_RELAY, 500, 470);
  const int ctrl = l.put(KIND_FIXED_RESISTOR, 330, 600);
  l.el(ctrl).resistance = 10;
  const int set = l.put(KIND_BATTERY_SET, 760, 560);
  const int bell = l.put(KIND_BELL, 700, 380);
  l.el(bell).param1 = 0.25;
  const RelayRecord& r = l.b.relays[relay];
  l.wire(l.B(cell), l.A(ctrl));
  l.wire(l.B(ctrl), r.node_coil_a, {{464, 600}});
  l.wire(r.node_coil_b, l.B(sw), {{490, 675}});
  l.wire(l.A(sw), l.A(cell), {{100, 675}, {100, 600}});
  l.wire(r.node_contact_b, l.A(set), {{620, 482}, {620, 560}});
  l.wire(r.node_contact_a, l.A(bell), {{682, 468}});
  l.wire(l.B(bell), l.B(set), {{716, 430}, {860, 430}, {860, 560}});
  l.note(40, 30,
         {"An electromagnetic relay rings a bell",
          "Close the switch at the bottom: the small current through the coil",
          "pulls the contact closed, and the battery on the right rings the bell."});
}

// A fuse protects the circuit: closing the switch shorts the bulb. The bulb
// stands on the top run; the switch and the lead make a second path below
// it, from the fuse straight down and back along the bottom.
void FuseShort(Layout& l) {
  const int set = l.put(KIND_BATTERY_SET, 120, 430);
  l.el(set).pose = 3;
  const int fuse = l.put(KIND_FUSE, 330, 300);
  l.el(fuse).max_current = 1;
  l.el(fuse).show_params = 1;
  const int bulb = l.put(KIND_BULB, 600, 250);
  l.el(bulb).param1 = 3.6;  // 6 V, 0.6 A
  l.el(bulb).resistance = 10;
  const int sw = l.put(KIND_SPST_SWITCH, 603, 470);  // terminal B over the lead's
  const int lead = l.put(KIND_STRAIGHT_LEAD, 600, 620);
  l.wire(l.B(set), l.A(fuse), {{120, 300}});
  l.wire(l.B(fuse), l.A(bulb), {{575, 300}, l.bulb_side(bulb)});
  l.wire(l.B(bulb), l.B(lead), {l.bulb_foot(bulb), {625, 300}, {800, 300}, {800, 620}});
  l.wire(l.A(sw), l.B(fuse), {{359, 485}});
  l.wire(l.B(sw), l.B(lead));
  l.wire(l.A(lead), l.A(set), {{120, 620}});
  l.note(40, 30,
         {"A fuse against a short circuit", "The bulb draws 0.6 A through the 1 A fuse.",
          "Close the switch: the lead shorts the bulb, the current jumps",
          "and the fuse blows. \"Repair components\" mends it."});
}

// A diode conducts one way only. In the bottom circuit the same diode is
// turned round.
void DiodeBothWays(Layout& l) {
  for (int row = 0; row < 2; ++row) {
    const int y = 200 + 240 * row;
    const int cell = l.put(KIND_DRY_CELL, 200, y);
    const int diode = l.put(KIND_DIODE, 420, y);
    if (row == 1) l.el(diode).pose = 5;
    const int bulb = l.put(KIND_BULB, 640, y - 50);
    l.el(bulb).param1 = 0.3;
    l.el(bulb).resistance = 1.5 * 1.5 / 0.3;
    l.el(bulb).max_current = 0.5;
    // Turned round, the diode's terminal B faces the cell.
    l.wire(l.B(cell), row == 0 ? l.A(diode) : l.B(diode));
    l.wire(row == 0 ? l.B(diode) : l.A(diode), l.A(bulb), {{615, y}, l.bulb_side(bulb)});
    l.wire(l.B(bulb), l.A(cell),
           {l.bulb_foot(bulb), {665, y}, {760, y}, {760, y + 100}, {110, y + 100}, {110, y}});
  }
  l.note(40, 30,
         {"A diode conducts in one direction only",
          "Top: the diode points with the current and the bulb lights.",
          "Bottom: the same diode turned round blocks the current."});
}

// A black box hides a network of resistors; only two leads come out.
void BlackBoxNetwork(Layout& l) {
  const int left = l.put(KIND_STRAIGHT_LEAD, 400, 380);
  const int right = l.put(KIND_STRAIGHT_LEAD, 700, 380);
  const int r1 = l.put(KIND_FIXED_RESISTOR, 540, 330);
  const int r2 = l.put(KIND_FIXED_RESISTOR, 540, 430);
  const int r3 = l.put(KIND_FIXED_RESISTOR, 620, 380);
  l.el(r1).resistance = 30;
  l.el(r2).resistance = 60;
  l.el(r3).resistance = 20;
  // Inside the box the wires keep well clear of its edges, so that no
  // current arrow shows outside it.
  l.wire(l.B(left), l.A(r1), {{470, 380}, {470, 330}});
  l.wire(l.B(left), l.A(r2), {{470, 380}, {470, 430}});
  l.wire(l.B(r1), l.A(r3), {{583, 330}});
  l.wire(l.B(r2), l.A(r3), {{583, 430}});
  l.wire(l.B(r3), l.A(right));
  const int meter = l.put(KIND_DIGITAL_OHMMETER, 550, 620);
  l.wire(l.A(meter), l.A(left), {{533, 690}, {320, 690}, {320, 380}});
  l.wire(l.B(meter), l.B(right), {{567, 690}, {780, 690}, {780, 380}});
  BlackBoxRecord& box = l.b.black_boxes[0];
  box.in_use = 1;
  box.x = 420;
  box.y = 290;
  box.width = 260;
  box.height = 180;
  box.color = 0x404040;
  box.password = "physics";
  l.note(
      40, 30,
      {"What is inside the black box?", "The ohmmeter reads the resistance between the two leads.",
       "Guess the network inside, then open the box (right-click it;",
       "ask your teacher for the password) and check."});
}

struct Example {
  const char* file;
  std::function<void(Layout&)> build;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_examples OUT_DIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string dir = argv[1];
  const Example examples[] = {
      {"ohms_law.ele", OhmsLaw},
      {"series_and_parallel_bulbs.ele", SeriesParallel},
      {"internal_resistance.ele", InternalResistance},
      {"wheatstone_bridge.ele", Wheatstone},
      {"relay_and_bell.ele", RelayBell},
      {"fuse_and_short_circuit.ele", FuseShort},
      {"diode_both_ways.ele", DiodeBothWays},
      {"black_box.ele", BlackBoxNetwork},
      {"coil_and_magnet.ele", CoilAndMagnet},
      {"cutting_rod.ele", CuttingRod},
      {"ac_generator.ele",
       [](Layout& l) {
         Machine(l, KIND_AC_GENERATOR,
                 {"An AC generator", "The coil turns between the poles; its voltage changes",
                  "direction every half turn and the bulb flickers with it."});
       }},
      {"dc_generator.ele",
       [](Layout& l) {
         Machine(l, KIND_DC_GENERATOR,
                 {"A DC generator", "The commutator turns the coil's voltage round every",
                  "half turn, so the current in the bulb keeps its direction."});
       }},
      {"dc_motor.ele",
       [](Layout& l) {
         Machine(l, KIND_DC_MOTOR,
                 {"A DC motor", "The current through the coil turns it; more current,",
                  "faster turning. Open the switch and the motor stops."});
       }},
  };
  int failures = 0;
  for (const Example& e : examples) {
    Layout l;
    e.build(l);
    if (!WriteExperimentFile(l.b, dir + "/" + e.file)) {
      std::fprintf(stderr, "save failed! %s\n", e.file);
      ++failures;
    }
  }
  return failures ? 1 : 0;
}
