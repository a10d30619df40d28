#pragma once
// Putting a new component on the bench, exactly as a left press in
// placement mode does.

#include <cstdint>
#include <initializer_list>

#include "model/bench.h"

namespace voltaro {

enum class PlaceOutcome {
  Placed,
  TableFull,     // the kind's table has reached its placement limit
  NoWireRoom,    // the wire table cannot take the kind's hidden links
  NotPlaceable,  // notes, black boxes and unknown codes are not placed here
};

struct PlaceResult {
  PlaceOutcome outcome = PlaceOutcome::NotPlaceable;
  int index = -1;  // slot of the new record in its table
};

// Places one component of `kind` centred on (x, y): the first free record of
// the kind's table, fresh ids, hidden links and the kind's defaults. Nothing
// changes unless the outcome is Placed.
PlaceResult PlaceComponent(Bench& bench, int32_t kind, int32_t x, int32_t y);

}  // namespace voltaro

namespace voltaro {

// The ids a new record takes, in the order the bench hands them out, then
// its hidden links (state 2) in the first free wire slots, each with an id
// of its own. Placement and Paste both use them; the caller has checked
// that the wire table has room for the links.
void TakeFreshIds(Bench& bench, ElementRecord& e);
void TakeFreshIds(Bench& bench, RheostatRecord& r);
void TakeFreshIds(Bench& bench, DualMeterRecord& m);
void TakeFreshIds(Bench& bench, SpdtRecord& s);
void TakeFreshIds(Bench& bench, RelayRecord& r);

// Colour of a new wire until the user picks another.
constexpr int32_t NEW_WIRE_COLOR = 8404992;

// Finishes a drawn wire between two terminals in the first free wire record,
// with its bend points, as the end of wiring with the mouse does. Returns the
// wire's index, or -1 when the wire table is full, the ends are the same
// terminal or there are more than 99 bend points.
int ConnectTerminals(Bench& bench, int32_t node_a, int32_t node_b,
                     std::initializer_list<Point> bends = {}, int32_t color = NEW_WIRE_COLOR);

}  // namespace voltaro
