// Writes the example experiments of examples/ with the program's own writer.
// Each bench is laid out as a teacher would set it up on a table: source on
// the left, the circuit running clockwise, meters where they can be read, a
// note saying what to do.
//
//   make_examples OUT_DIR

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/experiment_file.h"
#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace {

using namespace voltaro;

// A bench being laid out, with small helpers for the common moves.
struct Layout {
  std::unique_ptr<Bench> owned = std::make_unique<Bench>();
  Bench& b = *owned;

  int put(int32_t kind, int x, int y) {
    const PlaceResult r = PlaceComponent(b, kind, x, y);
    if (r.outcome != PlaceOutcome::Placed) std::fprintf(stderr, "cannot place kind %d\n", kind);
    return r.index;
  }
  ElementRecord& el(int i) { return b.elements[i]; }
  int32_t A(int i) { return b.elements[i].node_a; }
  int32_t B(int i) { return b.elements[i].node_b; }
  void wire(int32_t from, int32_t to, std::initializer_list<Point> bends = {}) {
    if (ConnectTerminals(b, from, to, bends) < 0) std::fprintf(stderr, "cannot wire\n");
  }
  // A note in 13 pixel Arial, its frame measured as the note dialog does.
  void note(int x, int y, std::vector<std::string> lines, int32_t color = 0x803000) {
    const int index = CountNotes(b);
    NoteRecord& n = b.notes[index];
    n.in_use = 1;
    n.x = x;
    n.y = y;
    n.font_name = "Arial";
    n.font_height = -13;
    n.font_size = 10;
    n.font_color = color;
    n.font_charset = 1;
    QFont font("Arial");
    font.setPixelSize(13);
    const QFontMetrics metrics(font);
    for (const std::string& line : lines) {
      n.width = std::max(n.width, metrics.horizontalAdvance(QString::fromStdString(line)));
    }
    n.lines = std::move(lines);
    n.height = static_cast<int>(std::fabs(n.lines.size() * n.font_height * 1.1));
  }
};

// Ohm's law: a battery set drives a fixed resistor through a switch, a slide
// rheostat and a pointer ammeter; a pointer voltmeter reads the resistor.
void OhmsLaw(Layout& l) {
  const int cell = l.put(KIND_BATTERY_SET, 160, 420);
  const int sw = l.put(KIND_SPST_SWITCH, 160, 240);
  l.el(sw).is_open = 0;
  const int res = l.put(KIND_FIXED_RESISTOR, 560, 560);
  l.el(res).resistance = 10;
  const int rh = l.put(KIND_SLIDE_RHEOSTAT, 430, 240);
  l.b.rheostats[rh].resistance = 20;
  l.b.rheostats[rh].show_params = 1;
  const int am = l.put(KIND_POINTER_AMMETER, 720, 300);
  const int vm = l.put(KIND_POINTER_VOLTMETER, 560, 430);
  const RheostatRecord& r = l.b.rheostats[rh];
  const DualMeterRecord& a = l.b.ammeters[am];
  const DualMeterRecord& v = l.b.voltmeters[vm];
  l.wire(l.B(cell), l.B(sw), {{208, 420}, {208, 255}});  // + pole up to the switch
  l.wire(l.A(sw), r.node_coil_a, {{124, 290}, {400, 290}});
  l.wire(r.node_bar_b, a.node_high, {{492, 200}, {840, 200}, {840, 400}, {726, 400}});  // 0.6 A
  l.wire(a.node_common, l.B(res), {{683, 380}, {640, 380}, {640, 560}});
  l.wire(l.A(res), l.A(cell), {{480, 560}, {112, 560}});
  l.wire(v.node_mid, l.B(res), {{566, 510}, {595, 510}});  // 3 V terminal
  l.wire(v.node_common, l.A(res), {{523, 520}, {523, 560}});
  l.note(40, 30, {"Ohm's law",
                  "Move the slider of the rheostat and read the ammeter and the voltmeter.",
                  "Voltage divided by current stays the same: the resistor has 10 ohm.",
                  "Try other resistances in the resistor's Propertiy dialog."});
}

// Two bulbs in series and two in parallel on equal supplies.
void SeriesParallel(Layout& l) {
  const auto bulb = [&](int x, int y) {
    const int i = l.put(KIND_BULB, x, y);
    l.el(i).param1 = 0.75;                     // 2.5 V, 0.75 W
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
  const int s1 = supply(200, 300);
  const int b1 = bulb(380, 200), b2 = bulb(560, 200);
  l.wire(l.B(s1), l.A(b1), {{223, 208}});
  l.wire(l.B(b1), l.A(b2), {{381, 240}, {520, 240}, {520, 208}});
  l.wire(l.B(b2), l.A(s1), {{561, 330}, {175, 330}});
  // In parallel: each bulb gets the whole voltage and glows at its rating.
  const int s2 = supply(200, 560);
  const int b3 = bulb(400, 470), b4 = bulb(560, 470);
  l.wire(l.B(s2), l.A(b3), {{223, 478}});
  l.wire(l.B(s2), l.A(b4), {{223, 440}, {520, 440}, {520, 478}});
  l.wire(l.B(b3), l.A(s2), {{401, 600}, {175, 600}});
  l.wire(l.B(b4), l.B(b3), {{561, 600}, {401, 600}});
  l.note(40, 30, {"Bulbs in series and in parallel",
                  "All four bulbs are rated 2.5 V, 0.75 W and both supplies give 2.5 V.",
                  "In series (top) each bulb has half the voltage and glows dimly;",
                  "in parallel (bottom) each has the full voltage and glows brightly."});
}

// A cell's internal resistance: read the terminal voltage at two currents.
void InternalResistance(Layout& l) {
  const int src = l.put(KIND_VOLTAGE_SUPPLY, 180, 420);
  l.el(src).emf = 3;
  l.el(src).resistance = 1.5;
  l.el(src).show_params = 1;
  const int sw = l.put(KIND_SPST_SWITCH, 180, 240);
  l.el(sw).is_open = 0;
  const int rh = l.put(KIND_SLIDE_RHEOSTAT, 460, 240);
  l.b.rheostats[rh].resistance = 10;
  l.b.rheostats[rh].show_params = 1;
  const int am = l.put(KIND_POINTER_AMMETER, 720, 420);
  const int vm = l.put(KIND_POINTER_VOLTMETER, 420, 470);
  const RheostatRecord& r = l.b.rheostats[rh];
  const DualMeterRecord& a = l.b.ammeters[am];
  const DualMeterRecord& v = l.b.voltmeters[vm];
  l.wire(l.B(src), l.B(sw), {{203, 340}, {213, 340}});
  l.wire(l.A(sw), r.node_coil_a, {{144, 290}, {430, 290}});
  l.wire(r.node_bar_b, a.node_mid, {{522, 190}, {753, 190}});  // 3 A terminal
  l.wire(a.node_common, l.A(src), {{683, 560}, {155, 560}});
  l.wire(v.node_mid, l.B(src), {{426, 380}, {203, 380}});
  l.wire(v.node_common, l.A(src), {{383, 560}});
  l.note(40, 30, {"Measuring a supply's internal resistance",
                  "The voltmeter reads the voltage at the supply's terminals.",
                  "Change the current with the rheostat: the terminal voltage drops by I x r.",
                  "Two readings give r = (U1 - U2) / (I2 - I1); here r = 1.5 ohm."});
}

// A Wheatstone bridge in balance: the galvanometer stays at zero.
void Wheatstone(Layout& l) {
  const int cell = l.put(KIND_BATTERY_SET, 200, 620);
  const int r1 = l.put(KIND_FIXED_RESISTOR, 380, 220);
  const int r2 = l.put(KIND_FIXED_RESISTOR, 660, 220);
  const int r3 = l.put(KIND_FIXED_RESISTOR, 380, 460);
  const int r4 = l.put(KIND_FIXED_RESISTOR, 660, 460);
  const double values[] = {100, 200, 50, 100};
  int k = 0;
  for (int r : {r1, r2, r3, r4}) {
    l.el(r).resistance = values[k++];
    l.el(r).show_params = 1;
  }
  const int g = l.put(KIND_GALVANOMETER, 520, 290);
  l.wire(l.B(cell), l.A(r1), {{248, 580}, {260, 580}, {260, 220}});
  l.wire(l.A(r3), l.A(r1), {{260, 460}, {260, 220}});
  l.wire(l.B(r1), l.A(r2));
  l.wire(l.B(r3), l.A(r4));
  l.wire(l.B(r2), l.B(r4), {{780, 220}, {780, 460}});
  l.wire(l.B(r4), l.A(cell), {{780, 460}, {780, 680}, {152, 680}});
  l.wire(l.A(g), l.B(r1), {{483, 360}, {470, 360}, {470, 220}});
  l.wire(l.B(g), l.B(r3), {{553, 400}, {450, 400}, {450, 460}});
  l.note(40, 30, {"Wheatstone bridge",
                  "R1 : R2 = R3 : R4 (100 : 200 = 50 : 100), so the bridge is in balance",
                  "and the galvanometer shows no current. Change one resistance and",
                  "watch the needle swing."});
}

// A relay: a small control circuit switches the bell's circuit.
void RelayBell(Layout& l) {
  const int cell = l.put(KIND_DRY_CELL, 170, 480);
  const int sw = l.put(KIND_SPST_SWITCH, 170, 300);
  const int relay = l.put(KIND_RELAY, 470, 380);
  const int ctrl = l.put(KIND_FIXED_RESISTOR, 330, 560);
  l.el(ctrl).resistance = 10;
  const int set = l.put(KIND_BATTERY_SET, 760, 560);
  const int bell = l.put(KIND_BELL, 760, 300);
  l.el(bell).param1 = 0.25;
  const RelayRecord& r = l.b.relays[relay];
  l.wire(l.B(cell), l.B(sw), {{213, 480}, {213, 315}});
  l.wire(l.A(sw), r.node_coil_a, {{134, 240}, {434, 240}});
  l.wire(r.node_coil_b, l.B(ctrl), {{460, 460}, {365, 460}, {365, 560}});
  l.wire(l.A(ctrl), l.A(cell), {{127, 560}});
  l.wire(l.B(set), r.node_contact_a, {{808, 500}, {580, 500}, {580, 378}});
  l.wire(r.node_contact_b, l.A(bell), {{560, 392}, {560, 271}, {742, 271}});
  l.wire(l.B(bell), l.A(set), {{776, 230}, {870, 230}, {870, 640}, {712, 640}});
  l.note(40, 30, {"An electromagnetic relay rings a bell",
                  "Close the switch on the left: the small current through the coil",
                  "pulls the contact closed, and the battery on the right rings the bell."});
}

// A fuse protects the circuit: closing the switch shorts the bulb.
void FuseShort(Layout& l) {
  const int set = l.put(KIND_BATTERY_SET, 180, 440);
  const int fuse = l.put(KIND_FUSE, 360, 240);
  l.el(fuse).max_current = 1;
  l.el(fuse).show_params = 1;
  const int bulb = l.put(KIND_BULB, 620, 300);
  l.el(bulb).param1 = 3.6;  // 6 V, 0.6 A
  l.el(bulb).resistance = 10;
  const int sw = l.put(KIND_SPST_SWITCH, 620, 480);
  const int lead = l.put(KIND_STRAIGHT_LEAD, 620, 600);
  l.wire(l.B(set), l.A(fuse), {{228, 240}});
  l.wire(l.B(fuse), l.A(bulb), {{609, 240}});
  l.wire(l.B(bulb), l.A(set), {{621, 380}, {132, 380}});
  l.wire(l.A(sw), l.B(fuse), {{560, 495}, {560, 240}});
  l.wire(l.B(sw), l.B(lead), {{720, 495}, {720, 600}});
  l.wire(l.A(lead), l.A(set), {{132, 600}});
  l.note(40, 30, {"A fuse against a short circuit",
                  "The bulb draws 0.6 A through the 1 A fuse.",
                  "Close the switch: the lead shorts the bulb, the current jumps",
                  "and the fuse blows. \"Repair components\" mends it."});
}

// A diode conducts one way only.
void DiodeBothWays(Layout& l) {
  for (int row = 0; row < 2; ++row) {
    const int y = 260 + 260 * row;
    const int cell = l.put(KIND_DRY_CELL, 180, y);
    const int diode = l.put(KIND_DIODE, 420, y - 100);
    const int bulb = l.put(KIND_BULB, 640, y);
    l.el(bulb).param1 = 0.3;
    l.el(bulb).resistance = 1.5 * 1.5 / 0.3;
    l.el(bulb).max_current = 0.5;
    if (row == 0) {
      l.wire(l.B(cell), l.A(diode), {{223, y - 100}});
      l.wire(l.B(diode), l.A(bulb), {{629, y - 100}});
    } else {
      l.wire(l.B(cell), l.B(diode), {{223, y - 60}, {470, y - 60}, {470, y - 100}});
      l.wire(l.A(diode), l.A(bulb), {{360, y - 100}, {360, y - 140}, {629, y - 140}});
    }
    l.wire(l.B(bulb), l.A(cell), {{641, y + 60}, {137, y + 60}});
  }
  l.note(40, 30, {"A diode conducts in one direction only",
                  "Top: the diode points with the current and the bulb lights.",
                  "Bottom: the same diode turned round blocks the current."});
}

// A black box hides a network of resistors; only two leads come out.
void BlackBoxNetwork(Layout& l) {
  const int left = l.put(KIND_STRAIGHT_LEAD, 400, 380);
  const int right = l.put(KIND_STRAIGHT_LEAD, 700, 380);
  const int r1 = l.put(KIND_FIXED_RESISTOR, 520, 330);
  const int r2 = l.put(KIND_FIXED_RESISTOR, 520, 430);
  const int r3 = l.put(KIND_FIXED_RESISTOR, 600, 380);
  l.el(r1).resistance = 30;
  l.el(r2).resistance = 60;
  l.el(r3).resistance = 20;
  l.wire(l.B(left), l.A(r1), {{450, 330}});
  l.wire(l.B(left), l.A(r2), {{450, 430}});
  l.wire(l.B(r1), l.A(r3), {{563, 380}});
  l.wire(l.B(r2), l.A(r3), {{563, 380}});
  l.wire(l.B(r3), l.A(right));
  const int meter = l.put(KIND_DIGITAL_OHMMETER, 550, 620);
  l.wire(l.A(meter), l.A(left), {{533, 680}, {340, 680}, {340, 380}});
  l.wire(l.B(meter), l.B(right), {{567, 680}, {780, 680}, {780, 380}});
  BlackBoxRecord& box = l.b.black_boxes[0];
  box.in_use = 1;
  box.x = 440;
  box.y = 290;
  box.width = 220;
  box.height = 180;
  box.color = 0x404040;
  box.password = "physics";
  l.note(40, 30, {"What is inside the black box?",
                  "The ohmmeter reads the resistance between the two leads.",
                  "Guess the network inside, then open the box (right-click it;",
                  "ask your teacher for the password) and check."});
}

// Coil and magnet: push the magnet in and pull it out, watch the galvanometer.
void CoilAndMagnet(Layout& l) {
  const int coil = l.put(KIND_COIL_AND_MAGNET, 300, 460);
  const int g = l.put(KIND_GALVANOMETER, 620, 420);
  l.wire(l.A(coil), l.A(g), {{400, 428}, {400, 520}, {583, 520}});
  l.wire(l.B(coil), l.B(g), {{340, 560}, {653, 560}});
  l.note(40, 30, {"Electromagnetic induction",
                  "Drag the magnet down into the coil and up again.",
                  "The galvanometer kicks while the magnet moves, one way in, the other way out,",
                  "and rests when the magnet stands still."});
}

// A rod sliding on rails across a magnetic field.
void CuttingRod(Layout& l) {
  const int rod = l.put(KIND_CUTTING_ROD, 400, 380);
  l.el(rod).param3 = 2;
  l.el(rod).param2 = 0.5;
  l.el(rod).show_params = 3;
  const int am = l.put(KIND_DIGITAL_AMMETER, 760, 420);
  l.wire(l.A(rod), l.B(am), {{777, 340}});
  l.wire(l.B(rod), l.A(am), {{743, 419}});
  l.note(40, 30, {"A rod cutting magnetic lines of force",
                  "The rod moves at 2 m/s through a 0.5 T field: the induced current",
                  "flows through the ammeter and the field pushes back on the rod."});
}

void Machine(Layout& l, int32_t kind, const std::vector<std::string>& words) {
  const int m = l.put(kind, 380, 380);
  l.el(m).show_params = 1;
  if (kind == KIND_DC_MOTOR) {
    const int cell = l.put(KIND_BATTERY_SET, 720, 560);
    const int sw = l.put(KIND_SPST_SWITCH, 720, 420);
    l.el(sw).is_open = 0;
    l.wire(l.A(m), l.B(sw), {{753, 452}});
    l.wire(l.A(sw), l.A(cell), {{640, 435}, {640, 560}, {672, 560}});
    l.wire(l.B(m), l.B(cell), {{367, 620}, {768, 620}, {768, 560}});
  } else {
    const int bulb = l.put(KIND_BULB, 700, 420);
    l.el(bulb).param1 = 0.5;
    l.el(bulb).resistance = 4.5;
    l.el(bulb).max_current = 1;
    l.wire(l.A(m), l.A(bulb), {{689, 448}});
    l.wire(l.B(m), l.B(bulb), {{367, 600}, {701, 600}});
  }
  l.note(40, 30, words);
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
