#include "harnesses.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "benches.h"
#include "document/clipboard.h"
#include "document/experiment_file.h"
#include "document/lines.h"
#include "model/behaviour.h"
#include "model/bench.h"
#include "model/bench_observer.h"
#include "model/kinds.h"
#include "model/ports.h"
#include "model/tables.h"

namespace voltaro::fuzz {
namespace {

void AbortOnBrokenPromise(const char* what) {
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

BrokenPromise broken_promise = AbortOnBrokenPromise;

void Expect(bool kept, const char* what) {
  if (!kept) broken_promise(what);
}

// A fuse that blows or a bell that rings asks for a sound; nobody listens.
class Silence : public SoundPlayer {
 public:
  void play(std::string_view) override {}
  void stop() override {}
};

// The benches are far too large to build for every input, so each program
// keeps one and empties it as the window does before each open.
//
// Stands in for the window's drawing: the state rules run after each
// analysis, and compaction may move a record only down within its table.
class Drawing : public BenchObserver {
 public:
  void analysed(Bench& bench) override { ApplyStateRules(bench); }
  void element_moved(int from, int to) override {
    Expect(from > 0 && from < TWO_TERMINAL_SLOTS && to >= 0 && to < from,
           "compaction moves a record down within its table");
  }
  void replaced(Bench&) override {}
};

struct Benches {
  Benches() {
    for (Bench* b : {&work, &reopened}) b->sound = &silence;
    work.observer = &pictures;
    InitBenchTables(reopened);
    empty_bench_text = ExperimentText(reopened);
  }
  Silence silence;
  Drawing pictures;
  std::string empty_bench_text;
  Bench work;
  Bench reopened;
};

Benches& Shared() {
  static Benches* benches = new Benches;  // lives as long as the process
  return *benches;
}

std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// What is saved must open again and save to the very same bytes, or a
// pupil's experiment changes each time it is saved and opened.
void ExpectSavedBenchReopens(Benches& b) {
  const std::string saved = ExperimentText(b.work);
  Expect(DecodeExperiment(b.reopened, saved) == OpenOutcome::Opened, "a saved bench opens again");
  Expect(ExperimentText(b.reopened) == saved, "a saved bench reopens unchanged");
}

// A bench that was never read from a file may hold geometry the reader
// replaces on purpose: the terminals of a storage battery turned twice go
// back on its case. Such a bench may read back with those offsets moved
// once; from the first reopening on, the file must stay as it is.
void ExpectPastedBenchReopens(Benches& b) {
  const bool moved_on_reading =
      std::any_of(b.work.elements.begin(), b.work.elements.end(), [](const ElementRecord& e) {
        return e.kind == KIND_STORAGE_BATTERY || e.kind == KIND_STORAGE_BATTERY_SET;
      });
  if (!moved_on_reading) {
    ExpectSavedBenchReopens(b);
    return;
  }
  const std::string first = ExperimentText(b.work);
  Expect(DecodeExperiment(b.reopened, first) == OpenOutcome::Opened,
         "a bench with a pasted storage battery opens again");
  const std::string second = ExperimentText(b.reopened);
  Expect(SplitLines(second).size() == SplitLines(first).size(),
         "reopening keeps every record of a bench with a pasted storage battery");
  Expect(DecodeExperiment(b.reopened, second) == OpenOutcome::Opened &&
             ExperimentText(b.reopened) == second,
         "a reopened bench with a pasted storage battery stays unchanged");
}

// Records which slot the pasted component's picture went to.
class Holder : public PictureHolder {
 public:
  void keep(int) override {}
  void give(int slot) override {
    Expect(slot >= 0 && slot < TWO_TERMINAL_SLOTS, "a pasted picture goes to a real slot");
  }
};

}  // namespace

void SetBrokenPromiseHandler(BrokenPromise handler) {
  broken_promise = handler ? handler : AbortOnBrokenPromise;
}

int RunExperimentFileInput(const uint8_t* data, size_t size) {
  Benches& b = Shared();
  // Opening empties the bench with InitBenchTables first, as the window
  // does before every open; emptying it here as well would only double the
  // most expensive step of each run.
  if (ReadExperimentText(b.work, Text(data, size)) == OpenOutcome::Opened) {
    ExpectSavedBenchReopens(b);
  } else {
    Expect(ExperimentText(b.work) == b.empty_bench_text && b.work.next_id == 0,
           "a file that does not open leaves an empty bench");
  }
  return 0;
}

int RunPasteInput(const uint8_t* data, size_t size) {
  Benches& b = Shared();
  InitBenchTables(b.work);
  BuildPasteBench(b.work);
  const std::string before = ExperimentText(b.work);
  const int32_t ids = b.work.next_id;
  Holder holder;
  const PasteResult pasted = PasteText(b.work, Text(data, size), {320, 240}, &holder);
  switch (pasted.outcome) {
    case PasteOutcome::Malformed:
    case PasteOutcome::TableFull:
    case PasteOutcome::NoWireRoom:
      Expect(ExperimentText(b.work) == before && b.work.next_id == ids,
             "a refused paste leaves the bench as it was");
      break;
    case PasteOutcome::Pasted:
      Expect(pasted.index >= 0 && pasted.index < TWO_TERMINAL_SLOTS,
             "a pasted object lands in a slot of its table");
      ExpectPastedBenchReopens(b);
      break;
    case PasteOutcome::UnknownKind:
      ExpectPastedBenchReopens(b);
      break;
  }
  return 0;
}

}  // namespace voltaro::fuzz
