// voltaro-cli from the outside: exit codes, and the readings a physics
// teacher expects from the example experiments.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "run_cli.h"

namespace {

using nlohmann::json;

using voltaro::testing::Cli;
using voltaro::testing::CliRun;
using voltaro::testing::RunShell;

json Solve(const std::string& example) {
  const CliRun r = Cli("solve --json " + std::string(VOLTARO_EXAMPLES) + "/" + example);
  EXPECT_EQ(r.status, 0) << r.out;
  return json::parse(r.out);
}

TEST(Cli, ExitCodes) {
  // Names that are no plain file: each must be refused at once, neither
  // hanging on a pipe without a writer or an endless device nor aborting.
  const std::string folder = ::testing::TempDir() + "/cli folder.ele";
  std::filesystem::create_directories(folder);
  const std::string pipe = ::testing::TempDir() + "/cli pipe.ele";
  std::filesystem::remove(pipe);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  struct Case {
    std::string args;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {"", 2, "usage"},
      {"solve", 2, "usage"},
      {"frobnicate x.ele", 2, "usage"},
      {"solve --json /nonexistent/bench.ele", 3, "open failed!"},
      {"solve " VOLTARO_CLI, 3, "open failed!"},  // not an experiment at all
      {"convert /nonexistent/a.ele /tmp/b.ele", 3, "open failed!"},
      {"render " VOLTARO_EXAMPLES "/ohms_law.ele", 2, "usage"},
      {"render a.ele b.png --upside-down", 2, "usage"},
      {"render a.ele b.png --scale 5", 2, "usage"},
      {"render a.ele b.png --scale 1.5", 2, "usage"},
      {"render a.ele b.png --scale", 2, "usage"},
      {"render " VOLTARO_EXAMPLES "/ohms_law.ele /tmp/b.gif", 2, "ends in .png, .bmp, .jpg"},
      {"render /nonexistent/bench.ele /tmp/b.png", 3, "open failed!"},
      {"solve '" + folder + "'", 3, "open failed!"},
      {"solve --json '" + pipe + "'", 3, "open failed!"},
      {"solve /dev/zero", 3, "open failed!"},
      {"convert '" + folder + "' /tmp/b.ele", 3, "open failed!"},
      {"render '" + folder + "' /tmp/b.png", 3, "open failed!"},
      {"convert " VOLTARO_EXAMPLES "/ohms_law.ele '" + folder + "'", 4, "save failed!"},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << ": " << r.out;
  }
}

// A hand-edited file with every position and pose at the ends of the 32-bit
// range is solved and drawn in both views like any other.
TEST(Cli, AFileFromTheFarCornersSolvesAndDraws) {
  const std::string file = VOLTARO_TEST_DATA "/far_away.ele";
  EXPECT_EQ(Cli("solve --json " + file).status, 0);
  for (const char* view : {"", " --circuit --current-direction"}) {
    const CliRun r = Cli("render " + file + " " + ::testing::TempDir() + "/far.png" + view);
    EXPECT_EQ(r.status, 0) << view << ": " << r.out;
  }
}

TEST(Cli, ConvertWritesAFileThatSolvesTheSame) {
  const std::string out = ::testing::TempDir() + "/converted.ele";
  ASSERT_EQ(Cli("convert " VOLTARO_EXAMPLES "/wheatstone_bridge.ele " + out).status, 0);
  const CliRun again = Cli("solve --json " + out);
  ASSERT_EQ(again.status, 0);
  EXPECT_EQ(json::parse(again.out)["elements"], Solve("wheatstone_bridge.ele")["elements"]);
}

// The picture's size as its PNG header gives it, or {0, 0}.
std::pair<int, int> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char h[24] = {};
  in.read(reinterpret_cast<char*>(h), sizeof h);
  if (!in || std::memcmp(h, "\x89PNG\r\n\x1a\n", 8) != 0) return {0, 0};
  const auto be32 = [&](int at) {
    return h[at] << 24 | h[at + 1] << 16 | h[at + 2] << 8 | h[at + 3];
  };
  return {be32(16), be32(20)};
}

// OUT's ending says what is written: a bitmap as large as --scale makes
// it, or a drawing.
TEST(Cli, RenderWritesByTheEnding) {
  const std::string dir = ::testing::TempDir();
  const struct {
    const char* out;
    const char* options;
    const char* starts_with;
  } cases[] = {
      {"b.png", " --scale 2", "\x89PNG"}, {"b.BMP", " --scale 3 --circuit", "BM"},
      {"b.jpg", "", "\xff\xd8"},          {"b.svg", " --circuit", "<?xml"},
      {"b.pdf", " --scale 4", "%PDF-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    const std::string out = dir + "/" + c.out;
    std::filesystem::remove(out);
    const CliRun r = Cli("render " VOLTARO_EXAMPLES "/ohms_law.ele " + out + c.options);
    EXPECT_EQ(r.status, 0) << r.out;
    std::ifstream in(out, std::ios::binary);
    std::string head(std::strlen(c.starts_with), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(head, c.starts_with);
  }
  EXPECT_EQ(PngSize(dir + "/b.png"), std::make_pair(2048, 1536));
}

// Pictures are painted by a program of their own beside voltaro-cli; the
// command line does not show it, and a copy of voltaro-cli without it still
// solves and says why it cannot paint.
TEST(Cli, RenderHandsOverToThePictureProgram) {
  const std::string dir = ::testing::TempDir();
  for (const char* view : {"", " --circuit --current-direction"}) {
    const std::string png = dir + "/ohms_law.png";
    std::filesystem::remove(png);
    const CliRun r = Cli("render " VOLTARO_EXAMPLES "/ohms_law.ele " + png + view);
    EXPECT_EQ(r.status, 0) << view << ": " << r.out;
    EXPECT_EQ(PngSize(png), std::make_pair(1024, 768)) << view;
  }

  const std::filesystem::path alone = std::filesystem::path(dir) / "cli_alone";
  std::filesystem::create_directories(alone);
  std::filesystem::copy_file(VOLTARO_CLI, alone / "voltaro-cli",
                             std::filesystem::copy_options::overwrite_existing);
  const std::string cli = (alone / "voltaro-cli").string();
  const CliRun render =
      RunShell(cli + " render " VOLTARO_EXAMPLES "/ohms_law.ele " + dir + "/x.png");
  EXPECT_EQ(render.status, 3);
  EXPECT_NE(render.out.find("cannot start "), std::string::npos) << render.out;
  EXPECT_NE(render.out.find("cli_alone/voltaro-cli-render"), std::string::npos) << render.out;
  EXPECT_EQ(RunShell(cli + " solve " VOLTARO_EXAMPLES "/ohms_law.ele").status, 0);
}

TEST(Examples, OhmsLawReadsThreeVoltsAndThreeTenthsOfAnAmpere) {
  const json r = Solve("ohms_law.ele");
  EXPECT_EQ(r["status"], 0);
  const json& resistor = r["elements"][2];
  const double u = resistor["potential_a"].get<double>() - resistor["potential_b"].get<double>();
  EXPECT_NEAR(std::fabs(u / resistor["current"].get<double>()), 10, 1e-9);
  // The ammeter is on its 0.6 A terminal: the 3-unit scale reads five times the current.
  EXPECT_NEAR(r["ammeters"][0]["value"].get<double>() / 5, 0.3, 0.005);
  EXPECT_NEAR(r["voltmeters"][0]["value"].get<double>(), 2.97, 0.01);
}

TEST(Examples, BulbsGlowBrighterInParallelThanInSeries) {
  const json r = Solve("series_and_parallel_bulbs.ele");
  for (int slot : {1, 2}) EXPECT_EQ(r["elements"][slot]["picture"], 2);
  for (int slot : {4, 5}) {
    EXPECT_EQ(r["elements"][slot]["picture"], 8);
    EXPECT_NEAR(r["elements"][slot]["current"].get<double>(), 0.3, 1e-12);
  }
}

TEST(Examples, BalancedBridgeAndBlackBoxAndDiode) {
  const json bridge = Solve("wheatstone_bridge.ele");
  EXPECT_NEAR(bridge["elements"][5]["current"].get<double>(), 0, 1e-12);
  EXPECT_NEAR(bridge["elements"][5]["needle_angle"].get<double>(), 90, 1e-9);

  EXPECT_EQ(Solve("black_box.ele")["elements"][5]["display"], "40");

  const json diode = Solve("diode_both_ways.ele");
  EXPECT_EQ(diode["elements"][1]["is_open"], 0);
  EXPECT_EQ(diode["elements"][2]["picture"], 8);
  EXPECT_EQ(diode["elements"][4]["is_open"], 1);
  EXPECT_EQ(diode["elements"][5]["picture"], 1);
}

TEST(Examples, EveryExampleSettles) {
  for (const char* example :
       {"ohms_law.ele", "series_and_parallel_bulbs.ele", "internal_resistance.ele",
        "wheatstone_bridge.ele", "relay_and_bell.ele", "fuse_and_short_circuit.ele",
        "diode_both_ways.ele", "black_box.ele", "coil_and_magnet.ele", "cutting_rod.ele",
        "ac_generator.ele", "dc_generator.ele", "dc_motor.ele"}) {
    const json r = Solve(example);
    EXPECT_EQ(r["status"], 0) << example;
    EXPECT_FALSE(r["short_circuit"].get<bool>()) << example;
    EXPECT_LT(r["runs"].get<int>(), 50) << example;
  }
}

}  // namespace
