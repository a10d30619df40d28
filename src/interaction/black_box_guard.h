#pragma once
// What a closed black box keeps from being changed from outside: a wire
// that ends or bends under it, and a component that reaches under it or is
// wired into it. Such a component can still be moved, its wires following,
// but not deleted or cut; the wire cannot even be taken hold of. Opening
// the box (removing it) lifts all of this.

#include <cstdint>
#include <vector>

#include "model/bench.h"

namespace voltaro {

// What the status bar says when Delete or Cut is refused.
inline constexpr const char* WIRED_INTO_BLACK_BOX =
    "This part is wired into a closed black box: open the box to delete or cut it";

// The black box in use whose inside (edges excluded) holds the point, or -1.
int BlackBoxAt(const Bench& bench, Point p);
// A drawn wire with an end or a bend under a closed black box.
bool WireReachesUnderBox(const Bench& bench, const WireRecord& wire);
// The terminals of the component `index` of the kind's table; none for
// notes, black boxes and wires.
std::vector<int32_t> TerminalsOf(const Bench& bench, int32_t kind, int index);
// A component with a terminal under a closed black box, or with a drawn
// wire that reaches under one.
bool ComponentReachesUnderBox(const Bench& bench, int32_t kind, int index);

}  // namespace voltaro
