#include "cli/trace.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/load.h"
#include "document/csv.h"
#include "document/gbk.h"
#include "document/recording_table.h"
#include "document/values.h"
#include "model/format.h"
#include "model/headless_timer.h"
#include "model/recording.h"

namespace voltaro::cli {
namespace {

struct TraceArgs {
  std::string file;
  int32_t ticks = 0;
  bool csv = false;
};

std::optional<TraceArgs> Parse(const std::vector<std::string>& args) {
  TraceArgs out;
  bool ticks_given = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--csv" && !out.csv) {
      out.csv = true;
    } else if (a == "--ticks" && !ticks_given && i + 1 < args.size()) {
      const std::optional<int32_t> n = ParseInteger(args[++i]);
      if (!n || *n < 0) return std::nullopt;
      out.ticks = *n;
      ticks_given = true;
    } else if (out.file.empty() && !a.starts_with("--")) {
      out.file = a;
    } else {
      return std::nullopt;
    }
  }
  if (out.file.empty() || !ticks_given) return std::nullopt;
  return out;
}

// Columns a terminal gives the text: two for the wide characters of
// Chinese, Japanese and Korean, one for the rest.
size_t DisplayWidth(std::string_view utf8) {
  size_t width = 0;
  for (size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const size_t len = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t cp = byte;
    if (len == 3 && i + 2 < utf8.size()) {
      cp = ((byte & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
    }
    const bool wide =
        len == 3 && ((cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                     (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                     (cp >= 0xFF00 && cp <= 0xFF60) || (cp >= 0xFFE0 && cp <= 0xFFE6));
    width += wide ? 2 : 1;
    i += len;
  }
  return width;
}

// A readable table: each column as wide as its heading and at least wide
// enough for six significant digits, numbers to the right.
class TablePrinter {
 public:
  explicit TablePrinter(const CsvRow& heading) {
    for (const std::string& h : heading) widths_.push_back(std::max<size_t>(DisplayWidth(h), 12));
    print(heading);
  }
  void print(const CsvRow& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) line += "  ";
      line.append(widths_[i] - std::min(widths_[i], DisplayWidth(cells[i])), ' ');
      line += cells[i];
    }
    std::cout << DisplayText(line) << '\n';
  }

 private:
  std::vector<size_t> widths_;
};

// Six significant digits read well in a table; --csv keeps all fifteen.
CsvRow ReadableRow(const Recording& recording) {
  CsvRow out{FormatGeneral(recording.times()[0], 6)};
  for (size_t c = 0; c < recording.columns().size(); ++c) {
    const std::optional<double> v = recording.value(0, c);
    out.push_back(v ? FormatGeneral(*v, 6) : std::string());
  }
  return out;
}

}  // namespace

int Trace(const std::vector<std::string>& args) {
  const std::optional<TraceArgs> a = Parse(args);
  if (!a) return Usage();
  auto bench = std::make_unique<Bench>();
  if (!Load(*bench, a->file)) return EXIT_OPEN_FAILED;

  HeadlessTimer timer(*bench);
  timer.open();
  // Nothing is added to or taken from the bench while it runs alone, so the
  // columns found after opening are all the columns.
  QuantityReader reader;
  std::vector<Quantity> chosen = reader.list(*bench);
  std::erase_if(chosen, [](const Quantity& q) { return !ReadingOrCurrent(q.key); });
  Recording recording;
  recording.choose(std::move(chosen));

  std::ios::sync_with_stdio(false);
  std::optional<TablePrinter> table;
  if (a->csv) {
    std::cout << CsvText({RecordingHeading(recording)});
  } else {
    table.emplace(RecordingHeading(recording));
  }
  for (int32_t t = 0; t < a->ticks; ++t) {
    timer.tick();
    recording.record(*bench, timer.seconds());
    if (a->csv) {
      std::cout << CsvText({RecordingRow(recording, 0)});
    } else {
      table->print(ReadableRow(recording));
    }
    // Printed rows are not kept: a trace of any length runs in little memory.
    recording.clear_rows();
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "write failed!\n";
    return EXIT_SAVE_FAILED;
  }
  return 0;
}

}  // namespace voltaro::cli
