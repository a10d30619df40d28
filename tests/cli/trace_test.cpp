// `voltaro-cli trace` from the outside: its exit codes, its CSV, its table.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "document/csv.h"
#include "document/values.h"
#include "run_cli.h"

namespace {

using namespace voltaro;

voltaro::testing::CliRun Trace(const std::string& args) {
  return voltaro::testing::Cli("trace " + args);
}

TEST(CliTrace, ExitCodes) {
  const std::string folder = ::testing::TempDir() + "/trace folder.ele";
  std::filesystem::create_directories(folder);
  const std::string example = VOLTARO_EXAMPLES "/ohms_law.ele";
  struct Case {
    std::string args;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {"", 2, "usage"},
      {example, 2, "usage"},  // no --ticks
      {example + " --ticks", 2, "usage"},
      {example + " --ticks -1", 2, "usage"},
      {example + " --ticks 2.5", 2, "usage"},
      {example + " --ticks 99999999999", 2, "usage"},
      {example + " --ticks 3 --ticks 4", 2, "usage"},
      {example + " --ticks 3 --csv --csv", 2, "usage"},
      {example + " --ticks 3 --json", 2, "usage"},
      {"--ticks 3", 2, "usage"},
      {"/nonexistent/bench.ele --ticks 3", 3, "open failed!"},
      {"'" + folder + "' --ticks 3", 3, "open failed!"},
      {VOLTARO_CLI " --ticks 3", 3, "open failed!"},
  };
  for (const Case& c : cases) {
    const voltaro::testing::CliRun r = Trace(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << ": " << r.out;
  }
}

TEST(CliTrace, CsvHasARowPerTickAndTheGeneratorsCurrentAlternates) {
  const voltaro::testing::CliRun r =
      Trace("--csv " VOLTARO_EXAMPLES "/ac_generator.ele --ticks 70");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::optional<CsvTable> table = ReadCsv(r.out, CsvEncoding::Utf8);
  ASSERT_TRUE(table);
  ASSERT_EQ(table->size(), 71u);
  const CsvRow& heading = (*table)[0];
  EXPECT_EQ(heading, (CsvRow{"Time (s)", "AC generator 1 current (A)", "Bulb 1 current (A)"}));
  int changes = 0;
  for (size_t row = 1; row < table->size(); ++row) {
    ASSERT_EQ((*table)[row].size(), heading.size());
    EXPECT_NEAR(*ParseReal((*table)[row][0]), 0.1 * static_cast<double>(row), 1e-12);
    if (row > 1) {
      const double before = *ParseReal((*table)[row - 1][2]);
      const double now = *ParseReal((*table)[row][2]);
      if ((before < 0) != (now < 0)) ++changes;
    }
  }
  // Speed 5: 0.2 rad a tick, a turn in 32 ticks, two changes of sign a turn.
  EXPECT_EQ(changes, 4);
}

TEST(CliTrace, ReadableTableOfTheOhmsLawLab) {
  const voltaro::testing::CliRun r = Trace(VOLTARO_EXAMPLES "/ohms_law.ele --ticks 2");
  ASSERT_EQ(r.status, 0) << r.out;
  std::istringstream lines(r.out);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  ASSERT_EQ(rows.size(), 3u) << r.out;
  for (const char* heading :
       {"Time (s)", "Pointer voltmeter 1 (V)", "Pointer ammeter 1 (A)",
        "Fixed resistor 1 current (A)", "Slide resistor 1 coil A to slider current (A)"}) {
    EXPECT_NE(rows[0].find(heading), std::string::npos) << heading;
  }
  // The 0.6 A post: the ammeter reads the battery's 0.3 A, not five times it.
  const size_t volts = rows[1].find(" 2.96629 ");
  const size_t amps = rows[1].find(" 0.299625 ");
  ASSERT_NE(volts, std::string::npos) << rows[1];
  ASSERT_NE(amps, std::string::npos) << rows[1];
  EXPECT_LT(volts, amps);
  EXPECT_EQ(rows[1].size(), rows[0].size());
  EXPECT_EQ(Trace(VOLTARO_EXAMPLES "/ohms_law.ele --ticks 0").out, rows[0] + "\n");
}

}  // namespace
