#pragma once
// A recording of readings as a table of text: for CSV files, the clipboard
// and `voltaro-cli trace`.

#include <cstddef>
#include <string>

#include "document/csv.h"
#include "model/recording.h"

namespace voltaro {

// "Time (s)", then "Pointer ammeter 1 (A)", "Bulb 1 current (A)", ...
CsvRow RecordingHeading(const Recording& recording);

// One row: the time and each column's value in the bench's own number
// format (15 significant digits, a full stop, "1E-5", "INF", "NAN"); an
// empty cell where the quantity was not on the bench.
CsvRow RecordingRow(const Recording& recording, size_t row);

// The heading and every row.
CsvTable RecordingTable(const Recording& recording);

// "Bulb 1 current (A)".
std::string ColumnHeading(const Quantity& quantity);

}  // namespace voltaro
