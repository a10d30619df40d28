// Components whose look follows their state: switches, the fuse, bulbs, the
// signal light and bell, the double-throw switch, the relay and the slide
// rheostat.

#include "model/behaviour.h"
#include "model/format.h"
#include "model/kinds.h"
#include "model/parameters.h"
#include "render/bench_renderer.h"

namespace voltaro {
namespace {

// The knife switch in the circuit view, drawn round the unturned centre.
void SwitchSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Line(p, cx - 18, cy + 11, cx + 16, e.is_open == 1 ? cy - 12 : cy + 11);
  Ellipse(p, cx - 22, cy + 11, cx - 14, cy + 19);
  Ellipse(p, cx + 14, cy + 11, cx + 22, cy + 19);
  Line(p, cx + 22, cy + 15, cx + 40, cy + 15);
  Line(p, cx - 22, cy + 15, cx - 40, cy + 15);
  for (int dx : {e.term_a_offset[0].dx, e.term_b_offset[0].dx}) {
    Line(p, cx + dx, cy + 13, cx + dx, cy + 17);
  }
}

void FuseSymbol(QPainter& p, const ElementRecord& e, int cx, int cy) {
  Frame(p, cx - 23, cy - 5, cx + 23, cy + 6);
  Line(p, cx - 23, cy, cx - 32, cy);
  Line(p, cx + 23, cy, cx + 32, cy);
  for (int dx : {e.term_a_offset[0].dx, e.term_b_offset[0].dx}) {
    Line(p, cx + dx, cy - 2, cx + dx, cy + 2);
  }
  Pen(p, Qt::black, 1);
  if (e.is_open == 1) {
    // A blown fuse wire: a gap in the middle.
    Line(p, cx - 23, cy, cx - 3, cy);
    Line(p, cx + 3, cy, cx + 23, cy);
  } else {
    Line(p, cx - 23, cy, cx + 23, cy);
  }
}

// The look of a switch or fuse for the record's state, in the current
// view: the apparatus picture, or in the circuit view the symbol that
// `symbol` draws round the unturned centre on a canvas of its size.
ElementLook StateLook(PaintContext& c, Pic pic, SymbolRoutine symbol) {
  if (!c.circuit_view()) return {.picture = pic};
  return {.symbol = symbol, .size = c.pics.raw(pic).size()};
}

// Draws the turned look of a switch, fuse or bulb for its present state
// with its top-left corner at (x, y). Painting 1:1, the slot's element
// picture becomes the look composed when this state, pose and view were
// first drawn.
void DrawStateLook(PaintContext& c, int slot, int32_t state, const ElementLook& look, int x,
                   int y) {
  const ElementRecord& e = c.bench.elements[slot];
  if (!c.one_to_one) {
    DrawLook(c, e, look, x, y);
    return;
  }
  const StatePictureKey key{e.kind,
                            state,
                            e.pose,
                            c.circuit_view() ? 1 : 0,
                            e.half_size[1].dx,
                            e.half_size[1].dy,
                            e.term_a_offset[0].dx,
                            e.term_b_offset[0].dx};
  auto it = c.state_pictures.find(key);
  if (it == c.state_pictures.end()) {
    it = c.state_pictures.emplace(key, TurnForPose(ComposeLook(look, e, c.pics), e.kind, e.pose))
             .first;
  }
  c.element_pictures[slot] = it->second;
  if (!it->second.isNull()) c.p.drawImage(x, y, it->second);
}

}  // namespace

void Draw_dddzkg(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  DrawStateLook(c, slot, e.is_open,
                StateLook(c, e.is_open == 1 ? Pic::SwitchOpen : Pic::SwitchClosed, SwitchSymbol),
                e.x - h.dx, e.y - h.dy + 1);
  DrawElementOutline(c, slot);
}

void Draw_baoxiansi(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  // The circuit view draws the symbol on the blown fuse's canvas.
  const bool blown = c.circuit_view() || e.is_open == 1;
  DrawStateLook(c, slot, e.is_open,
                StateLook(c, blown ? Pic::FuseBlown : Pic::FuseIntact, FuseSymbol), e.x - h.dx,
                e.y - h.dy + 1);
  if (e.show_params == 1) {
    Captions(c, e.x - h.dx, e.y - h.dy - 15, {CaptionLine("Rated current:", e.max_current, "A")});
  }
  DrawElementOutline(c, slot);
}

void Draw_diandeng(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  if (c.circuit_view()) {
    DrawElementPicture(c, slot, 0);
  } else {
    // The glass bulb stands in its holder; turned, it sits a little
    // differently within the body.
    const int step = BulbPicture(e);
    const bool upright = e.pose == 1 || e.pose == 5;
    DrawStateLook(c, slot, step, {.bulb = step}, e.x - h.dx + (upright ? 16 : 6),
                  e.y - h.dy + (upright ? 6 : 15));
  }
  if (e.show_params == 1) {
    const QString volts = QString::fromStdString(FormatGeneral(RatedVoltage(e), 4));
    Captions(c, e.x - h.dx, e.y - h.dy - 45,
             {"rated voltage:" + volts + "volt", CaptionLine("rated capacity", RatedPower(e), "W"),
              CaptionLine("max current", e.max_current, "A")});
  }
  DrawElementOutline(c, slot);
}

void Draw_xinhaodeng(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  DrawElementPicture(c, slot, 1);
  if (!c.circuit_view() && SignalLightLit(e)) {
    const QColor glow = BenchColor(Trunc(LightColor(e)));
    Pen(c.p, glow);
    c.p.setBrush(glow);
    StampedEllipse(c, e.x - 13, e.y - 11, e.x + 9, e.y + 11);
    c.p.setBrush(Qt::NoBrush);
  }
  if (e.show_params == 1) {
    Captions(c, e.x - h.dx, e.y - h.dy - 30,
             {CaptionLine("resistance:", e.resistance, "ohm"),
              CaptionLine("rated current:", RatedCurrent(e), "A")});
  }
  DrawElementOutline(c, slot);
}

void Draw_dianling(PaintContext& c, int slot) {
  const ElementRecord& e = c.bench.elements[slot];
  const Offset h = HalfSize(e);
  DrawElementPicture(c, slot, 1);
  if (e.show_params == 1) {
    Captions(c, e.x - h.dx, e.y - h.dy - 30,
             {CaptionLine("ring's resistance:", e.resistance, "ohm"),
              CaptionLine("Rated current:", RatedCurrent(e), "A")});
  }
  DrawElementOutline(c, slot);
}

void Draw_ddszkg(PaintContext& c) {
  QPainter& p = c.p;
  for (int i = 0; i < SPDT_SLOTS && c.bench.spdts[i].in_use; ++i) {
    const SpdtRecord& s = c.bench.spdts[i];
    const int x = s.x, y = s.y;
    if (!c.circuit_view()) {
      const Pic pic = s.position == 1   ? Pic::SpdtLeft
                      : s.position == 2 ? Pic::SpdtRight
                                        : Pic::SpdtMiddle;
      DrawPicture(c, x - 53, y - 34, pic);
    } else {
      Pen(p, Qt::black, 2);
      const QPoint blade_end = s.position == 1   ? QPoint(x - 32, y + 6)
                               : s.position == 2 ? QPoint(x + 32, y + 6)
                                                 : QPoint(x + 27, y - 17);
      p.drawLine(QPoint(x - 1, y + 6), blade_end);
      for (int cx : {x - 33, x, x + 33}) StampedEllipse(c, cx - 4, y + 6, cx + 4, y + 14);
      Line(p, x + 37, y + 9, x + 52, y + 9);
      Line(p, x - 37, y + 9, x - 52, y + 9);
      Line(p, x, y + 13, x, y + 32);
      Line(p, x - 47, y + 11, x - 47, y + 7);
      Line(p, x + 47, y + 11, x + 47, y + 7);
      Line(p, x + 2, y + 27, x - 2, y + 27);
      Pen(p, Qt::black, 1);
    }
    if (c.selected(KIND_SPDT_SWITCH, i)) SelectionOutline(p, x - 53, y - 34, x + 53, y + 34);
  }
}

void Draw_dcjdq(PaintContext& c) {
  QPainter& p = c.p;
  for (int i = 0; i < RELAY_SLOTS && c.bench.relays[i].in_use; ++i) {
    const RelayRecord& r = c.bench.relays[i];
    const int x = r.x, y = r.y;
    if (!c.circuit_view()) {
      DrawPicture(c, x - 43, y - 29, r.contact_closed == 0 ? Pic::RelayOpen : Pic::RelayClosed);
    } else {
      Pen(p, Qt::black, 2);
      Frame(p, x, y - 8, x + 32, y + 20);
      Line(p, x + 26, y - 2, x + 43, y - 2);
      Line(p, x + 26, y + 12, x + 43, y + 12);
      Line(p, x + 6, y - 2, x + 6, y + 12);
      Line(p, x + 5, y - 2, x - 35, y - 2);
      Line(p, x + 5, y + 12, x - 10, y + 12);
      Line(p, x - 35, y - 2, x - 35, y + 30);
      Line(p, x - 10, y + 12, x - 10, y + 30);
      Line(p, x + 39, y - 4, x + 39, y);
      Line(p, x + 39, y + 10, x + 39, y + 14);
      Line(p, x - 37, y + 26, x - 33, y + 26);
      Line(p, x - 12, y + 26, x - 8, y + 26);
      Pen(p, Qt::black, 1);
    }
    if (r.show_params == 1) {
      Captions(c, x - 40, y - 60,
               {CaptionLine("resistance of the coil:", r.coil_resistance, "ohm"),
                CaptionLine("pick-up current:", r.pickup_current, "A")});
    }
    if (c.selected(KIND_RELAY, i)) SelectionOutline(p, x - 43, y - 29, x + 43, y + 29);
  }
}

void Draw_hdbzq(PaintContext& c) {
  QPainter& p = c.p;
  for (int i = 0; i < RHEOSTAT_SLOTS && c.bench.rheostats[i].in_use; ++i) {
    const RheostatRecord& r = c.bench.rheostats[i];
    const int x = r.x, y = r.y;
    const int sx = x - 31 + Trunc(60 * r.slider);  // the knob travels 60 pixels
    if (!c.circuit_view()) {
      DrawPicture(c, x - 67, y - 22, Pic::Rheostat);
      Pen(p, QColor(100, 100, 100), 5);
      Line(p, sx, y - 18, sx, y - 9);
      Pen(p, QColor(200, 200, 200), 2);
      Line(p, sx, y - 18, sx, y - 8);
      Pen(p, Qt::black, 1);
    } else {
      Pen(p, Qt::black, 2);
      Frame(p, x - 32, y - 2, x + 32, y + 15);
      Line(p, x - 68, y - 14, x + 68, y - 14);
      Line(p, x - 68, y + 6, x - 32, y + 6);
      Line(p, x + 32, y + 6, x + 68, y + 6);
      Line(p, x - 63, y - 16, x - 63, y - 12);
      Line(p, x + 63, y - 16, x + 63, y - 12);
      Line(p, x + 63, y + 8, x + 63, y + 4);
      Line(p, x - 63, y + 8, x - 63, y + 4);
      Line(p, sx, y - 14, sx, y - 2);
      Line(p, sx, y - 2, sx - 4, y - 8);
      Line(p, sx, y - 2, sx + 4, y - 8);
      Pen(p, Qt::black, 1);
    }
    if (r.show_params == 1) {
      Captions(c, x - 50, y - 55,
               {CaptionLine("Total Resistance:", r.resistance, "ohm"),
                CaptionLine("Slipper Position:", r.slider * 100, "%")});
    }
    if (c.selected(KIND_SLIDE_RHEOSTAT, i)) SelectionOutline(p, x - 67, y - 22, x + 67, y + 22);
  }
}

}  // namespace voltaro
