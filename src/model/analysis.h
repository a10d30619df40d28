#pragma once
// One analysis run of the whole bench, and the ways of running it.

#include "model/bench.h"

namespace voltaro {

// How many immediate re-runs a diode that changes direction may nest; the
// deepest keeps its state and leaves the rest to the next tick.
constexpr int MAX_DIODE_RERUNS = 8;
// Runs the settle loop allows before giving up on a bench that never rests.
constexpr int MAX_SETTLE_RUNS = 50;

// Numbers the variables and writes the equations. Returns false when the
// bench needs more variables than the system holds (nothing is built).
bool BuildEquations(Bench& bench);
// Eliminates the system built last.
void SolveEquations(Bench& bench);
// The status of the elimination just done (0, 1 or 2).
SolveStatus ClassifySolution(const Bench& bench);
// Copies the solution into the branches, wires and component records.
void DistributeResults(Bench& bench);

// The full analysis: branches, ground links, equations, elimination,
// results, clean-up, sounds stopped, redraw.
void doing(Bench& bench);

// The analysis a slider or magnet drag runs on every move: no pending flag,
// no status, no sounds touched.
void DoingWhileDragging(Bench& bench);

// Runs the bench's redraw hook, or the state rules alone when the bench has
// no picture.
void RedrawBench(Bench& bench);

// Runs the analysis until no state change asks for another run (at most
// MAX_SETTLE_RUNS runs). Returns the number of runs.
int Settle(Bench& bench);

}  // namespace voltaro
