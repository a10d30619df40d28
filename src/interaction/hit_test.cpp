// Finding the component or note under the pointer.

#include "interaction/hit_test.h"

#include "model/kinds.h"
#include "render/paint.h"

namespace voltaro {

const ApparatusBoxes* BoxesOf(int32_t kind) {
  switch (kind) {
    case KIND_SLIDE_RHEOSTAT:
      return &RHEOSTAT_BOXES;
    case KIND_POINTER_VOLTMETER:
    case KIND_POINTER_AMMETER:
      return &METER_BOXES;
    case KIND_SPDT_SWITCH:
      return &SPDT_BOXES;
    case KIND_RELAY:
      return &RELAY_BOXES;
    default:
      return nullptr;
  }
}

Offset DragExtents(const Bench& bench, int32_t kind, int index) {
  if (const ApparatusBoxes* boxes = BoxesOf(kind)) return boxes->outline;
  const KindInfo* info = FindKind(kind);
  if (info && info->family == Family::TwoTerminal && index >= 0 && index < TWO_TERMINAL_SLOTS) {
    return HalfSize(bench.elements[index]);
  }
  return {0, 0};
}

void ForEachObjectAt(const Bench& bench, Point p, HitPurpose purpose,
                     const std::function<bool(const Hit&)>& visit) {
  const auto box = [purpose](const ApparatusBoxes& boxes) {
    return purpose == HitPurpose::Press ? boxes.press : boxes.menu;
  };
  for (int i = 0; i < TWO_TERMINAL_SLOTS && bench.elements[i].in_use(); ++i) {
    const ElementRecord& e = bench.elements[i];
    const Offset h = HalfSize(e);
    if (Around(h.dx, h.dy).holds({e.x, e.y}, p) && visit({e.kind, i, {e.x, e.y}})) return;
  }
  for (int i = 0; i < SPDT_SLOTS && bench.spdts[i].in_use; ++i) {
    const Point c{bench.spdts[i].x, bench.spdts[i].y};
    if (box(SPDT_BOXES).holds(c, p) && visit({KIND_SPDT_SWITCH, i, c})) return;
  }
  for (int i = 0; i < RELAY_SLOTS && bench.relays[i].in_use; ++i) {
    const Point c{bench.relays[i].x, bench.relays[i].y};
    if (box(RELAY_BOXES).holds(c, p) && visit({KIND_RELAY, i, c})) return;
  }
  for (int i = 0; i < RHEOSTAT_SLOTS && bench.rheostats[i].in_use; ++i) {
    const Point c{bench.rheostats[i].x, bench.rheostats[i].y};
    if (box(RHEOSTAT_BOXES).holds(c, p) && visit({KIND_SLIDE_RHEOSTAT, i, c})) return;
  }
  for (auto [meters, kind] : {std::pair{&bench.voltmeters, int32_t{KIND_POINTER_VOLTMETER}},
                              std::pair{&bench.ammeters, int32_t{KIND_POINTER_AMMETER}}}) {
    for (int i = 0; i < METER_SLOTS && (*meters)[i].in_use; ++i) {
      const Point c{(*meters)[i].x, (*meters)[i].y};
      if (box(METER_BOXES).holds(c, p) && visit({kind, i, c})) return;
    }
  }
  for (int i = 0; i < NOTE_SLOTS && bench.notes[i].in_use; ++i) {
    const NoteRecord& n = bench.notes[i];
    const Point corner{n.x, n.y};
    if (CentreBox{0, 0, n.width, n.height}.holds(corner, p) && visit({KIND_NOTE, i, corner})) {
      return;
    }
  }
}

}  // namespace voltaro
