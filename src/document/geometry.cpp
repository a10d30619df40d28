#include "document/geometry.h"

#include <array>

#include "model/kinds.h"

namespace voltaro {
namespace {

struct Geometry {
  std::array<int32_t, 3> kinds;  // up to three kinds share a row; 0 ends the list
  Offset a_object, b_object, a_circuit, b_circuit;
  Offset size, turned;
  SizeSpread spread;
};

using S = SizeSpread;
constexpr Offset NONE{0, 0};

// The geometry a file's records are brought to after reading. It matches the
// placement geometry except for the storage battery set, whose terminals sit
// a little differently in files.
constexpr std::array GEOMETRY = {
    Geometry{{1}, {-37, 0}, {35, 0}, {-37, 0}, {35, 0}, {42, 11}, {11, 41}, S::Turned},
    Geometry{{2}, {-25, -19}, {23, -19}, {-25, 0}, {23, 0}, {41, 21}, {21, 41}, S::Turned},
    Geometry{{4, 5, 53}, {-17, 29}, {17, 29}, {-17, 29}, {17, 29}, {36, 35}, NONE, S::Entry0},
    Geometry{{6}, {-11, 8}, {1, 19}, {-25, 0}, {25, 0}, {30, 30}, NONE, S::All},
    Geometry{{7}, {-36, 15}, {33, 15}, {-36, 15}, {33, 15}, {47, 28}, {28, 47}, S::Turned},
    Geometry{{8}, {-30, 0}, {29, 0}, {-30, 0}, {29, 0}, {34, 7}, {7, 34}, S::Turned},
    Geometry{{13}, {-37, 0}, {37, 0}, {-37, 0}, {37, 0}, {40, 12}, {12, 40}, S::Turned},
    Geometry{{14}, {-56, -18}, {-56, 16}, {0, -30}, {0, 30}, {61, 38}, {38, 61}, S::Turned},
    Geometry{{21}, {-43, 0}, {43, 0}, {-43, 0}, {43, 0}, {47, 14}, {14, 47}, S::Turned},
    Geometry{{22}, {-12, -33}, {12, -33}, {-12, 0}, {12, 0}, {32, 41}, NONE, S::Entries0to3},
    Geometry{{23}, {-48, 0}, {48, 0}, {-48, 0}, {48, 0}, {52, 18}, {18, 52}, S::Turned},
    Geometry{{24}, {-23, -29}, {19, -41}, {-35, 0}, {35, 0}, {43, 49}, NONE, S::Entries0to3},
    Geometry{{25}, {-8, -34}, {8, -34}, {-8, 0}, {8, 0}, {20, 40}, {40, 20}, S::Turned},
    Geometry{{52}, {-37, 50}, {33, 50}, {-37, 50}, {33, 50}, {60, 54}, NONE, S::Entry0},
    Geometry{{54}, {148, 85}, {148, 120}, {148, 85}, {148, 120}, {156, 160}, NONE, S::All},
    Geometry{{61}, {-24, 0}, {21, 0}, {-24, 0}, {21, 0}, {31, 13}, {13, 31}, S::Turned},
    Geometry{{62}, {-18, -29}, {16, -29}, {-18, 0}, {16, 0}, {26, 34}, {34, 26}, S::Turned},
    Geometry{{82}, {-26, 0}, {28, 0}, {-26, 0}, {28, 0}, {33, 8}, {8, 33}, S::Turned},
    Geometry{{83}, {-36, 0}, {36, 0}, {-36, 0}, {36, 0}, {42, 6}, {6, 42}, S::Turned},
    Geometry{{91}, {40, -32}, {40, 21}, {40, -32}, {40, 21}, {45, 44}, NONE, S::All},
    Geometry{{92}, {126, -40}, {126, 39}, {126, -40}, {126, 39}, {135, 44}, NONE, S::All},
    Geometry{{93}, {6, 68}, {-13, 93}, {6, 68}, {-13, 93}, {83, 57}, NONE, S::All},
    Geometry{{94, 95}, {3, 72}, {-13, 93}, {3, 72}, {-13, 93}, {83, 57}, NONE, S::All},
};

const Geometry* FindGeometry(int32_t kind) {
  for (const Geometry& g : GEOMETRY) {
    for (int32_t k : g.kinds) {
      if (k == kind) return &g;
    }
  }
  return nullptr;
}

// A quarter turn on the screen (y grows downwards). A component of a kind
// we have no geometry for keeps the offsets of its file, and a damaged one
// may hold the most negative integer: that turns into itself rather than
// overflowing.
Offset Turn(Offset o) {
  return {o.dy, static_cast<int32_t>(0u - static_cast<uint32_t>(o.dx))};
}

bool IsStorageBattery(int32_t kind) {
  return kind == KIND_STORAGE_BATTERY || kind == KIND_STORAGE_BATTERY_SET;
}

}  // namespace

void RefreshElementGeometry(Bench& bench) {
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    const Geometry* g = FindGeometry(e.kind);
    if (!g) continue;
    e.term_a_offset[0] = g->a_object;
    e.term_b_offset[0] = g->b_object;
    e.term_a_offset[1] = g->a_circuit;
    e.term_b_offset[1] = g->b_circuit;
    SpreadHalfSize(e.half_size, g->size, g->turned, g->spread);
  }
  DerivePoseGeometry(bench);
}

void DerivePoseGeometry(Bench& bench) {
  for (ElementRecord& e : bench.elements) {
    if (!e.in_use()) break;
    if (IsStorageBattery(e.kind)) {
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
