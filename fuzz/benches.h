#pragma once
// Small benches built the way a pupil builds them, by placing components
// and drawing wires between their terminals: the bench the paste harness
// pastes onto, and the circuits the seed maker saves.

#include <cstdint>

#include "model/bench.h"

namespace voltaro::fuzz {

// The two terminals a component of `kind` in `slot` is wired in series by:
// A and B of a two-terminal component, the coil ends of a rheostat, the
// common and low-range terminals of a meter, the common terminal and
// throw 1 of a switch, the coil of a relay.
struct SeriesEnds {
  int32_t a = 0;
  int32_t b = 0;
};
SeriesEnds EndsOf(const Bench& bench, int32_t kind, int slot);

// Places one component and returns its slot, or -1 when it cannot go on.
int Place(Bench& bench, int32_t kind, int32_t x, int32_t y);

// A battery set, a fixed resistor, a rheostat, a pointer ammeter and a
// relay's coil in one closed loop, and a note. Not analysed yet: the paste
// analyses the whole bench anyway.
void BuildPasteBench(Bench& bench);

}  // namespace voltaro::fuzz
