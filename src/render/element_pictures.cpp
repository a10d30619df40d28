// Element pictures of the two-terminal components: the apparatus picture in
// the object view, the schematic symbol in the circuit view, turned to the
// component's pose.

#include "model/kinds.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

// A cell: the long plate is the positive pole, on the side of terminal B.
void CellShape(QPainter& p, int cx, int cy, int lead) {
  Line(p, cx + 3, cy - 10, cx + 3, cy + 10);
  Pen(p, Qt::black, 4);
  Line(p, cx - 3, cy - 5, cx - 3, cy + 5);
  Pen(p, Qt::black, 2);
  Line(p, cx + 3, cy, cx + lead, cy);
  Line(p, cx - 3, cy, cx - lead, cy);
}

void BatterySetShape(QPainter& p, int cx, int cy, int lead) {
  Line(p, cx + 23, cy - 10, cx + 23, cy + 10);
  Line(p, cx - 17, cy - 10, cx - 17, cy + 10);
  Pen(p, Qt::black, 4);
  Line(p, cx + 17, cy - 5, cx + 17, cy + 5);
  Line(p, cx - 23, cy - 5, cx - 23, cy + 5);
  // The cells in between, left out of the drawing.
  Pen(p, Qt::black, 1, Qt::DotLine);
  Line(p, cx - 17, cy, cx + 17, cy);
  Line(p, cx - 17, cy + 1, cx + 17, cy + 1);
  Pen(p, Qt::black, 2);
  Line(p, cx + 23, cy, cx + lead, cy);
  Line(p, cx - 23, cy, cx - lead, cy);
}

void LampShape(QPainter& p, int cx, int cy, int lead) {
  Ellipse(p, cx - 12, cy - 12, cx + 12, cy + 12);
  Line(p, cx - 8, cy - 8, cx + 8, cy + 8);
  Line(p, cx - 8, cy + 8, cx + 8, cy - 8);
  Line(p, cx - 12, cy, cx - lead, cy);
  Line(p, cx + 12, cy, cx + lead, cy);
}

// The short strokes across the leads where the wires attach, at the
// terminals' own offsets.
void TerminalTicks(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Pen(p, Qt::black, 2);
  Line(p, cx + e.term_a_offset[0].dx, cy - 2, cx + e.term_a_offset[0].dx, cy + 2);
  Line(p, cx + e.term_b_offset[0].dx, cy - 2, cx + e.term_b_offset[0].dx, cy + 2);
}

QImage Transparent(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

void ResistorSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Frame(p, cx - 23, cy - 8, cx + 23, cy + 8);
  Line(p, cx - 23, cy, cx - 40, cy);
  Line(p, cx + 23, cy, cx + 40, cy);
  TerminalTicks(p, e, cx, cy);
}

void VoltageSupplySymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  CellShape(p, cx, cy, 30);
  TerminalTicks(p, e, cx, cy);
}

void DryCellSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  CellShape(p, cx, cy, 45);
  TerminalTicks(p, e, cx, cy);
}

void NineVoltBatterySymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  CellShape(p, cx, cy, 18);
  TerminalTicks(p, e, cx, cy);
}

void StorageBatterySymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Line(p, cx + 3, cy - 13, cx + 3, cy + 7);
  Pen(p, Qt::black, 4);
  Line(p, cx - 3, cy - 8, cx - 3, cy + 2);
  Pen(p, Qt::black, 2);
  Line(p, cx + 3, cy - 3, cx + 20, cy - 3);
  Line(p, cx - 3, cy - 3, cx - 20, cy - 3);
  // The ticks cross the leads, which stand a little above the centre.
  Line(p, cx + e.term_a_offset[0].dx, cy - 5, cx + e.term_a_offset[0].dx, cy - 1);
  Line(p, cx + e.term_b_offset[0].dx, cy - 5, cx + e.term_b_offset[0].dx, cy - 1);
}

void BatterySetSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  BatterySetShape(p, cx, cy, 50);
  TerminalTicks(p, e, cx, cy);
}

void StorageBatterySetSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  BatterySetShape(p, cx, cy, 40);
  TerminalTicks(p, e, cx, cy);
}

void ResistanceWireSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  const QPoint zigzag[] = {{cx - 23, cy},    {cx - 16, cy - 8}, {cx - 9, cy + 8},  {cx - 2, cy - 8},
                           {cx + 5, cy + 8}, {cx + 12, cy - 8}, {cx + 16, cy + 8}, {cx + 22, cy}};
  p.drawPolyline(zigzag, 8);
  Line(p, cx - 23, cy, cx - 39, cy);
  Line(p, cx + 23, cy, cx + 39, cy);
  TerminalTicks(p, e, cx, cy);
}

void ResistanceBoxSymbol(QPainter& p, const ElementRecord&, int cx, int cy) {
  Frame(p, cx - 8, cy - 22, cx + 8, cy + 22);
  Line(p, cx, cy - 22, cx, cy - 35);
  Line(p, cx, cy + 22, cx, cy + 35);
  // Upright: the ticks cross the leads at the ends.
  Pen(p, Qt::black, 2);
  Line(p, cx - 2, cy - 30, cx + 2, cy - 30);
  Line(p, cx - 2, cy + 30, cx + 2, cy + 30);
}

void BulbSymbol(QPainter& p, const ElementRecord&, int cx, int cy) {
  LampShape(p, cx, cy, 28);
  // At the circuit-view terminals, not the picture's.
  Pen(p, Qt::black, 2);
  Line(p, cx - 25, cy - 2, cx - 25, cy + 2);
  Line(p, cx + 25, cy - 2, cx + 25, cy + 2);
}

void SignalLightSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  LampShape(p, cx, cy, 30);
  TerminalTicks(p, e, cx, cy);
}

void BellSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Line(p, cx - 10, cy, cx - 10, cy - 7);
  Line(p, cx + 10, cy, cx + 10, cy - 7);
  Line(p, cx - 15, cy - 7, cx + 15, cy - 7);
  // The dome: the upper half of the ellipse, from right to left.
  p.drawArc(QRect(cx - 15, cy - 17, 30, 20), 0, 180 * 16);
  Line(p, cx - 10, cy, cx - 25, cy);
  Line(p, cx + 10, cy, cx + 25, cy);
  TerminalTicks(p, e, cx, cy);
}

void DiodeSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Line(p, cx - 2, cy - 7, cx - 2, cy + 7);
  Line(p, cx, cy - 6, cx, cy + 6);
  for (int k = 0; k < 5; ++k) Line(p, cx + 2 + 2 * k, cy - 5 + k, cx + 2 + 2 * k, cy + 5 - k);
  Line(p, cx + 11, cy - 7, cx + 11, cy + 7);
  Line(p, cx - 3, cy, cx - 32, cy);
  Line(p, cx + 12, cy, cx + 32, cy);
  TerminalTicks(p, e, cx, cy);
}

QImage ComposeElementPicture(const ElementRecord& e, bool circuit_view, const PictureSet& pics) {
  const KindInfo* kind = FindKind(e.kind);
  if (!kind) return QImage();
  const DrawingRoutine& routine = RoutineFor(kind->drawing);
  const bool apparatus = kind->picture != Pic::Count;
  if (!circuit_view || routine.same_picture_in_both_views) {
    return apparatus ? pics.keyed(kind->picture) : QImage();
  }
  if (!apparatus && !routine.symbol) return QImage();
  QImage symbol = Transparent(apparatus ? pics.raw(kind->picture).size() : routine.symbol_size);
  if (routine.symbol) {
    QPainter p(&symbol);
    Pen(p, Qt::black, 2);
    p.setBrush(Qt::NoBrush);
    routine.symbol(p, e, e.half_size[1].dx, e.half_size[1].dy);
  }
  return symbol;
}

namespace {

// Copies every pixel of a 32-bit picture to its place in the turned picture:
// `from(x, y)` names the source pixel of target pixel (x, y).
template <class From>
QImage Turned(const QImage& picture, From from) {
  const QImage in = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(in.height(), in.width(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QPoint s = from(x, y);
      row[x] = reinterpret_cast<const QRgb*>(in.constScanLine(s.y()))[s.x()];
    }
  }
  return out;
}

}  // namespace

QImage TurnCounterClockwise(const QImage& in) {
  // The top edge becomes the left edge.
  const int w = in.width();
  return Turned(in, [w](int x, int y) { return QPoint(w - 1 - y, x); });
}

QImage TurnClockwise(const QImage& in) {
  const int h = in.height();
  return Turned(in, [h](int x, int y) { return QPoint(y, h - 1 - x); });
}

QImage TurnForPose(const QImage& picture, int32_t kind, int32_t pose) {
  if (picture.isNull()) return picture;
  if (RotateRuleOf(kind) == RotateRule::Flip) {
    // These stand upright: a turn only flips them.
    return pose == 3 ? picture.mirrored(true, false) : picture;
  }
  switch (pose) {
    case 3:
      return TurnCounterClockwise(picture);
    case 5:
      return TurnCounterClockwise(TurnCounterClockwise(picture));
    case 7:
      return TurnClockwise(picture);
    default:
      return picture;
  }
}

}  // namespace voltaro
