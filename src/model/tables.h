#pragma once
// Emptying, compacting and looking up the bench tables.

#include <functional>
#include <optional>

#include "model/bench.h"

namespace voltaro {

// Empties every table and writes each table's defaults; the id counter
// starts again at 0. Display flags (the view) are kept.
void InitBenchTables(Bench& bench);

// The terminal offsets of slide rheostats follow the view: in the circuit
// view the coil ends sit at the ends of the schematic resistor.
void ApplyRheostatOffsets(Bench& bench);

// Number of leading in-use records of each table.
int CountElements(const Bench& bench);
int CountRheostats(const Bench& bench);
int CountWires(const Bench& bench);
int CountMeters(const MeterTable& meters);
int CountSpdts(const Bench& bench);
int CountRelays(const Bench& bench);
int CountNotes(const Bench& bench);
int CountBlackBoxes(const Bench& bench);

// Each closes the gap at the table's first free slot by moving every later
// record down one place; the last slot is left cleared. The compaction of a
// table whose components own hidden links first removes the links of the
// freed record, and element pictures move down with their records.
void CompactElements(Bench& bench);
void CompactRheostats(Bench& bench);
void CompactWires(Bench& bench);
void CompactVoltmeters(Bench& bench);
void CompactAmmeters(Bench& bench);
void CompactSpdts(Bench& bench);
void CompactRelays(Bench& bench);
void CompactNotes(Bench& bench);
void CompactBlackBoxes(Bench& bench);

// Frees every ground link the analysis added (state 3).
void RemoveGroundLinks(Bench& bench);

// The offset entry of a two-terminal component in pose `pose` (1..8) for a
// view entry (0 object view, 1 circuit view): pose - 1 + view_entry, kept
// within the eight entries, without overflow, whatever pose a damaged file
// gave.
int PoseEntry(int32_t pose, int view_entry);

// Visits every terminal a wire can join, in the order wires look them up:
// two-terminal components (A, then B), SPDT switches (1, common, 2), relays
// (coil A, coil B, contact A, contact B), rheostats (bar A, bar B, coil A,
// coil B), voltmeters and ammeters (common, low, high). Two-terminal
// components use offset entry pose - 1 + view_entry (0 object view, 1
// circuit view). The visit stops when `visit(id, position)` returns true.
void ForEachTerminal(const Bench& bench, int view_entry,
                     const std::function<bool(int32_t, Point)>& visit);

// Where the terminal with this node id stands on the bench. Two-terminal
// components use offset entry pose - 1 + view_entry (0 object view, 1 circuit
// view). Tables are searched in the order two-terminal, SPDT, relay,
// rheostat, voltmeter, ammeter; the first terminal carrying the id wins.
std::optional<Point> TerminalPosition(const Bench& bench, int32_t node_id, int view_entry);

// The position of end 1 (node_a) or end 2 (node_b) of a wire in the object
// view geometry, or (0, 0) when no terminal carries that id.
Point WireEndPosition(const Bench& bench, int wire_index, int end);

// True when some terminal of a component carries this node id.
bool IsTerminal(const Bench& bench, int32_t node_id);

}  // namespace voltaro
