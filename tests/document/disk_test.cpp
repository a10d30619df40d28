// Opening and saving through the file system: names that are no plain
// file (a folder, a pipe, a device, a link) and files far too large must
// give "open failed!" or "save failed!" and never hang, crash or replace
// what the name stands for.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

// Saving through a link saves the experiment it points to and keeps the
// link; saving over what is no plain file leaves it alone.
TEST(SaveExperiment, FollowsLinksAndReplacesOnlyPlainFiles) {
  TempFolder folder;
  const fs::path& dir = folder.path;
  TestBench t;
  t.place(KIND_BULB);
  const std::string text = ExperimentText(t.bench);

  fs::create_directory(dir / "lessons");
  Spit(dir / "lessons" / "ohm.ele", "old experiment");
  fs::create_symlink("lessons/ohm.ele", dir / "relative link.ele");
  fs::create_symlink(dir / "relative link.ele", dir / "link to a link.ele");
  fs::create_symlink(dir / "lessons" / "new.ele", dir / "dangling link.ele");
  fs::create_symlink(dir / "no folder" / "new.ele", dir / "link into nowhere.ele");
  fs::create_symlink("loop b.ele", dir / "loop a.ele");
  fs::create_symlink("loop a.ele", dir / "loop b.ele");
  fs::create_directory(dir / "folder.ele");
  ASSERT_EQ(::mkfifo((dir / "pipe.ele").c_str(), 0600), 0);
  fs::create_symlink(dir / "pipe.ele", dir / "link to pipe.ele");
  // A device node of our own (the null device's numbers), where we may make
  // one: saving must never turn it into a plain file.
  const bool device = ::mknod((dir / "device.ele").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;

  struct Case {
    const char* name;    // saved to
    const char* target;  // the file that must then hold the experiment
  };
  const Case saved[] = {
      {"relative link.ele", "lessons/ohm.ele"},
      {"link to a link.ele", "lessons/ohm.ele"},
      {"dangling link.ele", "lessons/new.ele"},
  };
  for (const Case& c : saved) {
    SCOPED_TRACE(c.name);
    Spit(dir / "lessons" / "ohm.ele", "old experiment");
    ASSERT_TRUE(WriteExperimentFile(t.bench, dir / c.name));
    EXPECT_TRUE(fs::is_symlink(dir / c.name));
    EXPECT_EQ(Slurp(dir / c.target), text);
  }
  std::vector<fs::path> lessons;
  for (const auto& e : fs::directory_iterator(dir / "lessons")) lessons.push_back(e.path());
  EXPECT_EQ(lessons.size(), 2u) << "no temporary file is left beside the target";

  for (const char* refused : {"link into nowhere.ele", "loop a.ele", "folder.ele", "pipe.ele",
                              "link to pipe.ele", "device.ele"}) {
    SCOPED_TRACE(refused);
    if (std::string_view(refused) == "device.ele" && !device) continue;
    const fs::file_type before = fs::symlink_status(dir / refused).type();
    EXPECT_FALSE(WriteExperimentFile(t.bench, dir / refused));
    EXPECT_EQ(fs::symlink_status(dir / refused).type(), before);
  }
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.ele"));
  if (device) {
    EXPECT_TRUE(fs::is_character_file(dir / "device.ele"));
  }
}

TEST(SaveExperiment, ThroughALinkKeepsTheTargetsPermissions) {
  TempFolder folder;
  const fs::path target = folder.path / "worksheet.ele";
  Spit(target, "old experiment");
  ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
  fs::create_symlink(target, folder.path / "link.ele");
  TestBench t;
  t.place(KIND_FUSE);
  ASSERT_TRUE(WriteExperimentFile(t.bench, folder.path / "link.ele"));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  EXPECT_EQ(Slurp(target), ExperimentText(t.bench));
}

TEST(SaveExperiment, AReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "the super-user may write to any file";
  TempFolder folder;
  const fs::path target = folder.path / "worksheet.ele";
  Spit(target, "old experiment");
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  TestBench t;
  EXPECT_FALSE(WriteExperimentFile(t.bench, target));
  EXPECT_EQ(Slurp(target), "old experiment");
}

}  // namespace
}  // namespace voltaro
