#include "document/recording_table.h"

#include "document/values.h"

namespace voltaro {

std::string ColumnHeading(const Quantity& quantity) {
  return quantity.label() + " (" + quantity.unit + ")";
}

CsvRow RecordingHeading(const Recording& recording) {
  CsvRow out{"Time (s)"};
  for (const Quantity& q : recording.columns()) out.push_back(ColumnHeading(q));
  return out;
}

CsvRow RecordingRow(const Recording& recording, size_t row) {
  CsvRow out{FormatReal(recording.times().at(row))};
  for (size_t c = 0; c < recording.columns().size(); ++c) {
    const std::optional<double> v = recording.value(row, c);
    out.push_back(v ? FormatReal(*v) : std::string());
  }
  return out;
}

CsvTable RecordingTable(const Recording& recording) {
  CsvTable out{RecordingHeading(recording)};
  for (size_t row = 0; row < recording.rows(); ++row) out.push_back(RecordingRow(recording, row));
  return out;
}

}  // namespace voltaro
