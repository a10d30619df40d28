// Wires with their bends and current arrows, document notes and black boxes.

#include <algorithm>
#include <cmath>
#include <vector>

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
// flows: from end A to end B for a positive current. Its two strokes are
// added to `strokes`.
void CurrentArrow(std::vector<QLine>& strokes, QPoint a, QPoint b, double sign) {
  const double t = ArrowAngle(sign * (b.x() - a.x()), sign * (a.y() - b.y()));
  const int mx = (a.x() + b.x()) / 2;
  const int my = (a.y() + b.y()) / 2;
  for (double spread : {-0.22, 0.22}) {
    strokes.emplace_back(Trunc(mx - 15 * std::cos(t + spread)),
                         Trunc(my + 15 * std::sin(t + spread)), mx, my);
  }
}

// Where every terminal stands, by node id. Built once per redraw, so each
// wire end is one search instead of a walk over every table; where two
// terminals carry the same id the first in table order wins, as in the walk.
class TerminalIndex {
 public:
  TerminalIndex(const Bench& bench, int view) {
    ForEachTerminal(bench, view, [this](int32_t id, Point at) {
      entries_.push_back({id, at});
      return false;
    });
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& l, const Entry& r) { return l.id < r.id; });
  }

  const Point* find(int32_t id) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), id,
                                     [](const Entry& e, int32_t key) { return e.id < key; });
    return it != entries_.end() && it->id == id ? &it->at : nullptr;
  }

 private:
  struct Entry {
    int32_t id;
    Point at;
  };
  std::vector<Entry> entries_;
};

// A wire laid square, every stretch along or across the bench and none
// doubling back on the one before, covers exactly its stretches widened by
// one pixel on every side: the pen's square ends and mitred corners add
// nothing more. Filling those rectangles is much quicker than stroking the
// outline of the whole wire.
bool LaidSquare(const QPoint* line, int count) {
  if (count < 2) return false;
  for (int k = 0; k + 1 < count; ++k) {
    const QPoint d = line[k + 1] - line[k];
    if ((d.x() == 0) == (d.y() == 0)) return false;
    if (k == 0) continue;
    const QPoint before = line[k] - line[k - 1];
    if (before.x() * d.x() < 0 || before.y() * d.y() < 0) return false;
  }
  return true;
}

// A wire's polyline in the 2 pixel wire pen; on a page, one line however
// it is laid.
void WireLine(QPainter& p, const QPoint* line, int count, const QColor& color, bool vector) {
  if (vector || !LaidSquare(line, count)) {
    p.drawPolyline(line, count);
    return;
  }
  for (int k = 0; k + 1 < count; ++k) {
    const QPoint a = line[k], b = line[k + 1];
    p.fillRect(QRect(QPoint(std::min(a.x(), b.x()) - 1, std::min(a.y(), b.y()) - 1),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
               color);
  }
}

// The bend mark: a dot of the 6 pixel round pen.
void BendDot(PaintContext& c, int x, int y) {
  c.stamps.draw(c.p, {2, 0, 0, 0, 0, 0}, x, y, 4, [](QPainter& p, int ox, int oy) {
    p.setPen(QPen(QColor(180, 180, 50), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(ox, oy);
  });
}

// The arrowheads of a wire. Along or across the bench every arrowhead of a
// direction has the same shape, so those are copied from stamps.
void DrawArrows(PaintContext& c, const std::vector<QLine>& strokes, const QColor& color) {
  for (size_t k = 0; k + 1 < strokes.size(); k += 2) {
    const QLine& s1 = strokes[k];
    const QLine& s2 = strokes[k + 1];
    const QPoint tip = s1.p2();
    const QPoint t1 = s1.p1() - tip, t2 = s2.p1() - tip;
    if (t1.x() != t2.x() && t1.y() != t2.y()) {
      c.p.drawLines(&strokes[k], 2);
      continue;
    }
    const Stamps::Key key{1, t1.x(), t1.y(), t2.x(), t2.y(), color.rgba()};
    c.stamps.draw(c.p, key, tip.x(), tip.y(), 17, [&](QPainter& p, int ox, int oy) {
      Pen(p, color, 2);
      const QLine lines[2] = {{ox + t1.x(), oy + t1.y(), ox, oy},
                              {ox + t2.x(), oy + t2.y(), ox, oy}};
      p.drawLines(lines, 2);
    });
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
  const TerminalIndex terminals(c.bench, c.bench.circuit_view ? 1 : 0);
  std::vector<QLine> arrows;
  for (int i = 0; i < WIRE_SLOTS && c.bench.wires[i].state != WIRE_FREE; ++i) {
    const WireRecord& w = c.bench.wires[i];
    if (w.state != WIRE_DRAWN) continue;
    const bool selected = c.selection.wire_selected && c.selection.selected_wire == i;
    const QColor color = selected ? QColor(255, 0, 0) : BenchColor(w.color);
    // The polyline from terminal A through the bends to terminal B. An end
    // whose terminal is gone is left out rather than drawn to a corner.
    QPoint line[WIRE_POINTS + 2];
    int count = 0;
    if (const Point* a = terminals.find(w.node_a)) line[count++] = {a->x, a->y};
    const int bends = std::clamp(w.point_count, 0, WIRE_POINTS);
    for (int k = 0; k < bends; ++k) line[count++] = {w.points[k].x, w.points[k].y};
    if (const Point* b = terminals.find(w.node_b)) line[count++] = {b->x, b->y};
    Pen(p, color, 2);
    WireLine(p, line, count, color, c.vector);
    if (c.bench.show_current_direction && std::fabs(w.current) > 1e-8) {
      const double sign = w.current > 0 ? 1 : -1;
      arrows.clear();
      for (int k = 0; k + 1 < count; ++k) CurrentArrow(arrows, line[k], line[k + 1], sign);
      DrawArrows(c, arrows, color);
    }
    for (int k = 0; k < bends; ++k) BendDot(c, w.points[k].x, w.points[k].y);
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
