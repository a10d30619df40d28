#pragma once
// The two walkers of the record field lists (record_fields.h): one writes a
// record's lines, the other reads them back. Both follow one layout, which
// decides from a field's tags whether its line stands there.

#include <algorithm>
#include <array>
#include <concepts>
#include <cstdint>
#include <string>
#include <vector>

#include "document/lines.h"
#include "document/record_fields.h"

namespace voltaro {

// The line layouts a record is written in or read from.
enum class Layout {
  File,          // experiment file, version 3 and 3.2
  FileVersion2,  // experiment file, version 2: no SINCE_V3 lines
  Clipboard,     // clipboard text: ON_CLIPBOARD lines only
};

// Whether a field with these tags has a line in the layout.
constexpr bool HasLine(Layout layout, unsigned tags) {
  switch (layout) {
    case Layout::File:
      return true;
    case Layout::FileVersion2:
      return (tags & SINCE_V3) == 0;
    case Layout::Clipboard:
      return (tags & ON_CLIPBOARD) != 0;
  }
  return false;
}

// Adds the lines of a record's fields to a LineWriter.
class FieldWriter {
 public:
  FieldWriter(LineWriter& out, Layout layout) : out_(out), layout_(layout) {}

  void text(const std::string& value, unsigned tags) {
    if (HasLine(layout_, tags)) out_.text(value);
  }
  void integer(std::integral auto value, unsigned tags) {
    if (HasLine(layout_, tags)) out_.integer(static_cast<int32_t>(value));
  }
  void coordinate(int32_t value, unsigned tags) { integer(value, tags); }
  void id(int32_t value) { integer(value, FILE_ONLY); }
  void real(double value, unsigned tags) {
    if (HasLine(layout_, tags)) out_.real(value);
  }
  // A count of the entries that follow, at most `capacity`; gives the
  // number of entries to write.
  int count(int32_t value, int capacity, unsigned tags) {
    const int n = std::clamp(value, 0, capacity);
    integer(n, tags);
    return n;
  }
  // One flag line per bit, in the order given.
  template <size_t N>
  void flags(uint8_t bits, const std::array<uint8_t, N>& each, unsigned tags) {
    if (!HasLine(layout_, tags)) return;
    for (uint8_t bit : each) out_.flag((bits & bit) != 0);
  }
  // The number of texts, then one line each.
  void text_list(const std::vector<std::string>& texts, unsigned tags) {
    if (!HasLine(layout_, tags)) return;
    out_.integer(static_cast<int32_t>(texts.size()));
    for (const std::string& t : texts) out_.text(t);
  }

 private:
  LineWriter& out_;
  Layout layout_;
};

// Fills a record's fields from a LineReader. Fields without a line in the
// layout keep what the record held. A bad value fails the reader, which
// then hands out zeros to the end of the record (see LineReader).
class FieldReader {
 public:
  FieldReader(LineReader& in, Layout layout) : in_(in), layout_(layout) {}

  void text(std::string& value, unsigned tags) {
    if (HasLine(layout_, tags)) value = in_.text();
  }
  template <std::integral I>
  void integer(I& value, unsigned tags) {
    if (HasLine(layout_, tags)) value = static_cast<I>(in_.integer());
  }
  void coordinate(int32_t& value, unsigned tags) {
    if (HasLine(layout_, tags)) value = in_.coordinate();
  }
  void id(int32_t& value) {
    if (HasLine(layout_, FILE_ONLY)) value = in_.id();
  }
  void real(double& value, unsigned tags) {
    if (HasLine(layout_, tags)) value = in_.real();
  }
  // A count above `capacity` or below 0 fails the reader.
  int count(int32_t& value, int capacity, unsigned tags) {
    if (HasLine(layout_, tags)) value = in_.count(capacity);
    return std::clamp(value, 0, capacity);
  }
  // The style starts empty; each flag line "1" sets its bit.
  template <size_t N>
  void flags(uint8_t& bits, const std::array<uint8_t, N>& each, unsigned tags) {
    if (!HasLine(layout_, tags)) return;
    bits = 0;
    for (uint8_t bit : each) {
      if (in_.flag()) bits |= bit;
    }
  }
  // A damaged count fails the reader: a negative one at once, one larger
  // than the lines left at the first missing line, so that it cannot make
  // the list grow without end.
  void text_list(std::vector<std::string>& texts, unsigned tags) {
    if (!HasLine(layout_, tags)) return;
    const int32_t n = in_.integer();
    if (n < 0) in_.fail();
    texts.clear();
    for (int32_t i = 0; i < n && !in_.failed(); ++i) {
      std::string line = in_.text();
      if (!in_.failed()) texts.push_back(std::move(line));
    }
  }

 private:
  LineReader& in_;
  Layout layout_;
};

// A record's lines in the layout.
template <class Record>
void WriteFields(LineWriter& out, Layout layout, const Record& record) {
  FieldWriter writer(out, layout);
  Fields(writer, record);
}

// A record's fields from the layout's lines.
template <class Record>
void ReadFields(LineReader& in, Layout layout, Record& record) {
  FieldReader reader(in, layout);
  Fields(reader, record);
}

}  // namespace voltaro
