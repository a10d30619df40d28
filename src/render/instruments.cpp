// The measuring instruments: pointer meters, the microdetector, the digital
// meters and the multimeter, as faces with needles and digits or, in the
// circuit view, as a circle with a letter.

#include <cmath>

#include "model/kinds.h"
#include "model/parameters.h"
#include "model/readings.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

constexpr double DEGREE = 3.141592653589793 / 180;
const QColor NEEDLE_RED(255, 0, 0);

// A needle of the pointer meters and the microdetector, pivoting below the
// middle of the face.
void Needle(QPainter& p, int x, int y, double degrees) {
  Pen(p, NEEDLE_RED);
  const double a = degrees * DEGREE;
  Line(p, x - 1, y + 16, Trunc(x - 1 + 60 * std::cos(a)), Trunc(y + 16 - 60 * std::sin(a)));
}

void SymbolLetter(PaintContext& c, int x, int y, const QString& letter) {
  c.p.setPen(Qt::black);
  TextAt(c, SymbolFont(), x, y, letter);
}

void PointerMeter(PaintContext& c, const DualMeterRecord& m, int index, bool voltmeter) {
  QPainter& p = c.p;
  const int x = m.x, y = m.y;
  if (!c.circuit_view()) {
    DrawPicture(c, x - 60, y - 54, voltmeter ? Pic::PointerVoltmeter : Pic::PointerAmmeter);
    const double v = voltmeter ? PointerVoltmeterValue(m) : PointerAmmeterValue(m);
    Needle(p, x, y, PointerNeedleAngle(v));
    if (c.selected(voltmeter ? KIND_POINTER_VOLTMETER : KIND_POINTER_AMMETER, index)) {
      SelectionOutline(p, x - 60, y - 54, x + 60, y + 54);
    }
    return;
  }
  Pen(p, Qt::black, 2);
  p.setBrush(Qt::NoBrush);
  StampedEllipse(c, x - 27, y + 36, x - 3, y + 60);
  SymbolLetter(c, x - 23, voltmeter ? y + 36 : y + 34, voltmeter ? "V" : "A");
  Pen(p, Qt::black, 2);
  Line(p, x - 3, y + 49, x + 40, y + 49);
  Line(p, x - 27, y + 49, x - 43, y + 49);
  for (int tx : {x - 37, x + 7, x + 33}) Line(p, tx, y + 47, tx, y + 51);
  Pen(p, Qt::black, 1);
}

void Galvanometer(PaintContext& c, int slot) {
  QPainter& p = c.p;
  const ElementRecord& e = c.bench.elements[slot];
  const int x = e.x, y = e.y;
  if (!c.circuit_view()) {
    const Offset h = HalfSize(e);
    DrawPicture(c, x - h.dx, y - h.dy + 1, Pic::Galvanometer);
    Needle(p, x, y, GalvanometerNeedleAngle(GalvanometerReading(e)));
    DrawElementOutline(c, slot);
    return;
  }
  Pen(p, Qt::black, 2);
  StampedEllipse(c, x - 14, y + 36, x + 10, y + 60);
  SymbolLetter(c, x - 12, y + 35, "G");
  Pen(p, Qt::black, 2);
  Line(p, x + 10, y + 49, x + 37, y + 49);
  Line(p, x - 14, y + 49, x - 46, y + 49);
  for (int tx : {x - 37, x + 33}) Line(p, tx, y + 47, tx, y + 51);
  Pen(p, Qt::black, 1);
}

// A digital meter: its window shows `text` (what `text(e)` makes of the
// record) in the object view; in the circuit view a circle holds `letter`,
// `letter_dx` from the centre.
template <class Text>
void DigitalMeter(PaintContext& c, int slot, Text text, const QString& letter, int letter_dx) {
  QPainter& p = c.p;
  const ElementRecord& e = c.bench.elements[slot];
  const int x = e.x, y = e.y;
  DrawElementPicture(c, slot, 1);
  DrawElementOutline(c, slot);
  if (!c.circuit_view()) {
    Pen(p, Qt::black);
    Box(p, x - 28, y - 5, x + 28, y + 12, Qt::black);
    p.setPen(QColor(255, 255, 0));
    TextAt(c, DigitsFont(), x - 27, y - 4, QString::fromStdString(text(e)));
    return;
  }
  Pen(p, Qt::black, 2);
  StampedEllipse(c, x - 11, y + 18, x + 13, y + 42);
  SymbolLetter(c, x + letter_dx, y + 18, letter);
  Pen(p, Qt::black, 2);
  Line(p, x + 13, y + 30, x + 20, y + 30);
  Line(p, x - 13, y + 30, x - 20, y + 30);
  for (int dx : {e.term_a_offset[0].dx, e.term_b_offset[0].dx}) {
    Line(p, x + dx, y + 28, x + dx, y + 32);
  }
  Pen(p, Qt::black, 1);
}

// The knob's rim point at angle phi, clockwise on the screen.
QPoint KnobPoint(QPoint k, double phi) {
  return {k.x() + Trunc(36 * std::cos(phi)), k.y() + Trunc(36 * std::sin(phi))};
}

void Multimeter(PaintContext& c, int slot) {
  QPainter& p = c.p;
  const ElementRecord& e = c.bench.elements[slot];
  const int x = e.x, y = e.y;
  DrawElementPicture(c, slot, 0);
  // The range knob: a triangle whose tip points up at position 0 and turns
  // 45 degrees clockwise per position.
  Pen(p, QColor(100, 0, 0));
  const QPoint k(x - 12, y + 85);
  const double phi0 = RangeSwitch(e) * 2 * 3.141592653589793 / 8 + 3.141592653589793 / 2;
  const QPoint tip = KnobPoint(k, phi0 + 3.141592653589793);
  const QPoint q = KnobPoint(k, phi0 + 0.2);
  const QPoint s = KnobPoint(k, phi0 - 0.2);
  p.drawLine(tip, q);
  p.drawLine(tip, s);
  p.drawLine(q, s);
  // The needle's pivot hides below the window: only the part of the ray
  // above y - 28 shows.
  const double a = MultimeterNeedleAngle(e) * DEGREE;
  Pen(p, NEEDLE_RED);
  Line(p, x - 12 + Trunc(60 / std::tan(a)), y - 28, x - 12 + Trunc(180 * std::cos(a)),
       y + 32 - Trunc(180 * std::sin(a)));
  DrawElementOutline(c, slot);
}

}  // namespace

void Draw_dianyabiao(PaintContext& c, int slot) {
  DigitalMeter(
      c, slot, [](const ElementRecord& e) { return DigitalMeterText(DigitalVoltmeterValue(e)); },
      "V", -7);
}

void Draw_dianliubiao(PaintContext& c, int slot) {
  DigitalMeter(
      c, slot, [](const ElementRecord& e) { return DigitalMeterText(DigitalAmmeterValue(e)); }, "A",
      -7);
}

void Draw_oumubiao(PaintContext& c, int slot) {
  DigitalMeter(
      c, slot, [](const ElementRecord& e) { return OhmmeterText(OhmmeterResistance(e)); },
      QString(QChar(0x03A9)), -11);
}

void Draw_lmdlj(PaintContext& c, int slot) {
  Galvanometer(c, slot);
}

void Draw_wanyongbiao(PaintContext& c, int slot) {
  Multimeter(c, slot);
}

void Draw_3_15vbiao(PaintContext& c) {
  for (int i = 0; i < METER_SLOTS && c.bench.voltmeters[i].in_use; ++i) {
    PointerMeter(c, c.bench.voltmeters[i], i, true);
  }
}

void Draw_06_3abiao(PaintContext& c) {
  for (int i = 0; i < METER_SLOTS && c.bench.ammeters[i].in_use; ++i) {
    PointerMeter(c, c.bench.ammeters[i], i, false);
  }
}

}  // namespace voltaro
