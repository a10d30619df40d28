#include "document/lines.h"

#include <algorithm>
#include <optional>

#include "document/gbk.h"
#include "document/values.h"
#include "model/bench.h"

namespace voltaro {

std::vector<std::string> SplitLines(std::string_view text) {
  // Counted first: a full bench is thousands of lines, and a list grown by
  // doubling would touch twice its memory.
  size_t ends = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++ends;
    }
  }
  std::vector<std::string> lines;
  lines.reserve(ends + 1);
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

void LineWriter::line(std::string_view gbk) {
  out_.append(gbk);
  out_ += "\r\n";
  ++lines_;
}

void LineWriter::integer(int32_t value) {
  line(FormatInteger(value));
}
void LineWriter::real(double value) {
  line(FormatReal(value));
}
void LineWriter::flag(bool value) {
  line(FormatFlag(value));
}

void LineWriter::text(std::string_view utf8) {
  std::string gbk = Utf8ToGbk(utf8);
  for (char& c : gbk) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  line(gbk);
}

const std::string* LineReader::take() {
  if (failed_ || at_end()) {
    failed_ = true;
    return nullptr;
  }
  return &lines_[next_++];
}

int32_t LineReader::integer() {
  const std::string* line = take();
  if (!line) return 0;
  const std::optional<int32_t> value = ParseInteger(*line);
  if (!value) failed_ = true;
  return value.value_or(0);
}

int32_t LineReader::coordinate() {
  return std::clamp(integer(), -LARGEST_COORDINATE, LARGEST_COORDINATE);
}

int32_t LineReader::id() {
  const int32_t value = integer();
  if (value > LARGEST_ID) failed_ = true;
  return value;
}

double LineReader::real() {
  const std::string* line = take();
  if (!line) return 0;
  const std::optional<double> value = ParseReal(*line);
  if (!value) failed_ = true;
  return value.value_or(0);
}

bool LineReader::flag() {
  const std::string* line = take();
  return line && ParseFlag(*line);
}

std::string LineReader::text() {
  const std::string* line = take();
  return line ? GbkToUtf8(*line) : std::string();
}

void LineReader::skip() {
  take();
}

int LineReader::count(int capacity) {
  const int32_t n = integer();
  if (n < 0 || n > capacity) {
    failed_ = true;
    return 0;
  }
  return n;
}

}  // namespace voltaro
