// Every input the fuzz programs have kept, run again through both harnesses
// on every test run: a file that once crashed the reader, or a clipboard
// text that once corrupted the bench, must never do so again.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harnesses.h"

namespace voltaro::fuzz {
namespace {

namespace fs = std::filesystem;

void FailTheTest(const char* what) {
  ADD_FAILURE() << what;
}

std::vector<fs::path> Inputs(const char* folder) {
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(fs::path(VOLTARO_FUZZ_CORPUS) / folder)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

void Replay(const char* folder, int (*harness)(const uint8_t*, size_t)) {
  SetBrokenPromiseHandler(FailTheTest);
  const std::vector<fs::path> inputs = Inputs(folder);
  ASSERT_FALSE(inputs.empty()) << folder;
  for (const fs::path& input : inputs) {
    SCOPED_TRACE(input.filename().string());
    std::ifstream file(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    harness(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  SetBrokenPromiseHandler(nullptr);
}

TEST(FuzzCorpus, EveryKeptFileOpensSafely) {
  Replay("experiment_file", RunExperimentFileInput);
}

TEST(FuzzCorpus, EveryKeptClipboardTextPastesSafely) {
  Replay("paste", RunPasteInput);
}

}  // namespace
}  // namespace voltaro::fuzz
