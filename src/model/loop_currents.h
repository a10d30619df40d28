#pragma once
// Loops that parts of (nearly) no resistance close among themselves: wires,
// closed switches and contacts, digital ammeters, straight leads and supplies
// without internal resistance.
//
// In such a loop the equations leave the circulating current to rounding: a
// remainder near 1e-16 divided by 1e-80 gave 1e62 A through two closed
// switches side by side. So the analysis solves the bench with one part of
// every such loop left open, which fixes every potential and every current
// outside the loops, and then shares the currents inside the loops out as
// the parts' own resistances make them:
// - wires are the junctions themselves, so a part bridged by a wire carries
//   nothing, and the wires of a junction carry what the junction passes on;
// - among parts, a part beside one of far lower resistance carries nothing,
//   and parts of equal resistance share equally (two ideal cells side by
//   side each carry half the load);
// - a loop whose supplies do not agree (an ideal cell closed by a wire, two
//   ideal cells of different emf side by side) is a short circuit: its
//   current is the emf left over divided by the loop's resistance, as large
//   as the parts make it.

#include <cmath>
#include <cstdint>
#include <vector>

#include "model/bench.h"

namespace voltaro {

// Below this a part cannot be told from a junction by anything on the
// bench: at the largest current that is not a short circuit (1e10 A) it
// drops less than 1e-10 V, far under the smallest reading a voltmeter shows
// (1e-4 V), and the parts that are meant as junctions lie far below it
// (wires and closed switches 1e-80 ohm, digital ammeters 1e-50 ohm, leads
// and ideal supplies 0 ohm).
constexpr double NEAR_ZERO_RESISTANCE = 1e-20;

inline bool IsNearZero(double resistance) {
  return std::fabs(resistance) < NEAR_ZERO_RESISTANCE;
}

// Working storage for SpreadLoopCurrents, sized once for the largest bench.
struct LoopScratch {
  LoopScratch();

  struct Edge {
    int u, v;  // terminal nodes, 2 * branch + end (0 for A)
    int slot;  // the branch, or the wire
    bool is_wire;
    bool in_tree;  // taken into the equations (branches: not left open)
    double r;      // magnitude of the resistance
    double emf;    // branch emf: V(u) - V(v) = emf + r * current
    double flow;   // current from u to v
    int level;     // 0 for wires, then the classes of parts from low to high
  };
  std::vector<Edge> edges;
  std::vector<int> adjacency_start, adjacency;  // per node, its edges
  std::vector<int> discovered, low, parent_edge, stack, next_adjacent;
  std::vector<uint8_t> bridge;
  std::vector<int> edge_piece;
  std::vector<int> piece;  // disjoint sets over nodes
  std::vector<int> grouped, component_edges, component_nodes, order;
  std::vector<double> outflow, potential, scale;
  std::vector<int> local;  // node -> row of the level's equations, or -1
  std::vector<double> class_floor;
  // Node equations of one level, grown when a larger one comes along.
  std::vector<double> matrix;
  std::vector<int> degree, rank, elimination, local_node;
  std::vector<uint8_t> eliminated;
};

// Shares out the currents of every loop of near-zero parts. Runs after the
// solution has been written into the branch list and the wire table, when
// the equations left at least one near-zero part open.
void SpreadLoopCurrents(Bench& bench);

}  // namespace voltaro
