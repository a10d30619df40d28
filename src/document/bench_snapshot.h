#pragma once
// A bench as it stood at one moment, to be put back when a change is taken
// back: its experiment text, its id counter, and the results of its last
// analysis with whether it waits for another, so that it comes back with
// the readings it showed without being solved again. An undo history holds
// a snapshot before and after every step, on a bench of hundreds of records
// of which one step touches a few, so the text is kept in pieces (one per
// record) and the snapshots of one store share every piece they have in
// common.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "model/bench.h"

namespace voltaro {

class PiecePool;

class Snapshot {
 public:
  Snapshot() = default;  // holds no bench

  bool empty() const { return body_ == nullptr; }
  // The experiment text, byte for byte as saving would write it.
  std::string text() const;
  int32_t next_id() const;

  // The same text and id counter; the readings are not compared: they
  // follow from the text.
  friend bool operator==(const Snapshot& a, const Snapshot& b);

 private:
  friend class SnapshotStore;
  friend bool RestoreSnapshot(Bench& bench, const Snapshot& snapshot);
  struct Body;
  std::shared_ptr<const Body> body_;
};

class SnapshotStore {
 public:
  SnapshotStore();
  ~SnapshotStore();
  SnapshotStore(const SnapshotStore&) = delete;
  SnapshotStore& operator=(const SnapshotStore&) = delete;

  Snapshot capture(const Bench& bench);
  // The memory that the snapshots of this store still alive hold together,
  // in bytes: each shared piece once, and every snapshot's list of pieces.
  size_t bytes() const;

 private:
  std::shared_ptr<PiecePool> pool_;
};

// Puts the bench back exactly as the snapshot holds it (tables, ids, id
// counter, readings, an analysis it was waiting for; the view stays as it
// is) and shows it: the observer told that the bench was replaced and that
// it has its results. Nothing is solved: a crowded bench comes back as fast
// as it is painted. False, with an empty bench, only for a snapshot that
// holds no bench.
bool RestoreSnapshot(Bench& bench, const Snapshot& snapshot);

}  // namespace voltaro
