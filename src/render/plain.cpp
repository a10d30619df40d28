// The components whose look depends only on their parameters: resistors,
// sources, resistance wire and box, diode and straight lead.

#include "model/kinds.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

void SourceCaption(PaintContext& c, const ElementRecord& e, int left, int top) {
  Captions(c, left, top - 30,
           {CaptionLine("Voltage:", e.emf, "volt"),
            CaptionLine("Internal resistance:", e.resistance, "ohm")});
}

void BatterySetCaption(PaintContext& c, const ElementRecord& e, int left, int top, double cell) {
  Captions(c, left, top - 45,
           {CaptionLine("Single voltage:", cell, "volt"),
            CaptionLine("Single Internal resistance:", e.param2, "ohm"),
            CaptionLine("Number of the batteries:", e.param1, "")});
}

}  // namespace

void DrawElementPicture(PaintContext& c, int slot, int dy) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  const QImage& picture = c.element_pictures[slot];
  if (!picture.isNull()) c.p.drawImage(e.x - h.dx, e.y - h.dy + dy, picture);
}

void DrawElementOutline(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  if (!c.selected(e.kind, slot)) return;
  const Offset h = HalfSize(e);
  SelectionOutline(c.p, e.x - h.dx, e.y - h.dy, e.x + h.dx, e.y + h.dy);
}

void DrawPlainElement(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  DrawElementPicture(c, slot, 0);
  const Offset h = HalfSize(e);
  const int left = e.x - h.dx;
  const int top = e.y - h.dy;
  if (e.show_params == 1) {
    switch (e.kind) {
      case KIND_FIXED_RESISTOR:
      case KIND_RESISTANCE_BOX:
        Captions(c, left + 10, top - 15, {CaptionLine("resistance:", e.resistance, "ohm")});
        break;
      case KIND_VOLTAGE_SUPPLY:
      case KIND_DRY_CELL:
      case KIND_STORAGE_BATTERY:
      case KIND_9V_BATTERY:
        SourceCaption(c, e, left, top);
        break;
      case KIND_BATTERY_SET:
        BatterySetCaption(c, e, left, top, 1.5);
        break;
      case KIND_STORAGE_BATTERY_SET:
        BatterySetCaption(c, e, left, top, 2);
        break;
      case KIND_RESISTANCE_WIRE:
        Captions(c, left, top - 45,
                 {CaptionLine("resistance rate:", e.param1, ""),
                  CaptionLine("Length of wires:", e.param2, "m"),
                  CaptionLine("Section of wires:", e.param3, "m*m")});
        break;
      default:
        break;
    }
  }
  DrawElementOutline(c, slot);
}

}  // namespace voltaro
