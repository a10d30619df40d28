#pragma once
// Turning the bench into a flat list of branches, and tying islands that no
// wire joins to the rest so that the equations form one connected network.

#include "model/bench.h"

namespace voltaro {

// Rebuilds the branch list from every component table. Returns false, with
// an empty list, when the bench needs more branches than the list holds.
bool BuildBranchList(Bench& bench);

// Adds a ground link (a wire of state 3) from branch 0's terminal A to
// terminal A of every branch that no chain of wires and branches joins to
// branch 0. A link the full wire table has no room for is kept with the
// analysis and enters the equations all the same.
void GroundFloatingParts(Bench& bench);

// Number of leading branches in use.
int CountBranches(const Bench& bench);

}  // namespace voltaro
