// voltaro-cli: check, convert and picture experiments without a window.

#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/report.h"
#include "document/experiment_file.h"
#include "document/geometry.h"
#include "model/analysis.h"
#include "render/bench_renderer.h"
#include "render/pictures.h"

namespace {

using namespace voltaro;

constexpr int EXIT_USAGE = 2;
constexpr int EXIT_OPEN_FAILED = 3;
constexpr int EXIT_SAVE_FAILED = 4;

int Usage() {
  std::cerr << "usage:\n"
               "  voltaro-cli solve [--json] FILE.ele\n"
               "  voltaro-cli convert IN.ele OUT.ele\n"
               "  voltaro-cli render FILE.ele OUT.png [--circuit] [--current-direction]\n";
  return EXIT_USAGE;
}

// Reads an experiment into the bench with its geometry brought up to date;
// the analysis is left to the caller.
bool Load(Bench& bench, const std::string& path) {
  const std::optional<std::string> bytes = ReadExperimentBytes(path);
  if (!bytes || DecodeExperiment(bench, *bytes) != OpenOutcome::Opened) {
    std::cerr << "open failed!\n";
    return false;
  }
  RefreshElementGeometry(bench);
  return true;
}

int Solve(const std::vector<std::string>& args) {
  bool json = false;
  std::string file;
  for (const std::string& a : args) {
    if (a == "--json") {
      json = true;
    } else if (file.empty() && a.rfind("--", 0) != 0) {
      file = a;
    } else {
      return Usage();
    }
  }
  if (file.empty()) return Usage();
  auto bench = std::make_unique<Bench>();
  if (!Load(*bench, file)) return EXIT_OPEN_FAILED;
  const int runs = Settle(*bench);
  if (json) {
    std::cout
        << BenchReport(*bench, runs).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << "\n";
  } else {
    PrintBenchTable(std::cout, *bench, runs);
  }
  return 0;
}

int Convert(const std::vector<std::string>& args) {
  if (args.size() != 2) return Usage();
  auto bench = std::make_unique<Bench>();
  if (ReadExperimentFile(*bench, args[0]) != OpenOutcome::Opened) {
    std::cerr << "open failed!\n";
    return EXIT_OPEN_FAILED;
  }
  if (!WriteExperimentFile(*bench, args[1])) {
    std::cerr << "save failed!\n";
    return EXIT_SAVE_FAILED;
  }
  return 0;
}

int Render(const std::vector<std::string>& args, const std::string& program_dir) {
  bool circuit = false, arrows = false;
  std::vector<std::string> files;
  for (const std::string& a : args) {
    if (a == "--circuit") {
      circuit = true;
    } else if (a == "--current-direction") {
      arrows = true;
    } else if (a.rfind("--", 0) == 0) {
      return Usage();
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return Usage();
  auto bench = std::make_unique<Bench>();
  if (!Load(*bench, files[0])) return EXIT_OPEN_FAILED;
  // Pictures are painted without a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "voltaro-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  PictureSet pictures;
  if (auto missing = pictures.load(program_dir + "/obj")) {
    std::cerr << "cannot read the picture " << *missing << "\n";
    return EXIT_OPEN_FAILED;
  }
  bench->circuit_view = circuit ? 1 : 0;
  bench->show_current_direction = arrows ? 1 : 0;
  BenchRenderer renderer(*bench, pictures, nullptr);
  renderer.attach();
  renderer.rebuild_all_pictures();
  Settle(*bench);
  if (!renderer.image().save(QString::fromStdString(files[1]), "PNG")) {
    std::cerr << "save failed!\n";
    return EXIT_SAVE_FAILED;
  }
  return 0;
}

std::string ProgramDir(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::filesystem::path path = ec ? std::filesystem::path(argv0) : self;
  return path.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "solve") return Solve(args);
  if (command == "convert") return Convert(args);
  if (command == "render") return Render(args, ProgramDir(argv[0]));
  return Usage();
}
