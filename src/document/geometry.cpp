#include "document/geometry.h"

#include "model/kinds.h"

namespace voltaro {
namespace {

// The geometry a file's records are brought to after reading: the kind's
// own, or where files keep it differently, that.
const Geometry* FileGeometry(int32_t kind) {
  const KindInfo* info = FindKind(kind);
  if (!info || info->family != Family::TwoTerminal) return nullptr;
  return info->file_geometry ? &*info->file_geometry : &info->geometry;
}

// A quarter turn on the screen (y grows downwards). A component of a kind
// we have no geometry for keeps the offsets of its file, and a damaged one
// may hold the most negative integer: that turns into itself rather than
// overflowing.
Offset Turn(Offset o) {
  return {o.dy, static_cast<int32_t>(0u - static_cast<uint32_t>(o.dx))};
}

}  // namespace

void RefreshElementGeometry(Bench& bench) {
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    const Geometry* g = FileGeometry(e.kind);
    if (!g) continue;
    e.term_a_offset[0] = g->a_object;
    e.term_b_offset[0] = g->b_object;
    e.term_a_offset[1] = g->a_circuit;
    e.term_b_offset[1] = g->b_circuit;
    SpreadHalfSize(e.half_size, g->half_size, g->half_size_turned, g->spread);
  }
  DerivePoseGeometry(bench);
}

void DerivePoseGeometry(Bench& bench) {
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    if (RotateRuleOf(e.kind) == RotateRule::Flip) {
      // These stand upright and only flip: the terminals swap sides and keep
      // their heights.
      for (int v = 0; v < 2; ++v) {
        const Offset a = e.term_a_offset[v];
        const Offset b = e.term_b_offset[v];
        e.term_a_offset[v + 2] = {b.dx, a.dy};
        e.term_b_offset[v + 2] = {a.dx, b.dy};
      }
      continue;
    }
    for (int j = 2; j <= 6; j += 2) {
      for (auto* offsets : {&e.term_a_offset, &e.term_b_offset}) {
        (*offsets)[j] = Turn((*offsets)[j - 2]);
        (*offsets)[j + 1] = Turn((*offsets)[j - 1]);
      }
    }
  }
}

}  // namespace voltaro
