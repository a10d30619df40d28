#pragma once
// Which component or note lies under the pointer. A left press and a right
// release look for it with boxes of their own: the press takes hold of what
// it hits and drags it, the right release only picks what the context menu
// will act on. The slide rheostat and the pointer meters are caught by
// different boxes in the two cases, so every box is named for its use.

#include <cstdint>
#include <functional>

#include "model/bench.h"

namespace voltaro {

// A box around a centre, as the distances from the centre to its left,
// top, right and bottom edges; a point on an edge is outside.
struct CentreBox {
  int left, top, right, bottom;
  bool holds(Point centre, Point p) const {
    return centre.x - left < p.x && p.x < centre.x + right && centre.y - top < p.y &&
           p.y < centre.y + bottom;
  }
};

constexpr CentreBox Around(int half_width, int half_height) {
  return {half_width, half_height, half_width, half_height};
}

// The boxes of the apparatus kept in tables of their own, which have no
// half sizes in their records.
struct ApparatusBoxes {
  CentreBox press;  // a left press selects it and takes hold of it
  CentreBox menu;   // a right release picks it for the context menu
  Offset outline;   // half extents of the outline that follows it in a drag
};

inline constexpr ApparatusBoxes SPDT_BOXES{Around(53, 34), Around(53, 34), {53, 34}};
inline constexpr ApparatusBoxes RELAY_BOXES{Around(43, 29), Around(43, 29), {43, 29}};
// A press catches the rheostat within its outline; the context menu's box
// is two pixels shorter at each end and three pixels taller above and below.
inline constexpr ApparatusBoxes RHEOSTAT_BOXES{Around(67, 22), Around(65, 25), {67, 22}};
// A press catches a pointer meter from six pixels above its outline down to
// its bottom edge, and from its left edge to six pixels short of its right
// one; the context menu's box is the outline.
inline constexpr ApparatusBoxes METER_BOXES{{60, 60, 54, 54}, Around(60, 54), {60, 54}};

// The boxes of a kind kept in a table of its own; nullptr for two-terminal
// components, notes and black boxes.
const ApparatusBoxes* BoxesOf(int32_t kind);

// Half extents of the outline that follows a dragged object around its
// centre (notes use their own rectangle).
Offset DragExtents(const Bench& bench, int32_t kind, int index);

enum class HitPurpose { Press, Menu };

// One object under the pointer.
struct Hit {
  int32_t kind = 0;  // a kind code, or KIND_NOTE
  int index = -1;    // its record in its table
  Point centre;      // its centre; for a note, its top-left corner
};

// Calls `visit` with every component and note under `p`, in the order the
// tables are scanned (two-terminal components, double-throw switches,
// relays, slide rheostats, voltmeters, ammeters, notes, each from slot 0),
// until `visit` returns true. Two-terminal components are caught within
// their half size, notes within their rectangle, the others within their
// box for `purpose`. Black boxes and wires are not looked for here.
void ForEachObjectAt(const Bench& bench, Point p, HitPurpose purpose,
                     const std::function<bool(const Hit&)>& visit);

}  // namespace voltaro
