#include "cli/load.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "document/experiment_file.h"
#include "document/geometry.h"

namespace voltaro::cli {

int Usage() {
  std::cerr << "usage:\n"
               "  voltaro-cli solve [--json] FILE.ele\n"
               "  voltaro-cli convert IN.ele OUT.ele\n"
               "  voltaro-cli trace FILE.ele --ticks N [--csv]\n"
               "  voltaro-cli render FILE.ele OUT [--circuit] [--current-direction] [--scale N]\n"
               "      OUT ends in .png, .bmp, .jpg (painted N = 1..4 times larger), .svg or .pdf\n";
  return EXIT_USAGE;
}

bool Load(Bench& bench, const std::string& path) {
  const std::optional<std::string> bytes = ReadExperimentBytes(path);
  if (!bytes || DecodeExperiment(bench, *bytes) != OpenOutcome::Opened) {
    std::cerr << "open failed!\n";
    return false;
  }
  RefreshElementGeometry(bench);
  return true;
}

std::string ProgramDir(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::filesystem::path path = ec ? std::filesystem::path(argv0) : self;
  return path.parent_path().string();
}

}  // namespace voltaro::cli
