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

ElementLook LookOf(const ElementRecord& e, bool circuit_view, const PictureSet& pics) {
  const KindInfo* kind = FindKind(e.kind);
  if (!kind) return {};
  const DrawingRoutine& routine = RoutineFor(kind->drawing);
  const bool apparatus = kind->picture != Pic::Count;
  if (!circuit_view || routine.same_picture_in_both_views) {
    return apparatus ? ElementLook{.picture = kind->picture} : ElementLook{};
  }
  if (!apparatus && !routine.symbol) return {};
  // The apparatus picture fixes the symbol's canvas, blank where the kind
  // has no symbol of its own.
  return {.symbol = routine.symbol,
          .size = apparatus ? pics.raw(kind->picture).size() : routine.symbol_size};
}

QImage ComposeLook(const ElementLook& look, const ElementRecord& e, const PictureSet& pics) {
  if (look.picture != Pic::Count) return pics.keyed(look.picture);
  if (look.bulb >= 0) return pics.bulb(look.bulb);
  if (look.size.isEmpty()) return QImage();
  QImage symbol = Transparent(look.size);
  if (look.symbol) {
    QPainter p(&symbol);
    Pen(p, Qt::black, 2);
    p.setBrush(Qt::NoBrush);
    look.symbol(p, e, e.half_size[1].dx, e.half_size[1].dy);
  }
  return symbol;
}

QImage ComposeElementPicture(const ElementRecord& e, bool circuit_view, const PictureSet& pics) {
  return ComposeLook(LookOf(e, circuit_view, pics), e, pics);
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

namespace {

// Where a point of the unturned picture (w x h) lands in the picture turned
// as TurnForPose turns its pixels: pixel (x, y) covers the square from
// (x, y) to (x + 1, y + 1), and the turn carries that square along.
QTransform PoseTransform(int32_t kind, int32_t pose, QSize size) {
  const double w = size.width(), h = size.height();
  if (RotateRuleOf(kind) == RotateRule::Flip) {
    return pose == 3 ? QTransform(-1, 0, 0, 1, w, 0) : QTransform();
  }
  switch (pose) {
    case 3:  // counter-clockwise: the top edge becomes the left edge
      return QTransform(0, -1, 1, 0, 0, w);
    case 5:
      return QTransform(-1, 0, 0, -1, w, h);
    case 7:
      return QTransform(0, 1, -1, 0, h, 0);
    default:
      return QTransform();
  }
}

// A picture turned for a pose at a scale, turned when first drawn so.
const QImage& TurnedPicture(PaintContext& c, const ElementLook& look, int32_t kind, int32_t pose) {
  const bool flips = RotateRuleOf(kind) == RotateRule::Flip;
  const int index = look.bulb >= 0 ? PICTURE_COUNT + look.bulb : static_cast<int>(look.picture);
  const std::array<int, 4> key{index, c.picture_scale, pose, flips ? 1 : 0};
  auto it = c.turned.find(key);
  if (it == c.turned.end()) {
    const QImage& upright = look.bulb >= 0 ? c.pics.bulb(look.bulb, c.picture_scale)
                                           : c.pics.keyed(look.picture, c.picture_scale);
    QImage turned = TurnForPose(upright, kind, pose);
    turned.setDevicePixelRatio(upright.devicePixelRatio());
    it = c.turned.emplace(key, std::move(turned)).first;
  }
  return it->second;
}

}  // namespace

void DrawLook(PaintContext& c, const ElementRecord& e, const ElementLook& look, int x, int y) {
  if (look.picture != Pic::Count || look.bulb >= 0) {
    DrawScaled(c.p, x, y, TurnedPicture(c, look, e.kind, e.pose));
    return;
  }
  if (!look.symbol) return;
  // The symbol's lines, turned with the picture they would be drawn into.
  QPainter& p = c.p;
  p.save();
  p.translate(x, y);
  p.setTransform(PoseTransform(e.kind, e.pose, look.size), true);
  Pen(p, Qt::black, 2);
  p.setBrush(Qt::NoBrush);
  look.symbol(p, e, e.half_size[1].dx, e.half_size[1].dy);
  p.restore();
}

}  // namespace voltaro
