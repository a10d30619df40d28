#pragma once
// What `voltaro-cli solve` prints: every record of a settled bench with its
// results, as JSON or as a readable table.

#include <nlohmann/json.hpp>
#include <ostream>

#include "model/bench.h"

namespace voltaro {

// The whole bench and its results; `runs` is how many analysis runs it took
// to settle.
nlohmann::json BenchReport(const Bench& bench, int runs);

// The same report as plain text, one line per record.
void PrintBenchTable(std::ostream& out, const Bench& bench, int runs);

}  // namespace voltaro
