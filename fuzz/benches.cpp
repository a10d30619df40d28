#include "benches.h"

#include <iterator>

#include "model/kinds.h"
#include "model/placement.h"
#include "model/tables.h"

namespace voltaro::fuzz {

SeriesEnds EndsOf(const Bench& bench, int32_t kind, int slot) {
  switch (kind) {
    case KIND_SLIDE_RHEOSTAT:
      return {bench.rheostats[slot].node_coil_a, bench.rheostats[slot].node_coil_b};
    case KIND_POINTER_VOLTMETER:
      return {bench.voltmeters[slot].node_common, bench.voltmeters[slot].node_mid};
    case KIND_POINTER_AMMETER:
      return {bench.ammeters[slot].node_common, bench.ammeters[slot].node_mid};
    case KIND_SPDT_SWITCH:
      return {bench.spdts[slot].node_common, bench.spdts[slot].node_t1};
    case KIND_RELAY:
      return {bench.relays[slot].node_coil_a, bench.relays[slot].node_coil_b};
    default:
      return {bench.elements[slot].node_a, bench.elements[slot].node_b};
  }
}

int Place(Bench& bench, int32_t kind, int32_t x, int32_t y) {
  const PlaceResult placed = PlaceComponent(bench, kind, x, y);
  return placed.outcome == PlaceOutcome::Placed ? placed.index : -1;
}

void BuildPasteBench(Bench& bench) {
  struct Part {
    int32_t kind;
    int32_t x, y;
  };
  const Part loop[] = {
      {KIND_BATTERY_SET, 120, 120},     {KIND_FIXED_RESISTOR, 400, 120},
      {KIND_SLIDE_RHEOSTAT, 560, 160},  {KIND_POINTER_AMMETER, 560, 360},
      {KIND_RELAY, 400, 380},
  };
  constexpr size_t PARTS = std::size(loop);
  SeriesEnds ends[PARTS];
  for (size_t i = 0; i < PARTS; ++i) {
    ends[i] = EndsOf(bench, loop[i].kind, Place(bench, loop[i].kind, loop[i].x, loop[i].y));
  }
  for (size_t i = 0; i < PARTS; ++i) {
    ConnectTerminals(bench, ends[i].b, ends[(i + 1) % PARTS].a, {{300, 500}});
  }
  NoteRecord& note = bench.notes[CountNotes(bench)];
  note.in_use = 1;
  note.x = 40;
  note.y = 520;
  note.width = 90;
  note.height = 28;
  note.font_height = -13;
  note.font_size = 10;
  note.font_name = "Serif";
  note.lines = {"U = I R", ""};
}

}  // namespace voltaro::fuzz
