// Element pictures of the two-terminal components: the apparatus picture in
// the object view, the schematic symbol in the circuit view, turned to the
// component's pose.

#include <optional>

#include "model/kinds.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

std::optional<Pic> ApparatusPicture(int32_t kind) {
  switch (kind) {
    case KIND_FIXED_RESISTOR:
      return Pic::Resistor;
    case KIND_VOLTAGE_SUPPLY:
      return Pic::VoltageSupply;
    case KIND_DIGITAL_VOLTMETER:
      return Pic::DigitalVoltmeter;
    case KIND_DIGITAL_AMMETER:
      return Pic::DigitalAmmeter;
    case KIND_RESISTANCE_WIRE:
      return Pic::ResistanceWire;
    case KIND_RESISTANCE_BOX:
      return Pic::ResistanceBox;
    case KIND_DRY_CELL:
      return Pic::DryCell;
    case KIND_STORAGE_BATTERY:
      return Pic::StorageBattery;
    case KIND_BATTERY_SET:
      return Pic::BatterySet;
    case KIND_STORAGE_BATTERY_SET:
      return Pic::StorageBatterySet;
    case KIND_9V_BATTERY:
      return Pic::NineVoltBattery;
    case KIND_DIGITAL_OHMMETER:
      return Pic::DigitalOhmmeter;
    case KIND_SIGNAL_LIGHT:
      return Pic::SignalLight;
    case KIND_BELL:
      return Pic::Bell;
    case KIND_DIODE:
      return Pic::Diode;
    case KIND_STRAIGHT_LEAD:
      return Pic::StraightLead;
    default:
      return std::nullopt;
  }
}

// A cell: the long plate is the positive pole, on the side of terminal B.
void CellSymbol(QPainter& p, int cx, int cy, int lead) {
  Line(p, cx + 3, cy - 10, cx + 3, cy + 10);
  Pen(p, Qt::black, 4);
  Line(p, cx - 3, cy - 5, cx - 3, cy + 5);
  Pen(p, Qt::black, 2);
  Line(p, cx + 3, cy, cx + lead, cy);
  Line(p, cx - 3, cy, cx - lead, cy);
}

void BatterySetSymbol(QPainter& p, int cx, int cy, int lead) {
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

void LampSymbol(QPainter& p, int cx, int cy, int lead) {
  Ellipse(p, cx - 12, cy - 12, cx + 12, cy + 12);
  Line(p, cx - 8, cy - 8, cx + 8, cy + 8);
  Line(p, cx - 8, cy + 8, cx + 8, cy - 8);
  Line(p, cx - 12, cy, cx - lead, cy);
  Line(p, cx + 12, cy, cx + lead, cy);
}

// Draws the symbol of a kind around (cx, cy); returns false when the kind
// has none.
bool Symbol(QPainter& p, int32_t kind, int cx, int cy) {
  switch (kind) {
    case KIND_FIXED_RESISTOR:
      Frame(p, cx - 23, cy - 8, cx + 23, cy + 8);
      Line(p, cx - 23, cy, cx - 40, cy);
      Line(p, cx + 23, cy, cx + 40, cy);
      return true;
    case KIND_VOLTAGE_SUPPLY:
      CellSymbol(p, cx, cy, 30);
      return true;
    case KIND_DRY_CELL:
      CellSymbol(p, cx, cy, 45);
      return true;
    case KIND_9V_BATTERY:
      CellSymbol(p, cx, cy, 18);
      return true;
    case KIND_STORAGE_BATTERY:
      Line(p, cx + 3, cy - 13, cx + 3, cy + 7);
      Pen(p, Qt::black, 4);
      Line(p, cx - 3, cy - 8, cx - 3, cy + 2);
      Pen(p, Qt::black, 2);
      Line(p, cx + 3, cy - 3, cx + 20, cy - 3);
      Line(p, cx - 3, cy - 3, cx - 20, cy - 3);
      return true;
    case KIND_BATTERY_SET:
      BatterySetSymbol(p, cx, cy, 50);
      return true;
    case KIND_STORAGE_BATTERY_SET:
      BatterySetSymbol(p, cx, cy, 40);
      return true;
    case KIND_RESISTANCE_WIRE: {
      const QPoint zigzag[] = {{cx - 23, cy},     {cx - 16, cy - 8}, {cx - 9, cy + 8},
                               {cx - 2, cy - 8},  {cx + 5, cy + 8},  {cx + 12, cy - 8},
                               {cx + 16, cy + 8}, {cx + 22, cy}};
      p.drawPolyline(zigzag, 8);
      Line(p, cx - 23, cy, cx - 39, cy);
      Line(p, cx + 23, cy, cx + 39, cy);
      return true;
    }
    case KIND_RESISTANCE_BOX:
      Frame(p, cx - 8, cy - 22, cx + 8, cy + 22);
      Line(p, cx, cy - 22, cx, cy - 35);
      Line(p, cx, cy + 22, cx, cy + 35);
      return true;
    case KIND_BULB:
      LampSymbol(p, cx, cy, 28);
      return true;
    case KIND_SIGNAL_LIGHT:
      LampSymbol(p, cx, cy, 30);
      return true;
    case KIND_BELL:
      Line(p, cx - 10, cy, cx - 10, cy - 7);
      Line(p, cx + 10, cy, cx + 10, cy - 7);
      Line(p, cx - 15, cy - 7, cx + 15, cy - 7);
      // The dome: the upper half of the ellipse, from right to left.
      p.drawArc(QRect(cx - 15, cy - 17, 30, 20), 0, 180 * 16);
      Line(p, cx - 10, cy, cx - 25, cy);
      Line(p, cx + 10, cy, cx + 25, cy);
      return true;
    case KIND_DIODE: {
      Line(p, cx - 2, cy - 7, cx - 2, cy + 7);
      Line(p, cx, cy - 6, cx, cy + 6);
      for (int k = 0; k < 5; ++k) Line(p, cx + 2 + 2 * k, cy - 5 + k, cx + 2 + 2 * k, cy + 5 - k);
      Line(p, cx + 11, cy - 7, cx + 11, cy + 7);
      Line(p, cx - 3, cy, cx - 32, cy);
      Line(p, cx + 12, cy, cx + 32, cy);
      return true;
    }
    default:
      return false;
  }
}

// The short strokes across the leads where the wires attach.
void TerminalTicks(QPainter& p, const ElementRecord& e, int cx, int cy) {
  switch (e.kind) {
    case KIND_RESISTANCE_BOX:
      Line(p, cx - 2, cy - 30, cx + 2, cy - 30);
      Line(p, cx - 2, cy + 30, cx + 2, cy + 30);
      return;
    case KIND_BULB:
      Line(p, cx - 25, cy - 2, cx - 25, cy + 2);
      Line(p, cx + 25, cy - 2, cx + 25, cy + 2);
      return;
    case KIND_STORAGE_BATTERY:
      Line(p, cx + e.term_a_offset[0].dx, cy - 5, cx + e.term_a_offset[0].dx, cy - 1);
      Line(p, cx + e.term_b_offset[0].dx, cy - 5, cx + e.term_b_offset[0].dx, cy - 1);
      return;
    default:
      Line(p, cx + e.term_a_offset[0].dx, cy - 2, cx + e.term_a_offset[0].dx, cy + 2);
      Line(p, cx + e.term_b_offset[0].dx, cy - 2, cx + e.term_b_offset[0].dx, cy + 2);
  }
}

QImage Transparent(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QImage ComposeElementPicture(const ElementRecord& e, bool circuit_view, const PictureSet& pics) {
  if (e.kind == KIND_MULTIMETER) return pics.keyed(Pic::Multimeter);
  const std::optional<Pic> apparatus = ApparatusPicture(e.kind);
  if (!circuit_view) return apparatus ? pics.keyed(*apparatus) : QImage();
  if (e.kind == KIND_STRAIGHT_LEAD) return pics.keyed(Pic::StraightLead);
  // The bulb's symbol is drawn round (30, 30), so its picture is 60 x 60.
  const QSize size = apparatus ? pics.raw(*apparatus).size() : QSize(60, 60);
  if (!apparatus && e.kind != KIND_BULB) return QImage();
  QImage symbol = Transparent(size);
  QPainter p(&symbol);
  Pen(p, Qt::black, 2);
  p.setBrush(Qt::NoBrush);
  const int cx = e.half_size[1].dx;
  const int cy = e.half_size[1].dy;
  if (Symbol(p, e.kind, cx, cy)) {
    Pen(p, Qt::black, 2);
    TerminalTicks(p, e, cx, cy);
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
  if (kind == KIND_STORAGE_BATTERY || kind == KIND_STORAGE_BATTERY_SET) {
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
