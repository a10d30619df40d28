// Wires with their bends and current arrows, document notes and black boxes.

#include <algorithm>
#include <cmath>

#include "model/tables.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

constexpr double PI = 3.141592653589793;

// Direction of the current along a segment, counter-clockwise from the
// positive x axis with y pointing up.
double ArrowAngle(double dx, double dy_up) {
  if (dx == 0 && dy_up == 0) return 0;
  if (std::fabs(dx) < 1e-100) return dy_up > 0 ? PI / 2 : 3 * PI / 2;
  double t = std::atan2(dy_up, dx);
  if (t < 0) t += 2 * PI;
  return t;
}

// An arrowhead at the middle of the segment pointing the way the current
// flows: from end A to end B for a positive current.
void CurrentArrow(QPainter& p, QPoint a, QPoint b, double sign) {
  const double t = ArrowAngle(sign * (b.x() - a.x()), sign * (a.y() - b.y()));
  const int mx = (a.x() + b.x()) / 2;
  const int my = (a.y() + b.y()) / 2;
  for (double spread : {-0.22, 0.22}) {
    Line(p, Trunc(mx - 15 * std::cos(t + spread)), Trunc(my + 15 * std::sin(t + spread)), mx, my);
  }
}

QFont NoteFont(const NoteRecord& n) {
  QFont f(QString::fromStdString(n.font_name));
  if (n.font_height != 0) {
    f.setPixelSize(std::abs(n.font_height));
  } else {
    f.setPointSize(n.font_size > 0 ? n.font_size : 10);
  }
  f.setBold(n.font_style & FONT_BOLD);
  f.setItalic(n.font_style & FONT_ITALIC);
  f.setUnderline(n.font_style & FONT_UNDERLINE);
  f.setStrikeOut(n.font_style & FONT_STRIKE_OUT);
  return f;
}

}  // namespace

void Draw_zhu_shi_s(PaintContext& c) {
  QPainter& p = c.p;
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < NOTE_SLOTS && c.bench.notes[i].in_use; ++i) {
    const NoteRecord& n = c.bench.notes[i];
    p.setFont(NoteFont(n));
    p.setPen(BenchColor(n.font_color));
    for (size_t k = 0; k < n.lines.size(); ++k) {
      const int dy = Trunc(std::fabs(n.font_height * 1.1 * static_cast<double>(k)));
      TextAt(p, n.x, n.y + dy, QString::fromStdString(n.lines[k]));
    }
    if (c.selected(1000, i)) SelectionOutline(p, n.x, n.y, n.x + n.width, n.y + n.height);
  }
}

void DrawWires(PaintContext& c) {
  QPainter& p = c.p;
  const int view = c.bench.circuit_view ? 1 : 0;
  for (int i = 0; i < WIRE_SLOTS && c.bench.wires[i].state != WIRE_FREE; ++i) {
    const WireRecord& w = c.bench.wires[i];
    if (w.state != WIRE_DRAWN) continue;
    const bool selected = c.selection.wire_selected && c.selection.wire == i;
    const QColor color = selected ? QColor(255, 0, 0) : BenchColor(w.color);
    // The polyline from terminal A through the bends to terminal B. An end
    // whose terminal is gone is left out rather than drawn to a corner.
    QPoint line[WIRE_POINTS + 2];
    int count = 0;
    if (auto a = TerminalPosition(c.bench, w.node_a, view)) line[count++] = {a->x, a->y};
    const int bends = std::clamp(w.point_count, 0, WIRE_POINTS);
    for (int k = 0; k < bends; ++k) line[count++] = {w.points[k].x, w.points[k].y};
    if (auto b = TerminalPosition(c.bench, w.node_b, view)) line[count++] = {b->x, b->y};
    Pen(p, color, 2);
    p.drawPolyline(line, count);
    if (c.bench.show_current_direction && std::fabs(w.current) > 1e-8) {
      const double sign = w.current > 0 ? 1 : -1;
      for (int k = 0; k + 1 < count; ++k) CurrentArrow(p, line[k], line[k + 1], sign);
    }
    if (bends > 0) {
      QPen dot(QColor(180, 180, 50), 6, Qt::SolidLine, Qt::RoundCap);
      p.setPen(dot);
      for (int k = 0; k < bends; ++k) p.drawPoint(w.points[k].x, w.points[k].y);
    }
  }
  Pen(p, Qt::black, 1);
}

void Draw_heihezi(PaintContext& c) {
  QPainter& p = c.p;
  for (int i = 0; i < BLACK_BOX_SLOTS && c.bench.black_boxes[i].in_use; ++i) {
    const BlackBoxRecord& b = c.bench.black_boxes[i];
    Pen(p, Qt::black);
    Box(p, b.x, b.y, b.x + b.width, b.y + b.height, BenchColor(b.color));
  }
}

}  // namespace voltaro
