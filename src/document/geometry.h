#pragma once
// The built-in geometry of two-terminal components: terminal offsets and
// body sizes for every quarter turn, in the object and the circuit view.

#include "model/bench.h"

namespace voltaro {

// Rewrites the geometry of every two-terminal record from the built-in table
// (so that files written with other geometry are drawn and wired with ours),
// then derives the turned entries.
void RefreshElementGeometry(Bench& bench);

// Derives the terminal offsets of the turned poses (entries 2 to 7) from the
// unturned ones (entries 0 and 1). Storage batteries are mirrored instead.
void DerivePoseGeometry(Bench& bench);

}  // namespace voltaro
