// Readings written as CSV and read back; lines fitted to measured points.

#include "document/csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "document/gbk.h"
#include "document/line_fit.h"
#include "document/recording_table.h"
#include "document/values.h"
#include "model/kinds.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

using testing::TestBench;

constexpr double INF = std::numeric_limits<double>::infinity();

TEST(Csv, TablesComeBackCellForCell) {
  struct Case {
    const char* name;
    CsvTable table;
  };
  const Case cases[] = {
      {"plain", {{"a", "b"}, {"1", "2.5"}}},
      {"commas", {{"R1, left", ","}, {",,", "x"}}},
      {"quotes", {{"the \"big\" one", "\""}, {"\"\"", "a\"b"}}},
      {"line ends", {{"two\r\nlines", "lf\nonly", "cr\ronly"}, {"\n", "end"}}},
      {"blanks and empty cells", {{" padded ", "", ""}, {"", "x", ""}}},
      {"one empty cell", {{"x"}, {""}, {"y"}}},
      {"Chinese", {{"电阻甲", "灵敏电流计 1 (A)"}, {"数字电压表", "1E-5"}}},
      {"signs", {{"Ω×10", "µA", "½"}}},
  };
  for (const Case& c : cases) {
    for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::Gb18030}) {
      SCOPED_TRACE(std::string(c.name) + (encoding == CsvEncoding::Utf8 ? " utf-8" : " gb18030"));
      const std::optional<CsvTable> back = ReadCsv(CsvFileBytes(c.table, encoding), encoding);
      ASSERT_TRUE(back);
      EXPECT_EQ(*back, c.table);
    }
  }
}

TEST(Csv, FilesAreSpelledAsSpreadsheetsExpect) {
  const CsvTable table{{"电阻", "a,b"}, {"1", "say \"hi\""}};
  EXPECT_EQ(CsvText(table), "电阻,\"a,b\"\r\n1,\"say \"\"hi\"\"\"\r\n");
  EXPECT_EQ(CsvFileBytes(table, CsvEncoding::Utf8), "\xEF\xBB\xBF" + CsvText(table));
  // GBK's own two bytes for each character, as the bench's files have them.
  EXPECT_EQ(CsvFileBytes({{"电阻"}}, CsvEncoding::Gb18030), "\xB5\xE7\xD7\xE8\r\n");
  // A raw byte of a damaged name goes back into a GB18030 file as itself
  // and shows as a replacement character in UTF-8.
  const std::string damaged = GbkToUtf8("R\xFF");
  EXPECT_EQ(CsvFileBytes({{damaged}}, CsvEncoding::Gb18030), "R\xFF\r\n");
  EXPECT_EQ(CsvText({{damaged}}), "R\xEF\xBF\xBD\r\n");
}

TEST(Csv, ReadingAcceptsWhatOthersWriteAndRefusesBrokenQuotes) {
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<CsvTable> table;
  };
  const Case cases[] = {
      {"unix line ends", "a,b\n1,2\n", CsvTable{{"a", "b"}, {"1", "2"}}},
      {"no line end at the end", "a,b\r\n1,2", CsvTable{{"a", "b"}, {"1", "2"}}},
      {"old mac line ends", "a\rb\r", CsvTable{{"a"}, {"b"}}},
      {"comma at the end", "a,", CsvTable{{"a", ""}}},
      {"nothing", "", CsvTable{}},
      {"quote never closed", "a,\"b\r\n1,2\r\n", std::nullopt},
      {"text after a closing quote", "\"a\"b,c\r\n", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadCsv(c.bytes, CsvEncoding::Utf8), c.table);
  }
}

TEST(Csv, TabSeparatedTextKeepsEachCellOnOneLine) {
  EXPECT_EQ(TabSeparatedText({{"V", "I"}, {"a\tb", "c\r\nd"}}), "V\tI\r\na b\tc  d\r\n");
}

// A recording of awkward names and values that are not numbers written to a
// file and read back: every name and every value as it was.
TEST(Csv, RecordingsRoundTripThroughAFile) {
  TestBench t;
  const char* names[] = {"R, \"big\"\nsecond line", "电阻甲", "plain"};
  const double values[] = {NAN, INF, -INF, 1e-300, -0.1, 123456.789012345};
  for (const char* name : names) {
    const int r = t.element(KIND_FIXED_RESISTOR, 10);
    t.el(r).name = name;
  }
  Recording rec;
  rec.follow([](const QuantityKey& k) { return k.measure == Measure::Current; });
  for (size_t row = 0; row < std::size(values); ++row) {
    for (int i = 0; i < 3; ++i) t.el(i).current = values[(row + i) % std::size(values)];
    rec.record(t.bench, static_cast<double>(row + 1) / 10);
  }
  ASSERT_EQ(rec.columns().size(), 3u);

  for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::Gb18030}) {
    const std::optional<CsvTable> back =
        ReadCsv(CsvFileBytes(RecordingTable(rec), encoding), encoding);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), rec.rows() + 1);
    EXPECT_EQ((*back)[0], (CsvRow{"Time (s)", std::string(names[0]) + " current (A)",
                                  "电阻甲 current (A)", "plain current (A)"}));
    for (size_t row = 0; row < rec.rows(); ++row) {
      EXPECT_EQ(ParseReal((*back)[row + 1][0]), rec.times()[row]);
      for (size_t c = 0; c < 3; ++c) {
        const double want = *rec.value(row, c);
        const std::optional<double> got = ParseReal((*back)[row + 1][c + 1]);
        ASSERT_TRUE(got);
        if (std::isnan(want)) {
          EXPECT_TRUE(std::isnan(*got));
        } else if (std::isinf(want)) {
          EXPECT_EQ(*got, want);
        } else {
          // Fifteen significant digits: every reading to one part in 1e14.
          EXPECT_NEAR(*got, want, std::fabs(want) * 1e-14);
        }
      }
    }
  }
}

TEST(LineFit, SlopeAndInterceptOfMeasuredPoints) {
  struct Case {
    const char* name;
    std::vector<double> x, y;
    std::optional<LineFit> fit;
  };
  const Case cases[] = {
      {"exact line", {1, 2, 3}, {2.5, 4.5, 6.5}, LineFit{2, 0.5, 3}},
      {"scatter about a line", {0, 1, 2, 3}, {0.1, 0.9, 2.1, 2.9}, LineFit{0.96, 0.06, 4}},
      {"missing readings left out", {0, NAN, 1, 2}, {1, 5, 3, INF}, LineFit{2, 1, 2}},
      {"far from zero", {1e8 + 1, 1e8 + 2, 1e8 + 3}, {1, 2, 3}, LineFit{1, -1e8, 3}},
      {"one point", {1}, {2}, std::nullopt},
      {"all at one voltage", {2, 2, 2}, {1, 2, 3}, std::nullopt},
      {"too large to square", {-1e200, 1e200}, {0, 1}, std::nullopt},
      {"nothing", {}, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<LineFit> fit = FitLine(c.x, c.y);
    ASSERT_EQ(fit.has_value(), c.fit.has_value());
    if (!fit) continue;
    EXPECT_NEAR(fit->slope, c.fit->slope, 1e-12);
    EXPECT_NEAR(fit->intercept, c.fit->intercept, 1e-6);
    EXPECT_EQ(fit->points, c.fit->points);
  }
}

}  // namespace
}  // namespace voltaro
