#pragma once
// A folder of its own for each test that touches files, removed afterwards.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro::testing {

struct TempFolder {
  TempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "voltaro-doc-XXXXXX").string();
    path = mkdtemp(name.data());
  }
  ~TempFolder() { std::filesystem::remove_all(path); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::vector<std::filesystem::path> entries() const {
    std::vector<std::filesystem::path> out;
    for (const auto& e : std::filesystem::directory_iterator(path)) {
      out.push_back(e.path().filename());
    }
    return out;
  }
  std::filesystem::path path;
};

inline std::string Slurp(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void Spit(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace voltaro::testing
