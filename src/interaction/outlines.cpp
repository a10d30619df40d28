// Feedback drawn straight onto the bench picture in XOR, so that drawing it
// a second time at the same place takes it away again: the outline of a
// dragged object, the black-box band, the rubber line and the dots of a wire
// being drawn.

#include <QPainter>

#include "interaction/bench_interaction.h"
#include "interaction/hit_test.h"
#include "model/kinds.h"

namespace voltaro {
namespace {

struct XorPainter {
  QPainter p;
  explicit XorPainter(QImage& image) : p(&image) {
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setBrush(Qt::NoBrush);
  }
};

}  // namespace

void BenchInteraction::drag_outline(int cx, int cy) {
  XorPainter x(renderer_.image());
  Pen(x.p, QColor(0, 255, 255));
  if (selected_kind == KIND_NOTE) {
    const NoteRecord& n = bench_.notes[selected_index];
    Frame(x.p, cx, cy, cx + n.width, cy + n.height);
  } else {
    const Offset h = DragExtents(bench_, selected_kind, selected_index);
    Frame(x.p, cx - h.dx, cy - h.dy, cx + h.dx, cy + h.dy);
  }
  x.p.end();
  ui_.picture_changed();
}

void BenchInteraction::band_rectangle(Point corner) {
  XorPainter x(renderer_.image());
  Pen(x.p, Qt::white, 1, Qt::DashLine);
  Frame(x.p, band_start.x, band_start.y, corner.x, corner.y);
  x.p.end();
  ui_.picture_changed();
}

void BenchInteraction::rubber_line(Point to) {
  XorPainter x(renderer_.image());
  Pen(x.p, BenchColor(16422550), 2);
  Line(x.p, wire_anchor.x, wire_anchor.y, last_mouse.x, last_mouse.y);
  Line(x.p, wire_anchor.x, wire_anchor.y, to.x, to.y);
  x.p.end();
  last_mouse = to;
  ui_.picture_changed();
}

void BenchInteraction::xor_dot(int px, int py) {
  XorPainter x(renderer_.image());
  QPen pen(BenchColor(wire_color), 2, Qt::SolidLine, Qt::SquareCap);
  x.p.setPen(pen);
  x.p.drawPoint(px, py);
  x.p.end();
  ui_.picture_changed();
}

}  // namespace voltaro
