#pragma once
// `voltaro-cli trace FILE.ele --ticks N [--csv]`: runs the bench's timer N
// ticks of 100 ms without a window and prints one row per tick: the time,
// every instrument's reading and every component's current.

#include <string>
#include <vector>

namespace voltaro::cli {

// The arguments after "trace"; returns the exit code.
int Trace(const std::vector<std::string>& args);

}  // namespace voltaro::cli
