// The components whose look depends only on their parameters: resistors,
// sources, resistance wire and box, diode and straight lead.

#include "model/parameters.h"
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
            CaptionLine("Single Internal resistance:", CellResistance(e), "ohm"),
            CaptionLine("Number of the batteries:", CellCount(e), "")});
}

void ResistanceCaption(PaintContext& c, const ElementRecord& e, int left, int top) {
  Captions(c, left + 10, top - 15, {CaptionLine("resistance:", e.resistance, "ohm")});
}

void WireCaption(PaintContext& c, const ElementRecord& e, int left, int top) {
  Captions(c, left, top - 45,
           {CaptionLine("resistance rate:", Resistivity(e), ""),
            CaptionLine("Length of wires:", WireLength(e), "m"),
            CaptionLine("Section of wires:", WireSection(e), "m*m")});
}

// The element picture, the parameter caption that `caption(c, e, left, top)`
// writes above the body when the record shows its parameters, and the
// outline of the selection.
template <class Caption>
void PlainElement(PaintContext& c, int slot, Caption caption) {
  const ElementRecord& e = c.bench.elements[slot];
  DrawElementPicture(c, slot, 0);
  const Offset h = HalfSize(e);
  if (e.show_params == 1) caption(c, e, e.x - h.dx, e.y - h.dy);
  DrawElementOutline(c, slot);
}

void NoCaption(PaintContext&, const ElementRecord&, int, int) {}

}  // namespace

void DrawElementPicture(PaintContext& c, int slot, int dy) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  if (!c.one_to_one) {
    DrawLook(c, e, LookOf(e, c.circuit_view(), c.pics), e.x - h.dx, e.y - h.dy + dy);
    return;
  }
  const QImage& picture = c.element_pictures[slot];
  if (!picture.isNull()) c.p.drawImage(e.x - h.dx, e.y - h.dy + dy, picture);
}

void DrawElementOutline(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  if (!c.selected(e.kind, slot)) return;
  const Offset h = HalfSize(e);
  SelectionOutline(c.p, e.x - h.dx, e.y - h.dy, e.x + h.dx, e.y + h.dy);
}

void Draw_dianzu(PaintContext& c, int slot) {
  PlainElement(c, slot, ResistanceCaption);
}

void Draw_bianzuxiang(PaintContext& c, int slot) {
  PlainElement(c, slot, ResistanceCaption);
}

void Draw_dianyuan(PaintContext& c, int slot) {
  PlainElement(c, slot, SourceCaption);
}

void Draw_gandianchi(PaintContext& c, int slot) {
  PlainElement(c, slot, SourceCaption);
}

void Draw_xudianchi(PaintContext& c, int slot) {
  PlainElement(c, slot, SourceCaption);
}

void Draw_9vdianchi(PaintContext& c, int slot) {
  PlainElement(c, slot, SourceCaption);
}

void Draw_gandianchizu(PaintContext& c, int slot) {
  PlainElement(c, slot, [](PaintContext& c, const ElementRecord& e, int left, int top) {
    BatterySetCaption(c, e, left, top, 1.5);
  });
}

void Draw_xudianchizu(PaintContext& c, int slot) {
  PlainElement(c, slot, [](PaintContext& c, const ElementRecord& e, int left, int top) {
    BatterySetCaption(c, e, left, top, 2);
  });
}

void Draw_dianzusi(PaintContext& c, int slot) {
  PlainElement(c, slot, WireCaption);
}

void Draw_erjiguan(PaintContext& c, int slot) {
  PlainElement(c, slot, NoCaption);
}

void Draw_yinchuxian(PaintContext& c, int slot) {
  PlainElement(c, slot, NoCaption);
}

}  // namespace voltaro
