// Opening and saving through the file system: names that are no plain
// file (a folder, a pipe, a device, a link) and files far too large must
// give "open failed!" or "save failed!" and never hang, crash or replace
// what the name stands for.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/experiment_file.h"
#include "model/kinds.h"
#include "model/tables.h"
#include "support/temp_folder.h"
#include "support/test_bench.h"

namespace voltaro {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;
using testing::Spit;
using testing::TempFolder;
using testing::TestBench;

TEST(OpenExperiment, OnlyAPlainFileOfSaneSizeIsRead) {
  TempFolder folder;
  TestBench saved;
  saved.place(KIND_BULB);
  const fs::path good = folder.path / "good.ele";
  Spit(good, ExperimentText(saved.bench));

  fs::create_directory(folder.path / "folder.ele");
  ASSERT_EQ(::mkfifo((folder.path / "pipe.ele").c_str(), 0600), 0);
  fs::create_symlink(good, folder.path / "link.ele");
  fs::create_symlink(folder.path / "folder.ele", folder.path / "link to folder.ele");
  // Sparse files: the size is what counts, not what the disk holds.
  for (const auto& [name, size] : {std::pair{"at the limit.ele", LARGEST_EXPERIMENT_FILE},
                                   std::pair{"too large.ele", LARGEST_EXPERIMENT_FILE + 1}}) {
    Spit(folder.path / name, "");
    fs::resize_file(folder.path / name, size);
  }

  struct Case {
    fs::path path;
    OpenOutcome outcome;
  };
  const Case cases[] = {
      {good, OpenOutcome::Opened},
      {folder.path / "link.ele", OpenOutcome::Opened},
      {folder.path / "folder.ele", OpenOutcome::CannotRead},
      {folder.path / "link to folder.ele", OpenOutcome::CannotRead},
      {folder.path / "pipe.ele", OpenOutcome::CannotRead},  // no writer: must not wait for one
      {"/dev/zero", OpenOutcome::CannotRead},               // endless: must not read on and on
      {"/dev/null", OpenOutcome::CannotRead},
      {folder.path / "too large.ele", OpenOutcome::CannotRead},
      // Read whole, and refused only for what it holds.
      {folder.path / "at the limit.ele", OpenOutcome::BadHeader},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.string());
    TestBench t;
    t.place(KIND_FIXED_RESISTOR);
    EXPECT_EQ(ReadExperimentFile(t.bench, c.path), c.outcome);
    if (c.outcome == OpenOutcome::Opened) {
      EXPECT_EQ(CountElements(t.bench), 1);
      EXPECT_EQ(t.bench.elements[0].kind, KIND_BULB);
      continue;
    }
    EXPECT_EQ(CountElements(t.bench), 0);
    EXPECT_EQ(ReadExperimentBytes(c.path).has_value(), c.outcome == OpenOutcome::BadHeader);
    // The bench goes on working after the refusal.
    t.place(KIND_DRY_CELL);
    EXPECT_EQ(CountElements(t.bench), 1);
  }
}

TEST(SaveExperiment, ABenchTooLargeToOpenAgainIsNotSaved) {
  TempFolder folder;
  TestBench t;
  NoteRecord& n = t.bench.notes[0];
  n.in_use = 1;
  n.lines.assign(1, std::string(LARGEST_EXPERIMENT_FILE, 'x'));
  Spit(folder.path / "old.ele", "old experiment");
  EXPECT_FALSE(WriteExperimentFile(t.bench, folder.path / "old.ele"));
  EXPECT_EQ(Slurp(folder.path / "old.ele"), "old experiment");
}

}  // namespace
}  // namespace voltaro
