// Feedback drawn in XOR onto the picture the window shows, so that drawing
// it a second time at the same place takes it away again: the outline of a
// dragged object, the black-box band, the rubber line and the dots of a wire
// being drawn. It is drawn in bench pixels, whatever the window's zoom.

#include <QPainter>

#include "interaction/bench_interaction.h"
#include "interaction/hit_test.h"
#include "model/kinds.h"

namespace voltaro {

void BenchInteraction::drag_outline(int cx, int cy) {
  renderer_.draw_feedback([&](QPainter& p) {
    Pen(p, QColor(0, 255, 255));
    if (selected_kind == KIND_NOTE) {
      const NoteRecord& n = bench_.notes[selected_index];
      Frame(p, cx, cy, cx + n.width, cy + n.height);
    } else {
      const Offset h = DragExtents(bench_, selected_kind, selected_index);
      Frame(p, cx - h.dx, cy - h.dy, cx + h.dx, cy + h.dy);
    }
  });
  ui_.picture_changed();
}

void BenchInteraction::band_rectangle(Point corner) {
  renderer_.draw_feedback([&](QPainter& p) {
    Pen(p, Qt::white, 1, Qt::DashLine);
    Frame(p, band_start.x, band_start.y, corner.x, corner.y);
  });
  ui_.picture_changed();
}

void BenchInteraction::rubber_line(Point to) {
  renderer_.draw_feedback([&](QPainter& p) {
    Pen(p, BenchColor(16422550), 2);
    Line(p, wire_anchor.x, wire_anchor.y, last_mouse.x, last_mouse.y);
    Line(p, wire_anchor.x, wire_anchor.y, to.x, to.y);
  });
  last_mouse = to;
  ui_.picture_changed();
}

void BenchInteraction::xor_dot(int px, int py) {
  renderer_.draw_feedback([&](QPainter& p) {
    p.setPen(QPen(BenchColor(wire_color), 2, Qt::SolidLine, Qt::SquareCap));
    p.drawPoint(px, py);
  });
  ui_.picture_changed();
}

}  // namespace voltaro
