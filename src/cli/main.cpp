// voltaro-cli: check, convert, trace and picture experiments without a window.
//
// Solving, converting and tracing need nothing but the bench's own code, and start as
// fast as the process can. Pictures need Qt's painting libraries, whose
// loading alone takes longer than the analysis of a full bench: `render` is
// done by voltaro-cli-render, a program installed beside this one, which
// takes over this process with the same arguments.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/load.h"
#include "cli/report.h"
#include "cli/trace.h"
#include "document/experiment_file.h"
#include "model/analysis.h"

namespace {

using namespace voltaro;
using namespace voltaro::cli;

constexpr char RENDER_PROGRAM[] = "voltaro-cli-render";

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

// Returns only when the render program cannot be started.
int Render(int argc, char** argv) {
  std::string program = ProgramDir(argv[0]) + "/" + RENDER_PROGRAM;
  std::vector<char*> args{program.data()};
  args.insert(args.end(), argv + 2, argv + argc);
  args.push_back(nullptr);
  execv(program.c_str(), args.data());
  std::cerr << "cannot start " << program << ": " << std::strerror(errno) << "\n";
  return EXIT_OPEN_FAILED;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "solve") return Solve(args);
  if (command == "convert") return Convert(args);
  if (command == "trace") return Trace(args);
  if (command == "render") return Render(argc, argv);
  return Usage();
}
