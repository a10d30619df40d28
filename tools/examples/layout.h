#pragma once
// The example experiments are laid out with these helpers; each experiment
// is one function that builds its bench.

#include <QFont>
#include <QFontMetrics>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace voltaro::examples {

// A bench being laid out, with small helpers for the common moves.
//
// Wires run along and across the bench and meet each terminal from the side
// where it is free: cells, resistors, fuses and leads end to end, meters, the
// coil of the relay and the bell from below, supplies from above. Where a
// terminal sits elsewhere on the symbol than on the picture, the wire is
// brought in so that it meets both squarely.
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
  // A bulb's contacts are the tab at the side of its cap (A) and its foot
  // (B) in the picture, and the lead ends 25 pixels either side of the
  // centre in the symbol. A wire through these points turns in to the
  // contact in the picture and runs on to the lead end in the symbol, both
  // squarely. The stubs are short, so the current enters at the tab, coming
  // up from below in line with the symbol's stub, and leaves at the foot:
  // that way the arrowheads on the stubs stay on the wire.
  Point bulb_side(int i) { return {el(i).x - 25, el(i).y + 8}; }
  Point bulb_foot(int i) { return {el(i).x + 25, el(i).y + 19}; }
  // A slide rheostat's coil ends are below the tube in the picture and at
  // the ends of the coil's leads in the symbol. A wire coming up from below
  // at the symbol's end turns in under the tube to the picture's terminal.
  Point coil_a_corner(const RheostatRecord& r) { return {r.x - 63, r.y + 15}; }
  Point coil_b_corner(const RheostatRecord& r) { return {r.x + 62, r.y + 15}; }
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

// The induction experiments (induction.cpp).
void CoilAndMagnet(Layout& l);
void CuttingRod(Layout& l);
void Machine(Layout& l, int32_t kind, const std::vector<std::string>& words);

}  // namespace voltaro::examples
